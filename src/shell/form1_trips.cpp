// Trips in and out of CSV files, and the create command's look at the trips' warnings.
#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "logtable/loghistory.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "logtable/logtablemodel.h"
#include "logtable/tripchecks.h"
#include "logtable/tripcsv.h"
#include "logtable/triplog.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "shell/drivesdialog.h"
#include "shell/form1.h"

#include <QAction>
#include <QDateEdit>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMimeData>
#include <QSaveFile>
#include <QTableView>

namespace bw {

namespace {

constexpr char kCsvFilter[] = QT_TRANSLATE_NOOP("bw::Form1", "CSV Files (*.csv)");

void warnUser(const QString& text) { tell(text, applicationTitle(), Dialogs::Icon::Warning); }

bool askUser(const QString& text, Dialogs::Answer defaultButton)
{
    return ask(text, defaultButton, applicationTitle(), Dialogs::Icon::Warning) == Dialogs::Yes;
}

QString localCsvFile(const QMimeData* data)
{
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return QString();
    }
    const QString path = data->urls().front().toLocalFile();
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? path : QString();
}

int lineCount(const std::vector<CsvProblem>& problems)
{
    int lines = 0;
    int last = -1;
    for (const CsvProblem& problem : problems) {
        if (problem.line != last) ++lines;
        last = problem.line;
    }
    return lines;
}

} // namespace

void Form1::createTripActions()
{
    mnuImportTrips = new QAction(tr("Import Trips from CSV..."), DataGrid1);
    mnuImportTrips->setObjectName(QStringLiteral("mnuImportTrips"));
    mnuImportTrips->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuImportTrips->setShortcutContext(Qt::WindowShortcut);
    mnuImportTrips->setShortcutVisibleInContextMenu(true);
    mnuExportTrips = new QAction(tr("Export Trips to CSV..."), DataGrid1);
    mnuExportTrips->setObjectName(QStringLiteral("mnuExportTrips"));
    connect(mnuImportTrips, &QAction::triggered, this, [this] { importTripsCommand(); });
    connect(mnuExportTrips, &QAction::triggered, this, [this] { exportTripsCommand(); });
    DataGrid1->addAction(mnuImportTrips);
    DataGrid1->addAction(mnuExportTrips);
    DataGrid1->setAcceptDrops(true);
    DataGrid1->viewport()->setAcceptDrops(true);
}

bool Form1::dropTrips(QEvent* event)
{
    auto* drop = static_cast<QDropEvent*>(event);
    const QString path = localCsvFile(drop->mimeData());
    if (path.isEmpty()) {
        return false;
    }
    drop->acceptProposedAction();
    if (event->type() == QEvent::Drop) {
        importTripsFrom(path);
    }
    return true;
}

void Form1::importTripsCommand()
{
    commitGridEdit();
    Dialogs::OpenFile request;
    request.title = tr("Import Trips from CSV");
    request.filters = {tr(kCsvFilter), tr("All Files (*)")};
    const QString path = platform().dialogs->openFileName(request);
    if (!path.isEmpty()) {
        importTripsFrom(path);
    }
}

void Form1::exportTripsCommand()
{
    commitGridEdit();
    Dialogs::SaveFile request;
    request.title = tr("Export Trips to CSV");
    request.filters = {tr(kCsvFilter)};
    request.fileName = QStringLiteral("trips.csv");
    const Dialogs::SaveChoice choice = platform().dialogs->saveFile(request);
    if (choice.path.isEmpty()) {
        return;
    }
    // A name typed without a suffix gets the one of the file type it is written as.
    const bool hasSuffix = !QFileInfo(choice.path).suffix().isEmpty();
    exportTripsTo(hasSuffix ? choice.path : choice.path + QStringLiteral(".csv"));
}

bool Form1::importTripsFrom(const QString& path)
{
    if (!logTable_ || !logTable_->isOpen()) {
        return false;
    }
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        warnUser(tr("Cannot read \"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    TripImport read = readTripsCsv(file.readAll());
    if (!read.failure.isEmpty()) {
        warnUser(tr("No trips were imported from \"%1\". %2").arg(name, read.failure));
        return false;
    }
    LogTable& table = *logTable_;
    const int total = static_cast<int>(read.trips.size());
    const int fit = std::min(total, tripPlacement(table).capacity);
    if (fit == 0) {
        QString why = read.problems.empty() ? tr("\"%1\" holds no trips.").arg(name)
                                            : tr("No line of \"%1\" can be imported:\r\n%2")
                                                  .arg(name, problemLines(read.problems));
        if (total > 0) why = tripLimitMessage(tr("No more trips fit."));
        warnUser(why);
        return false;
    }
    if (!read.problems.empty() || fit < total) {
        QString question;
        if (!read.problems.empty()) {
            const int bad = lineCount(read.problems);
            question = tr("%1 of \"%2\" cannot be imported:\r\n%3\r\n\r\n")
                           .arg(tr("%n line(s)", nullptr, bad), name, problemLines(read.problems));
        }
        if (fit < total) {
            question +=
                tripLimitMessage(tr("Only %1 of the %n trip(s) fit.", nullptr, total).arg(fit))
                + QStringLiteral("\r\n\r\n");
        }
        question += tr("Import the %n good trip(s)? No imports nothing.", nullptr, fit);
        if (!askUser(question, Dialogs::Yes)) {
            return false;
        }
    }
    if (!backUpBeforeChange()) {
        return false;
    }
    const LogHistory::Name step(*history_, tr("Import of Trips"));
    const LogTableModel::Rebuild rebuild(*model_);
    const int first = tripPlacement(table).firstRow;
    placeTrips(table, read.trips, model_->tripRates());
    table.setPosition(first);
    return true;
}

void Form1::importDrivesCommand()
{
    commitGridEdit();
    if (!logTable_ || !logTable_->isOpen() || !session_->log() || session_->log()->readOnly())
        return;
    const std::vector<Trip> trips =
        reviewDrives(this, {*logTable_, session_->log()->database(), *tripBook_, dtpFrom->date(),
                            dtpTo->date(), units_.distance});
    if (trips.empty() || !backUpBeforeChange()) return;
    const LogHistory::Name step(*history_, tr("Import of Drives"));
    const LogTableModel::Rebuild rebuild(*model_);
    const int first = tripPlacement(*logTable_).firstRow;
    placeUnreadTrips(*logTable_, trips, TripRates{txtRatePerMile->text(), rates_, units_.currency});
    logTable_->setPosition(first);
}

bool Form1::exportTripsTo(const QString& path)
{
    if (!logTable_ || !logTable_->isOpen()) {
        return false;
    }
    if (QFileInfo::exists(path)
        && !askUser(tr("\"%1\" already exists.\r\nDo you want to replace it?").arg(path),
                    Dialogs::No)) {
        return false;
    }
    commitGridEdit();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(writeTripsCsv(*logTable_)) < 0
        || !file.commit()) {
        warnUser(tr("Cannot write \"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

bool Form1::confirmTripWarnings()
{
    if (!logTable_ || !logTable_->isOpen()) {
        return true;
    }
    commitGridEdit();
    const std::vector<WarnedTrip> warned =
        warnedTrips(*logTable_, TripPeriod{dtpFrom->date(), dtpTo->date()}, model_->tripRates());
    return warned.empty() || askUser(warningQuestion(warned), Dialogs::Yes);
}

} // namespace bw
