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
    // One text: the header ends at 17, the font at 45, the text "ab" at 53, the op count
    // at 57; the op's font index is at 78 and its text length at 108.
    PictureRecorder recorder(QSize(10, 10));
    recorder.drawText(FontSpec{}, Qt::black, QPoint(1, 8), QStringLiteral("ab"),
                      QRect(0, 0, 10, 10), nullptr);
    QByteArray good;
    QBuffer out(&good);
    out.open(QIODevice::WriteOnly);
    recorder.finish().save(out);
    ASSERT_EQ(good.size(), 112);

    const std::vector<DamageCase> cases = {
        {"empty", [](QByteArray& b) { b.clear(); }},
        {"not_a_picture", [](QByteArray& b) { b[0] = 'X'; }},
        {"cut_short", [](QByteArray& b) { b.chop(1); }},
        {"no_size", [](QByteArray& b) { qToLittleEndian<qint32>(0, b.data() + 8); }},
        {"unknown_content", [](QByteArray& b) { b[16] = 7; }},
        {"more_ops_than_bytes",
         [](QByteArray& b) { qToLittleEndian<quint32>(1000, b.data() + 53); }},
        {"unknown_drawing", [](QByteArray& b) { b[57] = 9; }},
        {"font_it_does_not_have", [](QByteArray& b) { b[78] = 1; }},
        {"text_beyond_its_texts",
         [](QByteArray& b) { qToLittleEndian<quint32>(3, b.data() + 108); }},
    };
    for (const DamageCase& c : cases) {
        QByteArray bytes = good;
        c.damage(bytes);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        EXPECT_THROW(SheetPicture::load(buffer), FileFormatError) << c.name;
    }
    QBuffer intact(&good);
    intact.open(QIODevice::ReadOnly);
    EXPECT_EQ(SheetPicture::load(intact).size(), QSize(10, 10));
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
