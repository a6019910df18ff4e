// Reading a write-ahead file frame by frame, as SQLite's recovery reads it.
#include "core/walcheck.h"

#include <QFile>

#include <array>
#include <cstring>

namespace bw {

namespace {

constexpr qsizetype kHeaderSize = 32;
constexpr qsizetype kFrameHeaderSize = 24;
constexpr quint32 kMagic = 0x377f0682; // the low bit tells the checksums' word order
constexpr quint32 kFormat = 3007000;

quint32 bigEndian(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return (quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | quint32(b[3]);
}

quint32 littleEndian(const char* p)
{
    const auto* b = reinterpret_cast<const unsigned char*>(p);
    return (quint32(b[3]) << 24) | (quint32(b[2]) << 16) | (quint32(b[1]) << 8) | quint32(b[0]);
}

// SQLite's running checksum: two sums over the data's 32-bit words taken in pairs.
struct Checksum {
    bool bigEndianWords = false;
    std::array<quint32, 2> s{0, 0};

    void add(const char* data, qsizetype size)
    {
        for (qsizetype i = 0; i + 8 <= size; i += 8) {
            const quint32 x0 = bigEndianWords ? bigEndian(data + i) : littleEndian(data + i);
            const quint32 x1 =
                bigEndianWords ? bigEndian(data + i + 4) : littleEndian(data + i + 4);
            s[0] += x0 + s[1];
            s[1] += x1 + s[0];
        }
    }
    bool matches(const char* stored) const
    {
        return s[0] == bigEndian(stored) && s[1] == bigEndian(stored + 4);
    }
};

bool validPageSize(quint32 size)
{
    return size >= 512 && size <= 65536 && (size & (size - 1)) == 0;
}

} // namespace

WalCheck checkWal(QByteArrayView bytes)
{
    WalCheck result;
    const char* data = bytes.data();
    const qsizetype size = bytes.size();
    if (size < kHeaderSize) return result; // no header, so no frame was ever written after it
    const quint32 magic = bigEndian(data);
    const quint32 pageSize = bigEndian(data + 8);
    Checksum sum{(magic & 1) != 0};
    sum.add(data, kHeaderSize - 8);
    if ((magic & ~1u) != kMagic || bigEndian(data + 4) != kFormat || !validPageSize(pageSize)
        || !sum.matches(data + 24)) {
        // SQLite applies nothing of such a file: whatever frames it holds are lost.
        result.damaged = size > kHeaderSize;
        result.lostCommits = result.damaged ? 1 : 0;
        return result;
    }
    const qsizetype frameSize = kFrameHeaderSize + qsizetype(pageSize);
    const char* salts = data + 16;
    bool valid = true;
    qint64 frame = 0;
    // A frame cut off by the file's end is one whose write a kill interrupted, before its
    // transaction committed: not a change lost.
    for (qsizetype at = kHeaderSize; at + frameSize <= size; at += frameSize, ++frame) {
        const char* header = data + at;
        const bool current = std::memcmp(header + 8, salts, 8) == 0;
        const bool commit = bigEndian(header + 4) != 0;
        if (valid && current && bigEndian(header) != 0) {
            sum.add(header, 8);
            sum.add(header + kFrameHeaderSize, qsizetype(pageSize));
            if (sum.matches(header + 16)) {
                if (commit) result.appliedFrames = frame + 1;
                continue;
            }
        }
        valid = false;
        // Frames of an earlier generation carry other salts: left over, not lost.
        if (!current) continue;
        result.damaged = true;
        if (commit) ++result.lostCommits;
    }
    if (result.damaged && result.lostCommits == 0) result.lostCommits = 1;
    return result;
}

WalCheck checkWalFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0) return {};
    // Mapped where it can be: a write-ahead file left by a long session runs to megabytes.
    if (uchar* mapped = file.map(0, file.size())) {
        const WalCheck result =
            checkWal(QByteArrayView(reinterpret_cast<const char*>(mapped), file.size()));
        file.unmap(mapped);
        return result;
    }
    return checkWal(file.readAll());
}

} // namespace bw
