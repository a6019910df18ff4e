// Tests of the rendered sample sheet against its golden picture.
#include "samplesheet.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/render/render.h"
#include "support/clibrarylocale.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <cstdlib>

namespace bw::ss::render {
namespace {

// Font rasterisation may differ a little between FreeType builds: a pixel counts as
// different when a channel is off by more than kChannelTolerance, and the picture
// matches while at most kDifferingShare of its pixels differ. Layout faults (a moved
// line, a missing fill, text in the wrong cell) change far more than that.
constexpr int kChannelTolerance = 48;
constexpr double kDifferingShare = 0.004;

double differingShare(const QImage& a, const QImage& b)
{
    std::int64_t differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int d = std::max({std::abs(qRed(ra[x]) - qRed(rb[x])),
                                    std::abs(qGreen(ra[x]) - qGreen(rb[x])),
                                    std::abs(qBlue(ra[x]) - qBlue(rb[x]))});
            if (d > kChannelTolerance) ++differing;
        }
    }
    return static_cast<double>(differing) / (static_cast<double>(a.width()) * a.height());
}

// Compares with tests/data/render/<name>.png; BW_UPDATE_GOLDEN=1 writes the file instead.
void expectMatchesGolden(const QImage& actual, const QString& name)
{
    const QString path =
        QStringLiteral(BW_TEST_DATA_DIR "/render/") + name + QStringLiteral(".png");
    if (qEnvironmentVariableIntValue("BW_UPDATE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        ASSERT_TRUE(actual.save(path, "PNG")) << path.toStdString();
        GTEST_SKIP() << "golden written: " << path.toStdString();
    }
    QImage golden(path);
    ASSERT_FALSE(golden.isNull()) << "missing golden " << path.toStdString()
                                  << " (run with BW_UPDATE_GOLDEN=1 to write it)";
    golden = golden.convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(actual.size(), golden.size());
    const double share = differingShare(actual, golden);
    if (share > kDifferingShare) {
        const QString failed = QDir::temp().filePath(name + QStringLiteral("-actual.png"));
        actual.save(failed, "PNG");
        ADD_FAILURE() << share * 100 << "% of the pixels differ; picture saved as "
                      << failed.toStdString();
    }
}

// Qt sets the C library's locale from the desktop, where printf writes a decimal comma:
// the picture is the same under each.
TEST(GoldenPicture, FormattedSheet)
{
    for (const char* name : bw::test::kDesktopLocales) {
        SCOPED_TRACE(name);
        const bw::test::CLibraryLocale desktop(name);
        Workbook book;
        Worksheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
        test::buildSampleSheet(sheet);
        expectMatchesGolden(renderRange(sheet, *parseA1Range(u"A1:F8")),
                            QStringLiteral("formatted_sheet"));
    }
}

} // namespace
} // namespace bw::ss::render
