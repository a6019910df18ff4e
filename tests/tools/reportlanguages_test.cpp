// The report in every shipped language keeps the form's column widths and row heights:
// its captions fit their cells, and a header too long for one line wraps onto the two
// lines its row shows, between words.
#include "brindlewick-report/reporttool.h"
#include "platform/translations.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/render/celltext.h"
#include "spreadsheet/render/render.h"
#include "spreadsheet/xls/xls.h"
#include "support/fakeplatform.h"

#include <QFontMetrics>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

namespace bw::test {
namespace {

// The captions' cells: the entry labels (one line) and the trip headers (row 8, 25.5
// points: two lines).
struct Caption {
    ss::CellAddress at;
    bool wraps;
};
std::vector<Caption> captions()
{
    std::vector<Caption> all;
    for (int row = 2; row <= 5; ++row) all.push_back({{row, 0}, false});
    for (int row = 2; row <= 5; ++row) all.push_back({{row, 2}, false});
    for (int col = 0; col < 8; ++col) all.push_back({{7, col}, true});
    return all;
}

// Each caption that does not fit, named by its cell.
QStringList overflowing(const ss::Worksheet& sheet)
{
    constexpr double kHeaderRowPoints = 25.5;
    // The renderer's text inset on either side of a cell.
    constexpr int kInset = 4;
    QStringList found;
    for (const Caption& caption : captions()) {
        const ss::Cell* cell = sheet.cell(caption.at);
        if (!cell || !cell->value.isText()) {
            found << QStringLiteral("R%1C%2 has no text")
                         .arg(caption.at.row + 1)
                         .arg(caption.at.col + 1);
            continue;
        }
        const QString text = cell->value.asText();
        const QFontMetrics metrics(
            ss::render::sheetFont(sheet.workbook().formats().get(cell->format).font));
        const int room = ss::render::columnWidthPixels(sheet.columnWidth(caption.at.col)) - kInset;
        const QStringList pieces = caption.wraps
                                       ? text.split(QRegularExpression(QStringLiteral("\\s+")))
                                       : QStringList{text};
        for (const QString& piece : pieces) {
            if (metrics.horizontalAdvance(piece) > room) {
                found << QStringLiteral("\"%1\" wider than its column").arg(piece);
            }
        }
        if (caption.wraps && ss::render::wrappedRowHeight(sheet, caption.at) > kHeaderRowPoints) {
            found << QStringLiteral("\"%1\" needs more than two lines").arg(text);
        }
    }
    return found;
}

class ReportLanguages : public ::testing::TestWithParam<const char*> {
protected:
    TestPlatform platform;
    QTemporaryDir folder;
};

TEST_P(ReportLanguages, CaptionsFitTheFormsCells)
{
    const ProgramTranslation translation{QString::fromLatin1(GetParam())};
    const QString path = folder.filePath(QStringLiteral("report.xls"));
    // In miles, and in kilometres, whose rate, total and column captions are words of
    // their own.
    for (const char* unit : {"mi", "km"}) {
        QString out;
        QString err;
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        const QStringList arguments{QStringLiteral("--sample"), QStringLiteral("--unit"),
                                    QString::fromLatin1(unit), path};
        ASSERT_EQ(reporttool::main(arguments, outStream, errStream), 0) << err.toStdString();
        const std::unique_ptr<ss::Workbook> book = ss::xls::loadWorkbook(path);
        EXPECT_EQ(overflowing(book->sheet(0)).join(QStringLiteral("; ")).toStdString(), "") << unit;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, ReportLanguages, ::testing::Values("", "de", "fr", "es"));

} // namespace
} // namespace bw::test
