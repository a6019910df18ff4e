// The restore window: a table of backups and the question before one replaces the log.
#include "shell/restorebackupdialog.h"

#include "core/messageboxes.h"
#include "platform/datetext.h"
#include "widgets/listtable.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace bw {

namespace {

enum Column { WhenColumn, TripsColumn, LatestColumn };

} // namespace

RestoreBackupDialog::RestoreBackupDialog(ListFunction list, qint64 currentTrips,
                                         RestoreFunction restore, QWidget* parent)
    : QDialog(parent), list_(std::move(list)), currentTrips_(currentTrips),
      restore_(std::move(restore)), table_(new QTableWidget(this)), emptyNote_(new QLabel(this)),
      restoreButton_(new QPushButton(tr("&Restore"), this))
{
    setObjectName(QStringLiteral("RestoreBackupDialog"));
    setWindowTitle(tr("Restore Log from Backup"));
    auto* intro = new QLabel(tr("Choose the backup that replaces the log:"), this);
    intro->setBuddy(table_);

    table_->setObjectName(QStringLiteral("Backups"));
    table_->setAccessibleName(tr("Backups"));
    table_->setAccessibleDescription(
        tr("Each backup with when it was taken, its number of trips and its latest trip's "
           "date. Enter restores the chosen one."));
    setUpListTable(table_, {tr("Backup taken"), tr("Trips"), tr("Latest trip")});
    connect(table_, &QTableWidget::doubleClicked, this, &RestoreBackupDialog::restoreChosen);

    emptyNote_->setText(tr("There are no backups of the log yet."));

    restoreButton_->setObjectName(QStringLiteral("Restore"));
    restoreButton_->setAccessibleName(tr("Restore"));
    restoreButton_->setDefault(true);
    connect(restoreButton_, &QPushButton::clicked, this, &RestoreBackupDialog::restoreChosen);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(restoreButton_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(table_);
    layout->addWidget(emptyNote_);
    layout->addWidget(buttons);
    resize(460, 320);
    reload();
    table_->setFocus();
}

QString RestoreBackupDialog::whenText(const QDateTime& when)
{
    return dateToText(when.date()) + QLatin1Char(' ') + timeWithSecondsText(when.time());
}

void RestoreBackupDialog::fillRow(int row, const BackupInfo& info)
{
    const QLocale locale;
    table_->setItem(row, WhenColumn, listCell(whenText(info.when)));
    table_->setItem(
        row, TripsColumn,
        listCell(info.readable ? locale.toString(info.trips) : tr("unreadable"), Qt::AlignRight));
    table_->setItem(row, LatestColumn,
                    listCell(info.latestTrip.isValid() ? dateToText(info.latestTrip) : QString()));
}

void RestoreBackupDialog::reload()
{
    backups_ = list_();
    table_->setRowCount(static_cast<int>(backups_.size()));
    for (int row = 0; row < backups_.size(); ++row) fillRow(row, backups_[row]);
    const bool any = !backups_.isEmpty();
    emptyNote_->setVisible(!any);
    restoreButton_->setEnabled(any);
    if (any) table_->setCurrentCell(0, WhenColumn);
}

void RestoreBackupDialog::restoreChosen()
{
    const int row = table_->currentRow();
    if (row < 0 || row >= backups_.size()) return;
    const BackupInfo& chosen = backups_[row];
    if (!chosen.readable) {
        tell(tr("The backup of %1 cannot be read; choose another.").arg(whenText(chosen.when)),
             windowTitle(), Dialogs::Icon::Warning);
        return;
    }
    const QString question =
        tr("Replace the log's %1 with the %2 of the backup of %3? The current log is backed up "
           "first.")
            .arg(tr("%Ln trip(s)", nullptr, static_cast<int>(currentTrips_)),
                 tr("%Ln trip(s)", nullptr, static_cast<int>(chosen.trips)), whenText(chosen.when));
    if (ask(question, Dialogs::No, windowTitle()) != Dialogs::Yes) return;
    const QString path = chosen.path;
    const QString error = restore_(path);
    if (!error.isEmpty()) {
        tell(error, windowTitle(), Dialogs::Icon::Warning);
        reload();
        return;
    }
    restored_ = path;
    accept();
}

} // namespace bw
