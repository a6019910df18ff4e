// Reading a Windows cursor file (.cur) into a pointer with its hot spot.
#include "platform/cursorfile.h"

#include <QFile>
#include <QImage>
#include <QPixmap>

#include <stdexcept>

namespace bw {

namespace {

int littleEndian16(const QByteArray& bytes, qsizetype at)
{
    return static_cast<unsigned char>(bytes.at(at))
           | (static_cast<unsigned char>(bytes.at(at + 1)) << 8);
}

} // namespace

QCursor loadCursorFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error("Invalid picture");
    }
    const QByteArray bytes = file.readAll();
    QImage image;
    if (!image.loadFromData(bytes, "CUR") && !image.loadFromData(bytes)) {
        throw std::runtime_error("Invalid picture");
    }
    // Header: reserved, type (2 = cursor), count; then the first directory entry, whose
    // two 16-bit fields at 10 and 12 hold the hot spot in a cursor file.
    int hotX = -1;
    int hotY = -1;
    if (bytes.size() >= 22 && littleEndian16(bytes, 2) == 2) {
        hotX = littleEndian16(bytes, 10);
        hotY = littleEndian16(bytes, 12);
    }
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

} // namespace bw
