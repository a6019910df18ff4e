// Tests of the workbook reader's refusal of damaged or foreign files.
#include "sampleworkbook.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/xls/compoundfile.h"
#include "spreadsheet/xls/records.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xls/xlsreader.h"
#include "workbookcompare.h"

#include <QFile>

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace bw::ss;
using namespace bw::ss::xls;

namespace {

QByteArray smallWorkbook()
{
    Workbook book;
    Worksheet& s = book.addSheet(QStringLiteral("S"));
    s.setValue({0, 0}, Value::text(QStringLiteral("text")));
    s.setValue({1, 1}, Value::number(0.1));
    s.setFormula({2, 2}, bw::test::xls::makeFormula(bw::test::xls::columnSum(1, 0, 1)),
                 Value::number(0.1));
    s.merge({{3, 0}, {3, 2}});
    return writeWorkbook(book);
}

// Reading either succeeds or says the file is damaged; nothing else may happen.
void expectReadOrFileFormatError(const QByteArray& bytes, bool stream)
{
    try {
        const auto book = stream ? readBiffStream(bytes) : readWorkbook(bytes);
        EXPECT_GE(book->sheetCount(), 1);
    } catch (const FileFormatError& e) {
        EXPECT_FALSE(QString::fromUtf8(e.what()).isEmpty());
    }
}

QByteArray bofRecord(unsigned version, unsigned type)
{
    ByteWriter w;
    w.u16(version, {"BOF", "vers"});
    w.u16(type, {"BOF", "dt"});
    w.zeros(12);
    RecordStream out;
    out.write(rec::Bof, w);
    return out.take();
}

QByteArray record(unsigned id, const QByteArray& data = {})
{
    RecordStream out;
    out.write(id, data);
    return out.take();
}

QByteArray boundSheet(std::uint32_t offset)
{
    ByteWriter w;
    w.u32(offset);
    w.u8(0);
    w.u8(0);
    w.sxlus(QStringLiteral("S"), {"BoundSheet8", "stName"});
    return record(rec::BoundSheet, w.bytes());
}

QString errorOf(const QByteArray& stream)
{
    try {
        readBiffStream(stream);
    } catch (const FileFormatError& e) {
        return QString::fromUtf8(e.what());
    }
    return QStringLiteral("(read)");
}

} // namespace

TEST(XlsReaderErrors, WhatIsNoWorkbookSaysSo)
{
    const std::vector<std::pair<const char*, QByteArray>> cases = {
        {"empty", QByteArray()},
        {"text", QByteArray("Date,Where,Miles\n1/5/2026,Office,12\n")},
        {"zip (a newer workbook)", QByteArray("PK\x03\x04", 4) + QByteArray(600, 'x')},
        {"signature only", QByteArray::fromHex("D0CF11E0A1B11AE1") + QByteArray(504, '\0')},
    };
    for (const auto& [name, bytes] : cases) {
        try {
            readWorkbook(bytes);
            ADD_FAILURE() << name << " was read";
        } catch (const FileFormatError& e) {
            EXPECT_TRUE(QString::fromUtf8(e.what()).contains(QStringLiteral("workbook")))
                << name << ": " << e.what();
        }
    }
}

TEST(XlsReaderErrors, EveryTruncationIsReadOrRefused)
{
    const QByteArray file = smallWorkbook();
    for (qsizetype n = 0; n < file.size(); n += 61)
        expectReadOrFileFormatError(file.left(n), false);
    const QByteArray stream = readWorkbookStream(file);
    for (qsizetype n = 0; n < stream.size(); ++n) expectReadOrFileFormatError(stream.left(n), true);
}

TEST(XlsReaderErrors, EveryCorruptedByteIsReadOrRefused)
{
    const QByteArray stream = readWorkbookStream(smallWorkbook());
    for (qsizetype i = 0; i < stream.size(); ++i) {
        for (const char value : {'\x00', '\xFF', '\x7F'}) {
            QByteArray bad = stream;
            bad[i] = value;
            expectReadOrFileFormatError(bad, true);
        }
    }
    const QByteArray file = smallWorkbook();
    for (qsizetype i = 0; i < 1536 && i < file.size(); i += 3) {
        QByteArray bad = file;
        bad[i] = static_cast<char>(bad[i] ^ 0x5A);
        expectReadOrFileFormatError(bad, false);
    }
}

TEST(XlsReaderErrors, MalformedWorkbookStreamsAreExplained)
{
    const QByteArray globalsEnd = record(rec::Eof);
    struct Case {
        const char* name;
        QByteArray stream;
        const char* message;
    };
    const QByteArray head = bofRecord(0x0600, 0x0005);
    const QByteArray sheet = bofRecord(0x0600, 0x0010) + record(rec::Eof);
    const qsizetype globalsSize = head.size() + boundSheet(0).size() + globalsEnd.size();
    ByteWriter badIndex;
    badIndex.u16(0);
    badIndex.u16(0);
    badIndex.u16(15);
    badIndex.u32(7);
    const std::vector<Case> cases = {
        {"older format", bofRecord(0x0500, 0x0005), "older"},
        {"no worksheet", head + globalsEnd, "no worksheet"},
        {"sheet beyond the end", head + boundSheet(99999) + globalsEnd, "outside"},
        {"sheet inside the globals", head + boundSheet(0) + globalsEnd, "does not start"},
        {"globals without end", head + boundSheet(static_cast<std::uint32_t>(globalsSize)),
         "ends early"},
        {"missing shared text",
         head + boundSheet(static_cast<std::uint32_t>(globalsSize)) + globalsEnd
             + bofRecord(0x0600, 0x0010) + record(rec::LabelSst, badIndex.bytes())
             + record(rec::Eof),
         "shared text"},
        {"password", head + record(0x002F, QByteArray(6, '\0')), "password"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(errorOf(c.stream).contains(QLatin1String(c.message)))
            << c.name << ": " << errorOf(c.stream).toStdString();
    }
    // The good case next to them: the same bytes with a sound sheet are read.
    EXPECT_EQ(
        errorOf(head + boundSheet(static_cast<std::uint32_t>(globalsSize)) + globalsEnd + sheet),
        QStringLiteral("(read)"));
}

// Our own earlier files must keep reading as the workbooks they were made from, and the
// writer must keep producing the same bytes unless a change means to alter them (then
// `xls_interop_writer write` makes new ones).
TEST(XlsGolden, EarlierFilesReadBackAndTheWriterStillWritesThem)
{
    const QString dir = QStringLiteral(BW_TEST_DATA_DIR "/xls-golden/");
    const std::vector<std::pair<const char*, std::unique_ptr<Workbook>>> cases = [] {
        std::vector<std::pair<const char*, std::unique_ptr<Workbook>>> v;
        v.emplace_back("everything.xls", bw::test::xls::sampleWorkbook());
        v.emplace_back("trips30.xls", bw::test::xls::tripWorkbook(30));
        return v;
    }();
    for (const auto& [name, book] : cases) {
        SCOPED_TRACE(name);
        QFile f(dir + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray golden = f.readAll();
        bw::test::xls::expectSameWorkbook(*book, *readWorkbook(golden));
        EXPECT_TRUE(writeWorkbook(*book) == golden) << "the writer's output changed";
    }
}

// Cells may come in any order and an address twice (the last read wins); an extent that
// claims the whole sheet makes no difference to what is read.
TEST(XlsReaderErrors, CellsOutOfOrderAndAnOverstatedExtentReadAsWritten)
{
    const auto number = [](int row, int col, double value) {
        ByteWriter w;
        w.u16(row, {"Number", "rw"});
        w.u16(col, {"Number", "col"});
        w.u16(15);
        w.f64(value);
        return record(rec::Number, w.bytes());
    };
    ByteWriter extent;
    extent.u32(0);
    extent.u32(kMaxRows);
    extent.u16(0);
    extent.u16(kMaxColumns);
    extent.u16(0);
    const QByteArray head = bofRecord(0x0600, 0x0005);
    const QByteArray globalsEnd = record(rec::Eof);
    const auto sheetAt =
        static_cast<std::uint32_t>(head.size() + boundSheet(0).size() + globalsEnd.size());
    const QByteArray stream = head + boundSheet(sheetAt) + globalsEnd + bofRecord(0x0600, 0x0010)
                              + record(rec::Dimensions, extent.bytes()) + number(2, 1, 3)
                              + number(0, 0, 1) + number(2, 1, 4) + number(1, 5, 2)
                              + number(0, 0, 5) + record(rec::Eof);
    const auto book = readBiffStream(stream);
    std::vector<std::tuple<int, int, double>> cells;
    for (const auto& [r, row] : book->sheet(0).rows()) {
        for (const auto& [c, cell] : row.cells) cells.emplace_back(r, c, cell.value.asNumber());
    }
    const std::vector<std::tuple<int, int, double>> expected{{0, 0, 5}, {1, 5, 2}, {2, 1, 4}};
    EXPECT_EQ(cells, expected);
}
