// A picture of a cell range kept as the drawing it is made of.
#pragma once

#include "spreadsheet/model/cellformat.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QIODevice;
class QPainter;

namespace bw::ss::render {

// A picture of a cell range kept as the drawing it is made of: filled rectangles and
// lines of text, in painting order, with an index of which of them touch which band of
// pixel rows. Painting it costs what is painted, not what the whole picture would take
// as pixels, and a painter that scales draws its text and lines at the scaled size.
// A picture can also hold plain pixels (an image handed over as a picture).
//
// Copies are cheap: the drawing is shared and never changes once recorded.
class SheetPicture {
public:
    SheetPicture() = default;
    // A picture of plain pixels; a null image gives a null picture.
    // Implicit on purpose: wherever a picture is asked for, an image serves.
    SheetPicture(const QImage& image);

    bool isNull() const { return !d_; }
    QSize size() const;
    int width() const { return size().width(); }
    int height() const { return size().height(); }
    bool isRecorded() const;

    // Draws the part of the picture that lies in `area` (pixels of the picture) through
    // the painter's current transformation; what lies elsewhere is skipped unread.
    void paint(QPainter& painter, const QRect& area) const;
    // The pixels of `part` at the picture's own size: white where nothing is drawn.
    QImage toImage(const QRect& part) const;
    QImage toImage() const { return toImage(QRect(QPoint(0, 0), size())); }

    // The picture file: a small header, the fonts and the drawing. Throws
    // SpreadsheetError when the device cannot be written.
    void save(QIODevice& device) const;
    // Reads what save wrote. Throws FileFormatError for anything else, and for a file
    // that is cut short or refers outside itself.
    static SheetPicture load(QIODevice& device);

private:
    friend class PictureRecorder;
    struct Data;
    std::shared_ptr<const Data> d_;
};

// Collects the drawing of a picture of `size` pixels, in painting order.
class PictureRecorder {
public:
    explicit PictureRecorder(QSize size);
    ~PictureRecorder();
    PictureRecorder(const PictureRecorder&) = delete;
    PictureRecorder& operator=(const PictureRecorder&) = delete;

    void fillRect(const QRect& rect, const QColor& color);
    // One line of text with its baseline's left end at `baseline`. `bounds` holds every
    // pixel the text may touch; with `clip` set, nothing outside `*clip` is drawn.
    void drawText(const FontSpec& font, const QColor& color, QPoint baseline, const QString& text,
                  const QRect& bounds, const QRect* clip);

    SheetPicture finish();

private:
    std::unique_ptr<SheetPicture::Data> d_;
};

// Picture files: BMP or PNG for other programs, or the recorded drawing (SheetPicture::save),
// chosen by the file's suffix in any case.
enum class PictureFileFormat { None, Bmp, Png, Recorded };
inline constexpr char kRecordedPictureSuffix[] = "sheetpic";
PictureFileFormat pictureFileFormat(const QString& path);

// Writes the picture as a file of `format`. BMP and PNG are rendered and written a band
// of rows at a time, so a picture far larger than one image could be in memory is
// written all the same. Throws SpreadsheetError when the device cannot be written.
void writePictureFile(const SheetPicture& picture, QIODevice& device, PictureFileFormat format);

} // namespace bw::ss::render
