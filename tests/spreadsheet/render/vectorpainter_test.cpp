// Painting onto PDF pages with fewer page operations: the pages read and look the same.
#include "spreadsheet/model/cellformat.h"
#include "spreadsheet/render/celltext.h"
#include "spreadsheet/render/vectorpainter.h"

#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

#include <functional>

namespace bw::ss::render {
namespace {

// One fill, or one line of text (clipped to `rect` when asked).
struct Piece {
    QRect rect;
    QRgb color;
    int font = -1; // into kFonts; a fill has none
    QPoint baseline;
    const char16_t* text = nullptr;
    bool clipped = false;
};

Piece fill(const QRect& rect, QRgb color) { return {rect, color, -1, {}, nullptr, false}; }

const FontSpec kFonts[] = {{QStringLiteral("Arial"), 10, false, false},
                           {QStringLiteral("Arial"), 18, true, false},
                           {QStringLiteral("Times New Roman"), 11, false, true}};

// Runs of plain texts broken by colour, font, clips, texts that need shaping and fills,
// one fill painted over texts before it and texts over fills.
const Piece kPieces[] = {
    fill(QRect(0, 0, 300, 18), 0xFFC0C0C0),
    {{}, 0xFF000000, 0, {2, 14}, u"Store 12", false},
    {{}, 0xFF000000, 0, {90, 14}, u" Mini  mall ", false},
    {{}, 0xFF000000, 0, {2, 31}, u"~!@#$%^&*()_+{}|:\"<>?`-=[]\\;',./ 0123456789", false},
    {{}, 0xFFFF0000, 0, {2, 48}, u"-12.50", false},
    {{}, 0xFF000000, 1, {2, 75}, u"Mileage Log", false},
    {{}, 0xFF000000, 0, {2, 92}, u"office of Zu\u0308rich \u20AC 3", false},
    fill(QRect(40, 80, 30, 20), 0xFFFFFF00),
    {{}, 0xFF000000, 2, {2, 112}, u"Daily delivery ABCXYZ", false},
    {QRect(100, 100, 40, 17), 0xFF000000, 0, {96, 114}, u"cut off at the cell", true},
    {{}, 0xFF0000FF, 2, {150, 112}, u"qwertyuiop", false},
    fill(QRect(0, 120, 1, 60), 0xFF000000),
    fill(QRect(0, 179, 300, 1), 0xFF000000),
    // A filled column and borders in pieces, row by row, which join but for the piece
    // that a fill of another colour painted between them reaches into.
    fill(QRect(199, 149, 41, 18), 0xFFC0C0C0),
    fill(QRect(239, 149, 41, 18), 0xFFC0C0C0),
    fill(QRect(199, 166, 41, 18), 0xFFC0C0C0),
    fill(QRect(239, 166, 41, 18), 0xFFC0C0C0),
    fill(QRect(250, 190, 10, 10), 0xFFFFFF00),
    fill(QRect(199, 183, 41, 18), 0xFFC0C0C0),
    fill(QRect(239, 183, 41, 18), 0xFFC0C0C0),
    fill(QRect(198, 148, 1, 19), 0xFF000000),
    fill(QRect(198, 165, 1, 19), 0xFF000000),
    fill(QRect(198, 182, 1, 19), 0xFF000000),
    fill(QRect(198, 200, 42, 1), 0xFF000000),
    fill(QRect(239, 200, 42, 1), 0xFF000000),
    // Pieces at the clip's edge, which a renderer covers in part, stay apart.
    fill(QRect(0, 210, 1, 10), 0xFF000000),
    fill(QRect(0, 219, 1, 11), 0xFF000000),
    {{}, 0xFF000000, 0, {5, 140}, u"1/5/2016", false},
};

void paintEachOnItsOwn(QPainter& painter, FontCache& fonts)
{
    for (const Piece& p : kPieces) {
        painter.save();
        if (p.font < 0) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(p.color));
            painter.drawRect(p.rect);
        } else {
            painter.setFont(fonts.get(kFonts[p.font]).font);
            painter.setPen(QColor(p.color));
            if (p.clipped) painter.setClipRect(p.rect, Qt::IntersectClip);
            painter.drawText(p.baseline, QString::fromUtf16(p.text));
        }
        painter.restore();
    }
}

void paintTogether(QPainter& painter, FontCache& fonts)
{
    VectorPainter out(painter);
    for (const Piece& p : kPieces) {
        if (p.font < 0) {
            out.fill(p.rect, p.color);
        } else {
            out.text(fonts.get(kFonts[p.font]), p.color, p.baseline, QStringView(p.text),
                     p.clipped ? &p.rect : nullptr);
        }
    }
}

QByteArray pdfOf(const std::function<void(QPainter&, FontCache&)>& paint,
                 const QTransform& transform)
{
    QByteArray pdf;
    QBuffer out(&pdf);
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    writer.setCreator(QString());
    QPainter painter(&writer);
    painter.setTransform(transform);
    // Pieces at the clip's edge stay pieces.
    painter.setClipRect(QRect(0, 0, 300, 230));
    FontCache fonts;
    paint(painter, fonts);
    painter.end();
    return pdf;
}

QByteArray run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed";
        return {};
    }
    return process.readAllStandardOutput();
}

// Text as poppler reads it, and pixels as it rasterises them at 100 and 300 dpi.
QList<QByteArray> pageOf(const QByteArray& pdf, const QString& file)
{
    QFile out(file);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(pdf) == pdf.size());
    out.close();
    QList<QByteArray> page{run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, "-"})};
    for (const char* dpi : {"100", "300"})
        page << run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), dpi, file});
    return page;
}

// How often the document's content streams hold `op`.
qsizetype operators(const QByteArray& pdf, const char* op)
{
    qsizetype count = 0;
    QByteArray inflated(1 << 20, '\0');
    for (qsizetype at = pdf.indexOf(">>\nstream\n"); at >= 0;
         at = pdf.indexOf(">>\nstream\n", at + 1)) {
        const qsizetype start = at + 10;
        uLongf size = static_cast<uLongf>(inflated.size());
        if (uncompress(reinterpret_cast<Bytef*>(inflated.data()), &size,
                       reinterpret_cast<const Bytef*>(pdf.constData() + start),
                       static_cast<uLong>(pdf.indexOf("\nendstream", start) - start))
            == Z_OK)
            count += QByteArrayView(inflated.constData(), static_cast<qsizetype>(size)).count(op);
    }
    return count;
}

class VectorPages : public ::testing::TestWithParam<QTransform> {};

TEST_P(VectorPages, ReadAndLookAsEachPieceDrawnOnItsOwn)
{
    const QTransform transform = GetParam() * QTransform::fromScale(12.5, 12.5);
    const QByteArray alone = pdfOf(paintEachOnItsOwn, transform);
    const QByteArray together = pdfOf(paintTogether, transform);
    QTemporaryDir dir;
    const QList<QByteArray> expected = pageOf(alone, dir.filePath(QStringLiteral("alone.pdf")));
    const QList<QByteArray> page = pageOf(together, dir.filePath(QStringLiteral("together.pdf")));
    ASSERT_TRUE(expected.front().contains("Store") && expected.front().contains("delivery"));
    EXPECT_EQ(page.front(), expected.front()) << "text";
    EXPECT_TRUE(page[1] == expected[1]) << "pixels at 100 dpi";
    EXPECT_TRUE(page[2] == expected[2]) << "pixels at 300 dpi";
    EXPECT_EQ(operators(alone, "BT\n"), 12);
    EXPECT_EQ(operators(together, "BT\n"), 10) << "the first three texts go down as one";
    EXPECT_EQ(operators(alone, " re\n"), 18);
    EXPECT_EQ(operators(together, " re\n"), GetParam().isRotating() ? 18 : 11) << "fills joined";
}

INSTANTIATE_TEST_SUITE_P(Transforms, VectorPages,
                         ::testing::Values(QTransform(), QTransform::fromScale(0.37, 0.37),
                                           QTransform::fromScale(2.5, 2.5).translate(10, 20),
                                           QTransform().rotate(90).translate(0, -400)));

} // namespace
} // namespace bw::ss::render
