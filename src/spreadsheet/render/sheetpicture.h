// A picture of a cell range, kept as the cells it shows or as pixels.
#pragma once

#include <QImage>
#include <QRect>
#include <QString>

#include <memory>

class QIODevice;
class QPainter;

namespace bw::ss::render {

class PictureSheet;

// A picture of a cell range kept as the cells it shows (a copy of them, with their
// formats and geometry): painting a part of it lays out and draws only the rows near
// that part, so painting costs what is painted, the picture takes memory by its cells
// rather than by its pixels or its drawing, and a painter that scales draws its text and
// lines at the scaled size. A picture can also hold plain pixels (an image handed over
// as a picture).
//
// Copies are cheap: what is kept is shared and never changes.
class SheetPicture {
public:
    SheetPicture() = default;
    // A picture of plain pixels; a null image gives a null picture.
    // Implicit on purpose: wherever a picture is asked for, an image serves.
    SheetPicture(const QImage& image);
    // The picture of the copy's painted range, as the screen shows it.
    explicit SheetPicture(std::shared_ptr<const PictureSheet> sheet);

    bool isNull() const { return !d_; }
    QSize size() const;
    int width() const { return size().width(); }
    int height() const { return size().height(); }

    // Draws the part of the picture that lies in `area` (pixels of the picture) through
    // the painter's current transformation; what lies elsewhere costs nothing.
    void paint(QPainter& painter, const QRect& area) const;
    // The pixels of `part` at the picture's own size: white where nothing is drawn.
    QImage toImage(const QRect& part) const;
    QImage toImage() const { return toImage(QRect(QPoint(0, 0), size())); }

    // The picture file: a small header and the image or the copy of the cells. Throws
    // SpreadsheetError when the device cannot be written.
    void save(QIODevice& device) const;
    // Reads what save wrote. Throws FileFormatError for anything else, and for a file
    // that is cut short or refers outside itself.
    static SheetPicture load(QIODevice& device);

private:
    struct Data;
    std::shared_ptr<const Data> d_;
};

// Picture files: BMP or PNG for other programs, or the kept picture (SheetPicture::save),
// chosen by the file's suffix in any case.
enum class PictureFileFormat { None, Bmp, Png, Recorded };
inline constexpr char kRecordedPictureSuffix[] = "sheetpic";
PictureFileFormat pictureFileFormat(const QString& path);

// Writes the picture as a file of `format`. BMP and PNG are rendered and written a band
// of rows at a time, so a picture far larger than one image could be in memory is
// written all the same. Throws SpreadsheetError when the device cannot be written.
void writePictureFile(const SheetPicture& picture, QIODevice& device, PictureFileFormat format);

} // namespace bw::ss::render
