#include "shell/core/cursorfile.h"

#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

#include <stdexcept>

namespace bw {

namespace {

// The file starts with a six-byte directory header (reserved 0, type 1 for icons or 2
// for cursors, image count) followed by 16-byte entries; in a cursor's entry the two
// words that an icon uses for planes and bit count hold the hot spot instead.
constexpr qsizetype kHeaderSize = 6;
constexpr qsizetype kEntrySize = 16;
constexpr quint16 kIconType = 1;
constexpr quint16 kCursorType = 2;

[[noreturn]] void invalidPicture()
{
    throw std::runtime_error("Invalid picture");
}

quint16 word(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

} // namespace

QCursor loadCursorFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("File not found: " + path.toStdString());
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < kHeaderSize + kEntrySize || word(bytes, 0) != 0 || word(bytes, 4) == 0) {
        invalidPicture();
    }
    const quint16 type = word(bytes, 2);
    if (type != kIconType && type != kCursorType) {
        invalidPicture();
    }
    const QImage image = QImage::fromData(bytes, type == kCursorType ? "cur" : "ico");
    if (image.isNull()) {
        invalidPicture();
    }
    int hotX = image.width() / 2;
    int hotY = image.height() / 2;
    if (type == kCursorType) {
        hotX = qBound(0, static_cast<int>(word(bytes, kHeaderSize + 4)), image.width() - 1);
        hotY = qBound(0, static_cast<int>(word(bytes, kHeaderSize + 6)), image.height() - 1);
    }
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

} // namespace bw
