// The main window: employee fields, the period, the trip grid and the commands.
#pragma once

#include "core/logunits.h"
#include "preview/previewhost.h"
#include "widgets/mousepointer.h"

#include <QCursor>
#include <QIcon>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace bw {

class LogSession;
class LogSessions;
class LogTableModel;

// The program's start-up object: load() runs the start-up steps, closing the window
// saves the trip rows and ends the program. The open log and every decision about it
// are its session's; the window turns the user's actions into calls on it and shows
// what it reports.
class Form1 final : public QWidget, public PreviewHost {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // Runs Form_Load. False when the program must end at once (no spreadsheet
    // application can be created); the window is then not shown and nothing is saved.
    bool load();

    // "Start Creating Template" runs whatever is connected here.
    void setCreateTemplateHandler(std::function<void()> handler);

    int mousePointer() const { return mousePointer_; }
    void setMousePointer(int pointer);
    // The hand loaded at start-up, if any.
    const std::optional<QCursor>& mouseIcon() const { return mouseIcon_; }

    LogTableModel& gridModel() const;
    // The open log behind the window: its trips, history, rates, claims and what the
    // report reads.
    LogSession& session() const;
    // "Logs…" (the grid's menu, Ctrl+L) lists the logs; this shows the one at `path`. An
    // open cell editor goes to the log it belongs to first; a log that cannot be opened is
    // told with its cause and the window stays on the log it had. False then.
    bool openLog(const QString& path);

    // PreviewHost: the preview's "< Back" shows this window again; closing the preview
    // writes the trip rows as this window's own close does.
    void showMainWindow() override;
    void saveTripRows() override;

    // Event handlers, public so that the window's behaviour can be driven as a user would.
    bool Form_Load();
    void Form_QueryUnload();
    void Form_Unload();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton6_Click();
    void PushButton7_Click();
    void PushButton22_Click();

    // Trips from and to CSV files: the grid's context menu (and Ctrl+I, or a dropped file,
    // for the import) asks for the file through the dialog seam.
    // Imports the trips of the CSV file at `path` into the trailing blank rows and new
    // rows; bad lines are listed and the user imports the good trips or nothing. True when
    // trips were imported.
    bool importTripsFrom(const QString& path);
    // Writes the trips to `path`, asking first when the file exists. True when written.
    bool exportTripsTo(const QString& path);
    // "Import Drives…" (the grid's menu, Ctrl+Shift+I): the checked drives of recorded
    // tracks as trips, one step to undo.
    void importDrivesCommand();
    // "Rates by Date…" (the grid's menu and the Rate per Mile box's menu): edits the rate
    // changes, kept when the window is accepted.
    void ratesCommand();
    // Sets every trip's Reimbursement to its Mileage x its rate, after a question saying
    // how many values change; one step to undo.
    void recalculateReimbursementsCommand();
    // The Rate per Mile box's menu: the log's distance unit or currency, kept at once and
    // one step to undo; words change, numbers stay. False when they could not be kept.
    bool setDistanceUnitCommand(DistanceUnit unit);
    bool setCurrencyCommand(const Currency& currency);
    // "Restore Log from Backup…" (the grid's menu): the backups of the log, one of which
    // replaces it, as one step to undo.
    void restoreBackupCommand();
    // "Start New Period…": after a question saying how many, moves every claimed trip out
    // of the grid into the history and starts the period after the last claim's, as one
    // step to undo.
    void startNewPeriodCommand();
    // The preview wrote the report made last to `path` as `format` ("xls", "xlsx", "pdf"),
    // or printed it ("print", no path): the first file records the report's claim, later
    // ones are added to it. Told when no claim could be recorded; the file stays.
    void reportHandedOut(const QString& path, const QString& format);

    // Controls, named as designed.
    QPushButton* PushButton22 = nullptr;
    QPushButton* PushButton6 = nullptr;
    QPushButton* PushButton7 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtEmployeeName = nullptr;
    QLineEdit* txtEmployeeID = nullptr;
    QLineEdit* txtVehicleDescription = nullptr;
    QLineEdit* txtAuthorizedBy = nullptr;
    QLineEdit* txtRatePerMile = nullptr;
    QGroupBox* Frame3 = nullptr;
    QDateEdit* dtpFrom = nullptr;
    QDateEdit* dtpTo = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* DataGrid1Caption = nullptr;
    QTableView* DataGrid1 = nullptr;
    QPushButton* PushButton2 = nullptr;
    QPushButton* PushButton1 = nullptr;
    QPushButton* PushButton3 = nullptr;
    // The field captions: five employee fields, "From:", "To:".
    std::array<QLabel*, 7> Label4{};
    QAction* mnuImportTrips = nullptr;
    QAction* mnuExportTrips = nullptr;
    QAction* mnuImportDrives = nullptr;
    QAction* mnuRatesByDate = nullptr;
    QAction* mnuRecalculate = nullptr;
    QAction* mnuClaimHistory = nullptr;
    // The Rate per Mile box's menu: the distance unit, checked where it applies.
    QAction* mnuKilometres = nullptr;
    QAction* mnuMiles = nullptr;
    QAction* mnuRestoreBackup = nullptr;
    QAction* mnuStartNewPeriod = nullptr;
    // The grid's context menu: undo and redo; the trip commands; the log commands. A right
    // click on the grid, the Menu key and Shift+F10 open it.
    QMenu* mnuGrid = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuRedo = nullptr;
    QAction* mnuInsertRow = nullptr;
    QAction* mnuDeleteRow = nullptr;
    QAction* mnuDeleteAll = nullptr;
    // Trips typed in a few keys: a copy, the way back, a route the log knows well.
    QAction* mnuDuplicateTrip = nullptr;
    QAction* mnuReturnTrip = nullptr;
    QMenu* mnuFrequentTrip = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void createControls();
    void createGrid();
    void connectHandlers();
    void dtpFrom_Change();
    void dtpTo_Change();
    void createGridMenu();
    void createLogCommands();
    void createTripCommands();
    void createRateCommands();
    void showUnits(const LogUnits& units);
    // Asks about the trips' warnings and trips claimed before; true to go on.
    bool confirmReport();
    bool dropTrips(QEvent* event);
    // A copy of the log before a change of the whole table; false when that copy failed
    // and the user chose not to go on without it.
    bool backUpBeforeChange();
    // Puts the entry fields and the period back as they are now.
    std::function<void()> entriesRestorer() const;
    // Shows the open log's session: the grid on its model, its undo, its fields and its
    // period, what it says; `left` (null at the start) no longer reaches the window.
    void bindSession(LogSession* left);

    // The open log and those left while the program runs. The destructor parts the grid
    // from its model before these go.
    std::unique_ptr<LogSessions> sessions_;
    int rateLabelWidth_ = 0; // the Rate per Mile label's designed width
    std::function<void()> createTemplate_;
    std::optional<QCursor> mouseIcon_;
    int mousePointer_ = kPointerDefault;
};

} // namespace bw
