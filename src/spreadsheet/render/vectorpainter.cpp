// Painting onto vector devices: runs of glyphs and fills in device units.
#include "spreadsheet/render/vectorpainter.h"

#include "spreadsheet/render/celltext.h"

#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <algorithm>
#include <array>

namespace bw::ss::render {

struct VectorPainter::AsciiGlyphs {
    QRawFont font;
    std::array<quint32, 128> index{};
    std::array<qreal, 128> advance{};
};

namespace {

// Lays the plain characters out once, as drawing a text of them lays them out: each must
// come out as one glyph of one face, on one baseline.
std::unique_ptr<VectorPainter::AsciiGlyphs> layOutAscii(const QFont& font)
{
    QString chars;
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        if (isPlainAscii(c)) chars += QChar(c);
    }
    // One character more gives the last one its advance.
    const QString text = chars + chars.front();
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    auto glyphs = std::make_unique<VectorPainter::AsciiGlyphs>();
    QList<quint32> indexes;
    QList<QPointF> positions;
    for (const QGlyphRun& run : line.glyphRuns()) {
        if (indexes.isEmpty()) glyphs->font = run.rawFont();
        if (run.rawFont() != glyphs->font) return nullptr;
        indexes += run.glyphIndexes();
        positions += run.positions();
    }
    if (indexes.size() != text.size() || positions.size() != text.size()) return nullptr;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        if (positions[i].y() != positions.front().y()) return nullptr;
        const char16_t c = chars[i].unicode();
        glyphs->index[c] = indexes[i];
        glyphs->advance[c] = positions[i + 1].x() - positions[i].x();
    }
    return glyphs;
}

} // namespace

VectorPainter::VectorPainter(QPainter& painter)
    : painter_(painter), transform_(painter.worldTransform()),
      deviceFills_(transform_.type() <= QTransform::TxScale)
{
    if (painter.hasClipping()) {
        // Pieces join where they stay off the clip's edge by half a unit: inside a
        // rectangle, nowhere inside any other shape.
        const QPainterPath clip = painter.clipPath();
        QPainterPath box;
        box.addRect(clip.boundingRect());
        joinArea_ = clip == box ? box.boundingRect().adjusted(0.5, 0.5, -0.5, -0.5) : QRectF();
    }
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::NoBrush);
}

VectorPainter::~VectorPainter() { finish(); }

void VectorPainter::finish()
{
    if (finished_) return;
    finished_ = true;
    paintRun();
    paintFills();
    painter_.restore();
}

void VectorPainter::fill(const QRect& rect, QRgb color)
{
    if (rect.isEmpty()) return;
    paintRun();
    if (deviceFills_) {
        addFill(rect, color);
        return;
    }
    usePen(std::nullopt);
    useBrush(color);
    painter_.drawRect(rect);
}

void VectorPainter::addFill(const QRect& rect, QRgb color)
{
    const bool joins = !joinArea_ || joinArea_->contains(QRectF(rect));
    if (joins
        && (extendFill({true, color, rect.left(), rect.right()}, rect)
            || extendFill({false, color, rect.top(), rect.bottom()}, rect)))
        return;
    push(Fill{rect, color}, joins);
}

void VectorPainter::push(const Fill& fill, bool joins)
{
    fills_.push_back(fill);
    const std::size_t index = fills_.size() - 1;
    if (joins) remember(index);
    for (auto& [known, last] : lastOfColor_) {
        if (known == fill.color) {
            last = index;
            return;
        }
    }
    lastOfColor_.emplace_back(fill.color, index);
}

// Joins `rect` to the fill its key names when that fill still spans the same pixels
// across, meets or overlaps it along, and nothing of another colour painted since
// reaches into it; the grown fill may then join the one it continues in turn.
bool VectorPainter::extendFill(const FillKey& key, const QRect& rect)
{
    const auto found = ends_.find(key);
    if (found == ends_.end()) return false;
    const std::size_t index = found->second;
    if (index >= fills_.size()) return false;
    Fill& fill = fills_[index];
    const auto [column, color, from, to] = key;
    const bool across = fill.color == color
                        && (column ? fill.rect.left() == from && fill.rect.right() == to
                                   : fill.rect.top() == from && fill.rect.bottom() == to);
    const bool meets =
        column ? rect.top() <= fill.rect.bottom() + 1 && rect.bottom() >= fill.rect.top() - 1
               : rect.left() <= fill.rect.right() + 1 && rect.right() >= fill.rect.left() - 1;
    if (!across || !meets || paintedOverSince(index, rect, color)) return false;
    fill.rect = fill.rect.united(rect);
    if (index + 1 == fills_.size() && index > 0) {
        // The last fill, grown, may continue an earlier one the other way.
        const Fill grown = fill;
        fills_.pop_back();
        for (auto& [known, last] : lastOfColor_) last = std::min(last, fills_.size() - 1);
        if (!extendFill({!column, color, column ? grown.rect.top() : grown.rect.left(),
                         column ? grown.rect.bottom() : grown.rect.right()},
                        grown.rect))
            push(grown, true);
    } else {
        remember(index);
    }
    return true;
}

bool VectorPainter::paintedOverSince(std::size_t index, const QRect& rect, QRgb color) const
{
    bool otherColor = false;
    for (const auto& [known, last] : lastOfColor_) otherColor |= known != color && last > index;
    if (!otherColor) return false;
    for (std::size_t i = index + 1; i < fills_.size(); ++i) {
        if (fills_[i].color != color && fills_[i].rect.intersects(rect)) return true;
    }
    return false;
}

void VectorPainter::remember(std::size_t index)
{
    const Fill& fill = fills_[index];
    ends_[{true, fill.color, fill.rect.left(), fill.rect.right()}] = index;
    ends_[{false, fill.color, fill.rect.top(), fill.rect.bottom()}] = index;
}

void VectorPainter::paintFills()
{
    if (fills_.empty()) return;
    usePen(std::nullopt);
    if (!inDeviceUnits_) {
        // A fill under a scaling transformation restates the transformation around its
        // rectangle; in device units it is the rectangle alone.
        painter_.setWorldTransform(QTransform());
        inDeviceUnits_ = true;
    }
    for (const Fill& fill : fills_) {
        useBrush(fill.color);
        painter_.drawRect(transform_.mapRect(QRectF(fill.rect)));
    }
    fills_.clear();
    ends_.clear();
    lastOfColor_.clear();
}

void VectorPainter::text(const FontEntry& font, QRgb color, QPoint baseline, QStringView text,
                         const QRect* clip)
{
    paintFills();
    scaled();
    // Text is drawn with no brush, as after a fill of its own.
    useBrush(std::nullopt);
    if (clip == nullptr && addToRun(font, color, baseline, text)) return;
    paintRun();
    useFont(font);
    usePen(color);
    const QString line = text.toString();
    if (clip != nullptr) {
        painter_.save();
        painter_.setClipRect(*clip, Qt::IntersectClip);
        painter_.drawText(baseline, line);
        painter_.restore();
    } else {
        painter_.drawText(baseline, line);
    }
}

const VectorPainter::AsciiGlyphs* VectorPainter::asciiGlyphs(const FontEntry& font)
{
    for (const auto& [known, glyphs] : glyphs_) {
        if (known == &font) return glyphs.get();
    }
    // The painter's font is the sheet font as the device resolves it, the one its text
    // is drawn in.
    useFont(font);
    glyphs_.emplace_back(&font, layOutAscii(painter_.font()));
    return glyphs_.back().second.get();
}

bool VectorPainter::addToRun(const FontEntry& font, QRgb color, QPoint baseline, QStringView text)
{
    for (const QChar c : text) {
        if (!isPlainAscii(c.unicode())) return false;
    }
    const AsciiGlyphs* glyphs = asciiGlyphs(font);
    if (glyphs == nullptr) return false;
    if (runGlyphs_ != glyphs || runColor_ != color) paintRun();
    runGlyphs_ = glyphs;
    runColor_ = color;
    // Where drawing the text alone puts each glyph: advances in 64ths of a pixel, added
    // up exactly.
    qreal x = baseline.x();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        runIndexes_.push_back(glyphs->index[u]);
        runPositions_.push_back(QPointF(x, baseline.y()));
        x += glyphs->advance[u];
    }
    return true;
}

void VectorPainter::paintRun()
{
    if (runGlyphs_ == nullptr) return;
    usePen(runColor_);
    QGlyphRun run;
    run.setRawFont(runGlyphs_->font);
    run.setGlyphIndexes(runIndexes_);
    run.setPositions(runPositions_);
    painter_.drawGlyphRun(QPointF(), run);
    runGlyphs_ = nullptr;
    runIndexes_.clear();
    runPositions_.clear();
}

void VectorPainter::scaled()
{
    if (!inDeviceUnits_) return;
    painter_.setWorldTransform(transform_);
    inDeviceUnits_ = false;
}

void VectorPainter::usePen(std::optional<QRgb> color)
{
    if (pen_ == color) return;
    pen_ = color;
    if (color) {
        painter_.setPen(QColor(*color));
    } else {
        painter_.setPen(Qt::NoPen);
    }
}

void VectorPainter::useBrush(std::optional<QRgb> color)
{
    if (brush_ == color) return;
    brush_ = color;
    if (color) {
        painter_.setBrush(QColor(*color));
    } else {
        painter_.setBrush(Qt::NoBrush);
    }
}

void VectorPainter::useFont(const FontEntry& font)
{
    if (font_ == &font) return;
    font_ = &font;
    painter_.setFont(font.font);
}

} // namespace bw::ss::render
