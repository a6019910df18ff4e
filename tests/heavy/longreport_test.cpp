// A log of 10,000 trips made into a report by the report tool and by the program's two
// windows, and looked at in the preview at three zoom levels, top and bottom.
#include "brindlewick-report/reporttool.h"
#include "core/steptrap.h"
#include "logstore/settingsstore.h"
#include "logtable/logsession.h"
#include "logtable/logtable.h"
#include "logtable/logtablestore.h"
#include "platform/datetext.h"
#include "preview/form2.h"
#include "preview/picturebox.h"
#include "shell/form1.h"
#include "shell/programwindows.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/xls/xls.h"
#include "support/fakeplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextStream>
#include <QtEndian>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

namespace bw::test {
namespace {

constexpr int kTrips = 10000;
// Rows of the tool's picture kept at either end: more than the viewport shows at 0.25.
constexpr int kEndRows = 2100;

void storeTrips(int count)
{
    auto table = std::make_shared<LogTable>();
    table->openWithTripFields();
    for (int k = 1; k <= count; ++k) {
        table->AddNew();
        // In date order, within the stored period: trips that raise no warning.
        table->setValue(0, dateToText(QDate(2016, 5, 1).addDays((k - 1) / 400)));
        table->setValue(1, QStringLiteral("Store %1").arg(k));
        table->setValue(2, QStringLiteral("Mini mall"));
        table->setValue(3, k % 3 == 0 ? QString() : QStringLiteral("Daily delivery"));
        table->setValue(4, QString::number(58000 + 2 * k));
        table->setValue(5, QString::number(58002 + 2 * k));
        table->setValue(6, 2.0);
        table->setValue(7, 2.5);
    }
    SettingsStore store;
    store.SaveSetting(QStringLiteral("PeriodFrom"), dateToText(QDate(2016, 5, 1)));
    store.SaveSetting(QStringLiteral("PeriodTo"), dateToText(QDate(2016, 5, 31)));
    StepTrap trap(QStringLiteral("storeTrips"));
    {
        SettingsStore::Batch batch(store);
        SaveLogRows(table, store, trap);
        batch.commit();
    }
}

// The first and last kEndRows rows of a 24-bit bottom-up BMP, read where they lie.
struct BmpEnds {
    QSize size;
    QImage top;
    QImage bottom;
};

BmpEnds readBmpEnds(const QString& path)
{
    BmpEnds ends;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return ends;
    const QByteArray header = file.read(54);
    if (header.size() != 54 || qFromLittleEndian<quint16>(header.constData() + 28) != 24)
        return ends;
    const qint64 offset = qFromLittleEndian<quint32>(header.constData() + 10);
    ends.size = QSize(qFromLittleEndian<qint32>(header.constData() + 18),
                      qFromLittleEndian<qint32>(header.constData() + 22));
    const qint64 rowBytes = (qint64{ends.size.width()} * 3 + 3) / 4 * 4;
    const auto rows = [&](int first) {
        QImage image(ends.size.width(), kEndRows, QImage::Format_RGB32);
        for (int y = 0; y < kEndRows; ++y) {
            file.seek(offset + rowBytes * (ends.size.height() - 1 - (first + y)));
            const QByteArray row = file.read(rowBytes);
            for (int x = 0; x < ends.size.width(); ++x) {
                const auto* p = reinterpret_cast<const uchar*>(row.constData() + 3 * x);
                image.setPixel(x, y, qRgb(p[2], p[1], p[0]));
            }
        }
        return image;
    };
    ends.top = rows(0);
    ends.bottom = rows(ends.size.height() - kEndRows);
    return ends;
}

class LongReport : public ::testing::Test {
protected:
    // What the viewport shows, checked against the tool's picture: every sampled point
    // whose neighbourhood in the picture is one colour shows that colour, and there is
    // ink (text and lines, darker than the gridlines even when reduced) on show.
    void expectViewShowsThePicture(const char* what)
    {
        const Form2& form = windows->form2();
        const QImage shot = form.viewport()->grab().toImage();
        const QPoint inside = form.viewport()->contentsRect().topLeft();
        const QRect box = form.imageBox()->geometry();
        const double sx = static_cast<double>(box.width()) / tool.size.width();
        const double sy = static_cast<double>(box.height()) / tool.size.height();
        // The picture's pixels under one shown pixel, and one more on every side.
        const int radius = static_cast<int>(std::ceil(1.0 / std::min(sx, 1.0))) + 1;
        int checked = 0;
        int ink = 0;
        for (int vy = 2; vy < form.viewport()->contentsRect().height() - 2; vy += 7) {
            for (int vx = 2; vx < form.viewport()->contentsRect().width() - 2; vx += 7) {
                const QRgb shown = shot.pixel(inside.x() + vx, inside.y() + vy);
                if (qGray(shown) < 200) ++ink;
                const int px = static_cast<int>((vx - box.x() + 0.5) / sx);
                const int py = static_cast<int>((vy - box.y() + 0.5) / sy);
                const bool nearTop = py < kEndRows;
                const QImage& ref = nearTop ? tool.top : tool.bottom;
                const int ry = nearTop ? py : py - (tool.size.height() - kEndRows);
                if (px - radius < 0 || px + radius >= ref.width() || ry - radius < 0
                    || ry + radius >= ref.height())
                    continue;
                const QRgb expected = ref.pixel(px, ry);
                bool uniform = true;
                for (int dy = -radius; dy <= radius && uniform; ++dy) {
                    for (int dx = -radius; dx <= radius && uniform; ++dx)
                        uniform = ref.pixel(px + dx, ry + dy) == expected;
                }
                if (!uniform) continue;
                ++checked;
                EXPECT_EQ(QColor(shown), QColor(expected)) << what << " at " << vx << "," << vy;
                if (shown != expected) return;
            }
        }
        EXPECT_GT(checked, 100) << what;
        EXPECT_GT(ink, 10) << what << ": nothing drawn on show";
    }

    void clickZoom(QPushButton* button, int times)
    {
        for (int i = 0; i < times; ++i) QTest::mouseClick(button, Qt::LeftButton);
    }

    TestPlatform env;
    BmpEnds tool;
    std::unique_ptr<ProgramWindows> windows;
};

TEST_F(LongReport, ToolAndWindowsMakeAndShowTenThousandTrips)
{
    storeTrips(kTrips);

    // The tool: workbook and picture, the picture written a strip at a time.
    const QString workbook = QDir(env.tempRoot()).filePath(QStringLiteral("long.xls"));
    const QString bitmap = QDir(env.tempRoot()).filePath(QStringLiteral("long.bmp"));
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    ASSERT_EQ(
        reporttool::main({QStringLiteral("--picture"), bitmap, workbook}, outStream, errStream), 0)
        << err.toStdString();
    const auto book = ss::xls::loadWorkbook(workbook);
    EXPECT_GE(book->sheet(0).rows().rbegin()->first, kTrips + 8);
    tool = readBmpEnds(bitmap);
    ASSERT_FALSE(tool.top.isNull());
    ASSERT_GT(tool.size.height(), kTrips * 15);
    QFile::remove(bitmap);

    // The windows: the stored log, the create command, the preview.
    windows = std::make_unique<ProgramWindows>();
    windows->setEndProgram([] {});
    ASSERT_TRUE(windows->start());
    ASSERT_EQ(windows->form1().session().logTable().RecordCount(), kTrips);
    windows->form1().PushButton22->click();
    QCoreApplication::processEvents();
    Form2& form = windows->form2();
    ASSERT_TRUE(form.isVisible());
    EXPECT_TRUE(env.dialogs.messages().isEmpty()) << env.dialogs.texts().join(u'\n').toStdString();
    ASSERT_EQ(form.buffer()->picture().size(), tool.size)
        << "the tool and the windows picture the same sheet";

    struct Level {
        const char* name;
        QPushButton* button;
        int clicks;
        float zoom;
    };
    for (const Level& level :
         {Level{"zoom 1", nullptr, 0, 1.0f}, Level{"zoom 0.25", form.zoomOutButton(), 3, 0.25f},
          Level{"zoom 2.75", form.zoomInButton(), 10, 2.75f}}) {
        if (level.button) clickZoom(level.button, level.clicks);
        ASSERT_EQ(form.zoom(), level.zoom);
        expectViewShowsThePicture(level.name);
        QTest::keyClick(form.vScrollBar(), Qt::Key_End);
        QTest::keyClick(form.hScrollBar(), Qt::Key_End);
        EXPECT_EQ(form.vScrollBar()->value(), form.vScrollBar()->maximum());
        expectViewShowsThePicture((std::string(level.name) + ", far end").c_str());
        QTest::keyClick(form.vScrollBar(), Qt::Key_Home);
        QTest::keyClick(form.hScrollBar(), Qt::Key_Home);
    }
    EXPECT_TRUE(env.dialogs.messages().isEmpty()) << env.dialogs.texts().join(u'\n').toStdString();
}

} // namespace
} // namespace bw::test
