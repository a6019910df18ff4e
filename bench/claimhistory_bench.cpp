// The claim history window over a long history (1,000 claims of 30 trips, each saved to a
// file of a report's size): opening it until its first rows are painted, which must stay
// within 200 ms, and the background check of every file and of the chain after it.
#include "benchmain.h"
#include "benchplatform.h"
#include "logstore/claimstore.h"
#include "logstore/logdatabase.h"
#include "shell/claimhistorydialog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTableView>
#include <QThread>
#include <QTimeZone>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kClaims = 1000;
constexpr int kTrips = 30;

bw::ClaimRecord recordOf(int n)
{
    bw::ClaimRecord r;
    r.savedAt = QDateTime(QDate(2024, 1, 1), QTime(9, 0), QTimeZone::utc()).addDays(n);
    r.employeeName = QStringLiteral("Ada Quill");
    r.ratePerMile = QStringLiteral("0.5");
    r.periodFrom = r.savedAt.date().addDays(-7);
    r.periodTo = r.savedAt.date().addDays(-1);
    r.locale = QStringLiteral("en_US");
    for (int i = 0; i < kTrips; ++i) {
        r.trips.push_back(
            {n * kTrips + i + 1,
             bw::Trip::fromValues({r.periodFrom.toString(Qt::ISODate), QStringLiteral("Depot"),
                                   QStringLiteral("Client %1").arg(i),
                                   QStringLiteral("Samples delivered"),
                                   QString::number(1000 + 20 * i), QString::number(1020 + 20 * i),
                                   QStringLiteral("20"), QStringLiteral("10.00")})});
    }
    r.totalMiles = QString::number(20 * kTrips);
    r.totalAmount = QStringLiteral("$%1.00").arg(10 * kTrips);
    return r;
}

// A private log database holding the history, and a file of 40 KB for each claim.
struct History {
    History() : where(QStringLiteral("Brindlewick.ini"))
    {
        db = std::make_unique<bw::LogDatabase>(bw::LogDatabase::defaultPath(),
                                               bw::LogDatabase::Access::ReadWrite);
        const QDir folder = QFileInfo(bw::LogDatabase::defaultPath()).dir();
        bw::ClaimStore store(*db);
        for (int n = 0; n < kClaims; ++n) {
            const QString path = folder.filePath(QStringLiteral("claim%1.xls").arg(n));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(QByteArray(40 * 1024, char('a' + n % 26)));
            file.close();
            const bw::ClaimRecord r = recordOf(n);
            store.recordClaim(r, {path, QStringLiteral("xls"), bw::fileSha256(path), r.savedAt});
        }
    }
    bw::bench::PrivatePlatform where;
    std::unique_ptr<bw::LogDatabase> db;
};

void waitChecked(const bw::ClaimHistoryDialog& dialog)
{
    QElapsedTimer waited;
    waited.start();
    while (dialog.checking() && waited.elapsed() < 60000) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
}

History& history()
{
    static History h;
    return h;
}

void BM_OpenClaimHistory(benchmark::State& state)
{
    History& h = history();
    for (auto _ : state) {
        bw::ClaimHistoryDialog dialog(bw::claimHistoryOf(h.db.get(), false));
        dialog.show();
        dialog.table()->viewport()->repaint();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(dialog.model()->rowCount());
        state.PauseTiming();
        // The window closes once its check is done, so no run waits on an earlier one.
        waitChecked(dialog);
        state.ResumeTiming();
    }
    state.counters["claims"] = kClaims;
}
BENCHMARK(BM_OpenClaimHistory)->Unit(benchmark::kMillisecond);

// The part of the opening that reads the claims from the store.
void BM_ReadClaims(benchmark::State& state)
{
    History& h = history();
    for (auto _ : state) benchmark::DoNotOptimize(bw::ClaimStore(*h.db).claims());
}
BENCHMARK(BM_ReadClaims)->Unit(benchmark::kMillisecond);

// From the window's opening until every file is hashed and the chain verified, while the
// event loop keeps running.
void BM_ClaimHistoryCheckDone(benchmark::State& state)
{
    History& h = history();
    for (auto _ : state) {
        bw::ClaimHistoryDialog dialog(bw::claimHistoryOf(h.db.get(), false));
        dialog.show();
        waitChecked(dialog);
        benchmark::DoNotOptimize(dialog.chainHead());
    }
}
BENCHMARK(BM_ClaimHistoryCheckDone)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return bw::bench::runBenchmarks<QApplication>(argc, argv); }
