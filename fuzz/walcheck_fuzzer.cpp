// libFuzzer target of the reader of a log's write-ahead file. Whatever it reads, what it
// says must hold together: the frames applied lie inside the file, and a file is damaged
// exactly when it says changes are lost.
#include "core/walcheck.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const bw::WalCheck check = bw::checkWal(bytes);
    const qint64 pageSize = size >= 12 ? (qint64(data[8]) << 24 | qint64(data[9]) << 16
                                          | qint64(data[10]) << 8 | qint64(data[11]))
                                       : 0;
    const bool inside =
        check.appliedFrames == 0 || 32 + check.appliedFrames * (24 + pageSize) <= qint64(size);
    if (!inside || check.damaged != (check.lostCommits > 0) || check.appliedFrames < 0) {
        std::fputs("the write-ahead file's check does not hold together\n", stderr);
        std::abort();
    }
    return 0;
}
