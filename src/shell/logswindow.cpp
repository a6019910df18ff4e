// The Logs window and the small window that asks a log's name.
#include "shell/logswindow.h"

#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "widgets/listtable.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace bw {

namespace {

enum Column { NameColumn, VehicleColumn, TripsColumn, LatestColumn, WhereColumn, StateColumn };

// Where a new log goes, and whether it starts from the open log's fields.
struct NewLogPlace {
    QString folder;
    bool copy = false;
};

// The folder line of the new log's dialog: shown as the system writes paths, with a button
// that chooses another folder (a USB stick, a synced folder).
void addFolderChoice(QDialog& dialog, QVBoxLayout* layout, QString& folder)
{
    const auto shown = [](const QString& path) {
        return LogsWindow::tr("Folder: %1").arg(QDir::toNativeSeparators(path));
    };
    auto* where = new QLabel(shown(folder), &dialog);
    where->setObjectName(QStringLiteral("Folder"));
    auto* choose = new QPushButton(LogsWindow::tr("&Folder…"), &dialog);
    choose->setObjectName(QStringLiteral("ChooseFolder"));
    choose->setAccessibleName(LogsWindow::tr("Choose the folder of the new log"));
    choose->setAutoDefault(false);
    QObject::connect(choose, &QPushButton::clicked, &dialog, [&folder, where, shown] {
        const QString chosen = platform().dialogs->folderName(
            {LogsWindow::tr("Folder of the New Log"), QStringList(), folder});
        if (chosen.isEmpty()) return;
        folder = chosen;
        where->setText(shown(folder));
    });
    auto* row = new QHBoxLayout;
    row->addWidget(where, 1);
    row->addWidget(choose);
    layout->addLayout(row);
}

// Asks a log's name, saying while it is typed why a name cannot be taken. `place`, when
// given, offers another folder and to start from the open log's fields. Empty when
// cancelled.
QString askName(QWidget* parent, const QString& title, const QString& initial,
                const LogCatalog& catalog, NewLogPlace* place = nullptr)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("LogName"));
    dialog.setWindowTitle(title);
    auto* label = new QLabel(LogsWindow::tr("&Name of the log:"), &dialog);
    auto* name = new QLineEdit(initial, &dialog);
    name->setObjectName(QStringLiteral("Name"));
    name->setAccessibleName(LogsWindow::tr("Name of the log"));
    label->setBuddy(name);
    auto* reason = new QLabel(&dialog);
    reason->setObjectName(QStringLiteral("Reason"));
    reason->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(name);
    QCheckBox* fields = nullptr;
    if (place != nullptr) {
        addFolderChoice(dialog, layout, place->folder);
        fields = new QCheckBox(
            LogsWindow::tr("&Copy the open log's employee data, rates, unit and currency"),
            &dialog);
        fields->setObjectName(QStringLiteral("CopyFields"));
        layout->addWidget(fields);
    }
    layout->addWidget(reason);
    layout->addWidget(buttons);
    const auto check = [&] {
        const QString problem = name->text() == initial && !initial.isEmpty()
                                    ? QString()
                                    : catalog.nameProblem(name->text());
        reason->setText(problem);
        reason->setAccessibleName(problem);
        buttons->button(QDialogButtonBox::Ok)
            ->setEnabled(problem.isEmpty() && name->text() != initial);
    };
    QObject::connect(name, &QLineEdit::textChanged, &dialog, check);
    check();
    name->selectAll();
    dialog.setMinimumWidth(dialog.sizeHint().width() + 120);
    if (dialog.exec() != QDialog::Accepted) return {};
    if (place != nullptr) place->copy = fields->isChecked();
    return name->text().trimmed();
}

} // namespace

LogsWindow::LogsWindow(QString openLog, Hooks hooks, QWidget* parent)
    : QDialog(parent), openLog_(std::move(openLog)), hooks_(std::move(hooks)),
      table_(new QTableWidget(this))
{
    setObjectName(QStringLiteral("LogsWindow"));
    setWindowTitle(tr("Logs"));
    auto* intro = new QLabel(tr("Logs you &keep:"), this);
    intro->setBuddy(table_);
    table_->setObjectName(QStringLiteral("Logs"));
    table_->setAccessibleName(tr("Logs"));
    table_->setAccessibleDescription(tr("Each log with its vehicle, its number of trips, its "
                                        "latest trip's date and its folder. Enter opens the "
                                        "chosen one."));
    setUpListTable(table_, {tr("Name"), tr("Vehicle"), tr("Trips"), tr("Latest trip"), tr("Folder"),
                            tr("State")});
    connect(table_, &QTableWidget::activated, this, &LogsWindow::openChosen);
    connect(table_, &QTableWidget::currentCellChanged, this, &LogsWindow::showCommands);

    auto* buttons = new QVBoxLayout;
    const auto add = [&](const char* name, const QString& text, void (LogsWindow::*command)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(QString(text).remove(QLatin1Char('&')).remove(QChar(0x2026)));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, command);
        buttons->addWidget(b);
        return b;
    };
    add("Open", tr("&Open"), &LogsWindow::openChosen);
    add("NewLog", tr("&New Log…"), &LogsWindow::newLog);
    add("Rename", tr("&Rename…"), &LogsWindow::renameChosen);
    add("OpenOther", tr("Open Other &File…"), &LogsWindow::openOtherFile);
    add("Forget", tr("Remove from &List"), &LogsWindow::forgetChosen);
    add("Trash", tr("Move to &Trash"), &LogsWindow::trashChosen);
    buttons->addStretch();
    QPushButton* close = add("Close", tr("Close"), &LogsWindow::reject);
    close->setAutoDefault(false);
    table_->installEventFilter(this);

    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(intro);
    left->addWidget(table_);
    body->addLayout(left, 1);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    reload();
    table_->setFocus();
}

bool LogsWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete) {
            if (key->modifiers() == Qt::ShiftModifier) trashChosen();
            if (key->modifiers() == Qt::NoModifier) forgetChosen();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QPushButton* LogsWindow::button(const char* name) const
{
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

void LogsWindow::reload(const QString& path)
{
    const QString chosenPath = path.isEmpty() ? openLog_ : path;
    const LogCatalog catalog;
    lines_ = logLines(catalog.list(), openLog_);
    // Decided once a reading: the arrows then only show what applies.
    commands_.clear();
    for (const LogLine& line : lines_) commands_.push_back(logCommands(&line, catalog));
    table_->setRowCount(static_cast<int>(lines_.size()));
    int current = 0;
    for (int row = 0; row < static_cast<int>(lines_.size()); ++row) {
        const LogLine& line = lines_[static_cast<std::size_t>(row)];
        auto* name = listCell(line.name);
        QFont font = table_->font();
        font.setBold(line.open);
        name->setFont(font);
        name->setToolTip(QDir::toNativeSeparators(line.path));
        table_->setItem(row, NameColumn, name);
        table_->setItem(row, VehicleColumn, listCell(line.vehicle));
        table_->setItem(row, TripsColumn, listCell(line.trips, Qt::AlignRight));
        table_->setItem(row, LatestColumn, listCell(line.latest));
        table_->setItem(row, WhereColumn, listCell(line.where));
        table_->setItem(row, StateColumn, listCell(line.state));
        if (QFileInfo(line.path) == QFileInfo(chosenPath)) current = row;
    }
    if (!lines_.empty()) table_->setCurrentCell(current, NameColumn);
    showCommands();
    // Wide enough for every column's header and text, within the screen's reach.
    table_->resizeColumnsToContents();
    int width = table_->verticalScrollBar()->sizeHint().width() + 2 * table_->frameWidth();
    for (int column = 0; column < table_->columnCount(); ++column)
        width += table_->horizontalHeader()->sectionSize(column);
    table_->setMinimumWidth(std::min(width, 1200));
}

const LogLine* LogsWindow::chosen() const
{
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(lines_.size())) return nullptr;
    return &lines_[static_cast<std::size_t>(row)];
}

LogCommands LogsWindow::commandsOfChosen() const
{
    const int row = table_->currentRow();
    if (row < 0 || row >= static_cast<int>(commands_.size())) return {};
    return commands_[static_cast<std::size_t>(row)];
}

void LogsWindow::showCommands()
{
    const LogCommands can = commandsOfChosen();
    button("Open")->setEnabled(can.open);
    button("Rename")->setEnabled(can.rename);
    button("Forget")->setEnabled(can.forget);
    button("Trash")->setEnabled(can.trash);
}

void LogsWindow::fail(const QString& why) { tell(why, windowTitle(), Dialogs::Icon::Warning); }

bool LogsWindow::openAndClose(const QString& path)
{
    if (!hooks_.open(path)) {
        reload();
        return false;
    }
    accept();
    return true;
}

void LogsWindow::openChosen()
{
    const LogLine* line = chosen();
    if (line == nullptr || !commandsOfChosen().open) return;
    openAndClose(line->path);
}

void LogsWindow::newLog()
{
    LogCatalog catalog;
    NewLogPlace place{catalog.logsFolder()};
    const QString name = askName(this, tr("New Log"), QString(), catalog, &place);
    if (name.isEmpty()) return;
    try {
        const QString made = catalog.create(name, place.folder, place.copy ? openLog_ : QString());
        if (!openAndClose(made)) reload(made);
    } catch (const LogCatalogError& failure) {
        fail(QString::fromUtf8(failure.what()));
    }
}

void LogsWindow::renameChosen()
{
    const LogLine* line = chosen();
    if (line == nullptr || !commandsOfChosen().rename) return;
    const QString path = line->path;
    LogCatalog catalog;
    const QString name = askName(this, tr("Rename Log"), line->name, catalog);
    if (name.isEmpty()) return;
    try {
        hooks_.release(path);
        reload(catalog.rename(path, name));
    } catch (const LogCatalogError& failure) {
        fail(QString::fromUtf8(failure.what()));
    }
}

void LogsWindow::openOtherFile()
{
    const QString path = platform().dialogs->openFileName(
        {tr("Open Other Log"), {tr("Logs (*.sqlite)"), tr("All Files (*)")}, QString()});
    if (!path.isEmpty()) openAndClose(path);
}

void LogsWindow::forgetChosen()
{
    const LogLine* line = chosen();
    if (line == nullptr || !commandsOfChosen().forget) return;
    try {
        LogCatalog().forget(line->path);
        reload();
    } catch (const LogCatalogError& failure) {
        fail(QString::fromUtf8(failure.what()));
    }
}

void LogsWindow::trashChosen()
{
    const LogLine* line = chosen();
    if (line == nullptr) return;
    const QString path = line->path;
    if (line->open) {
        fail(tr("The open log cannot be moved to the trash; open another log first."));
        return;
    }
    const QString question = tr("Move the log %1 (%2) and its files to the trash?")
                                 .arg(line->name, QDir::toNativeSeparators(path));
    if (ask(question, Dialogs::No, windowTitle(), Dialogs::Icon::Warning) != Dialogs::Yes) return;
    try {
        hooks_.release(path);
        LogCatalog().moveToTrash(path, openLog_);
        reload();
    } catch (const LogCatalogError& failure) {
        fail(QString::fromUtf8(failure.what()));
        reload(path);
    }
}

} // namespace bw
