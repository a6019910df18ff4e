// Tests of BIFF8 records, the compound file, RK numbers and styles.
#include "sampleworkbook.h"
#include "spreadsheet/xls/compoundfile.h"
#include "spreadsheet/xls/records.h"
#include "spreadsheet/xls/rk.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xls/xlsstyle.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

using namespace bw::ss;
using namespace bw::ss::xls;

namespace {

std::vector<Record> recordsOf(const QByteArray& stream, qsizetype offset = 0)
{
    std::vector<Record> out;
    RecordReader reader(stream, offset);
    Record r;
    while (reader.next(r)) {
        out.push_back(r);
        if (r.id == rec::Eof && offset != 0) break;
    }
    return out;
}

} // namespace

TEST(XlsRecords, LongRecordsGoOnInContinueRecordsAndReadBackWhole)
{
    QByteArray data(20000, '\0');
    for (int i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 7);
    RecordStream out;
    out.write(0x1234, data);
    const QByteArray stream = out.take();
    ASSERT_EQ(stream.size(), 20000 + 3 * 4);
    ByteReader in(stream);
    EXPECT_EQ(in.u16(), 0x1234u);
    EXPECT_EQ(in.u16(), 8224u);
    in.skip(8224);
    EXPECT_EQ(in.u16(), rec::Continue);
    EXPECT_EQ(in.u16(), 8224u);
    in.skip(8224);
    EXPECT_EQ(in.u16(), rec::Continue);
    EXPECT_EQ(in.u16(), 20000u - 2 * 8224);

    const auto records = recordsOf(stream);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].data, data);
    EXPECT_EQ(records[0].cuts, (std::vector<qsizetype>{8224, 16448}));
}

TEST(XlsRecords, RecordCutShortByTheEndIsAnError)
{
    RecordStream out;
    out.write(0x0203, QByteArray(14, 'a'));
    const QByteArray stream = out.take().left(10);
    RecordReader reader(stream, 0);
    Record r;
    EXPECT_THROW(reader.next(r), FileFormatError);
}

TEST(XlsRecords, RecordWrittenInPlaceMustFitOneRecord)
{
    RecordStream out;
    out.begin(0x1234).zeros(kMaxRecordData);
    EXPECT_NO_THROW(out.end());
    out.begin(0x1234).zeros(kMaxRecordData + 1);
    EXPECT_THROW(out.end(), FileFormatError);
}

TEST(XlsRk, NumbersUseTheRkFormOnlyWhenItIsExact)
{
    const std::vector<std::pair<double, bool>> cases = {
        {42, true},
        {-7, true},
        {12.34, true},
        {0.1, true},
        {0.5, true},
        {-0.0, true},
        {536870911, true},
        {536870912, true},
        {1e300, false},
        {0.123456789, false},
        {std::numeric_limits<double>::quiet_NaN(), false},
        {std::numeric_limits<double>::infinity(), false},
    };
    for (const auto& [v, expected] : cases) {
        const auto rk = encodeRk(v);
        EXPECT_EQ(rk.has_value(), expected) << v;
        if (rk) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(decodeRk(*rk)), std::bit_cast<std::uint64_t>(v))
                << v;
        }
    }
    EXPECT_EQ(*encodeRk(42), (42u << 2) | 2u);
    EXPECT_EQ(*encodeRk(12.34), (1234u << 2) | 3u);
}

TEST(XlsStyle, ColumnWidthsSnapToPixelsOfArial10)
{
    const std::vector<std::pair<double, unsigned>> cases = {
        {20.14, 5339}, {8.43, 2341}, {15.86, 4242}, {10.29, 2816}, {0.5, 219}, {0, 0},
    };
    for (const auto& [chars, units] : cases) {
        EXPECT_EQ(style::columnWidthUnits(chars), units) << chars;
        EXPECT_EQ(style::columnWidthCharacters(units), chars) << chars;
    }
    // A width between two pixel columns shows as the nearer one.
    EXPECT_EQ(style::columnWidthCharacters(style::columnWidthUnits(12.3)), 12.29);
}

TEST(XlsStyle, ColorIndexesMapToThePaletteAndBack)
{
    EXPECT_EQ(style::fontColor(2), 9u);
    EXPECT_EQ(style::fontColor(kColorAutomatic), 0x7FFFu);
    EXPECT_EQ(style::borderColor(kColorAutomatic), 64u);
    EXPECT_EQ(style::borderColor(15), 22u);
    for (int i = 1; i <= 56; ++i) EXPECT_EQ(style::colorIndexOf(style::fontColor(i)), i);
    EXPECT_EQ(style::colorIndexOf(0), 1) << "the fixed black is palette black";
    EXPECT_EQ(style::colorIndexOf(0x7FFF), kColorAutomatic);
}

// The structure readers without our tolerance rely on.
TEST(XlsLayout, SheetOffsetsSharedStringIndexAndMandatoryRecords)
{
    const auto book = bw::test::xls::sampleWorkbook();
    const QByteArray stream = readWorkbookStream(writeWorkbook(*book));
    const auto globals = recordsOf(stream);
    ASSERT_FALSE(globals.empty());
    EXPECT_EQ(globals.front().id, rec::Bof);

    int xfs = 0;
    std::vector<QString> strings;
    const Record* sst = nullptr;
    const Record* extSst = nullptr;
    std::vector<std::uint32_t> sheetOffsets;
    for (const Record& r : globals) {
        if (r.id == rec::Xf) ++xfs;
        if (r.id == rec::Sst) sst = &r;
        if (r.id == rec::ExtSst) extSst = &r;
        if (r.id == rec::BoundSheet) sheetOffsets.push_back(ByteReader(r.data).u32());
        if (r.id == rec::Eof) break;
    }
    EXPECT_GE(xfs, 16);
    ASSERT_EQ(sheetOffsets.size(), 3u);
    for (const std::uint32_t offset : sheetOffsets) {
        const auto sheet = recordsOf(stream, offset);
        ASSERT_FALSE(sheet.empty());
        ByteReader bof(sheet.front().data);
        EXPECT_EQ(sheet.front().id, rec::Bof);
        bof.u16();
        EXPECT_EQ(bof.u16(), 0x0010u) << "a sheet offset does not point at a worksheet";
        bool window2 = false;
        bool setup = false;
        for (const Record& r : sheet) {
            window2 = window2 || r.id == rec::Window2;
            setup = setup || r.id == rec::Setup;
            if (r.id == rec::MulBlank) {
                EXPECT_GE((r.data.size() - 6) / 2, 2) << "MULBLANK of one cell";
            }
        }
        EXPECT_TRUE(window2);
        EXPECT_TRUE(setup);
        EXPECT_EQ(sheet.back().id, rec::Eof);
    }

    // Every ExtSST bucket points at the header of the string it indexes, both as a stream
    // offset and as an offset inside its SST or CONTINUE record.
    ASSERT_TRUE(sst && extSst);
    ByteReader ext(extSst->data);
    const unsigned dsst = ext.u16();
    ByteReader sstHead(sst->data);
    sstHead.u32();
    const std::uint32_t unique = sstHead.u32();
    EXPECT_EQ((extSst->data.size() - 2) / 8, (unique + dsst - 1) / dsst);
    while (ext.remaining() >= 8) {
        const std::uint32_t ib = ext.u32();
        const unsigned cb = ext.u16();
        ext.u16();
        ASSERT_LT(ib, static_cast<std::uint32_t>(stream.size()));
        const qsizetype recordStart = ib - cb;
        ByteReader header(stream.constData() + recordStart, 4);
        const unsigned id = header.u16();
        EXPECT_TRUE(id == rec::Sst || id == rec::Continue);
        ByteReader str(stream.constData() + ib, 3);
        const unsigned count = str.u16();
        EXPECT_LE(str.u8(), 1u) << "bucket does not start at a string header";
        EXPECT_LE(count, 32767u);
    }
}

TEST(XlsContainer, SmallAndLargeWorkbooksReadBackFromTheirContainer)
{
    for (const int size : {10, 4095, 4096, 5000, 300000}) {
        QByteArray stream(size, '\0');
        for (int i = 0; i < size; ++i) stream[i] = static_cast<char>(i % 251);
        const QByteArray file = writeCompoundFile(stream);
        EXPECT_EQ(file.size() % 512, 0);
        EXPECT_EQ(readWorkbookStream(file), stream) << size;
    }
}
