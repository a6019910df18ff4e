// Painting a drawing onto a vector device (PDF, printer) with as few page operations as
// give the same picture.
#pragma once

#include <QGlyphRun>
#include <QPointF>
#include <QRawFont>
#include <QRect>
#include <QRectF>
#include <QRgb>
#include <QStringView>
#include <QTransform>

#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

class QPainter;

namespace bw::ss::render {

struct FontEntry;

// A vector device writes every painter call as page operations, and most of a sheet's
// cost on paper is in writing them: each text drawn on its own restates its colour and
// font around its glyphs, each fill under a scaling transformation its own transformation.
// This painter draws the same glyphs at the same places and the same rectangles:
// consecutive unclipped texts of one font and colour go down as one run of glyphs, and
// fills are given in device units when the transformation only scales and moves, and
// fills of one colour that continue one another (the pieces of a border or of a filled
// column, row by row) go down as one rectangle where nothing painted between them reaches
// in. Renderers snap a filled rectangle to whole pixels, so the pieces and their union
// cover the same pixels; pieces at the clip's edge, which a renderer covers in part, stay
// pieces. Calls are painted in the order made; finish() (or the destructor) paints what is
// held.
class VectorPainter {
public:
    explicit VectorPainter(QPainter& painter);
    ~VectorPainter();
    VectorPainter(const VectorPainter&) = delete;
    VectorPainter& operator=(const VectorPainter&) = delete;

    void fill(const QRect& rect, QRgb color);
    // One line of text with its baseline's left end at `baseline`; with `clip` set,
    // nothing outside `*clip` is drawn.
    void text(const FontEntry& font, QRgb color, QPoint baseline, QStringView text,
              const QRect* clip);
    void finish();

    // The glyphs and advances of printable ASCII in a font as the painter lays it out,
    // when each such character is one glyph of the font's first face with an advance of
    // its own (no kerning, no shaping, no fallback face).
    struct AsciiGlyphs;

private:
    struct Fill {
        QRect rect;
        QRgb color;
    };
    // Fills of one colour along one column (true) or row of pixels, by their extent across.
    using FillKey = std::tuple<bool, QRgb, int, int>;

    void addFill(const QRect& rect, QRgb color);
    void push(const Fill& fill, bool joins);
    bool extendFill(const FillKey& key, const QRect& rect);
    bool paintedOverSince(std::size_t index, const QRect& rect, QRgb color) const;
    void remember(std::size_t index);
    void paintFills();
    const AsciiGlyphs* asciiGlyphs(const FontEntry& font);
    bool addToRun(const FontEntry& font, QRgb color, QPoint baseline, QStringView text);
    void paintRun();
    void scaled();
    void usePen(std::optional<QRgb> color);
    void useBrush(std::optional<QRgb> color);
    void useFont(const FontEntry& font);

    QPainter& painter_;
    const QTransform transform_;
    const bool deviceFills_; // fills go down in device units
    bool inDeviceUnits_ = false;
    bool finished_ = false;
    const FontEntry* font_ = nullptr;
    std::optional<QRgb> pen_;
    std::optional<QRgb> brush_;
    std::vector<std::pair<const FontEntry*, std::unique_ptr<AsciiGlyphs>>> glyphs_;

    // The fills not painted yet, pieces joined, in painting order.
    std::optional<QRectF> joinArea_; // where pieces join; everywhere when not set
    std::vector<Fill> fills_;
    std::map<FillKey, std::size_t> ends_; // the fill that a piece of the key would continue
    std::vector<std::pair<QRgb, std::size_t>> lastOfColor_;

    // The run of glyphs not painted yet.
    const AsciiGlyphs* runGlyphs_ = nullptr;
    QRgb runColor_ = 0;
    QList<quint32> runIndexes_;
    QList<QPointF> runPositions_;
};

} // namespace bw::ss::render
