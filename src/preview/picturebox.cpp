// The preview's picture box: twips geometry and painting the exposed part of a picture.
#include "preview/picturebox.h"

#include "core/twips.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace bw {

namespace {

QRect twipsRectToPixels(const QRect& twips)
{
    return TwipsRect{twips.x(), twips.y(), twips.width(), twips.height()}.pixels();
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void PictureBox::setPicture(const ss::render::SheetPicture& picture)
{
    picture_ = picture;
    clearPainting();
    if (autoSize_ && !picture_.isNull()) {
        resizeTwips(picture_.width() * kTwipsPerPixel, picture_.height() * kTwipsPerPixel);
    }
    update();
}

void PictureBox::clearPicture()
{
    picture_ = ss::render::SheetPicture();
    clearPainting();
    update();
}

void PictureBox::setAutoSize(bool on)
{
    autoSize_ = on;
    if (autoSize_ && !picture_.isNull()) {
        resizeTwips(picture_.width() * kTwipsPerPixel, picture_.height() * kTwipsPerPixel);
    }
}

void PictureBox::setBackColor(const QColor& color)
{
    backColor_ = color;
    update();
}

void PictureBox::paintPicture(const ss::render::SheetPicture& source, const QRect& to,
                              const QRect& from)
{
    if (source.isNull()) {
        throw std::runtime_error("Invalid picture");
    }
    clearPainting();
    painted_ = source;
    paintedTo_ = twipsRectToPixels(to);
    paintedFrom_ = twipsRectToPixels(from).intersected(QRect(QPoint(0, 0), source.size()));
    update();
}

void PictureBox::clearPainting()
{
    painted_ = ss::render::SheetPicture();
    paintedTo_ = QRect();
    paintedFrom_ = QRect();
}

void PictureBox::moveTwips(int left, int top)
{
    left_ = left;
    top_ = top;
    applyGeometry();
}

void PictureBox::resizeTwips(int width, int height)
{
    width_ = width;
    height_ = height;
    applyGeometry();
}

void PictureBox::setGeometryTwips(int left, int top, int width, int height)
{
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    applyGeometry();
}

void PictureBox::applyGeometry()
{
    setGeometry(twipsToPixels(left_), twipsToPixels(top_), std::max(0, twipsToPixels(width_)),
                std::max(0, twipsToPixels(height_)));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect exposed = event->rect();
    painter.fillRect(exposed, backColor_);
    if (!painted_.isNull() && !paintedTo_.isEmpty() && !paintedFrom_.isEmpty()) {
        const QRect target = exposed.intersected(paintedTo_);
        if (target.isEmpty()) return;
        const double sx = static_cast<double>(paintedTo_.width()) / paintedFrom_.width();
        const double sy = static_cast<double>(paintedTo_.height()) / paintedFrom_.height();
        // The source pixels under the exposed part, a pixel wider on every side so that
        // rounding never leaves an edge undrawn.
        const QRect source(
            QPoint(paintedFrom_.x()
                       + static_cast<int>(std::floor((target.left() - paintedTo_.left()) / sx)) - 1,
                   paintedFrom_.y()
                       + static_cast<int>(std::floor((target.top() - paintedTo_.top()) / sy)) - 1),
            QPoint(paintedFrom_.x()
                       + static_cast<int>(std::ceil((target.right() + 1 - paintedTo_.left()) / sx))
                       + 1,
                   paintedFrom_.y()
                       + static_cast<int>(std::ceil((target.bottom() + 1 - paintedTo_.top()) / sy))
                       + 1));
        painter.setClipRect(target);
        if (sx != 1.0 || sy != 1.0) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            // Lines thinner than a pixel fade to grey instead of vanishing or doubling.
            painter.setRenderHint(QPainter::Antialiasing, sx < 1.0 || sy < 1.0);
        }
        painter.translate(paintedTo_.topLeft());
        painter.scale(sx, sy);
        painter.translate(-paintedFrom_.topLeft());
        painted_.paint(painter, source.intersected(paintedFrom_));
    } else if (!picture_.isNull()) {
        picture_.paint(painter, exposed);
    }
}

} // namespace bw
