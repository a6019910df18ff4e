// "Summary…": one tax year of the log at a glance — a table of its months, a chart of the
// distance driven, the routes most driven — with the log's tax-year start, Export… and
// Print. It follows the log: a change of the trips recomputes it.
#pragma once

#include "core/logunits.h"
#include "core/taxyear.h"
#include "summary/yearsummary.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class QAbstractItemModel;
class QComboBox;
class QLabel;
class QPainter;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace bw {

class SummaryChart;
class TripLog;

class SummaryWindow final : public QDialog {
    Q_OBJECT
public:
    // Where the window reads the log and keeps its tax-year start.
    using Source = summary::SummarySource;

    SummaryWindow(Source source, const QDate& today, QWidget* parent = nullptr);

    // The command's text, for the menu.
    static QString commandText();
    // Opens the window on `log`, following `model`'s changes; null while the log has no
    // database. It closes with its parent or its own Close.
    static SummaryWindow* open(TripLog* log, const QAbstractItemModel& model, const LogUnits& units,
                               QWidget* parent);

    const summary::YearSummary& summary() const { return summary_; }
    // Reads the log again, a moment after the last of several changes.
    void logChanged();

protected:
    // Claims marked paid in another window change no trip: coming back reads the log again.
    void changeEvent(QEvent* event) override;

private:
    void build();
    QLayout* buildStartRow();
    QLayout* buildButtons();
    void refresh();
    void showYear(int year);
    void fillTable();
    void fillRoutes();
    void showStart(const TaxYearStart& start);
    void startEdited();
    void exportCommand();
    void writeExport(const QString& target);
    void printCommand();
    void paintPage(QPainter& painter, const QRect& page);

    Source source_;
    QDate today_;
    std::vector<summary::SummaryTrip> trips_;
    summary::YearSummary summary_;
    QComboBox* cboYear = nullptr;
    QSpinBox* spnStartDay = nullptr;
    QComboBox* cboStartMonth = nullptr;
    QLabel* lblStartNote = nullptr;
    QTableWidget* tblMonths = nullptr;
    SummaryChart* chart = nullptr;
    QTableWidget* tblRoutes = nullptr;
    QTimer* recompute_ = nullptr;
    bool showing_ = false;
};

} // namespace bw
