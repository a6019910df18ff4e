// The rates window: rate changes by date, refused where the grid would refuse them.
#include "shell/ratesdialog.h"

#include "core/messageboxes.h"
#include "logtable/tripfills.h"
#include "platform/datetext.h"
#include "shell/cellnote.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace bw {

namespace {

enum Column { FromColumn, RateColumn, DistanceColumn, ColumnCount };

bool sameKey(const RateChange& a, const RateChange& b)
{
    return a.from == b.from && a.fromDistance == b.fromDistance;
}

// A rate as typed in the locale: all its digits, no currency sign, no grouping.
QString rateEntryText(double rate, QLocale locale)
{
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(rate, 'f', rateDecimals(rate));
}

} // namespace

RatesDialog::RatesDialog(RateSchedule schedule, QDate suggested, double typedRate, QWidget* parent,
                         const QLocale& locale, const LogUnits& units)
    : QDialog(parent), schedule_(std::move(schedule)), suggested_(suggested), typedRate_(typedRate),
      locale_(locale), table_(new QTableWidget(this)), add_(new QPushButton(tr("&Add"), this)),
      remove_(new QPushButton(tr("&Remove"), this)), note_(nullptr)
{
    setObjectName(QStringLiteral("RatesDialog"));
    setWindowTitle(tr("Rates by Date"));
    const bool km = units.distance == DistanceUnit::Kilometres;
    auto* intro = new QLabel(
        km ? tr("From each date on, trips are paid at its rate; earlier trips and trips without "
                "a date at the Rate per Kilometre:")
           : tr("From each date on, trips are paid at its rate; earlier trips and trips without a "
                "date at the Rate per Mile:"),
        this);
    intro->setWordWrap(true);
    intro->setBuddy(table_);

    table_->setObjectName(QStringLiteral("Rates"));
    table_->setAccessibleName(tr("Rates by Date"));
    table_->setAccessibleDescription(
        tr("Each rate change with the date it applies from. Insert adds one, Delete removes "
           "the current one."));
    table_->setColumnCount(ColumnCount);
    // Dollars per mile go without saying, as they always have.
    const QString rate =
        units == LogUnits{}
            ? tr("Rate")
            : tr("Rate (%1 per %2)").arg(units.currency.symbol, unitAbbreviation(units.distance));
    table_->setHorizontalHeaderLabels(
        {tr("From"), rate, tr("From Distance (%1)").arg(unitAbbreviation(units.distance))});
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setTabKeyNavigation(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    // Each caption shows whole, in every language and with the log's currency and unit.
    table_->horizontalHeader()->setSectionResizeMode(FromColumn, QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setSectionResizeMode(RateColumn, QHeaderView::ResizeToContents);
    table_->installEventFilter(this);
    note_ = new CellNote(table_);
    connect(table_, &QTableWidget::itemChanged, this, &RatesDialog::edited);

    add_->setObjectName(QStringLiteral("Add"));
    remove_->setObjectName(QStringLiteral("Remove"));
    add_->setAutoDefault(false);
    remove_->setAutoDefault(false);
    connect(add_, &QPushButton::clicked, this, &RatesDialog::addChange);
    connect(remove_, &QPushButton::clicked, this, &RatesDialog::removeCurrent);
    auto* rowButtons = new QHBoxLayout;
    rowButtons->addWidget(add_);
    rowButtons->addWidget(remove_);
    rowButtons->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(table_);
    layout->addLayout(rowButtons);
    layout->addWidget(buttons);
    resize(480, 300);
    fill({}, FromColumn);
    table_->setFocus();
}

void RatesDialog::fill(const RateChange& current, int column)
{
    filling_ = true;
    const std::vector<RateChange>& changes = schedule_.changes();
    table_->setRowCount(static_cast<int>(changes.size()));
    int currentRow = changes.empty() ? -1 : 0;
    for (int row = 0; row < table_->rowCount(); ++row) {
        const RateChange& change = changes[static_cast<std::size_t>(row)];
        setText(row, FromColumn,
                change.from.isValid() ? dateToText(change.from, locale_) : QString());
        setText(row, RateColumn, rateEntryText(change.rate, locale_));
        setText(row, DistanceColumn,
                change.fromDistance ? rateEntryText(*change.fromDistance, locale_) : QString());
        if (sameKey(change, current)) currentRow = row;
    }
    filling_ = false;
    remove_->setEnabled(currentRow >= 0);
    if (currentRow >= 0) table_->setCurrentCell(currentRow, column);
}

// Items are kept and their texts set, never replaced: an edit's own item may be the one
// being shown again.
void RatesDialog::setText(int row, int column, const QString& text)
{
    if (QTableWidgetItem* item = table_->item(row, column)) {
        item->setText(text);
        return;
    }
    auto* item = new QTableWidgetItem(text);
    if (column != FromColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table_->setItem(row, column, item);
}

void RatesDialog::addChange()
{
    QDate day = suggested_.isValid() ? suggested_ : QDate(2000, 1, 1);
    while (schedule_.changeAt(day, std::nullopt)) day = day.addDays(1);
    const std::optional<RateChange> latest =
        schedule_.isEmpty() ? std::nullopt : std::optional(schedule_.changes().back());
    const RateChange added{day, latest ? latest->rate : typedRate_};
    schedule_.add(added);
    fill(added, FromColumn);
    table_->setFocus();
}

void RatesDialog::removeCurrent()
{
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(schedule_.changes().size())) return;
    const RateChange gone = schedule_.changes()[static_cast<std::size_t>(row)];
    schedule_.remove(gone.from, gone.fromDistance);
    const std::vector<RateChange>& left = schedule_.changes();
    const int next = std::min(row, static_cast<int>(left.size()) - 1);
    fill(next >= 0 ? left[static_cast<std::size_t>(next)] : RateChange{}, FromColumn);
}

void RatesDialog::edited(QTableWidgetItem* item)
{
    if (filling_) return;
    const auto row = static_cast<std::size_t>(item->row());
    if (row >= schedule_.changes().size()) return;
    const RateChange was = schedule_.changes()[row];
    const std::optional<RateChange> now = changedBy(item, was);
    if (!now) {
        fill(was, item->column());
        return;
    }
    schedule_.remove(was.from, was.fromDistance);
    schedule_.add(*now);
    fill(*now, item->column());
}

std::optional<RateChange> RatesDialog::changedBy(QTableWidgetItem* item, const RateChange& was)
{
    const QModelIndex index = table_->indexFromItem(item);
    const QString text = item->text().trimmed();
    RateChange now = was;
    if (item->column() == RateColumn) {
        const std::optional<double> rate = readTripNumber(text, locale_);
        if (!rate) {
            note_->showAt(
                index,
                tr("%1 takes a number, for example %2").arg(tr("Rate"), locale_.toString(12.5)));
            return std::nullopt;
        }
        now.rate = *rate;
    } else if (item->column() == DistanceColumn) {
        const std::optional<double> distance = readTripNumber(text, locale_);
        if (!text.isEmpty() && !distance) {
            note_->showAt(index, tr("%1 takes a number, for example %2")
                                     .arg(tr("From Distance"), locale_.toString(10000)));
            return std::nullopt;
        }
        now.fromDistance = text.isEmpty() ? std::nullopt : distance;
    } else {
        now.from = textToDate(text, locale_);
        // Empty: from the start of every tax year, for a change by distance.
        if (!now.from.isValid() && !(text.isEmpty() && now.fromDistance)) {
            note_->showAt(index, tr("%1 takes a date, for example %2")
                                     .arg(tr("From"), dateToText(QDate(2026, 1, 1), locale_)));
            return std::nullopt;
        }
    }
    if (const QString problem = rateChangeProblem(now); !problem.isEmpty()) {
        note_->showAt(index, problem);
        return std::nullopt;
    }
    if (!sameKey(now, was) && schedule_.changeAt(now.from, now.fromDistance)) {
        tell(now.fromDistance
                 ? tr("A rate change from %1 at %2 is already listed; a date takes one rate "
                      "for each distance.")
                       .arg(now.from.isValid() ? dateToText(now.from, locale_)
                                               : tr("the start of the tax year"),
                            locale_.toString(*now.fromDistance))
                 : tr("A rate change from %1 is already listed; each day takes one rate.")
                       .arg(dateToText(now.from, locale_)),
             applicationTitle(), Dialogs::Icon::Warning);
        return std::nullopt;
    }
    return now;
}

// Insert and Delete act on the list when the table has the keys; while a cell is edited
// its editor has them, so there they stay the editor's keys.
bool RatesDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Insert) {
            addChange();
            return true;
        }
        if (key == Qt::Key_Delete) {
            removeCurrent();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace bw
