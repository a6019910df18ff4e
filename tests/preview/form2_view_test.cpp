// Tests of the preview window's zoom and scroll bars.
#include "core/errorlocation.h"
#include "preview/picturebox.h"
#include "preview/previewtesting.h"

#include <QGroupBox>
#include <QPushButton>
#include <QScrollBar>

namespace bw::test {
namespace {

// A report of about one page: 980 x 760 pixels is 14698 x 11398 twips unzoomed, which
// overhangs the viewport (9330 x 7425 outside) by 5368 x 3973.
const QImage& reportPicture()
{
    static const QImage picture = blockPicture(980, 760);
    return picture;
}

void expectBars(const Form2& form, int hMax, int vMax)
{
    EXPECT_TRUE(form.hScrollBar()->isEnabled());
    EXPECT_TRUE(form.vScrollBar()->isEnabled());
    EXPECT_EQ(form.hScrollBar()->maximum(), hMax);
    EXPECT_EQ(form.vScrollBar()->maximum(), vMax);
    EXPECT_EQ(form.hScrollBar()->value(), 0);
    EXPECT_EQ(form.vScrollBar()->value(), 0);
}

void expectImageBox(const Form2& form, int left, int top, int width, int height)
{
    EXPECT_EQ(form.imageBox()->leftTwips(), left);
    EXPECT_EQ(form.imageBox()->topTwips(), top);
    EXPECT_EQ(form.imageBox()->widthTwips(), width);
    EXPECT_EQ(form.imageBox()->heightTwips(), height);
}

using Form2View = PreviewTest;

TEST_F(Form2View, LoadsOnFirstPictureWithTheDesignedLayout)
{
    EXPECT_FALSE(form.isLoaded());
    form.setPicture(reportPicture());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Brindlewick"));
    EXPECT_TRUE(form.setUpPending());

    EXPECT_EQ(form.size(), QSize(656, 626));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.viewport()->geometry(), QRect(8, 8, 622, 495));
    EXPECT_EQ(form.vScrollBar()->geometry(), QRect(630, 8, 17, 495));
    EXPECT_EQ(form.hScrollBar()->geometry(), QRect(8, 503, 622, 17));
    EXPECT_EQ(form.zoomFrame()->geometry(), QRect(8, 524, 640, 57));
    EXPECT_EQ(form.zoomFrame()->title(), QStringLiteral("Zoom:"));
    EXPECT_EQ(form.zoomInButton()->geometry(), QRect(16, 20, 296, 27));
    EXPECT_EQ(form.zoomOutButton()->geometry(), QRect(320, 20, 304, 27));
    EXPECT_EQ(form.backButton()->geometry(), QRect(8, 590, 312, 27));
    EXPECT_EQ(form.saveButton()->geometry(), QRect(328, 590, 320, 27));
    EXPECT_EQ(form.zoomInButton()->text(), QStringLiteral("Zoom In"));
    EXPECT_EQ(form.zoomOutButton()->text(), QStringLiteral("Zoom Out"));
    EXPECT_EQ(form.backButton()->text(), QStringLiteral("< Back"));
    EXPECT_EQ(form.saveButton()->text(), QStringLiteral("Save Results To Excel File"));
    // The buffer lies outside the client area and is never shown.
    EXPECT_GE(form.buffer()->x(), form.width());
    EXPECT_FALSE(form.buffer()->isVisible());

    const QStringList families{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")};
    EXPECT_EQ(form.font().families(), families);
    EXPECT_TRUE(form.font().bold());
    EXPECT_DOUBLE_EQ(form.font().pointSizeF(), 9.0);
    EXPECT_EQ(form.saveButton()->font().families(), families);
    EXPECT_TRUE(form.saveButton()->font().bold());
    EXPECT_DOUBLE_EQ(form.saveButton()->font().pointSizeF(), 11.25);
    EXPECT_TRUE(platform.dialogs.messages().isEmpty());
}

TEST_F(Form2View, FirstActivationSetsUpAtZoomOne)
{
    showReport(reportPicture());
    EXPECT_FALSE(form.setUpPending());
    EXPECT_EQ(form.zoom(), 1.0f);
    EXPECT_EQ(form.origWidth(), 14698);
    EXPECT_EQ(form.origHeight(), 11398);
    expectImageBox(form, 0, 0, 14698, 11398);
    expectBars(form, 537, 397);
    EXPECT_EQ(form.hScrollStep(), 10);
    EXPECT_EQ(form.vScrollStep(), 10);
    EXPECT_EQ(form.mousePointer(), kPointerDefault);

    EXPECT_EQ(shownAt(form, 20, 20), blockColour(0, 0));
    EXPECT_EQ(shownAt(form, 500, 300), blockColour(12, 7));
    EXPECT_TRUE(platform.dialogs.messages().isEmpty());
}

TEST_F(Form2View, ZoomPaintsEachLevelAfreshFromTheBuffer)
{
    showReport(reportPicture());
    clickZoom(true);
    EXPECT_EQ(form.zoom(), 1.25f);
    expectImageBox(form, 0, 0, 18372, 14247); // floor(18372.5), floor(14247.5)
    expectBars(form, 904, 682);

    clickZoom(true, 3);
    EXPECT_EQ(form.zoom(), 2.0f);
    expectImageBox(form, 0, 0, 29396, 22796);
    EXPECT_EQ(shownAt(form, 120, 120), blockColour(1, 1));
    EXPECT_EQ(shownAt(form, 500, 300), blockColour(6, 3));

    // Back at 1.0 the picture is exactly the one handed over, however often it was scaled.
    clickZoom(false, 4);
    EXPECT_EQ(form.zoom(), 1.0f);
    const QImage shot = form.viewport()->grab().toImage();
    const QPoint inside = form.viewport()->contentsRect().topLeft();
    for (int x = 0; x < 600; x += 7) {
        ASSERT_EQ(shot.pixel(inside.x() + x, inside.y() + 333), reportPicture().pixel(x, 333))
            << "x " << x;
    }
    EXPECT_TRUE(platform.dialogs.messages().isEmpty());
}

TEST_F(Form2View, ZoomStopsSilentlyAtBothEnds)
{
    showReport(reportPicture());
    clickZoom(true, 7);
    EXPECT_EQ(form.zoom(), 2.75f);
    expectImageBox(form, 0, 0, 40419, 31344);
    clickZoom(true);
    EXPECT_EQ(form.zoom(), 2.75f);
    EXPECT_EQ(form.zoomWidth(), 40419);

    clickZoom(false, 10);
    EXPECT_EQ(form.zoom(), 0.25f);
    clickZoom(false);
    EXPECT_EQ(form.zoom(), 0.25f);
    // A quarter of the report fits the viewport: both bars off, the picture at the origin.
    expectImageBox(form, 0, 0, 3674, 2849);
    EXPECT_FALSE(form.hScrollBar()->isEnabled());
    EXPECT_FALSE(form.vScrollBar()->isEnabled());
    EXPECT_EQ(form.hScrollStep(), 0);
    EXPECT_EQ(form.vScrollStep(), 0);
    EXPECT_EQ(shownAt(form, 5, 5), blockColour(0, 0));
    EXPECT_EQ(shownAt(form, 300, 100), QColor(Qt::white)); // beside the picture
    EXPECT_TRUE(platform.dialogs.messages().isEmpty());
}

TEST_F(Form2View, TallReportZoomsThroughEveryLevel)
{
    // About a hundred trips: far beyond the old drawing-surface limits from zoom 1.0 on.
    showReport(blockPicture(980, 1900));
    for (int level = 1; level <= 7; ++level) {
        clickZoom(true);
        EXPECT_EQ(form.zoom(), 1.0f + 0.25f * static_cast<float>(level));
        EXPECT_EQ(form.imageBox()->heightTwips(), form.zoomHeight());
    }
    EXPECT_EQ(form.zoomHeight(), 78369);
    EXPECT_EQ(form.vScrollBar()->maximum(), 7094); // (78369 - 7425) / 10 = 7094.4

    form.vScrollBar()->setValue(form.vScrollBar()->maximum());
    EXPECT_EQ(form.imageBox()->topTwips(), -70940);
    // The bottom of the picture is on show: its last block row, at 2.75 times the size.
    const int bottomRow = (1900 - 1) / kBlock;
    EXPECT_EQ(shownAt(form, 100, 470), blockColour(0, bottomRow));
}

TEST_F(Form2View, ScrollBarsMoveTheImageBoxByTheirStep)
{
    showReport(reportPicture());
    form.hScrollBar()->setValue(100);
    form.vScrollBar()->setValue(397);
    expectImageBox(form, -1000, -3970, 14698, 11398);
    // -1000 twips is 67 pixels to the left, -3970 is 265 pixels up.
    EXPECT_EQ(shownAt(form, 20, 20), blockColour((20 + 67) / kBlock, (20 + 265) / kBlock));

    // A picture overhanging by at most 100 twips moves one twip per unit.
    QTest::mouseClick(form.backButton(), Qt::LeftButton);
    showReport(blockPicture(626, 300));
    expectImageBox(form, 0, 0, 9388, 4498);
    EXPECT_EQ(form.hScrollStep(), 1);
    EXPECT_EQ(form.hScrollBar()->maximum(), 58);
    EXPECT_FALSE(form.vScrollBar()->isEnabled());
    form.hScrollBar()->setValue(58);
    EXPECT_EQ(form.imageBox()->leftTwips(), -58);
}

TEST_F(Form2View, ReactivationChangesNothing)
{
    showReport(reportPicture());
    clickZoom(true);
    form.hScrollBar()->setValue(200);
    form.vScrollBar()->setValue(50);

    QWidget other;
    other.show();
    QApplication::setActiveWindow(&other);
    QApplication::setActiveWindow(&form);
    form.showPreview();
    QCoreApplication::processEvents();

    EXPECT_EQ(form.zoom(), 1.25f);
    EXPECT_EQ(form.hScrollBar()->value(), 200);
    EXPECT_EQ(form.vScrollBar()->value(), 50);
    expectImageBox(form, -2000, -500, 18372, 14247);
}

TEST_F(Form2View, SecondReportAfterBackIsSetUpAfresh)
{
    showReport(reportPicture());
    clickZoom(true, 4);
    form.hScrollBar()->setValue(300);
    QTest::mouseClick(form.backButton(), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.setUpPending());

    const QImage second = blockPicture(700, 1400, 30);
    showReport(second);
    EXPECT_EQ(form.zoom(), 1.0f);
    expectImageBox(form, 0, 0, 10498, 20998);
    expectBars(form, 117, 1357);
    clickZoom(true, 4);
    EXPECT_EQ(form.zoomWidth(), 20996);
    EXPECT_EQ(shownAt(form, 120, 120), blockColour(1, 1, 30));
}

TEST_F(Form2View, PictureBeyondTheOldSizeLimitZoomsLikeAnyOther)
{
    // 6401 pixels are 96013 twips unzoomed, which the old drawing surfaces refused at
    // every level from 1.0 up; only what is on screen is painted now.
    const QImage wide = blockPicture(6401, 40);
    showReport(wide);
    expectImageBox(form, 0, 0, 96013, 598);
    EXPECT_EQ(shownAt(form, 20, 20), blockColour(0, 0));

    clickZoom(true);
    EXPECT_EQ(form.zoom(), 1.25f);
    EXPECT_EQ(form.imageBox()->widthTwips(), 120016); // floor(120016.25)
    clickZoom(true, 6);
    EXPECT_EQ(form.zoom(), 2.75f);
    EXPECT_EQ(form.imageBox()->widthTwips(), 264035); // floor(264035.75)
    EXPECT_EQ(form.hScrollBar()->maximum(), 25470);   // (264035 - 9330) / 10, half to even

    // At the far right the picture's last whole block is on show.
    form.hScrollBar()->setValue(form.hScrollBar()->maximum());
    EXPECT_EQ(shownAt(form, 600, 20), blockColour(159, 0));
    EXPECT_TRUE(platform.dialogs.messages().isEmpty());
}

TEST_F(Form2View, MissingPictureReportsThePaintingStepOnly)
{
    showReport(QImage());
    ASSERT_EQ(platform.dialogs.messages().size(), 1);
    const QString report = platform.dialogs.messages().first().text;
    EXPECT_TRUE(report.contains(QLatin1String(ErrorLocation::Form2_RedrawImage)
                                + QStringLiteral("at line 112")))
        << report.toStdString();
    EXPECT_FALSE(form.setUpPending());
    EXPECT_EQ(shownAt(form, 100, 100), QColor(Qt::white));

    // The window stays usable: going back still works.
    QTest::mouseClick(form.backButton(), Qt::LeftButton);
    EXPECT_EQ(host.calls, QStringList{QStringLiteral("showMainWindow")});
}

} // namespace
} // namespace bw::test
