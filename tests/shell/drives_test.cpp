// "Import Drives…" driven as a person does: Ctrl+Shift+I, files chosen through the seam,
// the review window, and one Ctrl+Z that takes every added trip back.
#include "drives/tracks.h"
#include "platform/datetext.h"
#include "shell/drivesdialog.h"
#include "shell/form1fixture.h"
#include "support/testfiles.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace bw::test {
namespace {

class Drives : public Form1Test {};

// Two drives a day, on the first and the second of May 2024.
QStringList writeTracks(const QTemporaryDir& dir)
{
    QStringList files;
    for (int day = 0; day < 2; ++day) {
        drives::Track t = drives::track({{600, 5, 15.0}, {400, 10, 0.0}, {300, 5, 10.0}});
        for (auto& point : t.points) point.first += day * 86400000LL;
        files << dir.filePath(QStringLiteral("day%1.gpx").arg(day));
        writeFile(files.back(), drives::gpx(t));
    }
    return files;
}

// Acts on the review window once it shows: the files are read before it does.
void whenShown(const std::function<void(DrivesDialog&)>& act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* review = qobject_cast<DrivesDialog*>(QApplication::activeModalWidget());
        if (!review || !review->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(*review);
    });
    timer->start(10);
}

TEST_F(Drives, CtrlShiftIAddsTheCheckedDrivesAsOneStepOfUndo)
{
    QTemporaryDir dir;
    const QStringList files = writeTracks(dir);
    store({{"RowCount", QStringLiteral("1")}});
    Form1& f = openShown();
    f.dtpTo->setDate(QDate(2024, 5, 31));
    f.dtpFrom->setDate(QDate(2024, 5, 1));
    // The window is active again once the review has closed, as a desktop makes it.
    const auto activate = [&f] {
        f.activateWindow();
        return QTest::qWaitForWindowActive(&f);
    };
    for (const bool add : {false, true}) {
        ASSERT_TRUE(activate());
        env.dialogs.chooseNextOpenFiles(files);
        int found = 0;
        QString addText;
        whenShown([&](DrivesDialog& review) {
            DriveReviewModel& model = review.model();
            found = model.rowCount();
            model.setData(model.index(0, DriveReviewModel::Business), Qt::Unchecked,
                          Qt::CheckStateRole);
            auto* addButton = review.findChild<QPushButton*>(QStringLiteral("Add"));
            addText = addButton->text();
            if (add) {
                QTest::mouseClick(addButton, Qt::LeftButton);
            } else {
                QTest::keyClick(&review, Qt::Key_Escape);
            }
        });
        QTest::keyClick(f.DataGrid1, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(found, 4);
        EXPECT_EQ(addText, QStringLiteral("&Add 3 Trips"));
        EXPECT_EQ(rows(), add ? 3 : 1) << "Escape adds nothing";
    }
    EXPECT_EQ(env.dialogs.openRequests().back().title, QStringLiteral("Import Drives"));
    const QString first = dateToText(QDate(2024, 5, 1));
    const QString second = dateToText(QDate(2024, 5, 2));
    EXPECT_EQ(dates(), QStringList({first, second, second}));
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(table().valueAt(row, 4).toString().isEmpty()) << row;
        EXPECT_TRUE(table().valueAt(row, 5).toString().isEmpty()) << row;
    }
    EXPECT_EQ(table().valueAt(1, 6).toDouble(), 5.6) << "9,000 m in miles, to one decimal";
    EXPECT_EQ(keptTrips().size(), 3u);

    ASSERT_TRUE(activate());
    QTest::keyClick(f.DataGrid1, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(dates(), QStringList({QString()}));
    EXPECT_EQ(keptTrips().size(), 1u);
}

} // namespace
} // namespace bw::test
