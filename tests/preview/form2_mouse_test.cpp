// Tests of dragging the picture in the preview window with the mouse.
#include "core/mainmodule.h"
#include "platform/cursorfile.h"
#include "preview/picturebox.h"
#include "preview/previewtesting.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImageWriter>
#include <QPushButton>
#include <QScrollBar>

namespace bw::test {
namespace {

class Form2Mouse : public PreviewTest {
protected:
    // Press on the picture at `from` and release at `to`, both in window pixels, moving
    // through the points in between.
    void drag(QPoint from, std::initializer_list<QPoint> through, QPoint to,
              Qt::MouseButton button = Qt::LeftButton)
    {
        PictureBox* box = form.imageBox();
        QTest::mousePress(box, button, {}, box->mapFrom(&form, from));
        for (const QPoint& point : through) {
            QTest::mouseMove(box, box->mapFrom(&form, point));
        }
        QTest::mouseMove(box, box->mapFrom(&form, to));
        QTest::mouseRelease(box, button, {}, box->mapFrom(&form, to));
    }

    void expectAt(int left, int top)
    {
        EXPECT_EQ(form.imageBox()->leftTwips(), left);
        EXPECT_EQ(form.imageBox()->topTwips(), top);
    }

    void moveOver(QWidget* widget, QPoint at = QPoint(5, 5)) { QTest::mouseMove(widget, at); }

    const QImage report = blockPicture(980, 760); // overhang 5368 x 3973, bars 537 x 397
};

TEST_F(Form2Mouse, DragFollowsThePointerAndBarsSettleOnRelease)
{
    showReport(report);
    PictureBox* box = form.imageBox();
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(box, QPoint(80, 87)); // -300, -195 twips
    expectAt(-300, -195);
    EXPECT_EQ(form.hScrollBar()->value(), 0); // bars wait for the release
    EXPECT_EQ(form.vScrollBar()->value(), 0);

    QTest::mouseRelease(box, Qt::LeftButton, {}, box->mapFrom(&form, QPoint(88, 95)));
    // 300 / 5368 is 6 % of the travel: value 32 of 537; 195 / 3973 is 5 %: 20 of 397.
    EXPECT_EQ(form.hScrollBar()->value(), 32);
    EXPECT_EQ(form.vScrollBar()->value(), 20);
    expectAt(-320, -200);
    EXPECT_TRUE(platform.dialogs.messages().isEmpty());
}

TEST_F(Form2Mouse, DragStopsAtTheEdgesOfTheTravel)
{
    showReport(report);
    // Towards the right and down from the origin: nothing to uncover.
    drag({300, 300}, {{350, 320}}, {400, 400});
    expectAt(0, 0);

    // Far to the left: the right edges meet (R = 9270 - 14698), then the bar, whose
    // percentage comes out above 100, goes to its end.
    PictureBox* box = form.imageBox();
    QTest::mousePress(box, Qt::LeftButton, {}, box->mapFrom(&form, QPoint(300, 300)));
    QTest::mouseMove(box, box->mapFrom(&form, QPoint(0, 300)));
    QTest::mouseMove(box, box->mapFrom(&form, QPoint(-300, 300)));
    expectAt(-5428, 0);
    QTest::mouseRelease(box, Qt::LeftButton, {}, box->mapFrom(&form, QPoint(-300, 300)));
    EXPECT_EQ(form.hScrollBar()->value(), 537);
    expectAt(-5370, 0);

    drag({300, 300}, {}, {300, -400});
    EXPECT_EQ(form.vScrollBar()->value(), 397);
    expectAt(-5370, -3970);
}

TEST_F(Form2Mouse, AnyButtonDrags)
{
    showReport(report);
    drag({300, 300}, {}, {290, 300}, Qt::RightButton);
    EXPECT_EQ(form.hScrollBar()->value(), 16); // 150 / 5368 is 3 %: 16.11 of 537
    expectAt(-160, 0);
    drag({300, 300}, {}, {300, 290}, Qt::MiddleButton);
    EXPECT_EQ(form.vScrollBar()->value(), 16); // 150 / 3973 is 4 %: 15.88 of 397
    expectAt(-160, -160);
}

TEST_F(Form2Mouse, PressAndReleaseInPlaceResynchronisesTheBars)
{
    showReport(report);
    form.hScrollBar()->setValue(100);
    expectAt(-1000, 0);
    drag({200, 200}, {}, {200, 200});
    // 1000 / 5368 is 19 % of the travel: value 102 of 537.
    EXPECT_EQ(form.hScrollBar()->value(), 102);
    expectAt(-1020, 0);
}

TEST_F(Form2Mouse, MovingWithoutAButtonDoesNothing)
{
    showReport(report);
    form.hScrollBar()->setValue(40);
    QTest::mouseMove(form.imageBox(), QPoint(50, 50));
    QTest::mouseMove(form.imageBox(), QPoint(10, 10));
    expectAt(-400, 0);
}

TEST_F(Form2Mouse, SmallPictureGoesAgainstTheFarEdgesAndStaysThere)
{
    showReport(blockPicture(300, 200)); // 4498 x 2998 twips
    EXPECT_FALSE(form.hScrollBar()->isEnabled());
    drag({100, 100}, {}, {90, 100});
    // R = 9270 - 4498, S = 7365 - 2998; the percentages are negative, so the bars
    // leave the picture where the drag put it.
    expectAt(4772, 4367);
    EXPECT_EQ(form.hScrollBar()->value(), 0);
    EXPECT_EQ(shownAt(form, 318 + 20, 291 + 20), blockColour(0, 0));

    const QPoint onPicture = form.imageBox()->mapTo(&form, QPoint(10, 10));
    drag(onPicture, {}, onPicture + QPoint(5, 5));
    expectAt(0, 0);
}

// A cursor file as the platform writes them: an icon whose header says "cursor" and
// whose directory entry carries the hot spot.
QByteArray cursorFile(int hotX, int hotY)
{
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    bytes[2] = 2;
    bytes[10] = static_cast<char>(hotX);
    bytes[11] = 0;
    bytes[12] = static_cast<char>(hotY);
    bytes[13] = 0;
    return bytes;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(CursorFile, LoadsPictureAndHotSpot)
{
    TestPlatform platform;
    const QString path = QDir(platform.programFolder()).filePath(QStringLiteral("HAND-M.CUR"));
    writeFile(path, cursorFile(9, 4));
    const QCursor cursor = loadCursorFile(path);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(9, 4));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));

    writeFile(path, QByteArray("not a cursor"));
    EXPECT_THROW(loadCursorFile(path), std::runtime_error);
}

TEST_F(Form2Mouse, PointerShowsTheHandOverButtonsOnly)
{
    writeFile(QDir(platform.programFolder()).filePath(QStringLiteral("HAND-M.CUR")),
              cursorFile(9, 4));
    showReport(report);
    ASSERT_TRUE(form.hasHandCursor());

    moveOver(form.saveButton());
    EXPECT_EQ(form.mousePointer(), kPointerCustom);
    EXPECT_EQ(form.cursor().shape(), Qt::BitmapCursor);
    // The viewport, the picture and the bars leave the pointer as it is.
    moveOver(form.imageBox(), QPoint(40, 40));
    moveOver(form.hScrollBar(), QPoint(100, 8));
    moveOver(form.vScrollBar(), QPoint(8, 100));
    EXPECT_EQ(form.mousePointer(), kPointerCustom);

    moveOver(form.zoomFrame(), QPoint(4, 52));
    EXPECT_EQ(form.mousePointer(), kPointerDefault);
    moveOver(form.zoomInButton());
    EXPECT_EQ(form.mousePointer(), kPointerCustom);
    moveOver(&form, QPoint(3, 3));
    EXPECT_EQ(form.mousePointer(), kPointerDefault);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);

    // The hourglass stays whatever the pointer passes over.
    form.setMousePointer(kPointerHourglass);
    moveOver(form.backButton());
    moveOver(&form, QPoint(3, 3));
    moveOver(form.zoomFrame(), QPoint(4, 52));
    EXPECT_EQ(form.mousePointer(), kPointerHourglass);
    EXPECT_EQ(form.cursor().shape(), Qt::WaitCursor);

    // Painting a zoom level puts the arrow back.
    clickZoom(true);
    EXPECT_EQ(form.mousePointer(), kPointerDefault);
}

TEST_F(Form2Mouse, WithoutTheCursorFileTheHandIsAnArrow)
{
    showReport(report);
    EXPECT_FALSE(form.hasHandCursor());
    moveOver(form.saveButton());
    EXPECT_EQ(form.mousePointer(), kPointerCustom);
    EXPECT_EQ(form.cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(platform.dialogs.messages().isEmpty());
}

} // namespace
} // namespace bw::test
