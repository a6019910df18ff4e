// Little-endian fields of picture files.
#include "spreadsheet/render/picturebytes.h"

#include "spreadsheet/model/errors.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>

namespace bw::ss::render {

namespace {

constexpr qsizetype kBufferSize = 64 * 1024;

} // namespace

ByteWriter::ByteWriter(QIODevice& device) : device_(device), buffer_(kBufferSize, '\0') {}

ByteWriter::~ByteWriter() = default;

void ByteWriter::put(const QString& text)
{
    put<quint32>(static_cast<quint32>(text.size()));
    const auto* units = reinterpret_cast<const char16_t*>(text.constData());
    qsizetype left = text.size();
    while (left > 0) {
        room(2);
        const qsizetype n = std::min(left, (buffer_.size() - used_) / 2);
        qToLittleEndian<quint16>(units, n, buffer_.data() + used_);
        used_ += n * 2;
        units += n;
        left -= n;
    }
}

void ByteWriter::putBytes(const QByteArray& bytes)
{
    put<quint32>(static_cast<quint32>(bytes.size()));
    flush();
    write(bytes.constData(), bytes.size());
}

void ByteWriter::room(std::size_t bytes)
{
    if (static_cast<std::size_t>(buffer_.size() - used_) < bytes) flush();
}

void ByteWriter::flush()
{
    write(buffer_.constData(), used_);
    used_ = 0;
}

void ByteWriter::write(const char* data, qsizetype size)
{
    if (size > 0 && device_.write(data, size) != size) {
        throw SpreadsheetError(
            QCoreApplication::translate("Spreadsheet", "The picture could not be written: %1")
                .arg(device_.errorString()));
    }
}

QString ByteReader::string()
{
    const quint32 length = get<quint32>();
    need(std::size_t{length} * 2);
    QString s(static_cast<qsizetype>(length), Qt::Uninitialized);
    qFromLittleEndian<quint16>(bytes_.constData() + at_, static_cast<qsizetype>(length), s.data());
    at_ += static_cast<qsizetype>(length) * 2;
    return s;
}

QByteArray ByteReader::bytes()
{
    const quint32 length = get<quint32>();
    need(length);
    const QByteArray b = bytes_.mid(at_, static_cast<qsizetype>(length));
    at_ += static_cast<qsizetype>(length);
    return b;
}

void ByteReader::need(std::size_t n) const
{
    if (n > static_cast<std::size_t>(bytes_.size() - at_)) throwDamagedPicture("it ends too early");
}

void throwDamagedPicture(const char* why)
{
    throw FileFormatError(
        QCoreApplication::translate("Spreadsheet", "The picture file is damaged: %1.")
            .arg(QLatin1String(why)));
}

} // namespace bw::ss::render
