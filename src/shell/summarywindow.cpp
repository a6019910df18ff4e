// "Summary…": one tax year of the log at a glance.
#include "shell/summarywindow.h"

#include "core/messageboxes.h"
#include "logtable/triplog.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/replacingfile.h"
#include "shell/summarychart.h"

#include <QBuffer>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace bw {

namespace {

constexpr int kColumns = 7;
constexpr int kChartWidth = 1200;
constexpr int kChartHeight = 500;

QTableWidget* readOnlyTable(QWidget* parent, const QStringList& captions, const char* name)
{
    auto* table = new QTableWidget(0, int(captions.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(captions);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return table;
}

void setRow(QTableWidget* table, int row, const QStringList& cells)
{
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column > 0) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
}

} // namespace

SummaryWindow::SummaryWindow(Source source, const QDate& today, QWidget* parent)
    : QDialog(parent), source_(std::move(source)), today_(today)
{
    setObjectName(QStringLiteral("SummaryWindow"));
    setWindowTitle(tr("Summary"));
    build();
    recompute_ = new QTimer(this);
    recompute_->setSingleShot(true);
    recompute_->setInterval(100);
    connect(recompute_, &QTimer::timeout, this, [this] { refresh(); });
    showStart(source_.taxYearStart ? source_.taxYearStart() : TaxYearStart{});
    refresh();
}

QString SummaryWindow::commandText() { return tr("Summary…"); }

void SummaryWindow::build()
{
    auto* layout = new QVBoxLayout(this);
    auto* yearRow = new QHBoxLayout;
    cboYear = new QComboBox(this);
    cboYear->setObjectName(QStringLiteral("cboYear"));
    auto* yearLabel = new QLabel(tr("&Tax year:"), this);
    yearLabel->setBuddy(cboYear);
    yearRow->addWidget(yearLabel);
    yearRow->addWidget(cboYear);
    yearRow->addSpacing(24);
    yearRow->addLayout(buildStartRow());
    yearRow->addStretch();
    layout->addLayout(yearRow);
    lblStartNote = new QLabel(this);
    lblStartNote->setObjectName(QStringLiteral("lblStartNote"));
    lblStartNote->setWordWrap(true);
    layout->addWidget(lblStartNote);
    const QString unit = unitAbbreviation(source_.units.distance);
    tblMonths =
        readOnlyTable(this,
                      {tr("Month"), tr("Trips"), tr("Distance (%1)").arg(unit), tr("Reimbursement"),
                       tr("Claimed"), tr("Paid"), tr("Not Yet Claimed")},
                      "tblMonths");
    tblMonths->setAccessibleName(tr("Months of the tax year"));
    layout->addWidget(tblMonths, 3);
    chart = new SummaryChart(this);
    layout->addWidget(chart, 2);
    layout->addWidget(new QLabel(tr("Most driven routes:"), this));
    tblRoutes =
        readOnlyTable(this, {tr("Route"), tr("Trips"), tr("Distance (%1)").arg(unit)}, "tblRoutes");
    tblRoutes->setAccessibleName(tr("Most driven routes"));
    layout->addWidget(tblRoutes, 2);
    layout->addLayout(buildButtons());
    connect(cboYear, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!showing_ && index >= 0) showYear(cboYear->itemData(index).toInt());
    });
    resize(760, 720);
}

QLayout* SummaryWindow::buildStartRow()
{
    auto* row = new QHBoxLayout;
    spnStartDay = new QSpinBox(this);
    spnStartDay->setObjectName(QStringLiteral("spnStartDay"));
    spnStartDay->setRange(1, 31);
    cboStartMonth = new QComboBox(this);
    cboStartMonth->setObjectName(QStringLiteral("cboStartMonth"));
    for (int month = 1; month <= 12; ++month)
        cboStartMonth->addItem(QLocale().standaloneMonthName(month), month);
    auto* label = new QLabel(tr("&Starts on:"), this);
    label->setBuddy(spnStartDay);
    spnStartDay->setAccessibleName(tr("Tax year starts on day"));
    cboStartMonth->setAccessibleName(tr("Tax year starts in month"));
    row->addWidget(label);
    row->addWidget(spnStartDay);
    row->addWidget(cboStartMonth);
    const std::pair<QString, TaxYearStart> presets[] = {{tr("6 April (UK)"), {4, 6}},
                                                        {tr("1 July (Australia)"), {7, 1}}};
    for (const auto& [text, start] : presets) {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, start = start] {
            showStart(start);
            startEdited();
        });
        row->addWidget(button);
    }
    connect(spnStartDay, &QSpinBox::valueChanged, this, [this] { startEdited(); });
    connect(cboStartMonth, &QComboBox::currentIndexChanged, this, [this] { startEdited(); });
    return row;
}

QLayout* SummaryWindow::buildButtons()
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    auto* exportButton = buttons->addButton(tr("&Export…"), QDialogButtonBox::ActionRole);
    exportButton->setObjectName(QStringLiteral("cmdExport"));
    auto* printButton = buttons->addButton(tr("&Print…"), QDialogButtonBox::ActionRole);
    printButton->setObjectName(QStringLiteral("cmdPrint"));
    connect(exportButton, &QPushButton::clicked, this, [this] { exportCommand(); });
    connect(printButton, &QPushButton::clicked, this, [this] { printCommand(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addWidget(buttons);
    return row;
}

void SummaryWindow::logChanged() { recompute_->start(); }

void SummaryWindow::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) logChanged();
}

void SummaryWindow::refresh()
{
    trips_ = source_.trips ? source_.trips() : std::vector<summary::SummaryTrip>{};
    const TaxYearStart start{cboStartMonth->currentData().toInt(), spnStartDay->value()};
    const TaxYearStart kept =
        taxYearStartProblem(start.month, start.day).isEmpty() ? start : summary_.start;
    const int shown =
        cboYear->currentIndex() >= 0 ? cboYear->currentData().toInt() : taxYearOf(kept, today_);
    showing_ = true;
    cboYear->clear();
    for (const int year : summary::summaryYears(trips_, kept, today_)) {
        // A tax year that does not begin on 1 January spans two years: "2025–26".
        const QString text =
            kept == TaxYearStart{}
                ? QString::number(year)
                : tr("%1–%2").arg(year).arg((year + 1) % 100, 2, 10, QLatin1Char('0'));
        cboYear->addItem(text, year);
    }
    const int index = cboYear->findData(shown);
    cboYear->setCurrentIndex(index >= 0 ? index : 0);
    showing_ = false;
    summary_.start = kept;
    showYear(cboYear->currentData().toInt());
}

void SummaryWindow::showYear(int year)
{
    summary_ = summary::summarize(trips_, summary_.start, year);
    fillTable();
    chart->setBars(chartBars(summary_));
    fillRoutes();
}

void SummaryWindow::fillTable()
{
    const QLocale locale;
    const Currency& currency = source_.units.currency;
    const auto cells = [&](const QString& label, const summary::MonthRow& row) {
        return QStringList{label,
                           locale.toString(row.trips),
                           summaryDistanceText(row.distance, locale),
                           currencyText(row.reimbursement, 2, currency, locale),
                           currencyText(row.claimed, 2, currency, locale),
                           currencyText(row.paid, 2, currency, locale),
                           currencyText(row.notYetClaimed, 2, currency, locale)};
    };
    tblMonths->setRowCount(summary::kMonths + 1);
    for (int m = 0; m < summary::kMonths; ++m) {
        const summary::MonthRow& row = summary_.months[std::size_t(m)];
        setRow(tblMonths, m, cells(locale.toString(row.begins, QStringLiteral("MMMM yyyy")), row));
    }
    setRow(tblMonths, summary::kMonths, cells(tr("Total"), summary_.total));
    QFont bold = tblMonths->font();
    bold.setBold(true);
    for (int column = 0; column < kColumns; ++column)
        tblMonths->item(summary::kMonths, column)->setFont(bold);
}

void SummaryWindow::fillRoutes()
{
    const QLocale locale;
    tblRoutes->setRowCount(int(summary_.routes.size()));
    int row = 0;
    for (const summary::RouteRow& route : summary_.routes) {
        setRow(tblRoutes, row++,
               {tr("%1 → %2").arg(route.from, route.to), locale.toString(route.trips),
                summaryDistanceText(route.distance, locale)});
    }
}

void SummaryWindow::showStart(const TaxYearStart& start)
{
    const QSignalBlocker dayQuiet(spnStartDay);
    const QSignalBlocker monthQuiet(cboStartMonth);
    spnStartDay->setValue(start.day);
    cboStartMonth->setCurrentIndex(cboStartMonth->findData(start.month));
    summary_.start = start;
}

// A start that is no day of every year is refused with its reason, and nothing is kept;
// the summary stays on the last start kept.
void SummaryWindow::startEdited()
{
    const TaxYearStart start{cboStartMonth->currentData().toInt(), spnStartDay->value()};
    QString why = taxYearStartProblem(start.month, start.day);
    if (why.isEmpty() && source_.keepTaxYearStart) why = source_.keepTaxYearStart(start);
    lblStartNote->setText(why.isEmpty() ? QString()
                                        : tr("The tax year's start was not changed: %1").arg(why));
    if (!why.isEmpty()) return;
    summary_.start = start;
    refresh();
}

void SummaryWindow::exportCommand()
{
    Dialogs::SaveFile request;
    request.title = tr("Export Summary");
    request.filters = {tr("CSV Files (*.csv)"), tr("PNG Images (*.png)"), tr("PDF Files (*.pdf)")};
    request.fileName = tr("summary %1.csv").arg(summary_.year);
    const Dialogs::SaveChoice choice = platform().dialogs->saveFile(request);
    if (choice.path.isEmpty()) return;
    QString target = choice.path;
    if (QFileInfo(target).suffix().isEmpty()) {
        // No suffix typed: the file type chosen names it.
        const QString chosen = choice.filter.section(QStringLiteral("(*."), 1).chopped(1);
        target += QLatin1Char('.') + (chosen.isEmpty() ? QStringLiteral("csv") : chosen);
    }
    if (QFileInfo::exists(target)
        && ask(tr("\"%1\" already exists.\r\nDo you want to replace it?").arg(target), Dialogs::No,
               windowTitle())
               != Dialogs::Yes)
        return;
    try {
        writeExport(target);
    } catch (const FileWriteError& failure) {
        tell(tr("The summary could not be exported to \"%1\". %2").arg(target, failure.cause()),
             windowTitle(), Dialogs::Icon::Warning);
    }
}

// By the file's suffix: the table as CSV, the chart as a PNG picture or a PDF page.
void SummaryWindow::writeExport(const QString& target)
{
    const QString suffix = QFileInfo(target).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("png") || suffix == QLatin1String("pdf")) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (suffix == QLatin1String("png")) {
            QImage image(kChartWidth, kChartHeight, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            paintChart(painter, image.rect().adjusted(16, 16, -16, -16), chart->bars());
            painter.end();
            image.save(&buffer, "PNG");
        } else {
            QPdfWriter pdf(&buffer);
            pdf.setPageOrientation(QPageLayout::Landscape);
            pdf.setTitle(windowTitle());
            QPainter painter(&pdf);
            paintPage(painter, QRect(0, 0, pdf.width(), pdf.height()));
        }
    } else {
        bytes = summary::summaryCsv(summary_).toUtf8();
    }
    ReplacingFile file(target);
    file.writeAll(bytes);
    file.commit();
}

void SummaryWindow::paintPage(QPainter& painter, const QRect& page)
{
    const int line = painter.fontMetrics().height();
    painter.drawText(QRect(page.left(), page.top(), page.width(), line), Qt::AlignLeft,
                     tr("Summary of the tax year %1").arg(cboYear->currentText()));
    QRect area = page.adjusted(0, 2 * line, 0, 0);
    area.setHeight(page.height() / 2);
    paintChart(painter, area, chart->bars());
    int y = area.bottom() + 2 * line;
    const int width = page.width() / kColumns;
    for (int row = -1; row < tblMonths->rowCount(); ++row) {
        for (int column = 0; column < kColumns; ++column) {
            const QString text = row < 0 ? tblMonths->horizontalHeaderItem(column)->text()
                                         : tblMonths->item(row, column)->text();
            painter.drawText(QRect(page.left() + column * width, y, width - 8, line),
                             column == 0 ? Qt::AlignLeft : Qt::AlignRight, text);
        }
        y += line;
    }
}

void SummaryWindow::printCommand()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!platform().dialogs->printDialog(printer)) return;
    QPainter painter(&printer);
    paintPage(painter, painter.viewport());
}

SummaryWindow* SummaryWindow::open(TripLog* log, const QAbstractItemModel& model,
                                   const LogUnits& units, QWidget* parent)
{
    if (!log || !log->database()) return nullptr;
    // The log's database is asked for at each read: the window may outlive a log closed.
    const QPointer<TripLog> held(log);
    Source source =
        summary::summarySourceOf([held] { return held ? held->database() : nullptr; }, units);
    auto* window = new SummaryWindow(std::move(source), platform().clock->now().date(), parent);
    window->setAttribute(Qt::WA_DeleteOnClose);
    const auto follow = [window] { window->logChanged(); };
    connect(&model, &QAbstractItemModel::dataChanged, window, follow);
    connect(&model, &QAbstractItemModel::modelReset, window, follow);
    connect(&model, &QAbstractItemModel::rowsInserted, window, follow);
    connect(&model, &QAbstractItemModel::rowsRemoved, window, follow);
    window->show();
    return window;
}

} // namespace bw
