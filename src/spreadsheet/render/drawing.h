// The drawing of some rows of a picture: filled rectangles and lines of text, in order.
#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <vector>

class QPainter;

namespace bw::ss::render {

class FontCache;
struct FontEntry;
class PictureSheet;

// Filled rectangles and lines of text in painting order, made for one paint and
// dropped after it.
class Drawing {
public:
    void fillRect(const QRect& rect, const QColor& color);
    // One line of text with its baseline's left end at `baseline`. `bounds` holds every
    // pixel the text may touch; with `clip` set, nothing outside `*clip` is drawn.
    void drawText(const FontEntry& font, const QColor& color, QPoint baseline, const QString& text,
                  const QRect& bounds, const QRect* clip);
    // Appends what `later` draws, to be painted after everything here.
    void append(const Drawing& later);

    // Draws what touches `visible` through the painter's transformation.
    void paint(QPainter& painter, const QRect& visible) const;

private:
    void paintVector(QPainter& painter, const QRect& visible) const;

    enum class Kind : std::uint8_t { Fill, Text, ClippedText };
    struct Op {
        QRect bounds; // the fill itself, or every pixel a text may touch
        QRect clip;
        QPoint baseline;
        const FontEntry* font = nullptr;
        std::uint32_t textStart = 0;
        std::uint32_t textLength = 0;
        QRgb color = 0;
        Kind kind = Kind::Fill;
    };
    std::vector<Op> ops_;
    QString texts_; // every text, one after another
};

// The drawing of the painted rows firstRow .. lastRow of `sheet`: exactly the part of
// the whole range's drawing those rows make, in the same order, so that painting the
// rows near an area gives the pixels the whole drawing gives there. Gridlines only when
// asked and the sheet shows them.
void drawRows(const PictureSheet& sheet, FontCache& fonts, int firstRow, int lastRow,
              bool gridlines, Drawing& out);

// How far, in pixels, a text may reach beyond the row it belongs to.
int textReach(const PictureSheet& sheet, FontCache& fonts);

} // namespace bw::ss::render
