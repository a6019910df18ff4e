// The main window: employee fields, the period, the trip grid and the commands.
#pragma once

#include "logstore/claimstore.h"
#include "preview/previewhost.h"
#include "report/reportinputs.h"
#include "widgets/mousepointer.h"

#include <QCursor>
#include <QIcon>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

class QAction;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace bw {

class LogHistory;
class LogSession;
class LogTable;
class LogTableModel;
class TripBook;
class StepTrap;
class TripLog;

// The program's start-up object: load() runs the start-up steps, closing the window
// saves the trip rows and ends the program.
class Form1 final : public QWidget, public ReportInputs, public PreviewHost {
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

    LogTableModel& gridModel() const { return *model_; }
    // The changes to the log since the window opened, for undo and redo.
    LogHistory& history() const { return *history_; }
    // The current trip table (null only when its creation failed).
    const std::shared_ptr<LogTable>& logTableObject() const { return logTable_; }
    // The open log behind the window.
    LogSession& session() const { return *session_; }
    // Where the trips are kept (null before load()).
    TripLog* tripLog() const;

    // ReportInputs
    QString employeeName() const override;
    QString employeeID() const override;
    QString vehicleDescription() const override;
    QString authorizedBy() const override;
    QString ratePerMile() const override;
    QDate periodFrom() const override;
    QDate periodTo() const override;
    LogTable& logTable() const override;
    RateSchedule rateSchedule() const override { return rates_; }
    LogUnits units() const override { return units_; }

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

    // Trips from and to CSV files: the grid's context menu (and Ctrl+I for the import)
    // asks for the file through the dialog seam.
    void importTripsCommand();
    void exportTripsCommand();
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
    // Where the rate changes are kept; replaced by the log's own store when it has one.
    void setRateStore(std::unique_ptr<RateStore> store);
    // The Rate per Mile box's menu: the log's distance unit or currency, kept at once and
    // one step to undo; words change, numbers stay. False when they could not be kept.
    bool setDistanceUnitCommand(DistanceUnit unit);
    bool setCurrencyCommand(const Currency& currency);
    // The currencies the menu offers: the log's own, "$" and the locale's.
    std::vector<Currency> currencyChoices() const;
    // "Restore Log from Backup…" (the grid's menu): the backups of the log, one of which
    // replaces it, as one step to undo.
    void restoreBackupCommand();
    // "Claim History…" (the grid's menu, Ctrl+H): the claims the log remembers.
    void claimHistoryCommand();
    // Replaces the log with the backup `file` and shows its rows; "" or the reason.
    QString restoreLogFrom(const QString& file);

    // Claims (form1_claims.cpp). The report just made, as the preview shows it: what its
    // claim holds once it is first saved or printed.
    void reportMade();
    // The preview wrote the report made last to `path` as `format` ("xls", "xlsx", "pdf"),
    // or printed it ("print", no path): the first file records the report's claim, later
    // ones are added to it. Told when no claim could be recorded; the file stays.
    void reportHandedOut(const QString& path, const QString& format);
    // "Start New Period…": after a question saying how many, moves every claimed trip out
    // of the grid into the history and starts the period after the last claim's, as one
    // step to undo.
    void startNewPeriodCommand();
    // The log's claims; null while the log has no database.
    ClaimStore* claimStore() const;
    // Reads again which trips are claimed and repaints their marks.
    void refreshClaimMarks();

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
    void createEntryControls();
    void createGrid();
    // Names the fields after their labels for assistive technology.
    void nameControls();
    void connectHandlers();
    void saveEntry(const QString& key, const QString& value);
    void dtpFrom_Change();
    void dtpTo_Change();
    void commitGridEdit();
    void createTripActions();
    void createRateActions();
    void showRateMenu(const QPoint& pos);
    void markTypedRate();
    // Keeps `units` in the log, then shows them; false (told why) when not kept.
    bool keepUnits(const LogUnits& units);
    void showUnits(const LogUnits& units);
    bool changeUnits(const LogUnits& units, const QString& step);
    void createHistoryActions();
    void createGridMenu();
    void createEntryActions();
    void fillFrequentTripMenu();
    // Duplicate Trip and Add Return Trip follow the current row.
    void updateTripActions();
    void duplicateTrip();
    void addReturnTrip();
    void addFrequentTrip(int choice);
    // Room for one more trip; otherwise the user hears why none was added.
    bool roomForTrip();
    void addTripBelow(int row, std::vector<QVariant> values, const QString& name);
    void updateHistoryActions();
    void showGridMenu(const QPoint& viewportPos);
    // Puts the entry fields and the period back as they are now.
    std::function<void()> entriesRestorer() const;
    bool confirmTripWarnings();
    bool dropTrips(QEvent* event);
    void resetPointer();
    void openTripLog(StepTrap& trap);
    void commitTrips();
    void showHandPointer();
    void createBackupActions();
    // The first start of a day backs the log up in the background.
    void scheduleDailyBackup();
    // A copy of the log before a change of the whole table; false when that copy failed
    // and the user chose not to go on without it.
    bool backUpBeforeChange();
    void createClaimActions();
    // Asks before a report that holds trips claimed before; true to go on.
    bool confirmClaimedTrips();
    QString claimNoteFor(qint64 tripId) const;
    void setPeriod(QDate from, QDate to);

    // The settings, the trip log, its claims and backups; declared first, so that what
    // reads them goes before them.
    std::unique_ptr<LogSession> session_;
    std::unordered_map<qint64, ClaimMark> claimMarks_;
    // The report on show in the preview: its claim record (or why there is none) and,
    // once recorded, its claim's number.
    std::optional<ClaimRecord> reportClaim_;
    QString reportClaimFailure_;
    qint64 reportClaimNumber_ = 0;
    bool reportClaimTold_ = false;
    std::shared_ptr<LogTable> logTable_;
    LogTableModel* model_ = nullptr;
    std::unique_ptr<LogHistory> history_;
    std::unique_ptr<RateStore> rateStore_;
    RateSchedule rates_;
    LogUnits units_;
    int rateLabelWidth_ = 0; // the Rate per Mile label's designed width
    TripBook* tripBook_ = nullptr;
    std::function<void()> createTemplate_;
    std::optional<QCursor> mouseIcon_;
    int mousePointer_ = kPointerDefault;
};

} // namespace bw
