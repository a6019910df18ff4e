// "Restore Log from Backup…": the log's backups in a table, one of which the user restores.
#pragma once

#include "core/backupinfo.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace bw {

// Lists the backups `list` reads (when taken, how many trips, the latest trip's date),
// newest first. Restore asks first, then calls `restore` with the chosen backup's path;
// the window closes as accepted when that succeeds and tells the reason when it fails.
// Keyboard: the arrows choose, Enter restores, Escape closes.
class RestoreBackupDialog final : public QDialog {
    Q_OBJECT
public:
    // Restores the backup at the given path; an empty string on success, a sentence
    // naming the cause otherwise.
    using RestoreFunction = std::function<QString(const QString& backupFile)>;
    // The log's backups, newest first.
    using ListFunction = std::function<QList<BackupInfo>()>;

    RestoreBackupDialog(ListFunction list, qint64 currentTrips, RestoreFunction restore,
                        QWidget* parent = nullptr);

    // Reads the backup folder again.
    void reload();
    // The backup restored, once the window was accepted.
    QString restoredFile() const { return restored_; }

    QTableWidget* table() const { return table_; }
    QPushButton* restoreButton() const { return restoreButton_; }

    // The command that opens this window, as menus show it.
    static QString commandText() { return tr("Restore Log from Backup…"); }
    // How a backup's moment is shown: the short date with a four-digit year, and the time
    // to the second, so that backups taken in the same minute read apart.
    static QString whenText(const QDateTime& when);

private:
    void restoreChosen();
    void fillRow(int row, const BackupInfo& info);

    ListFunction list_;
    qint64 currentTrips_;
    RestoreFunction restore_;
    QList<BackupInfo> backups_;
    QString restored_;
    QTableWidget* table_;
    QLabel* emptyNote_;
    QPushButton* restoreButton_;
};

} // namespace bw
