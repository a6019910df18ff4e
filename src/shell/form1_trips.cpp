// Trips in and out of CSV files, and the create command's look at the trips' warnings.
#include "core/mainmodule.h"
#include "core/messageboxes.h"
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
#include "shell/gridview.h"

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

// The file an import reads, or "" when none was chosen.
QString importFile()
{
    Dialogs::OpenFile request;
    request.title = Form1::tr("Import Trips from CSV");
    const QString allFiles = Form1::tr("All Files (*)");
    request.filters = {Form1::tr(kCsvFilter), allFiles};
    return platform().dialogs->openFileName(request);
}

// The file an export writes, or "" when none was chosen.
QString exportFile()
{
    Dialogs::SaveFile request;
    request.title = Form1::tr("Export Trips to CSV");
    request.filters = {Form1::tr(kCsvFilter)};
    request.fileName = QStringLiteral("trips.csv");
    const Dialogs::SaveChoice choice = platform().dialogs->saveFile(request);
    if (choice.path.isEmpty()) return {};
    // A name typed without a suffix gets the one of the file type it is written as.
    const bool hasSuffix = !QFileInfo(choice.path).suffix().isEmpty();
    return hasSuffix ? choice.path : choice.path + QStringLiteral(".csv");
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

void Form1::createTripCommands()
{
    mnuImportTrips = new QAction(tr("Import Trips from CSV..."), DataGrid1);
    mnuImportTrips->setObjectName(QStringLiteral("mnuImportTrips"));
    mnuImportTrips->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuImportTrips->setShortcutContext(Qt::WindowShortcut);
    mnuImportTrips->setShortcutVisibleInContextMenu(true);
    mnuExportTrips = new QAction(tr("Export Trips to CSV..."), DataGrid1);
    mnuExportTrips->setObjectName(QStringLiteral("mnuExportTrips"));
    connect(mnuImportTrips, &QAction::triggered, this, [this] {
        finishCellEdit(DataGrid1);
        if (const QString path = importFile(); !path.isEmpty()) importTripsFrom(path);
    });
    connect(mnuExportTrips, &QAction::triggered, this, [this] {
        finishCellEdit(DataGrid1);
        if (const QString path = exportFile(); !path.isEmpty()) exportTripsTo(path);
    });
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

bool Form1::importTripsFrom(const QString& path)
{
    if (!session().tableOpen()) {
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
    const LogTable& table = *session().table();
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
    session().placeImported(read.trips, true, tr("Import of Trips"));
    return true;
}

void Form1::importDrivesCommand()
{
    finishCellEdit(DataGrid1);
    if (!session().tableOpen() || session().readOnly()) return;
    const std::vector<Trip> trips =
        reviewDrives(this, {*session().table(), session().driveReview(), session().tripBook(),
                            session().periodFrom(), session().periodTo()});
    if (trips.empty() || !backUpBeforeChange()) return;
    session().placeImported(trips, false, tr("Import of Drives"));
}

bool Form1::exportTripsTo(const QString& path)
{
    if (!session().tableOpen()) {
        return false;
    }
    if (QFileInfo::exists(path)
        && !askUser(tr("\"%1\" already exists.\r\nDo you want to replace it?").arg(path),
                    Dialogs::No)) {
        return false;
    }
    finishCellEdit(DataGrid1);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(writeTripsCsv(*session().table())) < 0
        || !file.commit()) {
        warnUser(tr("Cannot write \"%1\": %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

bool Form1::confirmReport()
{
    if (!session().tableOpen()) {
        return true;
    }
    finishCellEdit(DataGrid1);
    const std::vector<WarnedTrip> warned =
        warnedTrips(*session().table(), TripPeriod{session().periodFrom(), session().periodTo()},
                    session().tripRates());
    if (!warned.empty() && !askUser(warningQuestion(warned), Dialogs::Yes)) return false;
    // A report that holds trips claimed before would claim them twice.
    const QString claimed = session().claimedTripsQuestion();
    return claimed.isEmpty() || ask(claimed, Dialogs::No) == Dialogs::Yes;
}

} // namespace bw
