// Shared helpers of the preview tests: a recording host and block pictures.
#pragma once

#include "preview/form2.h"
#include "preview/previewhost.h"
#include "support/fakeplatform.h"

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace bw::test {

// Records what the preview asks of the main window, in order.
class RecordingHost final : public PreviewHost {
public:
    void showMainWindow() override { calls << QStringLiteral("showMainWindow"); }
    void saveTripRows() override { calls << QStringLiteral("saveTripRows"); }
    void endProgram() override { calls << QStringLiteral("endProgram"); }
    QStringList calls;
};

// A report-like picture of 40-pixel blocks whose colour names the block, so a pixel of
// the shown picture tells which part of the picture it came from.
inline constexpr int kBlock = 40;

inline QColor blockColour(int bx, int by, int blue = 128)
{
    return QColor((bx * 10) % 256, (by * 12) % 256, blue);
}

inline QImage blockPicture(int width, int height, int blue = 128)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int by = 0; by * kBlock < height; ++by) {
        for (int bx = 0; bx * kBlock < width; ++bx) {
            painter.fillRect(bx * kBlock, by * kBlock, kBlock, kBlock, blockColour(bx, by, blue));
        }
    }
    return image;
}

// The colour the viewport shows at a pixel of its drawing area (inside its border).
inline QColor shownAt(const Form2& form, int x, int y)
{
    const QImage shot = form.viewport()->grab().toImage();
    const QPoint inside = form.viewport()->contentsRect().topLeft();
    return shot.pixelColor(inside.x() + x, inside.y() + y);
}

class PreviewTest : public ::testing::Test {
protected:
    void showReport(const QImage& picture, const QString& workbook = QString())
    {
        form.setPicture(picture);
        form.mExcelFile = workbook;
        form.showPreview();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    void clickZoom(bool in, int times = 1)
    {
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(in ? form.zoomInButton() : form.zoomOutButton(), Qt::LeftButton);
        }
    }

    TestPlatform platform;
    RecordingHost host;
    Form2 form{&host};
};

} // namespace bw::test
