// Painting a range of cells: fills, gridlines, borders and text.
#include "spreadsheet/render/render.h"

#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/render/celltext.h"
#include "spreadsheet/render/geometry.h"
#include "spreadsheet/render/sheetpicture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace bw::ss::render {
namespace {

const QColor kWhite(0xFF, 0xFF, 0xFF);
const QColor kBlack(0x00, 0x00, 0x00);
// The screen's light grey grid; distinct from every fill of the default palette so that
// a gridline never passes for a fill edge.
const QColor kGridline(0xD4, 0xD4, 0xD4);

// Text sits 2 pixels inside either side of its cell; with the gridline that makes the 5
// pixels of padding a column width adds to its characters.
constexpr int kTextMargin = 2;
constexpr int kCellPadding = 2 * kTextMargin + 1;

QColor paletteColor(int colorIndex, const QColor& automatic)
{
    const auto rgb = paletteRgb(colorIndex);
    return rgb ? QColor(static_cast<QRgb>(*rgb)) : automatic;
}

int floorDiv(int a, int b)
{
    const int q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// A cell's pixels: x0/y0 its first pixel, x1/y1 one past its gridline.
struct Box {
    int x0 = 0;
    int y0 = 0;
    int x1 = 0;
    int y1 = 0;

    // Inside the gridlines.
    QRect inner() const { return QRect(x0, y0, x1 - 1 - x0, y1 - 1 - y0); }
    int textWidth() const { return x1 - x0 - kCellPadding; }
};

struct TextLine {
    QString text;
    QPoint baseline;
    QRect bounds; // every pixel the line's glyphs may touch
};

struct TextJob {
    FontSpec fontSpec;
    const FontEntry* font = nullptr;
    QColor color;
    QRect clip;
    bool clipped = false; // clipping is costly; only text near its span's edges needs it
    std::vector<TextLine> lines;
};

HAlign effectiveHAlign(HAlign stored, ContentKind kind)
{
    if (stored != HAlign::General) return stored;
    switch (kind) {
    case ContentKind::Number:
        return HAlign::Right;
    case ContentKind::Text:
        return HAlign::Left;
    case ContentKind::Other:
        return HAlign::Center;
    }
    return HAlign::Left;
}

VAlign effectiveVAlign(VAlign stored)
{
    switch (stored) {
    case VAlign::Justify:
        return VAlign::Top;
    case VAlign::Distributed:
        return VAlign::Center;
    default:
        return stored;
    }
}

// Top of a block of text `blockHeight` pixels high in the box. Text that is taller than
// its cell keeps its alignment and is cut at the gridlines, as on screen.
int blockTop(const Box& box, int blockHeight, VAlign v)
{
    const int inside = box.y1 - 1 - box.y0;
    switch (v) {
    case VAlign::Top:
        return box.y0 + 1;
    case VAlign::Center:
        return box.y0 + floorDiv(inside - blockHeight, 2);
    default:
        return box.y1 - 1 - blockHeight;
    }
}

int lineLeft(const Box& box, int width, HAlign h)
{
    switch (h) {
    case HAlign::Right:
        return box.x1 - 1 - kTextMargin - width;
    case HAlign::Center:
    case HAlign::CenterAcross:
    case HAlign::Distributed:
        return box.x0 + kTextMargin + floorDiv(box.textWidth() - width, 2);
    default:
        return box.x0 + kTextMargin;
    }
}

// Word wrap inside the box's text width; a word longer than a line breaks where it must.
std::vector<QString> wrapLines(const QString& text, const QFont& font, int width)
{
    QString prepared = text;
    prepared.replace(QLatin1Char('\n'), QChar::LineSeparator);
    QTextLayout layout(prepared, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    std::vector<QString> lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max(width, 1));
        QString piece = prepared.mid(line.textStart(), line.textLength());
        while (!piece.isEmpty()
               && (piece.back().isSpace() || piece.back() == QChar::LineSeparator)) {
            piece.chop(1);
        }
        lines.push_back(piece);
    }
    layout.endLayout();
    return lines;
}

} // namespace

double wrappedRowHeight(const Worksheet& sheet, CellAddress cell)
{
    constexpr double kStandardHeight = 12.75;
    constexpr double kPointsPerPixel = 0.75;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        throw SpreadsheetError(QCoreApplication::translate(
            "Spreadsheet", "Measuring text needs the graphical application to be running."));
    }
    const Cell* c = sheet.cell(cell);
    if (c == nullptr || c->isBlank()) return kStandardHeight;
    const CellFormat& format = sheet.workbook().formats().get(c->format);
    const std::optional<CellContent> content = cellContent(c->value, format.numberFormat);
    if (!content || content->text.isEmpty()) return kStandardHeight;
    const FontEntry font(format.font);
    const int width = columnWidthPixels(sheet.columnWidth(cell.col)) - kCellPadding;
    const auto lines = static_cast<int>(wrapLines(content->text, font.font, width).size());
    // Text needs the font's height, a line spacing per further line and the gridline.
    const int pixels = font.height + font.lineSpacing * (lines - 1) + 2;
    return std::max(kStandardHeight, std::ceil(pixels * kPointsPerPixel * 4.0) / 4.0);
}

namespace {

class Renderer {
public:
    Renderer(const Worksheet& sheet, const CellRange& painted)
        : sheet_(sheet), formats_(sheet.workbook().formats()), geometry_(sheet, painted),
          painted_(painted)
    {
        collectMerges();
    }

    // The drawing on a white background, in the order it is painted; gridlines only
    // when asked and the sheet shows them (printed pages leave them out).
    SheetPicture record(bool gridlines = true)
    {
        for (int row = painted_.first.row; row <= painted_.last.row; ++row) layoutRow(row);
        for (const CellRange& m : merges_) layoutMerge(m);

        PictureRecorder picture(QSize(geometry_.width(), geometry_.height()));
        if (gridlines && sheet_.showGridlines()) {
            paintGridlines(picture);
            for (const QRect& r : hiddenGridlines_) picture.fillRect(r, kWhite);
        }
        paintFills(picture);
        paintBorders(picture);
        paintTexts(picture);
        return picture.finish();
    }

private:
    // Merges -----------------------------------------------------------------------------

    void collectMerges()
    {
        rowMerges_.resize(static_cast<std::size_t>(painted_.rowCount()));
        for (const CellRange& m : sheet_.mergedRegions()) {
            const bool meets = m.first.row <= painted_.last.row && m.last.row >= painted_.first.row
                               && m.first.col <= painted_.last.col
                               && m.last.col >= painted_.first.col;
            if (!meets) continue;
            const int index = static_cast<int>(merges_.size());
            merges_.push_back(m);
            const int from = std::max(m.first.row, painted_.first.row);
            const int to = std::min(m.last.row, painted_.last.row);
            for (int row = from; row <= to; ++row) {
                rowMerges_[static_cast<std::size_t>(row - painted_.first.row)].push_back(index);
            }
        }
    }

    const CellRange* mergeAt(CellAddress a) const
    {
        if (a.row >= painted_.first.row && a.row <= painted_.last.row) {
            for (const int index :
                 rowMerges_[static_cast<std::size_t>(a.row - painted_.first.row)]) {
                if (merges_[static_cast<std::size_t>(index)].contains(a))
                    return &merges_[static_cast<std::size_t>(index)];
            }
            return nullptr;
        }
        for (const CellRange& m : sheet_.mergedRegions()) {
            if (m.contains(a)) return &m;
        }
        return nullptr;
    }

    bool sameMerge(CellAddress a, CellAddress b) const
    {
        const CellRange* m = mergeAt(a);
        return m != nullptr && m->contains(b);
    }

    // Text overflows only into cells that hold nothing and are not part of a merge.
    bool isEmptyCell(CellAddress a) const
    {
        if (a.col < 0 || a.col >= kMaxColumns) return false;
        const Cell* c = sheet_.cell(a);
        return (c == nullptr || c->isBlank()) && mergeAt(a) == nullptr;
    }

    const CellFormat& formatAt(CellAddress a) const { return formats_.get(sheet_.formatAt(a)); }

    Box boxOf(const CellRange& r) const
    {
        return Box{geometry_.x(r.first.col), geometry_.y(r.first.row), geometry_.x(r.last.col + 1),
                   geometry_.y(r.last.row + 1)};
    }

    // Text layout --------------------------------------------------------------------------

    void layoutRow(int row)
    {
        const auto found = sheet_.rows().find(row);
        if (found == sheet_.rows().end()) return;
        if (geometry_.y(row + 1) == geometry_.y(row)) return;
        for (const auto& [col, cell] : found->second.cells) {
            if (cell.isBlank() || mergeAt({row, col}) != nullptr) continue;
            if (geometry_.x(col + 1) == geometry_.x(col)) continue;
            layoutCell({row, col}, cell, boxOf(CellRange::single({row, col})), true);
        }
    }

    void layoutMerge(const CellRange& m)
    {
        const Cell* cell = sheet_.cell(m.first);
        if (cell == nullptr || cell->isBlank()) return;
        layoutCell(m.first, *cell, boxOf(m), false);
    }

    void layoutCell(CellAddress a, const Cell& cell, const Box& box, bool mayOverflow)
    {
        const CellFormat& format = formats_.get(cell.format);
        const std::optional<CellContent> content = cellContent(cell.value, format.numberFormat);
        if (!content || content->text.isEmpty()) return;

        const FontEntry& font = fonts_.get(format.font);
        TextJob job;
        job.fontSpec = format.font;
        job.font = &font;
        job.color = paletteColor(content->colorIndex.value_or(format.font.colorIndex), kBlack);

        HAlign h = effectiveHAlign(format.hAlign, content->kind);
        const VAlign v = effectiveVAlign(format.vAlign);
        const bool wrap = content->kind == ContentKind::Text
                          && (format.wrap || h == HAlign::Justify || h == HAlign::Distributed);
        if (h == HAlign::Justify) h = HAlign::Left;

        Box span = box;
        std::vector<QString> lines;
        if (wrap) {
            lines = wrapLines(content->text, font.font, box.textWidth());
        } else if (content->kind == ContentKind::Number) {
            const bool fits = font.width(content->text) <= box.textWidth();
            lines.push_back(fits ? content->text
                                 : fitNumber(*content, font.metrics, box.textWidth()));
        } else if (h == HAlign::Fill) {
            lines.push_back(repeatToFill(content->text, font.metrics, box.textWidth()));
            h = HAlign::Left;
        } else {
            QString text = content->text;
            text.remove(QLatin1Char('\n'));
            if (content->kind == ContentKind::Text && mayOverflow) {
                span = overflowSpan(a, box, font.width(text), h);
            }
            lines.push_back(text);
        }

        const int lineSpacing = font.lineSpacing;
        const int blockHeight = font.height + lineSpacing * (static_cast<int>(lines.size()) - 1);
        const int top = blockTop(span, blockHeight, v);
        // Centred overflow stays centred on its own cell; centring across a selection
        // centres on the whole span.
        const Box& lineBox = (h == HAlign::Center || h == HAlign::Distributed) ? box : span;
        int left = span.x1;
        int right = span.x0;
        // Glyphs may reach a little beyond their advance (italics, antialiased edges).
        const int overhang = 2 + font.height / 4;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const int width = font.width(lines[i]);
            const int x = lineLeft(lineBox, width, h);
            left = std::min(left, x);
            right = std::max(right, x + width);
            const int baseline = top + font.ascent + lineSpacing * static_cast<int>(i);
            const QRect bounds(x - overhang, baseline - font.ascent - overhang,
                               width + 2 * overhang, font.height + 2 * overhang);
            job.lines.push_back(TextLine{lines[i], QPoint(x, baseline), bounds});
        }

        // Text never paints over the gridlines around its span, not even the overhang of
        // an italic glyph into the text margin.
        job.clip = span.inner();
        job.clipped = left - kTextMargin < job.clip.left()
                      || right + kTextMargin > job.clip.right() + 1 || top < job.clip.top()
                      || top + blockHeight > job.clip.bottom() + 1;
        if (!job.clip.intersects(QRect(0, 0, geometry_.width(), geometry_.height()))) return;
        jobs_.push_back(std::move(job));
    }

    // The cells a text line covers: its own cell, widened into empty neighbours as far as
    // the text needs (to the right for left-aligned text, to the left for right-aligned
    // text, both ways for centred text), or across the following empty cells that are
    // formatted to centre across. The gridlines inside the span are not drawn.
    Box overflowSpan(CellAddress a, const Box& box, int textWidth, HAlign h)
    {
        int first = a.col;
        int last = a.col;
        const auto x = [this](int col) { return geometry_.x(col); };
        if (h == HAlign::CenterAcross) {
            while (last + 1 < kMaxColumns && isEmptyCell({a.row, last + 1})
                   && formatAt({a.row, last + 1}).hAlign == HAlign::CenterAcross) {
                ++last;
            }
        } else {
            const int missing = textWidth - box.textWidth();
            if (missing > 0) {
                const int leftNeed =
                    h == HAlign::Right ? missing : (h == HAlign::Center ? (missing + 1) / 2 : 0);
                const int rightNeed =
                    h == HAlign::Left ? missing : (h == HAlign::Center ? (missing + 1) / 2 : 0);
                while (x(a.col) - x(first) < leftNeed && isEmptyCell({a.row, first - 1})) --first;
                while (x(last + 1) - x(a.col + 1) < rightNeed && isEmptyCell({a.row, last + 1}))
                    ++last;
            }
        }
        for (int col = first + 1; col <= last; ++col) {
            hiddenGridlines_.push_back(QRect(x(col) - 1, box.y0, 1, box.y1 - 1 - box.y0));
        }
        return Box{x(first), box.y0, x(last + 1), box.y1};
    }

    // Painting -------------------------------------------------------------------------------

    void paintGridlines(PictureRecorder& picture) const
    {
        const int width = geometry_.width();
        const int height = geometry_.height();
        for (int col = painted_.first.col + 1; col <= painted_.last.col + 1; ++col) {
            picture.fillRect(QRect(geometry_.x(col) - 1, 0, 1, height), kGridline);
        }
        for (int row = painted_.first.row + 1; row <= painted_.last.row + 1; ++row) {
            picture.fillRect(QRect(0, geometry_.y(row) - 1, width, 1), kGridline);
        }
    }

    // A fill also covers the gridlines on the cell's left and top, so a filled cell shows
    // no gridline on any side. An unfilled merged region is cleared of its inner gridlines.
    void paintFills(PictureRecorder& picture) const
    {
        for (int row = painted_.first.row; row <= painted_.last.row; ++row) {
            for (int col = painted_.first.col; col <= painted_.last.col; ++col) {
                if (mergeAt({row, col}) != nullptr) continue;
                const int fill = formatAt({row, col}).fillColorIndex;
                if (!paletteRgb(fill)) continue;
                const Box box = boxOf(CellRange::single({row, col}));
                picture.fillRect(
                    QRect(box.x0 - 1, box.y0 - 1, box.x1 - box.x0 + 1, box.y1 - box.y0 + 1),
                    paletteColor(fill, kWhite));
            }
        }
        for (const CellRange& m : merges_) {
            const Box box = boxOf(m);
            const int fill = formatAt(m.first).fillColorIndex;
            if (paletteRgb(fill)) {
                picture.fillRect(
                    QRect(box.x0 - 1, box.y0 - 1, box.x1 - box.x0 + 1, box.y1 - box.y0 + 1),
                    paletteColor(fill, kWhite));
            } else {
                picture.fillRect(box.inner(), kWhite);
            }
        }
    }

    // The line between two cells shows when either cell has a border on that side (the
    // left or upper cell's wins when both do); none inside a merged region. Lines of the
    // range's own left and top edges fall on its first pixel column and row.
    void paintBorders(PictureRecorder& picture) const
    {
        const int right = geometry_.width() - 1;
        const int bottom = geometry_.height() - 1;
        for (int row = painted_.first.row; row <= painted_.last.row; ++row) {
            const int y0 = geometry_.y(row);
            const int y1 = geometry_.y(row + 1);
            for (int col = painted_.first.col; col <= painted_.last.col + 1; ++col) {
                const std::optional<Border> line =
                    lineBetween({row, col - 1}, Edge::Right, {row, col}, Edge::Left);
                if (!line) continue;
                const int x = std::clamp(geometry_.x(col) - 1, 0, right);
                picture.fillRect(QRect(x, y0 - 1, 1, y1 - y0 + 1),
                                 paletteColor(line->colorIndex, kBlack));
            }
        }
        for (int row = painted_.first.row; row <= painted_.last.row + 1; ++row) {
            const int y = std::clamp(geometry_.y(row) - 1, 0, bottom);
            for (int col = painted_.first.col; col <= painted_.last.col; ++col) {
                const std::optional<Border> line =
                    lineBetween({row - 1, col}, Edge::Bottom, {row, col}, Edge::Top);
                if (!line) continue;
                const int x0 = geometry_.x(col);
                const int x1 = geometry_.x(col + 1);
                picture.fillRect(QRect(x0 - 1, y, x1 - x0 + 1, 1),
                                 paletteColor(line->colorIndex, kBlack));
            }
        }
    }

    std::optional<Border> lineBetween(CellAddress before, Edge beforeEdge, CellAddress after,
                                      Edge afterEdge) const
    {
        const bool beforeInGrid = before.row >= 0 && before.col >= 0;
        const bool afterInGrid = after.row < kMaxRows && after.col < kMaxColumns;
        if (beforeInGrid && afterInGrid && sameMerge(before, after)) return std::nullopt;
        if (beforeInGrid) {
            const Border& b = formatAt(before).border(beforeEdge);
            if (b.isDrawn()) return b;
        }
        if (afterInGrid) {
            const Border& b = formatAt(after).border(afterEdge);
            if (b.isDrawn()) return b;
        }
        return std::nullopt;
    }

    void paintTexts(PictureRecorder& picture) const
    {
        for (const TextJob& job : jobs_) {
            for (const TextLine& line : job.lines) {
                picture.drawText(job.fontSpec, job.color, line.baseline, line.text, line.bounds,
                                 job.clipped ? &job.clip : nullptr);
            }
        }
    }

    const Worksheet& sheet_;
    const FormatTable& formats_;
    PictureGeometry geometry_;
    CellRange painted_;
    FontCache fonts_;
    std::vector<CellRange> merges_;           // those meeting the painted range
    std::vector<std::vector<int>> rowMerges_; // per painted row, indexes into merges_
    std::vector<TextJob> jobs_;
    std::vector<QRect> hiddenGridlines_;
};

} // namespace

QImage renderRange(const Worksheet& sheet, const CellRange& range, const RenderLimits& limits)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        throw SpreadsheetError(QCoreApplication::translate(
            "Spreadsheet",
            "A picture of the sheet needs the graphical application to be running."));
    }
    return Renderer(sheet, paintedRange(sheet, range, limits)).record().toImage();
}

SheetPicture recordRange(const Worksheet& sheet, const CellRange& range)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        throw SpreadsheetError(QCoreApplication::translate(
            "Spreadsheet",
            "A picture of the sheet needs the graphical application to be running."));
    }
    // A recorded picture costs memory by what it holds, not by its pixels: no limit.
    return Renderer(sheet, paintedRange(sheet, range,
                                        RenderLimits{std::numeric_limits<std::int64_t>::max() / 4}))
        .record();
}

void paintRange(QPainter& painter, const Worksheet& sheet, const CellRange& range, bool gridlines)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        throw SpreadsheetError(QCoreApplication::translate(
            "Spreadsheet", "Painting the sheet needs the graphical application to be running."));
    }
    // The drawing holds what it paints, not pixels, so the whole range is painted; the
    // call still refuses ranges outside the grid.
    const RenderLimits unlimited{std::numeric_limits<std::int64_t>::max() / 4};
    const SheetPicture picture =
        Renderer(sheet, paintedRange(sheet, range, unlimited)).record(gridlines);
    picture.paint(painter, QRect(QPoint(0, 0), picture.size()));
}

} // namespace bw::ss::render
