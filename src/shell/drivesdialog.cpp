// The review window of recorded drives, and the import that opens it.
#include "shell/drivesdialog.h"

#include "core/messageboxes.h"
#include "drives/drivereading.h"
#include "logtable/logtablestore.h"
#include "logtable/tripcsv.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "shell/entryeditor.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimeEdit>
#include <QTimer>
#include <QVBoxLayout>

namespace bw {

namespace {

double metresPerUnit(drives::Unit unit)
{
    return unit == drives::Unit::Kilometres ? 1000.0 : 1609.344;
}

} // namespace

std::vector<Trip> reviewDrives(QWidget* parent, const DriveImport& import)
{
    const int room = tripPlacement(import.table).capacity;
    if (room == 0) {
        tellTripLimit(DrivesDialog::tr("No more trips fit."));
        return {};
    }
    Dialogs::OpenFile request;
    request.title = DrivesDialog::tr("Import Drives");
    request.filters = {DrivesDialog::tr("Tracks and Timeline Exports (*.gpx *.json)"),
                       DrivesDialog::tr("All Files (*)")};
    const QStringList files = platform().dialogs->openFileNames(request);
    if (files.isEmpty()) return {};
    DrivesDialog dialog(
        {files, import.review, import.periodFrom, import.periodTo, &import.book, room}, parent);
    if (!dialog.readFiles() || dialog.exec() != QDialog::Accepted) return {};
    return dialog.model().tripsToAdd();
}

DrivesDialog::DrivesDialog(Setup setup, QWidget* parent)
    : QDialog(parent), setup_(std::move(setup)), model_(setup_.review, this),
      table_(new QTableView(this)), found_(new QLabel(this))
{
    setObjectName(QStringLiteral("DrivesDialog"));
    setWindowTitle(tr("Import Drives"));
    table_->setObjectName(QStringLiteral("Drives"));
    table_->setAccessibleName(tr("Drives found"));
    table_->setModel(&model_);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->horizontalHeader()->setStretchLastSection(true);
    if (setup_.book) {
        table_->setItemDelegate(new EntryDelegate(
            *setup_.book, {}, table_,
            {-1, DriveReviewModel::From, DriveReviewModel::To, DriveReviewModel::Description}));
    }
    auto* layout = new QVBoxLayout(this);
    auto* files = new QLabel(tr("Files: %1").arg(QLocale().createSeparatedList([this] {
        QStringList names;
        for (const QString& file : setup_.files) names << QFileInfo(file).fileName();
        return names;
    }())),
                             this);
    files->setWordWrap(true);
    layout->addWidget(files);
    createFilters();
    createThresholds();
    layout->addWidget(table_, 1);
    layout->addWidget(found_);
    createButtons();
    connect(&model_, &DriveReviewModel::checkedCountChanged, this, &DrivesDialog::showCounts);
    connect(&model_, &DriveReviewModel::placeNotKept, this, [](const QString& why) {
        tell(tr("The place is used here but not kept for later imports: %1").arg(why),
             applicationTitle(), Dialogs::Icon::Warning);
    });
    resize(900, 560);
}

void DrivesDialog::createFilters()
{
    filters_.from = new QDateEdit(setup_.periodFrom, this);
    filters_.to = new QDateEdit(setup_.periodTo, this);
    for (QDateEdit* edit : {filters_.from, filters_.to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
        connect(edit, &QDateEdit::dateChanged, this,
                [this] { model_.setPeriod(filters_.from->date(), filters_.to->date()); });
    }
    model_.setPeriod(filters_.from->date(), filters_.to->date());
    auto* all = new QPushButton(tr("Check &All"), this);
    auto* none = new QPushButton(tr("Check &None"), this);
    connect(all, &QPushButton::clicked, this, [this] { model_.checkAll(true); });
    connect(none, &QPushButton::clicked, this, [this] { model_.checkAll(false); });
    auto* row = new QHBoxLayout;
    auto* fromLabel = new QLabel(tr("&From:"), this);
    auto* toLabel = new QLabel(tr("&To:"), this);
    fromLabel->setBuddy(filters_.from);
    toLabel->setBuddy(filters_.to);
    for (QWidget* widget :
         std::initializer_list<QWidget*>{fromLabel, filters_.from, toLabel, filters_.to})
        row->addWidget(widget);
    row->addStretch(1);
    row->addWidget(all);
    row->addWidget(none);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);

    auto* hours = new QHBoxLayout;
    for (int day = 1; day <= 7; ++day) {
        QCheckBox*& box = filters_.days[static_cast<std::size_t>(day - 1)];
        box = new QCheckBox(QLocale().dayName(day, QLocale::ShortFormat), this);
        box->setChecked(day <= 5);
        hours->addWidget(box);
    }
    filters_.dayStart = new QTimeEdit(QTime(7, 0), this);
    filters_.dayEnd = new QTimeEdit(QTime(19, 0), this);
    auto* business = new QPushButton(tr("Check &Business Hours"), this);
    business->setObjectName(QStringLiteral("CheckBusiness"));
    connect(business, &QPushButton::clicked, this,
            [this] { model_.checkBusiness(this->business()); });
    hours->addWidget(new QLabel(tr("from"), this));
    hours->addWidget(filters_.dayStart);
    hours->addWidget(new QLabel(tr("to"), this));
    hours->addWidget(filters_.dayEnd);
    hours->addStretch(1);
    hours->addWidget(business);
    static_cast<QVBoxLayout*>(layout())->addLayout(hours);
}

void DrivesDialog::createThresholds()
{
    thresholds_.minStop = new QSpinBox(this);
    thresholds_.minStop->setObjectName(QStringLiteral("MinimumStop"));
    thresholds_.minStop->setRange(1, 240);
    thresholds_.minStop->setValue(drives::DriveRules{}.stopSeconds / 60);
    thresholds_.minStop->setSuffix(tr(" min"));
    thresholds_.minDrive = new QDoubleSpinBox(this);
    thresholds_.minDrive->setObjectName(QStringLiteral("MinimumDrive"));
    const bool km = setup_.review.unit == drives::Unit::Kilometres;
    thresholds_.minDrive->setDecimals(1);
    thresholds_.minDrive->setRange(0.0, 100.0);
    thresholds_.minDrive->setSingleStep(0.1);
    thresholds_.minDrive->setValue(drives::DriveRules{}.minMetres
                                   / metresPerUnit(setup_.review.unit));
    thresholds_.minDrive->setSuffix(km ? tr(" km") : tr(" mi"));
    auto* row = new QHBoxLayout;
    auto* stopLabel = new QLabel(tr("A &stop that ends a drive:"), this);
    auto* driveLabel = new QLabel(tr("The shortest &drive kept:"), this);
    stopLabel->setBuddy(thresholds_.minStop);
    driveLabel->setBuddy(thresholds_.minDrive);
    for (QWidget* widget : std::initializer_list<QWidget*>{stopLabel, thresholds_.minStop,
                                                           driveLabel, thresholds_.minDrive})
        row->addWidget(widget);
    row->addStretch(1);
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
    // The tracks are split again by what is set; a stop's length needs the points again.
    const auto splitAgain = [this] {
        if (rules().stopSeconds != read_.stopSeconds || rules().minMetres != read_.minMetres)
            readFiles();
    };
    connect(thresholds_.minStop, &QSpinBox::editingFinished, this, splitAgain);
    connect(thresholds_.minDrive, &QDoubleSpinBox::editingFinished, this, splitAgain);
}

void DrivesDialog::createButtons()
{
    auto* buttons = new QDialogButtonBox(this);
    add_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    add_->setObjectName(QStringLiteral("Add"));
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &DrivesDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &DrivesDialog::reject);
    layout()->addWidget(buttons);
    showCounts(0);
}

void DrivesDialog::showCounts(int checked)
{
    add_->setText(tr("&Add %n Trip(s)", nullptr, checked));
    add_->setEnabled(checked > 0);
    int held = 0;
    for (int row = 0; row < model_.rowCount(); ++row) held += model_.held(row) ? 1 : 0;
    found_->setText(tr("%n drive(s) found", nullptr, model_.drivesFound()) + QStringLiteral("; ")
                    + tr("%n shown", nullptr, model_.rowCount()) + QStringLiteral("; ")
                    + tr("%n of them in the log already", nullptr, held));
}

drives::DriveRules DrivesDialog::rules() const
{
    drives::DriveRules rules;
    rules.stopSeconds = thresholds_.minStop->value() * 60;
    rules.minMetres = thresholds_.minDrive->value() * metresPerUnit(setup_.review.unit);
    return rules;
}

BusinessHours DrivesDialog::business() const
{
    BusinessHours hours{{}, filters_.dayStart->time(), filters_.dayEnd->time()};
    for (int day = 1; day <= 7; ++day) {
        if (filters_.days[static_cast<std::size_t>(day - 1)]->isChecked())
            hours.days.push_back(day);
    }
    return hours;
}

bool DrivesDialog::readFiles()
{
    drives::DriveReading reading(setup_.files, rules());
    QWidget* owner = isVisible() ? this : parentWidget();
    QProgressDialog progress(tr("Reading the drives…"), tr("Cancel"), 0, 1000, owner);
    progress.setObjectName(QStringLiteral("ReadingDrives"));
    progress.setWindowTitle(windowTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setAutoReset(false);
    QEventLoop loop;
    QTimer tick;
    connect(&tick, &QTimer::timeout, &progress, [&] { progress.setValue(reading.progress()); });
    connect(&progress, &QProgressDialog::canceled, &reading, &drives::DriveReading::cancel);
    connect(&reading, &drives::DriveReading::finished, &loop, &QEventLoop::quit);
    tick.start(100);
    reading.start();
    loop.exec();
    drives::DriveRead read = reading.take();
    if (read.cancelled) return false;
    if (!read.error.isEmpty()) {
        tell(tr("No drives were imported. %1").arg(read.error), applicationTitle(),
             Dialogs::Icon::Warning);
        return false;
    }
    model_.setDrives(std::move(read.drives));
    read_ = rules();
    return true;
}

void DrivesDialog::accept()
{
    const int checked = model_.checkedCount();
    if (checked == 0) return;
    if (checked > setup_.room) {
        tellTripLimit(tr("Only %n more trip(s) fit: uncheck some drives.", nullptr, setup_.room));
        return;
    }
    QDialog::accept();
}

} // namespace bw
