// "Logs…": the logs a person keeps, to open, make, rename, or put away.
#pragma once

#include "logtable/loglist.h"

#include <QDialog>
#include <QString>

#include <functional>
#include <vector>

class QPushButton;
class QTableWidget;

namespace bw {

// Lists the known logs (name, vehicle, trips, latest trip, folder, and which is open) with
// the commands for the chosen one. Keyboard: the arrows choose, Enter opens, Delete removes
// a log kept elsewhere from the list, Shift+Delete moves a log to the trash, Escape closes.
// Every refusal and failure is told with its cause; the window stays.
class LogsWindow final : public QDialog {
    Q_OBJECT
public:
    struct Hooks {
        // Shows the log at the path in the main window: false when it was not opened (the
        // main window told why).
        std::function<bool(const QString&)> open;
        // Lets go of a log the program keeps open from earlier, before its file changes.
        std::function<void(const QString&)> release;
    };
    LogsWindow(QString openLog, Hooks hooks, QWidget* parent = nullptr);

    // Reads the catalogue again and chooses the line of `path` (else the open log's).
    void reload(const QString& path = QString());

    QTableWidget* table() const { return table_; }
    QPushButton* button(const char* name) const;

    static QString commandText() { return tr("Logs…"); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const LogLine* chosen() const;
    LogCommands commandsOfChosen() const;
    void showCommands();
    void openChosen();
    void newLog();
    void renameChosen();
    void openOtherFile();
    void forgetChosen();
    void trashChosen();
    bool openAndClose(const QString& path);
    void fail(const QString& why);

    QString openLog_;
    Hooks hooks_;
    std::vector<LogLine> lines_;
    std::vector<LogCommands> commands_; // of each line
    QTableWidget* table_;
};

} // namespace bw
