// Little-endian byte writers and readers for the workbook file's records.
#pragma once

#include "spreadsheet/model/errors.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <bit>
#include <concepts>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>

namespace bw::ss::xls {

// Asks for the memory at `p` ahead of its use, where the compiler can.
inline void prefetch(const void* p)
{
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(p);
#else
    (void)p;
#endif
}

// A field of a record, named as the file format's documentation names both; the error
// for a value that does not fit the field says which one it was.
struct Field {
    const char* record;
    const char* name;
};

// Throws FileFormatError: `value` does not fit `field`, which holds `bits` bits.
[[noreturn]] void throwDoesNotFit(Field field, std::int64_t value, int bits);
[[noreturn]] void throwDoesNotFit(Field field, std::uint64_t value, int bits);

// A field value fixed when compiling, checked then: a constant too wide for its field
// does not compile. Values known only when writing go through the named overloads.
template <int Bits>
struct Fixed {
    consteval Fixed(unsigned v) : value(v)
    {
        if ((v >> Bits) != 0) throw "a constant does not fit its field";
    }
    unsigned value;
};

// Little-endian building blocks of every record. A plain byte buffer underneath, written
// through a pointer: the cell table of a large sheet is hundreds of thousands of small
// appends, each of which only checks the room left.
//
// u8 and u16 never narrow a value: one known only when writing names its field and is
// checked, and one that does not fit throws FileFormatError instead of being cut.
class ByteWriter {
public:
    void u8(Fixed<8> v) { put8(v.value); }
    void u16(Fixed<16> v) { put16(v.value); }
    template <std::integral T>
    void u8(T v, Field field)
    {
        put8(checked<std::uint8_t>(v, field));
    }
    template <std::integral T>
    void u16(T v, Field field)
    {
        put16(checked<std::uint16_t>(v, field));
    }
    void u32(std::uint32_t v)
    {
        char* p = grow(4);
        for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    void f64(double v) { u64(std::bit_cast<std::uint64_t>(v)); }
    void u64(std::uint64_t v)
    {
        char* p = grow(8);
        for (int i = 0; i < 8; ++i) p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    void zeros(int n)
    {
        std::memset(grow(static_cast<std::size_t>(n)), 0, static_cast<std::size_t>(n));
    }
    void raw(const char* data, qsizetype n)
    {
        if (n > 0)
            std::memcpy(grow(static_cast<std::size_t>(n)), data, static_cast<std::size_t>(n));
    }
    void raw(const QByteArray& b) { raw(b.constData(), b.size()); }

    static bool needsUtf16(QStringView s)
    {
        for (const QChar c : s) {
            if (c.unicode() > 0xFF) return true;
        }
        return false;
    }
    // The characters of a string after its count and flags byte: one byte each (the low
    // byte of UTF-16, so Latin-1 only), or UTF-16LE.
    void chars(QStringView s, bool utf16)
    {
        char* p = grow(static_cast<std::size_t>(s.size()) * (utf16 ? 2 : 1));
        for (const QChar c : s) {
            *p++ = static_cast<char>(c.unicode() & 0xFF);
            if (utf16) *p++ = static_cast<char>(c.unicode() >> 8);
        }
    }
    // XLUnicodeString: u16 count, flags, characters. `count` names the count's field.
    void xlus(QStringView s, Field count)
    {
        const bool wide = needsUtf16(s);
        u16(s.size(), count);
        put8(wide ? 1 : 0);
        chars(s, wide);
    }
    // ShortXLUnicodeString: u8 count, flags, characters.
    void sxlus(QStringView s, Field count)
    {
        const bool wide = needsUtf16(s);
        u8(s.size(), count);
        put8(wide ? 1 : 0);
        chars(s, wide);
    }

    void patchU16(qsizetype at, unsigned v)
    {
        bytes_[static_cast<std::size_t>(at)] = static_cast<char>(v & 0xFF);
        bytes_[static_cast<std::size_t>(at) + 1] = static_cast<char>((v >> 8) & 0xFF);
    }
    void patchU32(qsizetype at, std::uint32_t v)
    {
        patchU16(at, v & 0xFFFF);
        patchU16(at + 2, v >> 16);
    }

    qsizetype size() const { return static_cast<qsizetype>(size_); }
    QByteArrayView view() const { return QByteArrayView(bytes_.get(), size()); }
    QByteArray bytes() const { return QByteArray(bytes_.get(), size()); }
    QByteArray take()
    {
        QByteArray out = bytes();
        bytes_.reset();
        capacity_ = 0;
        size_ = 0;
        return out;
    }
    void reserve(qsizetype n)
    {
        if (static_cast<std::size_t>(n) > capacity_) expandTo(static_cast<std::size_t>(n));
    }

private:
    template <typename Narrow, std::integral T>
    static unsigned checked(T v, Field field)
    {
        constexpr int kBits = static_cast<int>(8 * sizeof(Narrow));
        if (!std::in_range<Narrow>(v)) [[unlikely]] {
            if constexpr (std::is_signed_v<T>) {
                throwDoesNotFit(field, static_cast<std::int64_t>(v), kBits);
            } else {
                throwDoesNotFit(field, static_cast<std::uint64_t>(v), kBits);
            }
        }
        return static_cast<unsigned>(v);
    }
    void put8(unsigned v) { *grow(1) = static_cast<char>(v); }
    void put16(unsigned v)
    {
        char* p = grow(2);
        p[0] = static_cast<char>(v & 0xFF);
        p[1] = static_cast<char>(v >> 8);
    }
    char* grow(std::size_t n)
    {
        if (capacity_ - size_ < n) [[unlikely]]
            expandTo(std::max({capacity_ * 2, size_ + n, std::size_t{256}}));
        char* p = bytes_.get() + size_;
        size_ += n;
        return p;
    }
    // Left uninitialised: a buffer reserved for a large sheet is only touched where written.
    Q_NEVER_INLINE void expandTo(std::size_t capacity)
    {
        auto larger = std::make_unique_for_overwrite<char[]>(capacity);
        if (size_ > 0) std::memcpy(larger.get(), bytes_.get(), size_);
        bytes_ = std::move(larger);
        capacity_ = capacity;
    }

    std::unique_ptr<char[]> bytes_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
};

// Reads from a byte range that it never leaves: running past the end throws
// FileFormatError, so a truncated or lying record cannot read out of bounds.
class ByteReader {
public:
    ByteReader(const char* data, qsizetype size) : data_(data), size_(size) {}
    explicit ByteReader(const QByteArray& b) : ByteReader(b.constData(), b.size()) {}

    qsizetype remaining() const { return size_ - pos_; }
    qsizetype pos() const { return pos_; }
    bool atEnd() const { return pos_ >= size_; }

    unsigned u8() { return static_cast<unsigned char>(*take(1)); }
    unsigned u16()
    {
        const auto* p = reinterpret_cast<const unsigned char*>(take(2));
        return static_cast<unsigned>(p[0] | (p[1] << 8));
    }
    std::uint32_t u32()
    {
        const std::uint32_t lo = u16();
        const std::uint32_t hi = u16();
        return lo | (hi << 16);
    }
    std::uint64_t u64()
    {
        const std::uint64_t lo = u32();
        const std::uint64_t hi = u32();
        return lo | (hi << 32);
    }
    double f64() { return std::bit_cast<double>(u64()); }
    void skip(qsizetype n) { take(n); }
    const char* take(qsizetype n)
    {
        if (n < 0 || n > remaining()) {
            throw FileFormatError(QCoreApplication::translate(
                "Spreadsheet", "The file is damaged: a record ends before its data."));
        }
        const char* p = data_ + pos_;
        pos_ += n;
        return p;
    }
    QString chars(qsizetype count, bool utf16)
    {
        QString s;
        if (utf16) {
            const char* p = take(count * 2);
            s.resize(count);
            for (qsizetype i = 0; i < count; ++i) {
                const auto lo = static_cast<unsigned char>(p[2 * i]);
                const auto hi = static_cast<unsigned char>(p[2 * i + 1]);
                s[i] = QChar(static_cast<char16_t>(lo | (hi << 8)));
            }
        } else {
            const char* p = take(count);
            s = QString::fromLatin1(p, count);
        }
        return s;
    }
    // XLUnicodeString / ShortXLUnicodeString, skipping rich-text runs and phonetic data.
    QString xlus() { return stringBody(u16()); }
    QString sxlus() { return stringBody(u8()); }

private:
    QString stringBody(unsigned count)
    {
        const unsigned flags = u8();
        unsigned runs = 0;
        std::uint32_t ext = 0;
        if (flags & 0x08) runs = u16();
        if (flags & 0x04) ext = u32();
        QString s = chars(count, flags & 0x01);
        skip(qsizetype(runs) * 4);
        skip(static_cast<qsizetype>(ext));
        return s;
    }

    const char* data_;
    qsizetype size_;
    qsizetype pos_ = 0;
};

} // namespace bw::ss::xls
