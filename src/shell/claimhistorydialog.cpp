// The claim history window: a table model over the claims, a thread that checks their files
// and the chain, and the commands for the chosen claim.
#include "shell/claimhistorydialog.h"

#include "core/messageboxes.h"
#include "core/reportformats.h"
#include "logtable/claimnotes.h"
#include "logtable/logtable.h"
#include "logtable/tabletrip.h"
#include "logtable/tripcsv.h"
#include "logtable/tripfills.h"
#include "platform/clock.h"
#include "platform/datetext.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "platform/urllauncher.h"
#include "report/claimreport.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace bw {

namespace {

struct FileJob {
    qint64 number;
    int file;
    ClaimFile saved;
};

} // namespace

// --- the model --------------------------------------------------------------------------

void ClaimHistoryModel::setClaims(std::vector<Claim> claims)
{
    beginResetModel();
    rows_.clear();
    rows_.reserve(claims.size());
    for (auto it = claims.rbegin(); it != claims.rend(); ++it) {
        Row row{std::move(*it), {}};
        for (const ClaimFile& file : row.claim.files) {
            row.states.push_back(isPrintedFile(file) ? ClaimFileState::Printed
                                                     : ClaimFileState::Checking);
        }
        rows_.push_back(std::move(row));
    }
    endResetModel();
}

void ClaimHistoryModel::replaceClaim(const Claim& claim)
{
    const int row = rowOf(claim.number);
    if (row < 0) return;
    Row& kept = rows_[static_cast<std::size_t>(row)];
    kept.claim = claim;
    kept.states.resize(claim.files.size(), ClaimFileState::Checking);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void ClaimHistoryModel::setFileState(qint64 number, int file, ClaimFileState state)
{
    const int row = rowOf(number);
    if (row < 0) return;
    auto& states = rows_[static_cast<std::size_t>(row)].states;
    if (file < 0 || static_cast<std::size_t>(file) >= states.size()) return;
    states[static_cast<std::size_t>(file)] = state;
    emit dataChanged(index(row, FilesColumn), index(row, FilesColumn));
}

const Claim* ClaimHistoryModel::claimAt(int row) const
{
    if (row < 0 || row >= rowCount()) return nullptr;
    return &rows_[static_cast<std::size_t>(row)].claim;
}

int ClaimHistoryModel::rowOf(qint64 number) const
{
    // Newest first, so the row follows from the number when none is missing.
    const int guess = rowCount() - static_cast<int>(number);
    if (guess >= 0 && guess < rowCount()
        && rows_[static_cast<std::size_t>(guess)].claim.number == number)
        return guess;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].claim.number == number) return static_cast<int>(i);
    }
    return -1;
}

ClaimFileState ClaimHistoryModel::fileState(int row, int file) const
{
    if (!claimAt(row)) return ClaimFileState::Missing;
    const auto& states = rows_[static_cast<std::size_t>(row)].states;
    if (file < 0 || static_cast<std::size_t>(file) >= states.size()) return ClaimFileState::Missing;
    return states[static_cast<std::size_t>(file)];
}

QString ClaimHistoryModel::fileText(const Row& row, std::size_t file) const
{
    const ClaimFile& saved = row.claim.files[file];
    if (isPrintedFile(saved)) return tr("printed");
    const QString name = QFileInfo(saved.path).fileName();
    switch (row.states[file]) {
    case ClaimFileState::Checking:
        return tr("%1 (checking…)").arg(name);
    case ClaimFileState::Missing:
        return tr("%1 (missing)").arg(name);
    case ClaimFileState::Changed:
        return tr("%1 (changed)").arg(name);
    case ClaimFileState::Unreadable:
        return tr("%1 (unreadable)").arg(name);
    case ClaimFileState::Present:
    case ClaimFileState::Printed:
        break;
    }
    return name;
}

QString ClaimHistoryModel::filesText(int row) const
{
    if (!claimAt(row)) return {};
    const Row& r = rows_[static_cast<std::size_t>(row)];
    QStringList parts;
    for (std::size_t i = 0; i < r.claim.files.size(); ++i) parts << fileText(r, i);
    return parts.join(QStringLiteral(", "));
}

QString ClaimHistoryModel::cellText(const Row& row, int column) const
{
    const Claim& claim = row.claim;
    switch (column) {
    case NumberColumn:
        return QLocale().toString(claim.number);
    case SavedColumn:
        return shortDateTimeText(claim.savedAt);
    case PeriodColumn:
        return tr("%1 to %2").arg(dateToText(claim.periodFrom), dateToText(claim.periodTo));
    case TripsColumn:
        return QLocale().toString(tripCount(claim));
    case TotalColumn:
        return claim.totalAmount;
    case PaidColumn:
        return claim.paidAt ? tr("Paid %1").arg(dateToText(claim.paidAt->toLocalTime().date()))
                            : QString();
    default:
        break;
    }
    return {};
}

QString ClaimHistoryModel::summary(int row) const
{
    const Claim* claim = claimAt(row);
    if (!claim) return {};
    const Row& r = rows_[static_cast<std::size_t>(row)];
    const int trips = tripCount(*claim);
    QString text = tr("Claim %1, saved %2, period %3, %n trip(s), total %4", nullptr, trips)
                       .arg(cellText(r, NumberColumn), cellText(r, SavedColumn),
                            cellText(r, PeriodColumn), claim->totalAmount);
    if (!claim->files.empty()) text += tr(", files: %1").arg(filesText(row));
    if (claim->paidAt) text += tr(", paid %1").arg(shortDateTimeText(*claim->paidAt));
    return text + QLatin1Char('.');
}

int ClaimHistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ClaimHistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ClaimHistoryModel::data(const QModelIndex& index, int role) const
{
    const Claim* claim = claimAt(index.row());
    if (!claim) return {};
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == FilesColumn ? filesText(index.row())
                                             : cellText(row, index.column());
    case Qt::ToolTipRole:
        if (index.column() == FilesColumn) {
            QStringList paths;
            for (const ClaimFile& file : claim->files) {
                if (!isPrintedFile(file)) paths << QDir::toNativeSeparators(file.path);
            }
            return paths.join(QLatin1Char('\n'));
        }
        if (index.column() == PaidColumn && claim->paidAt)
            return tr("Marked paid %1").arg(shortDateTimeText(*claim->paidAt));
        if (index.column() == TotalColumn) return tr("%1 miles").arg(claim->totalMiles);
        return {};
    case Qt::TextAlignmentRole: {
        const bool number = index.column() == NumberColumn || index.column() == TripsColumn
                            || index.column() == TotalColumn;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    default:
        break;
    }
    return {};
}

QVariant ClaimHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case NumberColumn:
        return tr("Claim");
    case SavedColumn:
        return tr("Saved");
    case PeriodColumn:
        return tr("Period");
    case TripsColumn:
        return tr("Trips");
    case TotalColumn:
        return tr("Total");
    case FilesColumn:
        return tr("Files");
    case PaidColumn:
        return tr("Paid");
    default:
        break;
    }
    return {};
}

// --- the window -------------------------------------------------------------------------

ClaimHistoryDialog::ClaimHistoryDialog(ClaimHistorySource source, QWidget* parent)
    : QDialog(parent), source_(std::move(source)), model_(new ClaimHistoryModel(this)),
      stop_(std::make_shared<std::atomic<bool>>(false))
{
    setObjectName(QStringLiteral("ClaimHistoryDialog"));
    setWindowTitle(tr("Claim History"));
    createControls();
    layOut();
    load();
    table_->setFocus();
}

ClaimHistoryDialog::~ClaimHistoryDialog() { stopChecks(); }

void ClaimHistoryDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // After the first paint: the hashing would otherwise share the processor with it.
    if (!checker_)
        QTimer::singleShot(0, this, [this] {
            if (!checker_) startChecks();
        });
}

void ClaimHistoryDialog::createControls()
{
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("Claims"));
    table_->setModel(model_);
    table_->setAccessibleName(tr("Claims"));
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setTabKeyNavigation(false);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // Set widths, each at least its caption's in the language shown: sizing to the contents
    // would read every row of a long history, sizing to the caption reads none.
    QHeaderView* header = table_->horizontalHeader();
    header->setStretchLastSection(true);
    const std::array<int, ClaimHistoryModel::ColumnCount> widths = {50, 140, 170, 50, 80, 220, 110};
    for (int c = 0; c < ClaimHistoryModel::ColumnCount; ++c)
        table_->setColumnWidth(
            c, std::max(widths[static_cast<std::size_t>(c)], header->sectionSizeHint(c)));
    connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ClaimHistoryDialog::currentChanged);
    connect(model_, &QAbstractItemModel::dataChanged, this, &ClaimHistoryDialog::currentChanged);
    connect(table_, &QTableView::doubleClicked, this, &ClaimHistoryDialog::saveAgainCommand);

    emptyNote_ = new QLabel(tr("The log holds no claims yet: a report saved or printed from "
                               "the preview becomes one."),
                            this);
    emptyNote_->setWordWrap(true);
    head_ = new QLineEdit(this);
    head_->setObjectName(QStringLiteral("ChainHead"));
    head_->setReadOnly(true);
    head_->setAccessibleName(tr("Chain head"));
    head_->setAccessibleDescription(
        tr("The checksum over every claim and every recorded change; keep it to prove later "
           "that the history was not changed."));
    chainState_ = new QLabel(tr("Checking the history…"), this);
    chainState_->setObjectName(QStringLiteral("ChainState"));
    chainState_->setWordWrap(true);
    chainState_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    const auto button = [this](QPushButton*& into, const QString& text, const char* name,
                               const QString& description, void (ClaimHistoryDialog::*slot)()) {
        into = new QPushButton(text, this);
        into->setObjectName(QString::fromLatin1(name));
        into->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QChar(0x2026)));
        into->setAccessibleDescription(description);
        into->setAutoDefault(false);
        connect(into, &QPushButton::clicked, this, slot);
    };
    button(saveAgain_, tr("&Save Again As…"), "SaveAgain",
           tr("Makes the chosen claim's report again, as it was, into a file you choose."),
           &ClaimHistoryDialog::saveAgainCommand);
    button(export_, tr("&Export Trips to CSV…"), "ExportTrips",
           tr("Writes the chosen claim's trips to a CSV file."),
           &ClaimHistoryDialog::exportTripsCommand);
    button(folder_, tr("&Open Containing Folder"), "OpenFolder",
           tr("Opens the folder of the chosen claim's saved file."),
           &ClaimHistoryDialog::openFolderCommand);
    button(paid_, tr("Mark as &Paid"), "MarkPaid", tr("Records that the chosen claim was paid."),
           &ClaimHistoryDialog::markPaidCommand);
    saveAgain_->setDefault(true);
    close_ = new QPushButton(tr("Close"), this);
    close_->setObjectName(QStringLiteral("Close"));
    close_->setAccessibleName(tr("Close"));
    close_->setAutoDefault(false);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
}

void ClaimHistoryDialog::layOut()
{
    auto* intro = new QLabel(tr("&Claims, newest first:"), this);
    intro->setBuddy(table_);
    auto* headLabel = new QLabel(tr("C&hain head:"), this);
    headLabel->setBuddy(head_);
    auto* headRow = new QHBoxLayout;
    headRow->addWidget(headLabel);
    headRow->addWidget(head_, 1);

    auto* buttons = new QDialogButtonBox(this);
    for (QPushButton* b : {saveAgain_, export_, folder_, paid_})
        buttons->addButton(b, QDialogButtonBox::ActionRole);
    buttons->addButton(close_, QDialogButtonBox::RejectRole);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(table_, 1);
    layout->addWidget(emptyNote_);
    layout->addLayout(headRow);
    layout->addWidget(chainState_);
    layout->addWidget(buttons);
    QWidget::setTabOrder(table_, head_);
    QWidget::setTabOrder(head_, saveAgain_);
    QWidget::setTabOrder(saveAgain_, export_);
    QWidget::setTabOrder(export_, folder_);
    QWidget::setTabOrder(folder_, paid_);
    QWidget::setTabOrder(paid_, close_);
    resize(880, 420);
}

void ClaimHistoryDialog::load()
{
    std::vector<Claim> claims;
    try {
        if (source_.claims) claims = source_.claims();
    } catch (const std::exception& failure) {
        emptyNote_->setText(
            tr("The claims cannot be read. %1").arg(QString::fromUtf8(failure.what())));
    }
    model_->setClaims(std::move(claims));
    emptyNote_->setVisible(model_->rowCount() == 0);
    if (model_->rowCount() > 0) table_->setCurrentIndex(model_->index(0, 0));
    currentChanged();
}

void ClaimHistoryDialog::startChecks()
{
    std::vector<FileJob> jobs;
    for (int row = 0; row < model_->rowCount(); ++row) {
        const Claim& claim = *model_->claimAt(row);
        for (std::size_t i = 0; i < claim.files.size(); ++i) {
            const ClaimFile& file = claim.files[i];
            if (isPrintedFile(file)) continue;
            jobs.push_back({claim.number, static_cast<int>(i), file});
        }
    }
    auto stop = stop_;
    checker_ = QThread::create([this, checkChain = source_.checkChain, jobs = std::move(jobs),
                                stop] {
        ChainCheck check;
        QString failure;
        if (checkChain) {
            try {
                check = checkChain();
            } catch (const std::exception& e) {
                failure = QString::fromUtf8(e.what());
            }
        }
        QMetaObject::invokeMethod(
            this, [this, check, failure] { showChain(check, failure); }, Qt::QueuedConnection);
        for (const FileJob& job : jobs) {
            if (stop->load()) return;
            const ClaimFileState state = claimFileState(job.saved);
            QMetaObject::invokeMethod(
                model_,
                [model = model_, job, state] { model->setFileState(job.number, job.file, state); },
                Qt::QueuedConnection);
        }
    });
    checker_->setParent(this);
    checker_->start(QThread::LowPriority);
}

void ClaimHistoryDialog::stopChecks()
{
    if (!checker_) return;
    stop_->store(true);
    checker_->wait();
}

bool ClaimHistoryDialog::checking() const
{
    if (checker_ && checker_->isRunning()) return true;
    for (int row = 0; row < model_->rowCount(); ++row) {
        for (std::size_t i = 0; i < model_->claimAt(row)->files.size(); ++i) {
            if (model_->fileState(row, static_cast<int>(i)) == ClaimFileState::Checking)
                return true;
        }
    }
    return !chainChecked_;
}

void ClaimHistoryDialog::showChain(const ChainCheck& check, const QString& failure)
{
    chainChecked_ = true;
    head_->setText(check.head);
    head_->setCursorPosition(0);
    if (!failure.isEmpty()) {
        chainState_->setText(tr("The history could not be checked. %1").arg(failure));
    } else if (check.claims == 0 && check.entries == 0) {
        chainState_->setText(tr("There is no history to check yet."));
    } else if (!check.holds) {
        chainState_->setText(
            tr("The history does not hold: %1 fails. The log was changed outside the program.")
                .arg(check.firstFailure));
    } else {
        chainState_->setText(tr("The history holds: %1 and %2 checked.")
                                 .arg(tr("%Ln claim(s)", nullptr, static_cast<int>(check.claims)),
                                      tr("%Ln link(s)", nullptr, static_cast<int>(check.entries))));
    }
    head_->setAccessibleDescription(chainState_->text());
}

// --- the chosen claim -------------------------------------------------------------------

const Claim* ClaimHistoryDialog::currentClaim() const
{
    return model_->claimAt(table_->currentIndex().row());
}

QString ClaimHistoryDialog::folderOf(const Claim& claim) const
{
    // The first file whose folder is still there: a file moved away leaves its folder.
    for (const ClaimFile& file : claim.files) {
        if (isPrintedFile(file)) continue;
        const QString folder = QFileInfo(file.path).absolutePath();
        if (QFileInfo(folder).isDir()) return folder;
    }
    return {};
}

void ClaimHistoryDialog::currentChanged()
{
    const Claim* claim = currentClaim();
    table_->setAccessibleDescription(claim ? model_->summary(table_->currentIndex().row())
                                           : tr("No claim is chosen."));
    saveAgain_->setEnabled(claim != nullptr);
    export_->setEnabled(claim != nullptr && tripCount(*claim) > 0);
    const bool hasFile = claim
                         && std::any_of(claim->files.begin(), claim->files.end(),
                                        [](const ClaimFile& f) { return !isPrintedFile(f); });
    folder_->setEnabled(hasFile);
    folder_->setToolTip(claim && !hasFile ? tr("The claim was printed, not saved to a file.")
                                          : QString());
    // One button: it marks a claim paid, and takes the mark back from a paid one.
    const bool paid = claim && claim->paidAt;
    paid_->setText(paid ? tr("Mark as &Unpaid") : tr("Mark as &Paid"));
    paid_->setAccessibleName(paid_->text().remove(QLatin1Char('&')));
    paid_->setAccessibleDescription(paid ? tr("Takes back the chosen claim's paid mark.")
                                         : tr("Records that the chosen claim was paid."));
    const bool readOnly = !source_.mark;
    paid_->setEnabled(claim && !readOnly);
    if (readOnly) {
        paid_->setToolTip(tr("The trip log is open read-only, so no claim can be marked paid."));
    } else if (paid) {
        paid_->setToolTip(tr("Marked paid %1.").arg(shortDateTimeText(*claim->paidAt)));
    } else {
        paid_->setToolTip(QString());
    }
}

void ClaimHistoryDialog::saveAgainCommand()
{
    const Claim* claim = currentClaim();
    if (!claim) return;
    Dialogs::SaveFile request;
    request.title = tr("Save Again As");
    for (const ReportFormatInfo& format : reportFormats()) request.filters << format.filter;
    const auto saved = std::find_if(claim->files.begin(), claim->files.end(),
                                    [](const ClaimFile& f) { return !isPrintedFile(f); });
    request.fileName = saved != claim->files.end()
                           ? saved->path
                           : tr("claim %1.%2").arg(claim->number).arg(reportFormats()[0].suffix);
    const Dialogs::SaveChoice choice = platform().dialogs->saveFile(request);
    const QString target = reportPathFor(choice.path, choice.filter);
    if (target.isEmpty()) return;
    if (QFileInfo::exists(target)
        && ask(tr("\"%1\" already exists.\r\nDo you want to replace it?").arg(target), Dialogs::No,
               windowTitle())
               != Dialogs::Yes)
        return;
    const Claim copy = *claim;
    try {
        writeClaimReport(copy, target);
    } catch (const std::exception& failure) {
        tell(tr("The report could not be saved as \"%1\". %2")
                 .arg(QDir::toNativeSeparators(target), QString::fromUtf8(failure.what())),
             windowTitle(), Dialogs::Icon::Warning);
        return;
    }
    tell(tr("Done."), windowTitle());
}

void ClaimHistoryDialog::exportTripsCommand()
{
    const Claim* claim = currentClaim();
    if (!claim) return;
    Dialogs::SaveFile request;
    request.title = tr("Export Trips to CSV");
    request.filters = {tr("CSV Files (*.csv)")};
    request.fileName = tr("claim %1 trips.csv").arg(claim->number);
    const Dialogs::SaveChoice choice = platform().dialogs->saveFile(request);
    if (choice.path.isEmpty()) return;
    const QString target = QFileInfo(choice.path).suffix().isEmpty()
                               ? choice.path + QStringLiteral(".csv")
                               : choice.path;
    if (QFileInfo::exists(target)
        && ask(tr("\"%1\" already exists.\r\nDo you want to replace it?").arg(target), Dialogs::No,
               windowTitle())
               != Dialogs::Yes)
        return;
    // The snapshot holds the numbers as the report showed them, in the claim's locale.
    const QLocale locale(claim->locale);
    LogTable table;
    table.openWithTripFields();
    for (const ClaimedTrip& claimed : claim->trips) {
        Trip trip = claimed.trip;
        for (int field : {TripField::Mileage, TripField::Reimbursement}) {
            QVariant& value = trip.field(field);
            if (value.typeId() != QMetaType::QString) continue;
            const std::optional<double> number = readTripNumber(value.toString(), locale);
            value = number ? QVariant(*number) : QVariant();
        }
        table.AddNew();
        setTripAt(table, table.RecordCount() - 1, trip);
    }
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly) || file.write(writeTripsCsv(table, locale)) < 0
        || !file.commit()) {
        tell(
            tr("Cannot write \"%1\": %2").arg(QDir::toNativeSeparators(target), file.errorString()),
            windowTitle(), Dialogs::Icon::Warning);
    }
}

void ClaimHistoryDialog::openFolderCommand()
{
    const Claim* claim = currentClaim();
    if (!claim) return;
    const QString folder = folderOf(*claim);
    if (folder.isEmpty()) {
        tell(tr("The folder of the claim's file is gone."), windowTitle(), Dialogs::Icon::Warning);
        return;
    }
    UrlLauncher* launcher = platform().urlLauncher;
    if (!launcher || !launcher->open(QUrl::fromLocalFile(folder))) {
        tell(tr("The folder \"%1\" could not be opened.").arg(QDir::toNativeSeparators(folder)),
             windowTitle(), Dialogs::Icon::Warning);
    }
}

void ClaimHistoryDialog::markPaidCommand()
{
    const Claim* claim = currentClaim();
    if (!claim || !source_.mark) return;
    const qint64 number = claim->number;
    const bool paying = !claim->paidAt;
    const QString question =
        paying ? tr("Mark claim %1 (%2) as paid today?").arg(number).arg(claim->totalAmount)
               : tr("Take back the paid mark of claim %1 (%2), made %3? The mark stays in the "
                    "history, with the claim marked unpaid after it.")
                     .arg(number)
                     .arg(claim->totalAmount, shortDateTimeText(*claim->paidAt));
    if (ask(question, Dialogs::No, windowTitle()) != Dialogs::Yes) return;
    try {
        const QDateTime now = platform().clock->now().toUTC();
        if (const std::optional<Claim> marked = source_.mark(number, paying, now))
            model_->replaceClaim(*marked);
        // The mark is a link of the chain: the head moves on.
        if (source_.checkChain) showChain(source_.checkChain(), {});
    } catch (const std::exception& failure) {
        tell((paying ? tr("Claim %1 could not be marked paid. %2")
                     : tr("Claim %1 could not be marked unpaid. %2"))
                 .arg(number)
                 .arg(QString::fromUtf8(failure.what())),
             windowTitle(), Dialogs::Icon::Warning);
    }
    currentChanged();
}

} // namespace bw
