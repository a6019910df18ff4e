// Little-endian fields of picture files: written through a buffer, read with bounds.
#pragma once

#include <QByteArray>
#include <QString>
#include <QtEndian>

#include <cstddef>
#include <cstring>

class QIODevice;

namespace bw::ss::render {

// Writes little-endian fields to a device through a buffer of fixed size, so that a
// large picture costs no second copy of itself. Throws SpreadsheetError when the
// device refuses a write.
class ByteWriter {
public:
    explicit ByteWriter(QIODevice& device);
    ~ByteWriter();
    ByteWriter(const ByteWriter&) = delete;
    ByteWriter& operator=(const ByteWriter&) = delete;

    template <typename T>
    void put(T value)
    {
        room(sizeof(T));
        qToLittleEndian(value, buffer_.data() + used_);
        used_ += static_cast<qsizetype>(sizeof(T));
    }
    // Room for `bytes` more bytes (at most the buffer's size), to be filled in place.
    char* next(std::size_t bytes)
    {
        room(bytes);
        char* at = buffer_.data() + used_;
        used_ += static_cast<qsizetype>(bytes);
        return at;
    }
    // Its length, then its UTF-16 units.
    void put(const QString& text);
    void putBytes(const QByteArray& bytes);
    // Whatever is buffered goes to the device.
    void flush();

private:
    void room(std::size_t bytes);
    void write(const char* data, qsizetype size);

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype used_ = 0;
};

// Reads what ByteWriter wrote; every read is checked against the end of the data and
// throws FileFormatError past it.
class ByteReader {
public:
    explicit ByteReader(const QByteArray& bytes) : bytes_(bytes) {}

    template <typename T>
    T get()
    {
        need(sizeof(T));
        const T value = qFromLittleEndian<T>(bytes_.constData() + at_);
        at_ += static_cast<qsizetype>(sizeof(T));
        return value;
    }
    QString string();
    QByteArray bytes();
    void need(std::size_t n) const;
    // The next `n` bytes, in place.
    const char* take(std::size_t n)
    {
        need(n);
        const char* at = bytes_.constData() + at_;
        at_ += static_cast<qsizetype>(n);
        return at;
    }

private:
    const QByteArray& bytes_;
    qsizetype at_ = 0;
};

// The error of a picture file that is not what the program wrote.
[[noreturn]] void throwDamagedPicture(const char* why);

} // namespace bw::ss::render
