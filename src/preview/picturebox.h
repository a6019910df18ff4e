#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

namespace bw {

// A borderless picture box whose position and size are kept in twips (the widget itself
// sits at the nearest pixels). It shows either its picture at natural size or what was
// last painted into it: a source picture scaled into a destination rectangle. Only the
// part that is visible is ever drawn, so a zoomed picture costs no memory of its own
// size; a reduced copy is cached when zooming out, as it is never larger than the source.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The picture property: replaces what the box shows; an auto-sizing box takes the
    // picture's size.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // Removes the picture and everything painted, leaving the background.
    void clearPicture();

    void setAutoSize(bool on);
    void setBackColor(const QColor& color);

    // Paints `source` (rectangle `from`, in twips of the source picture at 15 twips per
    // pixel) scaled into `to` (twips of this box), replacing what was painted before.
    // Throws std::runtime_error when there is no picture to paint.
    void paintPicture(const QImage& source, const QRect& to, const QRect& from);

    int leftTwips() const { return left_; }
    int topTwips() const { return top_; }
    int widthTwips() const { return width_; }
    int heightTwips() const { return height_; }
    // A borderless box: the drawing area is the whole box.
    int innerWidthTwips() const { return width_; }
    int innerHeightTwips() const { return height_; }

    void moveTwips(int left, int top);
    void setLeftTwips(int left) { moveTwips(left, top_); }
    void setTopTwips(int top) { moveTwips(left_, top); }
    void resizeTwips(int width, int height);
    void setGeometryTwips(int left, int top, int width, int height);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void applyGeometry();
    void clearPainting();

    QImage picture_;
    bool autoSize_ = false;
    QColor backColor_ = Qt::white;

    // What was painted: the source, where it goes and which part of it, in pixels.
    QImage painted_;
    QRect paintedTo_;
    QRect paintedFrom_;
    // The painted part reduced to its destination size, when that is a reduction.
    QImage reduced_;

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace bw
