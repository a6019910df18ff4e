// Painting a range of cells: fills, gridlines, borders and text.
#include "spreadsheet/render/render.h"

#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/render/celltext.h"
#include "spreadsheet/render/drawing.h"
#include "spreadsheet/render/geometry.h"
#include "spreadsheet/render/picturesheet.h"
#include "spreadsheet/render/sheetpicture.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
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

// Glyphs may reach a little beyond their advance (italics, antialiased edges).
int textOverhang(const FontEntry& font) { return 2 + font.height / 4; }

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

// Lays out and draws the painted rows firstRow .. lastRow of a sheet copy: the part of
// the whole range's drawing that those rows make, phase by phase in the whole drawing's
// order (gridlines, the gridlines that overflowing text hides, fills, borders, texts),
// so that any rows drawn together paint what the whole drawing paints there.
class Renderer {
public:
    Renderer(const PictureSheet& sheet, FontCache& fonts, int firstRow, int lastRow)
        : sheet_(sheet), fonts_(fonts), painted_(sheet.painted()), firstRow_(firstRow),
          lastRow_(lastRow)
    {
        collectMerges();
    }

    void record(bool gridlines, Drawing& out)
    {
        for (int row = firstRow_; row <= lastRow_; ++row) layoutRow(row);
        for (const int m : blockMerges_) layoutMerge(sheet_.merges()[static_cast<std::size_t>(m)]);

        if (gridlines && sheet_.showGridlines()) {
            paintGridlines(out);
            for (const QRect& r : hiddenGridlines_) out.fillRect(r, kWhite);
        }
        paintFills(out);
        paintBorders(out);
        out.append(texts_);
    }

private:
    // Merges -----------------------------------------------------------------------------

    // The merged regions meeting the painted range that meet these rows, or the rows on
    // either side (their borders are shared), in the sheet's order.
    void collectMerges()
    {
        const auto& merges = sheet_.merges();
        for (std::size_t i = 0; i < merges.size(); ++i) {
            const PictureMerge& m = merges[i];
            if (m.meetsPainted && m.range.first.row <= lastRow_ + 1
                && m.range.last.row >= firstRow_ - 1) {
                nearMerges_.push_back(static_cast<int>(i));
                if (m.range.first.row <= lastRow_ && m.range.last.row >= firstRow_)
                    blockMerges_.push_back(static_cast<int>(i));
            }
        }
    }

    // Inside the painted rows only the regions that meet the painted range count; outside
    // them every region of the sheet does.
    const CellRange* mergeAt(CellAddress a) const
    {
        const auto& merges = sheet_.merges();
        if (a.row >= painted_.first.row && a.row <= painted_.last.row) {
            for (const int index : nearMerges_) {
                const CellRange& m = merges[static_cast<std::size_t>(index)].range;
                if (m.contains(a)) return &m;
            }
            return nullptr;
        }
        for (const PictureMerge& m : merges) {
            if (m.range.contains(a)) return &m.range;
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
        const PictureCell* c = sheet_.cell(a);
        return (c == nullptr || c->isBlank()) && mergeAt(a) == nullptr;
    }

    const CellFormat& formatAt(CellAddress a) const { return sheet_.format(sheet_.formatAt(a)); }

    Box boxOf(CellAddress a) const
    {
        return Box{sheet_.x(a.col), sheet_.y(a.row), sheet_.x(a.col + 1), sheet_.y(a.row + 1)};
    }

    // Text layout --------------------------------------------------------------------------

    void layoutRow(int row)
    {
        if (sheet_.y(row + 1) == sheet_.y(row)) return;
        for (const PictureCell& cell : sheet_.rowCells(row)) {
            if (cell.isBlank() || mergeAt({row, cell.col}) != nullptr) continue;
            if (sheet_.x(cell.col + 1) == sheet_.x(cell.col)) continue;
            layoutCell({row, cell.col}, cell, cell.format, boxOf({row, cell.col}), true);
        }
    }

    void layoutMerge(const PictureMerge& m)
    {
        if (m.corner.isBlank()) return;
        layoutCell(m.range.first, m.corner, m.corner.format, Box{m.x0, m.y0, m.x1, m.y1}, false);
    }

    void layoutCell(CellAddress a, const PictureCell& cell, FormatId formatId, const Box& box,
                    bool mayOverflow)
    {
        const CellFormat& format = sheet_.format(formatId);
        const std::optional<CellContent> content =
            cellContent(sheet_.value(cell), format.numberFormat);
        if (!content || content->text.isEmpty()) return;

        const FontEntry& font = fonts_.get(format.font);
        const QColor color =
            paletteColor(content->colorIndex.value_or(format.font.colorIndex), kBlack);

        HAlign h = effectiveHAlign(format.hAlign, content->kind);
        const VAlign v = effectiveVAlign(format.vAlign);
        const bool wrap = content->kind == ContentKind::Text
                          && (format.wrap || h == HAlign::Justify || h == HAlign::Distributed);
        if (h == HAlign::Justify) h = HAlign::Left;

        Box span = box;
        lines_.clear();
        if (wrap) {
            lines_ = wrapLines(content->text, font.font, box.textWidth());
        } else if (content->kind == ContentKind::Number) {
            const bool fits = font.width(content->text) <= box.textWidth();
            lines_.push_back(fits ? content->text
                                  : fitNumber(*content, font.metrics, box.textWidth()));
        } else if (h == HAlign::Fill) {
            lines_.push_back(repeatToFill(content->text, font.metrics, box.textWidth()));
            h = HAlign::Left;
        } else {
            QString text = content->text;
            text.remove(QLatin1Char('\n'));
            if (content->kind == ContentKind::Text && mayOverflow) {
                span = overflowSpan(a, box, font.width(text), h);
            }
            lines_.push_back(text);
        }

        const int lineSpacing = font.lineSpacing;
        const int blockHeight = font.height + lineSpacing * (static_cast<int>(lines_.size()) - 1);
        const int top = blockTop(span, blockHeight, v);
        // Centred overflow stays centred on its own cell; centring across a selection
        // centres on the whole span.
        const Box& lineBox = (h == HAlign::Center || h == HAlign::Distributed) ? box : span;
        int left = span.x1;
        int right = span.x0;
        // Glyphs may reach a little beyond their advance (italics, antialiased edges).
        const int overhang = textOverhang(font);
        placed_.clear();
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            const int width = font.width(lines_[i]);
            const int x = lineLeft(lineBox, width, h);
            left = std::min(left, x);
            right = std::max(right, x + width);
            const int baseline = top + font.ascent + lineSpacing * static_cast<int>(i);
            const QRect bounds(x - overhang, baseline - font.ascent - overhang,
                               width + 2 * overhang, font.height + 2 * overhang);
            placed_.push_back(TextLine{QPoint(x, baseline), bounds});
        }

        // Text never paints over the gridlines around its span, not even the overhang of
        // an italic glyph into the text margin.
        const QRect clip = span.inner();
        const bool clipped = left - kTextMargin < clip.left()
                             || right + kTextMargin > clip.right() + 1 || top < clip.top()
                             || top + blockHeight > clip.bottom() + 1;
        if (!clip.intersects(QRect(0, 0, sheet_.width(), sheet_.height()))) return;
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            texts_.drawText(font, color, placed_[i].baseline, lines_[i], placed_[i].bounds,
                            clipped ? &clip : nullptr);
        }
    }

    // The cells a text line covers: its own cell, widened into empty neighbours as far as
    // the text needs (to the right for left-aligned text, to the left for right-aligned
    // text, both ways for centred text), or across the following empty cells that are
    // formatted to centre across. The gridlines inside the span are not drawn.
    Box overflowSpan(CellAddress a, const Box& box, int textWidth, HAlign h)
    {
        int first = a.col;
        int last = a.col;
        const auto x = [this](int col) { return sheet_.x(col); };
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

    // Every column's gridline runs the whole height; a row's is the one below it.
    void paintGridlines(Drawing& out) const
    {
        const int width = sheet_.width();
        const int height = sheet_.height();
        for (int col = painted_.first.col + 1; col <= painted_.last.col + 1; ++col) {
            out.fillRect(QRect(sheet_.x(col) - 1, 0, 1, height), kGridline);
        }
        for (int row = firstRow_ + 1; row <= lastRow_ + 1; ++row) {
            out.fillRect(QRect(0, sheet_.y(row) - 1, width, 1), kGridline);
        }
    }

    // A fill also covers the gridlines on the cell's left and top, so a filled cell shows
    // no gridline on any side. An unfilled merged region is cleared of its inner gridlines.
    void paintFills(Drawing& out) const
    {
        for (int row = firstRow_; row <= lastRow_; ++row) {
            for (int col = painted_.first.col; col <= painted_.last.col; ++col) {
                if (mergeAt({row, col}) != nullptr) continue;
                const int fill = formatAt({row, col}).fillColorIndex;
                if (!paletteRgb(fill)) continue;
                const Box box = boxOf({row, col});
                out.fillRect(
                    QRect(box.x0 - 1, box.y0 - 1, box.x1 - box.x0 + 1, box.y1 - box.y0 + 1),
                    paletteColor(fill, kWhite));
            }
        }
        for (const int index : blockMerges_) {
            const PictureMerge& m = sheet_.merges()[static_cast<std::size_t>(index)];
            const Box box{m.x0, m.y0, m.x1, m.y1};
            const int fill = sheet_.format(m.format).fillColorIndex;
            if (paletteRgb(fill)) {
                out.fillRect(
                    QRect(box.x0 - 1, box.y0 - 1, box.x1 - box.x0 + 1, box.y1 - box.y0 + 1),
                    paletteColor(fill, kWhite));
            } else {
                out.fillRect(box.inner(), kWhite);
            }
        }
    }

    // The line between two cells shows when either cell has a border on that side (the
    // left or upper cell's wins when both do); none inside a merged region. Lines of the
    // range's own left and top edges fall on its first pixel column and row. A row draws
    // the line below it; the first painted row also the one above.
    void paintBorders(Drawing& out) const
    {
        const int right = sheet_.width() - 1;
        const int bottom = sheet_.height() - 1;
        for (int row = firstRow_; row <= lastRow_; ++row) {
            const int y0 = sheet_.y(row);
            const int y1 = sheet_.y(row + 1);
            for (int col = painted_.first.col; col <= painted_.last.col + 1; ++col) {
                const std::optional<Border> line =
                    lineBetween({row, col - 1}, Edge::Right, {row, col}, Edge::Left);
                if (!line) continue;
                const int x = std::clamp(sheet_.x(col) - 1, 0, right);
                out.fillRect(QRect(x, y0 - 1, 1, y1 - y0 + 1),
                             paletteColor(line->colorIndex, kBlack));
            }
        }
        const int firstLine = firstRow_ == painted_.first.row ? firstRow_ : firstRow_ + 1;
        for (int row = firstLine; row <= lastRow_ + 1; ++row) {
            const int y = std::clamp(sheet_.y(row) - 1, 0, bottom);
            for (int col = painted_.first.col; col <= painted_.last.col; ++col) {
                const std::optional<Border> line =
                    lineBetween({row - 1, col}, Edge::Bottom, {row, col}, Edge::Top);
                if (!line) continue;
                const int x0 = sheet_.x(col);
                const int x1 = sheet_.x(col + 1);
                out.fillRect(QRect(x0 - 1, y, x1 - x0 + 1, 1),
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

    struct TextLine {
        QPoint baseline;
        QRect bounds; // every pixel the line's glyphs may touch
    };

    const PictureSheet& sheet_;
    FontCache& fonts_;
    CellRange painted_;
    int firstRow_;
    int lastRow_;
    std::vector<int> nearMerges_;  // indexes into the sheet's merges
    std::vector<int> blockMerges_; // those of them that meet these rows
    std::vector<QRect> hiddenGridlines_;
    Drawing texts_;
    std::vector<QString> lines_;   // of the cell being laid out
    std::vector<TextLine> placed_; // where they go
};

} // namespace

void drawRows(const PictureSheet& sheet, FontCache& fonts, int firstRow, int lastRow,
              bool gridlines, Drawing& out)
{
    Renderer(sheet, fonts, firstRow, lastRow).record(gridlines, out);
}

int textReach(const PictureSheet& sheet, FontCache& fonts)
{
    int reach = 0;
    for (const CellFormat& format : sheet.formats())
        reach = std::max(reach, textOverhang(fonts.get(format.font)));
    return reach + 1;
}

namespace {

void requireGuiApplication(const char* why)
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr)
        throw SpreadsheetError(QCoreApplication::translate("Spreadsheet", why));
}

} // namespace

QImage renderRange(const Worksheet& sheet, const CellRange& range, const RenderLimits& limits)
{
    requireGuiApplication(QT_TRANSLATE_NOOP(
        "Spreadsheet", "A picture of the sheet needs the graphical application to be running."));
    return SheetPicture(
               std::make_shared<const PictureSheet>(sheet, paintedRange(sheet, range, limits)))
        .toImage();
}

SheetPicture recordRange(const Worksheet& sheet, const CellRange& range)
{
    requireGuiApplication(QT_TRANSLATE_NOOP(
        "Spreadsheet", "A picture of the sheet needs the graphical application to be running."));
    // A kept picture costs memory by the cells it shows, not by its pixels: no limit.
    const RenderLimits unlimited{std::numeric_limits<std::int64_t>::max() / 4};
    return SheetPicture(
        std::make_shared<const PictureSheet>(sheet, paintedRange(sheet, range, unlimited)));
}

void paintRange(QPainter& painter, const Worksheet& sheet, const CellRange& range, bool gridlines)
{
    requireGuiApplication(QT_TRANSLATE_NOOP(
        "Spreadsheet", "Painting the sheet needs the graphical application to be running."));
    // The drawing holds what it paints, not pixels, so the whole range is painted; the
    // call still refuses ranges outside the grid.
    const RenderLimits unlimited{std::numeric_limits<std::int64_t>::max() / 4};
    const PictureSheet copy(sheet, paintedRange(sheet, range, unlimited));
    FontCache fonts;
    Drawing drawing;
    drawRows(copy, fonts, copy.painted().first.row, copy.painted().last.row, gridlines, drawing);
    drawing.paint(painter, QRect(0, 0, copy.width(), copy.height()));
}

} // namespace bw::ss::render
