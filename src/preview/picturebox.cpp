#include "preview/picturebox.h"

#include "preview/previewgeometry.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace bw {

namespace {

QRect twipsRectToPixels(const QRect& twips)
{
    using preview::twipsToPixels;
    return {twipsToPixels(twips.x()), twipsToPixels(twips.y()), twipsToPixels(twips.width()),
            twipsToPixels(twips.height())};
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    clearPainting();
    if (autoSize_ && !picture_.isNull()) {
        resizeTwips(picture_.width() * preview::kTwipsPerPixel,
                    picture_.height() * preview::kTwipsPerPixel);
    }
    update();
}

void PictureBox::clearPicture()
{
    picture_ = QImage();
    clearPainting();
    update();
}

void PictureBox::setAutoSize(bool on)
{
    autoSize_ = on;
    if (autoSize_ && !picture_.isNull()) {
        resizeTwips(picture_.width() * preview::kTwipsPerPixel,
                    picture_.height() * preview::kTwipsPerPixel);
    }
}

void PictureBox::setBackColor(const QColor& color)
{
    backColor_ = color;
    update();
}

void PictureBox::paintPicture(const QImage& source, const QRect& to, const QRect& from)
{
    if (source.isNull()) {
        throw std::runtime_error("Invalid picture");
    }
    clearPainting();
    painted_ = source;
    paintedTo_ = twipsRectToPixels(to);
    paintedFrom_ = twipsRectToPixels(from).intersected(source.rect());
    const QSize target = paintedTo_.size();
    const QSize original = paintedFrom_.size();
    const bool reduction = !target.isEmpty() && target != original
        && target.width() <= original.width() && target.height() <= original.height();
    if (reduction) {
        const QImage part = paintedFrom_ == source.rect() ? source : source.copy(paintedFrom_);
        reduced_ = part.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    update();
}

void PictureBox::clearPainting()
{
    painted_ = QImage();
    reduced_ = QImage();
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
    using preview::twipsToPixels;
    setGeometry(twipsToPixels(left_), twipsToPixels(top_), std::max(0, twipsToPixels(width_)),
                std::max(0, twipsToPixels(height_)));
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), backColor_);
    if (!reduced_.isNull()) {
        painter.drawImage(paintedTo_.topLeft(), reduced_);
    } else if (!painted_.isNull() && !paintedTo_.isEmpty()) {
        if (paintedTo_.size() == paintedFrom_.size()) {
            painter.drawImage(paintedTo_.topLeft(), painted_, paintedFrom_);
        } else {
            // The painter is clipped to the exposed region, so only the visible part of
            // the enlarged picture is ever computed.
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRectF(paintedTo_), painted_, QRectF(paintedFrom_));
        }
    } else if (!picture_.isNull()) {
        painter.drawImage(0, 0, picture_);
    }
}

} // namespace bw
