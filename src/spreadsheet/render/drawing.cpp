// Drawings of rows: collecting fills and texts, and painting them.
#include "spreadsheet/render/drawing.h"

#include "spreadsheet/render/celltext.h"

#include <QPaintEngine>
#include <QPainter>

#include <optional>

namespace bw::ss::render {

void Drawing::fillRect(const QRect& rect, const QColor& color)
{
    if (rect.isEmpty()) return;
    Op op;
    op.kind = Kind::Fill;
    op.color = color.rgb();
    op.bounds = rect;
    ops_.push_back(op);
}

void Drawing::drawText(const FontEntry& font, const QColor& color, QPoint baseline,
                       const QString& text, const QRect& bounds, const QRect* clip)
{
    if (text.isEmpty()) return;
    Op op;
    op.kind = clip ? Kind::ClippedText : Kind::Text;
    op.font = &font;
    op.color = color.rgb();
    op.bounds = clip ? bounds.intersected(*clip) : bounds;
    if (clip) op.clip = *clip;
    op.baseline = baseline;
    op.textStart = static_cast<std::uint32_t>(texts_.size());
    op.textLength = static_cast<std::uint32_t>(text.size());
    texts_ += text;
    ops_.push_back(op);
}

void Drawing::append(const Drawing& later)
{
    const auto shift = static_cast<std::uint32_t>(texts_.size());
    texts_ += later.texts_;
    ops_.reserve(ops_.size() + later.ops_.size());
    for (Op op : later.ops_) {
        op.textStart += shift;
        ops_.push_back(op);
    }
}

void Drawing::paint(QPainter& painter, const QRect& visible) const
{
    // A PDF painter fills a rectangle by setting its pen and brush, drawing and setting
    // them back, each change written to the page; drawing the same rectangles with the
    // brush changed only where the colour does writes the same fills with less around
    // them. Screens keep their own quicker filling.
    const bool pdf =
        painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Pdf;
    if (pdf) {
        painter.save();
        painter.setPen(Qt::NoPen);
    }
    const FontEntry* font = nullptr;
    std::optional<QRgb> pen;
    std::optional<QRgb> brush;
    for (const Op& op : ops_) {
        if (!op.bounds.intersects(visible)) continue;
        if (op.kind == Kind::Fill) {
            if (!pdf) {
                painter.fillRect(op.bounds, QColor(op.color));
            } else {
                if (pen) {
                    pen.reset();
                    painter.setPen(Qt::NoPen);
                }
                if (brush != op.color) {
                    brush = op.color;
                    painter.setBrush(QColor(op.color));
                }
                painter.drawRect(op.bounds);
            }
            continue;
        }
        if (brush) {
            // Text is drawn with no brush, as after a fill of its own.
            brush.reset();
            painter.setBrush(Qt::NoBrush);
        }
        if (font != op.font) {
            font = op.font;
            painter.setFont(op.font->font);
        }
        if (pen != op.color) {
            pen = op.color;
            painter.setPen(QColor(op.color));
        }
        const QString text = QString::fromRawData(texts_.constData() + op.textStart,
                                                  static_cast<qsizetype>(op.textLength));
        if (op.kind == Kind::ClippedText) {
            painter.save();
            painter.setClipRect(op.clip, Qt::IntersectClip);
            painter.drawText(op.baseline, text);
            painter.restore();
        } else {
            painter.drawText(op.baseline, text);
        }
    }
    if (pdf) painter.restore();
}

} // namespace bw::ss::render
