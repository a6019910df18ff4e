// "Claim History…": the claims the log remembers, the state of their files, the chain's
// head, and the commands for one claim (save again, its trips as CSV, its folder, and
// marking it paid or taking that back).
#pragma once

#include "logtable/claimhistory.h"

#include <QAbstractTableModel>
#include <QDialog>
#include <QString>

#include <atomic>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QThread;

namespace bw {

// The claims as table rows, newest first: the latest claim is the one most often saved
// again or marked paid, so it is the first row and the one chosen when the window opens.
class ClaimHistoryModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        NumberColumn,
        SavedColumn,
        PeriodColumn,
        TripsColumn,
        TotalColumn,
        FilesColumn,
        PaidColumn,
        ColumnCount
    };

    explicit ClaimHistoryModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // `claims` in number order, as the store gives them.
    void setClaims(std::vector<Claim> claims);
    // Puts `claim` in place of the row of the same number; its files' states stay.
    void replaceClaim(const Claim& claim);
    void setFileState(qint64 number, int file, ClaimFileState state);

    const Claim* claimAt(int row) const;
    int rowOf(qint64 number) const;
    ClaimFileState fileState(int row, int file) const;
    // "claim.xls, claim.pdf (missing)": each file's name with its state when not as saved.
    QString filesText(int row) const;
    // The whole row in one sentence, for the table's accessible description.
    QString summary(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        Claim claim;
        std::vector<ClaimFileState> states;
    };
    QString cellText(const Row& row, int column) const;
    QString fileText(const Row& row, std::size_t file) const;

    std::vector<Row> rows_;
};

// Lists the claims `source` reads. The files are checked and the
// chain verified on a thread of their own once the window is shown, so a long history or
// large files never hold it up; rows show "checking…" until their files are done. A log
// open read-only (a source that cannot mark) lists and saves again, but cannot mark a claim
// paid.
class ClaimHistoryDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ClaimHistoryDialog(ClaimHistorySource source, QWidget* parent = nullptr);
    ~ClaimHistoryDialog() override;

    // The command that opens this window, as menus show it.
    static QString commandText() { return tr("Claim History…"); }

    void saveAgainCommand();
    void exportTripsCommand();
    void openFolderCommand();
    // Marks the chosen claim paid, or a paid one unpaid, after a question.
    void markPaidCommand();

    // True while files or the chain are still being checked.
    bool checking() const;

    ClaimHistoryModel* model() const { return model_; }
    QTableView* table() const { return table_; }
    QLineEdit* chainHead() const { return head_; }
    QLabel* chainState() const { return chainState_; }
    QPushButton* saveAgainButton() const { return saveAgain_; }
    QPushButton* exportButton() const { return export_; }
    QPushButton* folderButton() const { return folder_; }
    QPushButton* paidButton() const { return paid_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void layOut();
    void load();
    void startChecks();
    void stopChecks();
    void showChain(const ChainCheck& check, const QString& failure);
    void currentChanged();
    const Claim* currentClaim() const;
    QString folderOf(const Claim& claim) const;

    ClaimHistorySource source_;
    ClaimHistoryModel* model_;
    QTableView* table_ = nullptr;
    QLabel* emptyNote_ = nullptr;
    QLineEdit* head_ = nullptr;
    QLabel* chainState_ = nullptr;
    QPushButton* saveAgain_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* folder_ = nullptr;
    QPushButton* paid_ = nullptr;
    QPushButton* close_ = nullptr;
    QThread* checker_ = nullptr;
    bool chainChecked_ = false;
    std::shared_ptr<std::atomic<bool>> stop_;
};

} // namespace bw
