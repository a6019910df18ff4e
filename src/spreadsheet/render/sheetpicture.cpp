// Recorded pictures of cell ranges: painting, banding and saving them.
#include "spreadsheet/render/sheetpicture.h"

#include "spreadsheet/model/errors.h"
#include "spreadsheet/render/celltext.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QIODevice>
#include <QPainter>
#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <optional>

namespace bw::ss::render {

namespace {

// Rows of pixels per band of the index: a screenful at the smallest zoom spans a few.
constexpr int kBandHeight = 256;
// Rows rendered at a time when a picture is written as pixels.
constexpr int kStripHeight = 256;

enum class OpKind : std::uint8_t { Fill = 0, Text = 1, ClippedText = 2 };

constexpr std::array<char, 8> kMagic{'B', 'W', 'S', 'H', 'P', 'I', 'C', '1'};
constexpr std::uint8_t kHoldsDrawing = 0;
constexpr std::uint8_t kHoldsImage = 1;
// No sheet is taller or wider than this many pixels; a file that says otherwise is damaged.
constexpr qint32 kMaxSide = 1 << 26;

struct Op {
    OpKind kind = OpKind::Fill;
    std::uint16_t font = 0;
    QRgb color = 0;
    QRect bounds; // the fill itself, or every pixel a text may touch
    QRect clip;
    QPoint baseline;
    std::uint32_t textStart = 0;
    std::uint32_t textLength = 0;
};

// Little-endian fields into a buffer sized up front, so a large picture is one write.
class Writer {
public:
    explicit Writer(qsizetype size) { bytes_.resize(size); }
    template <typename T>
    void put(T value)
    {
        qToLittleEndian(value, bytes_.data() + at_);
        at_ += static_cast<qsizetype>(sizeof(T));
    }
    void put(const QRect& r)
    {
        put<qint32>(r.x());
        put<qint32>(r.y());
        put<qint32>(r.width());
        put<qint32>(r.height());
    }
    void put(const QString& s)
    {
        put<quint32>(static_cast<quint32>(s.size()));
        for (const QChar c : s) put<quint16>(c.unicode());
    }
    void putBytes(const QByteArray& b)
    {
        put<quint32>(static_cast<quint32>(b.size()));
        std::memcpy(bytes_.data() + at_, b.constData(), static_cast<std::size_t>(b.size()));
        at_ += b.size();
    }
    const QByteArray& bytes() const { return bytes_; }
    qsizetype used() const { return at_; }

private:
    QByteArray bytes_;
    qsizetype at_ = 0;
};

FileFormatError notAPicture(const char* why)
{
    return FileFormatError(
        QCoreApplication::translate("Spreadsheet", "The picture file is damaged: %1.")
            .arg(QLatin1String(why)));
}

// Reads what Writer wrote; every read is checked against the end of the data.
class Reader {
public:
    explicit Reader(const QByteArray& bytes) : bytes_(bytes) {}
    template <typename T>
    T get()
    {
        need(sizeof(T));
        const T value = qFromLittleEndian<T>(bytes_.constData() + at_);
        at_ += static_cast<qsizetype>(sizeof(T));
        return value;
    }
    QRect rect()
    {
        const qint32 x = get<qint32>();
        const qint32 y = get<qint32>();
        const qint32 w = get<qint32>();
        const qint32 h = get<qint32>();
        return QRect(x, y, w, h);
    }
    QString string()
    {
        const quint32 length = get<quint32>();
        need(std::size_t{length} * 2);
        QString s(static_cast<qsizetype>(length), Qt::Uninitialized);
        for (quint32 i = 0; i < length; ++i) s[static_cast<qsizetype>(i)] = QChar(get<quint16>());
        return s;
    }
    QByteArray bytes()
    {
        const quint32 length = get<quint32>();
        need(length);
        const QByteArray b = bytes_.mid(at_, static_cast<qsizetype>(length));
        at_ += static_cast<qsizetype>(length);
        return b;
    }
    void need(std::size_t n) const
    {
        if (n > static_cast<std::size_t>(bytes_.size() - at_))
            throw notAPicture("it ends too early");
    }

private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
};

} // namespace

struct SheetPicture::Data {
    QSize size;
    QImage image; // a picture of plain pixels; no drawing then
    std::vector<FontSpec> fontSpecs;
    std::vector<QFont> fonts;
    std::vector<Op> ops;
    QString texts; // every text, one after another
    std::vector<std::vector<std::uint32_t>> bands;

    void addFont(const FontSpec& fontSpec)
    {
        fontSpecs.push_back(fontSpec);
        fonts.push_back(sheetFont(fontSpec));
    }

    void buildIndex()
    {
        bands.assign(static_cast<std::size_t>((size.height() + kBandHeight - 1) / kBandHeight), {});
        const QRect whole(QPoint(0, 0), size);
        for (std::size_t i = 0; i < ops.size(); ++i) {
            const QRect r = ops[i].bounds.intersected(whole);
            if (r.isEmpty()) continue;
            for (int band = r.top() / kBandHeight; band <= r.bottom() / kBandHeight; ++band) {
                bands[static_cast<std::size_t>(band)].push_back(static_cast<std::uint32_t>(i));
            }
        }
    }
};

SheetPicture::SheetPicture(const QImage& image)
{
    if (image.isNull()) return;
    auto d = std::make_shared<Data>();
    d->size = image.size();
    d->image = image;
    d_ = std::move(d);
}

QSize SheetPicture::size() const { return d_ ? d_->size : QSize(); }

bool SheetPicture::isRecorded() const { return d_ && d_->image.isNull(); }

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

    // The ops of every band the area meets, each once and in painting order.
    const int firstBand = visible.top() / kBandHeight;
    const int lastBand = visible.bottom() / kBandHeight;
    std::vector<std::uint32_t> picked;
    for (int band = firstBand; band <= lastBand; ++band) {
        const auto& ops = d.bands[static_cast<std::size_t>(band)];
        picked.insert(picked.end(), ops.begin(), ops.end());
    }
    if (firstBand != lastBand) {
        std::sort(picked.begin(), picked.end());
        picked.erase(std::unique(picked.begin(), picked.end()), picked.end());
    }

    int font = -1;
    std::optional<QRgb> pen;
    for (const std::uint32_t index : picked) {
        const Op& op = d.ops[index];
        if (!op.bounds.intersects(visible)) continue;
        if (op.kind == OpKind::Fill) {
            painter.fillRect(op.bounds, QColor(op.color));
            continue;
        }
        if (font != op.font) {
            font = op.font;
            painter.setFont(d.fonts[op.font]);
        }
        if (pen != op.color) {
            pen = op.color;
            painter.setPen(QColor(op.color));
        }
        const QString text = QString::fromRawData(d.texts.constData() + op.textStart,
                                                  static_cast<qsizetype>(op.textLength));
        if (op.kind == OpKind::ClippedText) {
            painter.save();
            painter.setClipRect(op.clip, Qt::IntersectClip);
            painter.drawText(op.baseline, text);
            painter.restore();
        } else {
            painter.drawText(op.baseline, text);
        }
    }
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
    QByteArray png;
    qsizetype size = static_cast<qsizetype>(kMagic.size()) + 4 + 4 + 1;
    if (!d.image.isNull()) {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        d.image.save(&buffer, "PNG");
        size += 4 + png.size();
    } else {
        size += 4;
        for (const FontSpec& f : d.fontSpecs) size += 4 + f.name.size() * 2 + 8 + 2;
        size += 4 + d.texts.size() * 2 + 4;
        for (const Op& op : d.ops)
            size += op.kind == OpKind::Fill ? 1 + 4 + 16 : 1 + 2 + 4 + 16 + 16 + 8 + 8;
    }

    Writer out(size);
    for (const char c : kMagic) out.put<char>(c);
    out.put<qint32>(d.size.width());
    out.put<qint32>(d.size.height());
    if (!d.image.isNull()) {
        out.put<std::uint8_t>(kHoldsImage);
        out.putBytes(png);
    } else {
        out.put<std::uint8_t>(kHoldsDrawing);
        out.put<quint32>(static_cast<quint32>(d.fontSpecs.size()));
        for (const FontSpec& f : d.fontSpecs) {
            out.put(f.name);
            out.put<double>(f.size);
            out.put<std::uint8_t>(f.bold ? 1 : 0);
            out.put<std::uint8_t>(f.italic ? 1 : 0);
        }
        out.put(d.texts);
        out.put<quint32>(static_cast<quint32>(d.ops.size()));
        for (const Op& op : d.ops) {
            out.put<std::uint8_t>(static_cast<std::uint8_t>(op.kind));
            out.put<quint32>(op.color);
            out.put(op.bounds);
            if (op.kind == OpKind::Fill) continue;
            out.put<quint16>(op.font);
            out.put(op.clip);
            out.put<qint32>(op.baseline.x());
            out.put<qint32>(op.baseline.y());
            out.put<quint32>(op.textStart);
            out.put<quint32>(op.textLength);
        }
    }
    if (device.write(out.bytes().constData(), out.used()) != out.used()) {
        throw SpreadsheetError(
            QCoreApplication::translate("Spreadsheet", "The picture could not be written: %1")
                .arg(device.errorString()));
    }
}

SheetPicture SheetPicture::load(QIODevice& device)
{
    const QByteArray bytes = device.readAll();
    Reader in(bytes);
    for (const char c : kMagic) {
        if (in.get<char>() != c) throw notAPicture("it is no picture of a sheet");
    }
    auto d = std::make_shared<Data>();
    const qint32 width = in.get<qint32>();
    const qint32 height = in.get<qint32>();
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide)
        throw notAPicture("its size is impossible");
    d->size = QSize(width, height);
    const auto holds = in.get<std::uint8_t>();
    if (holds == kHoldsImage) {
        if (!d->image.loadFromData(in.bytes(), "PNG") || d->image.size() != d->size) {
            throw notAPicture("its image cannot be read");
        }
        SheetPicture picture;
        picture.d_ = std::move(d);
        return picture;
    }
    if (holds != kHoldsDrawing) throw notAPicture("it holds something unknown");

    const quint32 fonts = in.get<quint32>();
    in.need(std::size_t{fonts} * 14);
    for (quint32 i = 0; i < fonts; ++i) {
        FontSpec fontSpec;
        fontSpec.name = in.string();
        fontSpec.size = in.get<double>();
        fontSpec.bold = in.get<std::uint8_t>() != 0;
        fontSpec.italic = in.get<std::uint8_t>() != 0;
        if (!(fontSpec.size > 0.0 && fontSpec.size <= 409.0))
            throw notAPicture("a font has no sensible size");
        d->addFont(fontSpec);
    }
    d->texts = in.string();
    const quint32 count = in.get<quint32>();
    in.need(std::size_t{count} * 21);
    d->ops.reserve(count);
    for (quint32 i = 0; i < count; ++i) {
        Op op;
        const auto kind = in.get<std::uint8_t>();
        if (kind > static_cast<std::uint8_t>(OpKind::ClippedText))
            throw notAPicture("it holds an unknown drawing");
        op.kind = static_cast<OpKind>(kind);
        op.color = in.get<quint32>();
        op.bounds = in.rect();
        if (op.kind != OpKind::Fill) {
            op.font = in.get<quint16>();
            op.clip = in.rect();
            const qint32 x = in.get<qint32>();
            const qint32 y = in.get<qint32>();
            op.baseline = QPoint(x, y);
            op.textStart = in.get<quint32>();
            op.textLength = in.get<quint32>();
            if (op.font >= fonts) throw notAPicture("a text uses a font it does not have");
            if (std::size_t{op.textStart} + op.textLength
                > static_cast<std::size_t>(d->texts.size())) {
                throw notAPicture("a text lies outside it");
            }
        }
        d->ops.push_back(op);
    }
    d->buildIndex();
    SheetPicture picture;
    picture.d_ = std::move(d);
    return picture;
}

// --- recording ---------------------------------------------------------------------------

PictureRecorder::PictureRecorder(QSize size) : d_(std::make_unique<SheetPicture::Data>())
{
    d_->size = size;
}

PictureRecorder::~PictureRecorder() = default;

void PictureRecorder::fillRect(const QRect& rect, const QColor& color)
{
    if (rect.isEmpty()) return;
    Op op;
    op.kind = OpKind::Fill;
    op.color = color.rgb();
    op.bounds = rect;
    d_->ops.push_back(op);
}

void PictureRecorder::drawText(const FontSpec& font, const QColor& color, QPoint baseline,
                               const QString& text, const QRect& bounds, const QRect* clip)
{
    if (text.isEmpty()) return;
    // The colour is the op's own; fonts that differ only in colour are one font here.
    FontSpec key = font;
    key.colorIndex = FontSpec{}.colorIndex;
    const auto index = static_cast<std::size_t>(
        std::find(d_->fontSpecs.begin(), d_->fontSpecs.end(), key) - d_->fontSpecs.begin());
    if (index == d_->fontSpecs.size()) d_->addFont(key);
    Op op;
    op.kind = clip ? OpKind::ClippedText : OpKind::Text;
    op.font = static_cast<std::uint16_t>(index);
    op.color = color.rgb();
    op.bounds = clip ? bounds.intersected(*clip) : bounds;
    if (clip) op.clip = *clip;
    op.baseline = baseline;
    op.textStart = static_cast<std::uint32_t>(d_->texts.size());
    op.textLength = static_cast<std::uint32_t>(text.size());
    d_->texts += text;
    d_->ops.push_back(op);
}

SheetPicture PictureRecorder::finish()
{
    d_->buildIndex();
    SheetPicture picture;
    picture.d_ = std::shared_ptr<const SheetPicture::Data>(std::move(d_));
    d_ = std::make_unique<SheetPicture::Data>();
    return picture;
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
