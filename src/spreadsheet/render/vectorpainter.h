// Painting a drawing onto a vector device (PDF, printer) with as few page operations as
// give the same picture.
#pragma once

#include <QGlyphRun>
#include <QPointF>
#include <QRawFont>
#include <QRect>
#include <QRgb>
#include <QStringView>
#include <QTransform>

#include <memory>
#include <optional>
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
// fills are given in device units when the transformation only scales and moves.
// Calls are painted in the order made; finish() (or the destructor) paints what is held.
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

    // The run of glyphs not painted yet.
    const AsciiGlyphs* runGlyphs_ = nullptr;
    QRgb runColor_ = 0;
    QList<quint32> runIndexes_;
    QList<QPointF> runPositions_;
};

} // namespace bw::ss::render
