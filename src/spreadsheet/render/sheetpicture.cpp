// Pictures of cell ranges: painting them a part at a time, and their files.
#include "spreadsheet/render/sheetpicture.h"

#include "spreadsheet/model/errors.h"
#include "spreadsheet/render/celltext.h"
#include "spreadsheet/render/drawing.h"
#include "spreadsheet/render/picturebytes.h"
#include "spreadsheet/render/picturesheet.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>
#include <QPainter>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <array>
#include <limits>
#include <mutex>

namespace bw::ss::render {

namespace {

// Rows rendered at a time when a picture is written as pixels.
constexpr int kStripHeight = 256;

constexpr std::array<char, 8> kMagic{'B', 'W', 'S', 'H', 'P', 'I', 'C', '2'};
constexpr std::uint8_t kHoldsCells = 0;
constexpr std::uint8_t kHoldsImage = 1;
// No sheet is taller or wider than this many pixels; a file that says otherwise is damaged.
constexpr qint32 kMaxSide = 1 << 26;

} // namespace

struct SheetPicture::Data {
    QSize size;
    QImage image; // a picture of plain pixels; no cells then
    std::shared_ptr<const PictureSheet> sheet;

    // The fonts the cells are drawn in, and how far their text reaches beyond its row,
    // found at the first paint; painting from several threads takes turns here.
    mutable std::mutex painting;
    mutable FontCache fonts;
    mutable int reach = -1;
};

SheetPicture::SheetPicture(const QImage& image)
{
    if (image.isNull()) return;
    auto d = std::make_shared<Data>();
    d->size = image.size();
    d->image = image;
    d_ = std::move(d);
}

SheetPicture::SheetPicture(std::shared_ptr<const PictureSheet> sheet)
{
    if (!sheet) return;
    auto d = std::make_shared<Data>();
    d->size = QSize(sheet->width(), sheet->height());
    d->sheet = std::move(sheet);
    d_ = std::move(d);
}

QSize SheetPicture::size() const { return d_ ? d_->size : QSize(); }

void SheetPicture::paint(QPainter& painter, const QRect& area) const
{
    if (!d_) return;
    const Data& d = *d_;
    const QRect visible = area.intersected(QRect(QPoint(0, 0), d.size));
    if (visible.isEmpty()) return;
    if (!d.image.isNull()) {
        painter.drawImage(QRectF(visible), d.image, QRectF(visible));
        return;
    }

    // The rows whose drawing can touch the area, drawn as the whole picture draws them.
    Drawing drawing;
    {
        const std::lock_guard<std::mutex> lock(d.painting);
        if (d.reach < 0) d.reach = textReach(*d.sheet, d.fonts);
        const auto [first, last] = d.sheet->rowsNear(visible.top(), visible.bottom(), d.reach);
        if (first > last) return;
        drawRows(*d.sheet, d.fonts, first, last, true, drawing);
    }
    drawing.paint(painter, visible);
}

QImage SheetPicture::toImage(const QRect& part) const
{
    if (!d_ || part.isEmpty()) return QImage();
    QImage image(part.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-part.topLeft());
    paint(painter, part);
    painter.end();
    return image;
}

void SheetPicture::save(QIODevice& device) const
{
    if (!d_)
        throw SpreadsheetError(
            QCoreApplication::translate("Spreadsheet", "There is no picture to save."));
    const Data& d = *d_;
    ByteWriter out(device);
    for (const char c : kMagic) out.put<char>(c);
    out.put<qint32>(d.size.width());
    out.put<qint32>(d.size.height());
    if (!d.image.isNull()) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        d.image.save(&buffer, "PNG");
        out.put<std::uint8_t>(kHoldsImage);
        out.putBytes(png);
    } else {
        out.put<std::uint8_t>(kHoldsCells);
        d.sheet->save(out);
    }
    out.flush();
}

SheetPicture SheetPicture::load(QIODevice& device)
{
    const QByteArray bytes = device.readAll();
    ByteReader in(bytes);
    for (const char c : kMagic) {
        if (in.get<char>() != c) throwDamagedPicture("it is no picture of a sheet");
    }
    const qint32 width = in.get<qint32>();
    const qint32 height = in.get<qint32>();
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        throwDamagedPicture("its size is impossible");
    const QSize size(width, height);
    const auto holds = in.get<std::uint8_t>();
    if (holds == kHoldsImage) {
        QImage image;
        if (!image.loadFromData(in.bytes(), "PNG") || image.size() != size)
            throwDamagedPicture("its image cannot be read");
        return SheetPicture(image);
    }
    if (holds != kHoldsCells) throwDamagedPicture("it holds something unknown");
    auto sheet = std::make_shared<const PictureSheet>(PictureSheet::load(in));
    if (QSize(sheet->width(), sheet->height()) != size)
        throwDamagedPicture("its size is impossible");
    return SheetPicture(std::move(sheet));
}

// --- picture files ---------------------------------------------------------------------------

PictureFileFormat pictureFileFormat(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bmp")) return PictureFileFormat::Bmp;
    if (suffix == QLatin1String("png")) return PictureFileFormat::Png;
    if (suffix == QLatin1String(kRecordedPictureSuffix)) return PictureFileFormat::Recorded;
    return PictureFileFormat::None;
}

namespace {

void writeAll(QIODevice& device, const char* data, qint64 size)
{
    if (device.write(data, size) != size) {
        throw SpreadsheetError(
            QCoreApplication::translate("Spreadsheet", "The picture could not be written: %1")
                .arg(device.errorString()));
    }
}

void writeAll(QIODevice& device, const QByteArray& bytes)
{
    writeAll(device, bytes.constData(), bytes.size());
}

// Renders the picture's rows top .. top + strip.height() - 1 into `strip`, reused.
void renderStrip(const SheetPicture& picture, QImage& strip, int top)
{
    strip.fill(Qt::white);
    QPainter painter(&strip);
    painter.translate(0, -top);
    picture.paint(painter, QRect(0, top, strip.width(), strip.height()));
}

// A 24-bit BMP: rows run bottom-up, so the strips are rendered from the bottom.
void writeBmp(const SheetPicture& picture, QIODevice& device)
{
    const int width = picture.width();
    const int height = picture.height();
    const qint64 rowBytes = (qint64{width} * 3 + 3) / 4 * 4;
    const qint64 imageBytes = rowBytes * height;
    if (54 + imageBytes > std::numeric_limits<quint32>::max()) {
        throw SpreadsheetError(
            QCoreApplication::translate("Spreadsheet", "The picture is too large for a BMP file."));
    }
    QByteArray header(54, '\0');
    char* h = header.data();
    h[0] = 'B';
    h[1] = 'M';
    qToLittleEndian<quint32>(static_cast<quint32>(54 + imageBytes), h + 2);
    qToLittleEndian<quint32>(54, h + 10);
    qToLittleEndian<quint32>(40, h + 14);
    qToLittleEndian<qint32>(width, h + 18);
    qToLittleEndian<qint32>(height, h + 22);
    qToLittleEndian<quint16>(1, h + 26);
    qToLittleEndian<quint16>(24, h + 28);
    qToLittleEndian<quint32>(static_cast<quint32>(imageBytes), h + 34);
    qToLittleEndian<qint32>(3780, h + 38); // 96 dpi in pixels per metre
    qToLittleEndian<qint32>(3780, h + 42);
    writeAll(device, header);

    QImage strip(width, std::min(kStripHeight, height), QImage::Format_RGB32);
    QByteArray rows;
    for (int bottom = height; bottom > 0; bottom -= kStripHeight) {
        const int top = std::max(0, bottom - kStripHeight);
        renderStrip(picture, strip, top);
        rows.fill('\0', rowBytes * (bottom - top));
        char* out = rows.data();
        for (int y = bottom - top - 1; y >= 0; --y, out += rowBytes) {
            const auto* line = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
            for (int x = 0; x < width; ++x) {
                out[3 * x] = static_cast<char>(qBlue(line[x]));
                out[3 * x + 1] = static_cast<char>(qGreen(line[x]));
                out[3 * x + 2] = static_cast<char>(qRed(line[x]));
            }
        }
        writeAll(device, rows);
    }
}

void appendChunk(QByteArray& out, const char* type, const QByteArray& data)
{
    char length[4];
    qToBigEndian<quint32>(static_cast<quint32>(data.size()), length);
    out.append(length, 4);
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data);
    const uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(out.constData() + start),
                            static_cast<uInt>(out.size() - start));
    char sum[4];
    qToBigEndian<quint32>(static_cast<quint32>(crc), sum);
    out.append(sum, 4);
}

// An 8-bit RGB PNG whose compressed rows go out one strip at a time; each row is
// filtered against the one above, which suits the long runs of a sheet.
void writePng(const SheetPicture& picture, QIODevice& device)
{
    const int width = picture.width();
    const int height = picture.height();
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    QByteArray header(13, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(width), header.data());
    qToBigEndian<quint32>(static_cast<quint32>(height), header.data() + 4);
    header[8] = 8; // bits per channel
    header[9] = 2; // RGB
    appendChunk(out, "IHDR", header);
    writeAll(device, out);

    z_stream zs{};
    if (deflateInit(&zs, Z_BEST_SPEED) != Z_OK) {
        throw SpreadsheetError(
            QCoreApplication::translate("Spreadsheet", "The picture could not be compressed."));
    }
    struct EndDeflate {
        z_stream* s;
        ~EndDeflate() { deflateEnd(s); }
    } endDeflate{&zs};

    const qsizetype rowBytes = 1 + qsizetype{width} * 3;
    QImage strip(width, std::min(kStripHeight, height), QImage::Format_RGB32);
    QByteArray raw;
    QByteArray previous(rowBytes, '\0');
    QByteArray current(rowBytes, '\0');
    QByteArray compressed(256 * 1024, '\0');
    for (int top = 0; top < height; top += kStripHeight) {
        const int rows = std::min(kStripHeight, height - top);
        renderStrip(picture, strip, top);
        raw.resize(rowBytes * rows);
        for (int y = 0; y < rows; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(strip.constScanLine(y));
            char* c = current.data();
            for (int x = 0; x < width; ++x) {
                c[1 + 3 * x] = static_cast<char>(qRed(line[x]));
                c[2 + 3 * x] = static_cast<char>(qGreen(line[x]));
                c[3 + 3 * x] = static_cast<char>(qBlue(line[x]));
            }
            char* filtered = raw.data() + rowBytes * y;
            filtered[0] = 2; // "Up"
            for (qsizetype i = 1; i < rowBytes; ++i) {
                filtered[i] = static_cast<char>(static_cast<unsigned char>(c[i])
                                                - static_cast<unsigned char>(previous[i]));
            }
            std::swap(previous, current);
        }
        const bool last = top + rows >= height;
        zs.next_in = reinterpret_cast<Bytef*>(raw.data());
        zs.avail_in = static_cast<uInt>(raw.size());
        int status = Z_OK;
        do {
            zs.next_out = reinterpret_cast<Bytef*>(compressed.data());
            zs.avail_out = static_cast<uInt>(compressed.size());
            status = deflate(&zs, last ? Z_FINISH : Z_NO_FLUSH);
            if (status == Z_STREAM_ERROR)
                throw SpreadsheetError(QCoreApplication::translate(
                    "Spreadsheet", "The picture could not be compressed."));
            const auto produced =
                static_cast<qsizetype>(compressed.size() - static_cast<qsizetype>(zs.avail_out));
            if (produced > 0) {
                QByteArray chunk;
                appendChunk(chunk, "IDAT", compressed.left(produced));
                writeAll(device, chunk);
            }
        } while (zs.avail_out == 0 || (last && status != Z_STREAM_END));
    }
    QByteArray end;
    appendChunk(end, "IEND", QByteArray());
    writeAll(device, end);
}

} // namespace

void writePictureFile(const SheetPicture& picture, QIODevice& device, PictureFileFormat format)
{
    if (picture.isNull())
        throw SpreadsheetError(
            QCoreApplication::translate("Spreadsheet", "There is no picture to write."));
    switch (format) {
    case PictureFileFormat::Bmp:
        writeBmp(picture, device);
        return;
    case PictureFileFormat::Png:
        writePng(picture, device);
        return;
    case PictureFileFormat::Recorded:
        picture.save(device);
        return;
    case PictureFileFormat::None:
        break;
    }
    throw SpreadsheetError(
        QCoreApplication::translate("Spreadsheet", "A picture is written as BMP or PNG only."));
}

} // namespace bw::ss::render
