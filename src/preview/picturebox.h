// A picture box placed in twips that paints its picture, scaled, a part at a time.
#pragma once

#include "spreadsheet/render/sheetpicture.h"

#include <QRect>
#include <QWidget>

namespace bw {

// A borderless picture box whose position and size are kept in twips (the widget itself
// sits at the nearest pixels). It shows either its picture at natural size or what was
// last painted into it: a source picture scaled into a destination rectangle. Nothing is
// kept at the painted size: each paint event draws the exposed part afresh from the
// source, so a zoomed picture costs what is on screen, and a recorded picture draws its
// text and lines at the zoomed size.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The picture property: replaces what the box shows; an auto-sizing box takes the
    // picture's size.
    void setPicture(const ss::render::SheetPicture& picture);
    const ss::render::SheetPicture& picture() const { return picture_; }
    // Removes the picture and everything painted, leaving the background.
    void clearPicture();

    void setAutoSize(bool on);
    void setBackColor(const QColor& color);

    // Paints `source` (rectangle `from`, in twips of the source picture at 15 twips per
    // pixel) scaled into `to` (twips of this box), replacing what was painted before.
    // Throws std::runtime_error when there is no picture to paint.
    void paintPicture(const ss::render::SheetPicture& source, const QRect& to, const QRect& from);

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

    ss::render::SheetPicture picture_;
    bool autoSize_ = false;
    QColor backColor_ = Qt::white;

    // What was painted: the source, where it goes and which part of it, in pixels.
    ss::render::SheetPicture painted_;
    QRect paintedTo_;
    QRect paintedFrom_;

    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
};

} // namespace bw
