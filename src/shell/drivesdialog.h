// "Import Drives…": the drives of GPX tracks and Timeline exports reviewed before they
// become trips of the log.
#pragma once

#include "core/logunits.h"
#include "core/trip.h"
#include "drives/drive.h"
#include "logtable/drivereview.h"

#include <QDate>
#include <QDialog>
#include <QStringList>

#include <array>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QDateEdit;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimeEdit;

namespace bw {

class LogTable;
class TripBook;

// What the review reads of the open log.
struct DriveImport {
    const LogTable& table;
    DriveReviewModel::Setup review; // the log's trips and kept places, in its unit
    TripBook& book;                 // the place completion of the grid
    QDate periodFrom, periodTo;
};

// Asks for the files through the dialog seam (several at once), reads them and lets the
// user review their drives. The trips to add in date order; none when the user cancelled,
// a file could not be read (told why) or no trip fits (told by the one limit message).
std::vector<Trip> reviewDrives(QWidget* parent, const DriveImport& import);

class DrivesDialog final : public QDialog {
    Q_OBJECT

public:
    struct Setup {
        QStringList files;
        DriveReviewModel::Setup review;
        QDate periodFrom, periodTo;
        TripBook* book = nullptr;
        int room = 0; // trips the log still has room for
    };

    DrivesDialog(Setup setup, QWidget* parent = nullptr);

    static QString commandText() { return tr("Import Drives…"); }

    // Reads the files by the thresholds shown, with a progress dialog and Cancel, off this
    // thread. False when cancelled or a file cannot be read (told why); the drives shown
    // before stay then.
    bool readFiles();
    DriveReviewModel& model() { return model_; }

public slots:
    void accept() override;

private:
    void createFilters();
    void createThresholds();
    void createButtons();
    void showCounts(int checked);
    drives::DriveRules rules() const;
    BusinessHours business() const;

    Setup setup_;
    DriveReviewModel model_;
    QTableView* table_;
    // What createFilters makes: the period and the business hours that choose the drives
    // shown and checked.
    struct Filters {
        QDateEdit* from = nullptr;
        QDateEdit* to = nullptr;
        std::array<QCheckBox*, 7> days{};
        QTimeEdit* dayStart = nullptr;
        QTimeEdit* dayEnd = nullptr;
    } filters_;
    // What createThresholds makes: the stop rule the files are read by.
    struct Thresholds {
        QSpinBox* minStop = nullptr;
        QDoubleSpinBox* minDrive = nullptr;
    } thresholds_;
    QLabel* found_;
    QPushButton* add_ = nullptr;
    drives::DriveRules read_; // the rules the drives shown were found by
};

} // namespace bw
