// Drawings of rows: collecting fills and texts, and painting them.
#include "spreadsheet/render/drawing.h"

#include "spreadsheet/render/celltext.h"
#include "spreadsheet/render/vectorpainter.h"

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
    const bool vector =
        painter.paintEngine() != nullptr && painter.paintEngine()->type() == QPaintEngine::Pdf;
    if (vector) {
        paintVector(painter, visible);
        return;
    }
    const FontEntry* font = nullptr;
    std::optional<QRgb> pen;
    for (const Op& op : ops_) {
        if (!op.bounds.intersects(visible)) continue;
        if (op.kind == Kind::Fill) {
            painter.fillRect(op.bounds, QColor(op.color));
            continue;
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
}

void Drawing::paintVector(QPainter& painter, const QRect& visible) const
{
    VectorPainter out(painter);
    for (const Op& op : ops_) {
        if (!op.bounds.intersects(visible)) continue;
        if (op.kind == Kind::Fill) {
            out.fill(op.bounds, op.color);
        } else {
            out.text(*op.font, op.color, op.baseline,
                     QStringView(texts_).mid(op.textStart, op.textLength),
                     op.kind == Kind::ClippedText ? &op.clip : nullptr);
        }
    }
    out.finish();
}

} // namespace bw::ss::render
