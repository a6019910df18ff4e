// Tests of recorded sheet pictures: pixels, scaled painting and picture files.
#include "samplesheet.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/celltext.h"
#include "spreadsheet/render/render.h"
#include "spreadsheet/render/sheetpicture.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace bw::ss::render {
namespace {

// A sheet several index bands tall: 120 bordered rows with text that runs over, numbers
// and a fill, under the sample sheet.
class RecordedPicture : public ::testing::Test {
protected:
    RecordedPicture() : sheet(book.addSheet(QStringLiteral("Sheet1")))
    {
        test::buildSampleSheet(sheet);
        for (int row = 8; row < 128; ++row) {
            sheet.setValue({row, 0},
                           Value::text(QStringLiteral("trip %1 to a place far away").arg(row)));
            sheet.setValue({row, 4}, Value::number(row * 1.25));
        }
        test::drawBorders(sheet, CellRange{{8, 3}, {127, 5}}, true, true);
        test::formatCells(sheet, CellRange{{60, 3}, {61, 5}},
                          [](CellFormat& f) { f.fillColorIndex = 15; });
        range = CellRange{{0, 0}, {127, 5}};
        picture = recordRange(sheet, range);
    }

    QByteArray saved() const
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        picture.save(buffer);
        return bytes;
    }

    Workbook book;
    Worksheet& sheet;
    CellRange range;
    SheetPicture picture;
};

TEST_F(RecordedPicture, GivesTheRenderedPixelsWholeInPartsAndAfterSaving)
{
    const QImage rendered = renderRange(sheet, range);
    ASSERT_GT(rendered.height(), 1000);
    EXPECT_EQ(picture.size(), rendered.size());
    EXPECT_EQ(picture.toImage(), rendered);

    // Parts across the index's bands draw exactly what the whole does there.
    for (const QRect part :
         {QRect(0, 250, 400, 20), QRect(33, 500, 300, 530), QRect(0, 1000, 500, 40)}) {
        EXPECT_EQ(picture.toImage(part), rendered.copy(part)) << part.y();
    }

    QByteArray bytes = saved();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    EXPECT_EQ(SheetPicture::load(buffer).toImage(), rendered);
}

// The picture painted scaled, as the preview paints an exposed part at a zoom step: the
// source pixels under the part (a pixel wider) drawn through the scale, clipped to it.
QImage paintedScaled(const SheetPicture& picture, double zoom, const QRect& part, QSize whole)
{
    QImage image(whole, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRect(part);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing, zoom < 1.0);
    painter.scale(zoom, zoom);
    const QRect source(
        QPoint(static_cast<int>(part.left() / zoom) - 1, static_cast<int>(part.top() / zoom) - 1),
        QPoint(static_cast<int>(std::ceil((part.right() + 1) / zoom)) + 1,
               static_cast<int>(std::ceil((part.bottom() + 1) / zoom)) + 1));
    picture.paint(painter, source);
    painter.end();
    return image;
}

TEST_F(RecordedPicture, PartsPaintAsTheWholeDoesAtEveryZoom)
{
    for (const double zoom : {0.25, 0.5, 0.75, 1.25, 2.0, 2.75}) {
        const QSize whole(static_cast<int>(picture.width() * zoom),
                          static_cast<int>(picture.height() * zoom));
        const QImage all = paintedScaled(picture, zoom, QRect(QPoint(0, 0), whole), whole);
        for (const double top : {0.0, 255.0, 260.0, 611.5, 1000.0}) {
            const QRect part(7, static_cast<int>(top * zoom), whole.width() - 20,
                             static_cast<int>(97 * zoom));
            EXPECT_EQ(paintedScaled(picture, zoom, part, whole).copy(part), all.copy(part))
                << zoom << " " << top;
        }
    }
}

TEST_F(RecordedPicture, ScaledPaintingDrawsLinesAtTheScaledWidth)
{
    // A black border between rows 20 and 21 of column D: one pixel at 1x, three at 3x.
    const QImage plain = picture.toImage();
    int line = -1;
    const int x = 300;
    for (int y = 300; y < 500 && line < 0; ++y) {
        if (plain.pixel(x, y) == qRgb(0, 0, 0)) line = y;
    }
    ASSERT_GE(line, 0);
    QImage scaled(60, 60, QImage::Format_RGB32);
    scaled.fill(Qt::white);
    QPainter painter(&scaled);
    painter.scale(3, 3);
    painter.translate(-(x - 10), -(line - 10));
    picture.paint(painter, QRect(x - 10, line - 10, 20, 20));
    painter.end();
    int black = 0;
    for (int y = 0; y < 60; ++y) black += scaled.pixel(30, y) == qRgb(0, 0, 0) ? 1 : 0;
    EXPECT_EQ(black, 3) << "sharp: no grey smear, no single-pixel line";
}

struct DamageCase {
    const char* name;
    std::function<void(QByteArray&)> damage;
};

TEST(SheetPictureFile, DamagedFilesAreRefused)
{
    Workbook book;
    Worksheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
    test::buildSampleSheet(sheet);
    const SheetPicture picture = recordRange(sheet, CellRange{{0, 0}, {7, 5}});
    QByteArray good;
    QBuffer out(&good);
    out.open(QIODevice::WriteOnly);
    picture.save(out);

    const auto load = [](QByteArray bytes) {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        return SheetPicture::load(buffer);
    };
    const std::vector<DamageCase> cases = {
        {"empty", [](QByteArray& b) { b.clear(); }},
        {"not_a_picture", [](QByteArray& b) { b[0] = 'X'; }},
        {"no_size", [](QByteArray& b) { qToLittleEndian<qint32>(0, b.data() + 8); }},
        {"another_size", [](QByteArray& b) { qToLittleEndian<qint32>(7, b.data() + 8); }},
        {"unknown_content", [](QByteArray& b) { b[16] = 7; }},
        {"range_outside_the_sheet",
         [](QByteArray& b) { qToLittleEndian<qint32>(-1, b.data() + 17); }},
    };
    for (const DamageCase& c : cases) {
        QByteArray bytes = good;
        c.damage(bytes);
        EXPECT_THROW(load(bytes), FileFormatError) << c.name;
    }
    for (qsizetype cut = 0; cut < good.size(); ++cut)
        EXPECT_THROW(load(good.left(cut)), FileFormatError) << "cut at " << cut;

    // Any field read wrong is refused, or gives a picture that still paints within itself.
    int refused = 0;
    for (qsizetype at = 17; at + 4 <= good.size(); at += 4) {
        QByteArray bytes = good;
        qToLittleEndian<quint32>(0x7FFFFFF0u, bytes.data() + at);
        try {
            EXPECT_EQ(load(bytes).toImage().size(), picture.size()) << "word at " << at;
        } catch (const FileFormatError&) {
            ++refused;
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_EQ(load(good).toImage(), picture.toImage());
}

struct RasterCase {
    const char* name;
    PictureFileFormat format;
    const char* reader;
};

TEST_F(RecordedPicture, WritesBmpAndPngInStripsThatOtherReadersLoad)
{
    const QImage expected = picture.toImage();
    for (const RasterCase& c : {RasterCase{"bmp", PictureFileFormat::Bmp, "BMP"},
                                RasterCase{"png", PictureFileFormat::Png, "PNG"}}) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        writePictureFile(picture, buffer, c.format);
        QImage read;
        ASSERT_TRUE(read.loadFromData(bytes, c.reader)) << c.name;
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), expected) << c.name;
    }
    EXPECT_EQ(pictureFileFormat(QStringLiteral("a/B.PNG")), PictureFileFormat::Png);
    EXPECT_EQ(pictureFileFormat(QStringLiteral("temp.sheetpic")), PictureFileFormat::Recorded);
    EXPECT_EQ(pictureFileFormat(QStringLiteral("x.jpg")), PictureFileFormat::None);
}

TEST(FontEntryWidth, IsTheShapedWidthOfEveryText)
{
    const std::vector<FontSpec> fonts = {
        FontSpec{}, FontSpec{QStringLiteral("Arial"), 18.0, true, false},
        FontSpec{QStringLiteral("Times New Roman"), 11.0, false, true}};
    const QStringList texts = {QString(),
                               QStringLiteral("Store 1234"),
                               QStringLiteral("$12,345.67"),
                               QStringLiteral("5/14/2016"),
                               QStringLiteral("Daily delivery"),
                               QStringLiteral("office fit-out"),
                               QStringLiteral("Wälder ünd Straße"),
                               QStringLiteral("AVATAR Ty To Wa"),
                               QStringLiteral("    "),
                               QStringLiteral("iiiiiiiiiiiiiiiiiii")};
    for (const FontSpec& fontSpec : fonts) {
        const FontEntry entry(fontSpec);
        for (const QString& text : texts) {
            EXPECT_EQ(entry.width(text), entry.metrics.horizontalAdvance(text))
                << fontSpec.size << " " << text.toStdString();
        }
    }
}

} // namespace
} // namespace bw::ss::render
