#include "platform/largeheap.h"

#include <QFile>

#include <gtest/gtest.h>

#include <vector>

namespace {

// The sum of the kB figures on the lines of /proc/self/`file` that start with `key`,
// counting in smaps only the mappings whose VmFlags include `flag`.
qint64 sumKiB(const char* file, const char* key, const char* flag = nullptr)
{
    QFile proc(QStringLiteral("/proc/self/") + QLatin1String(file));
    if (!proc.open(QIODevice::ReadOnly)) return -1;
    qint64 total = 0;
    qint64 last = 0;
    for (const QByteArray& line : proc.readAll().split('\n')) {
        if (line.startsWith(key))
            last = line.mid(qstrlen(key)).trimmed().split(' ')[0].toLongLong();
        const bool flagged =
            flag == nullptr || (line.startsWith("VmFlags:") && line.split(' ').contains(flag));
        if (flagged && (flag != nullptr || line.startsWith(key))) total += last;
    }
    return total;
}

// Where the heap is advised at all: not under a sanitizer's allocator, not without
// transparent huge pages.
class LargeHeapTest : public ::testing::Test {
protected:
    void SetUp() override
    {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
        GTEST_SKIP() << "a sanitizer's allocator is left as it is";
#endif
        if (!QFile::exists(QStringLiteral("/sys/kernel/mm/transparent_hugepage/enabled")))
            GTEST_SKIP() << "this kernel has no transparent huge pages";
    }
};

} // namespace

// Both ways this can silently do nothing were real: the C library not recognised (its
// macro comes with its first header) and the compiler dropping blocks only allocated and
// freed. The heap's reserved room must come out advised, and not be made resident.
TEST_F(LargeHeapTest, ReservesAdvisedRoomWithoutMakingItResident)
{
    const qint64 advised = sumKiB("smaps", "Size:", "hg");
    const qint64 resident = sumKiB("status", "VmRSS:");
    ASSERT_GE(advised, 0);
    ASSERT_GT(resident, 0);
    bw::reserveLargeHeap();
    EXPECT_GE(sumKiB("smaps", "Size:", "hg") - advised, 256 * 1024);
    EXPECT_LT(sumKiB("status", "VmRSS:") - resident, 16 * 1024);
}

// Memory freed after a large piece of work goes back to the system, and the room is
// advised again for the next.
TEST_F(LargeHeapTest, GivesFreedMemoryBackAndReservesAgain)
{
    bw::reserveLargeHeap();
    {
        std::vector<std::vector<char>> blocks;
        for (int k = 0; k < 64; ++k) blocks.emplace_back(std::size_t{1} << 20, 'x');
    }
    const qint64 held = sumKiB("status", "VmRSS:");
    bw::giveBackLargeHeap();
    EXPECT_GT(held - sumKiB("status", "VmRSS:"), 48 * 1024);
    EXPECT_GE(sumKiB("smaps", "Size:", "hg"), 256 * 1024);
}
