// BIFF8 record ids, and the streams that write and read records.
#pragma once

#include "spreadsheet/xls/bytes.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace bw::ss::xls {

// Record ids of the BIFF8 records we write or read.
namespace rec {
inline constexpr unsigned Formula = 0x0006;
inline constexpr unsigned Eof = 0x000A;
inline constexpr unsigned CalcCount = 0x000C;
inline constexpr unsigned CalcMode = 0x000D;
inline constexpr unsigned CalcPrecision = 0x000E;
inline constexpr unsigned CalcRefMode = 0x000F;
inline constexpr unsigned CalcDelta = 0x0010;
inline constexpr unsigned CalcIter = 0x0011;
inline constexpr unsigned Protect = 0x0012;
inline constexpr unsigned Password = 0x0013;
inline constexpr unsigned Header = 0x0014;
inline constexpr unsigned Footer = 0x0015;
inline constexpr unsigned ExternSheet = 0x0017;
inline constexpr unsigned Name = 0x0018;
inline constexpr unsigned WinProtect = 0x0019;
inline constexpr unsigned Selection = 0x001D;
inline constexpr unsigned Date1904 = 0x0022;
inline constexpr unsigned LeftMargin = 0x0026;
inline constexpr unsigned RightMargin = 0x0027;
inline constexpr unsigned TopMargin = 0x0028;
inline constexpr unsigned BottomMargin = 0x0029;
inline constexpr unsigned PrintRowCol = 0x002A;
inline constexpr unsigned PrintGrid = 0x002B;
inline constexpr unsigned FilePass = 0x002F;
inline constexpr unsigned Font = 0x0031;
inline constexpr unsigned Continue = 0x003C;
inline constexpr unsigned Window1 = 0x003D;
inline constexpr unsigned Backup = 0x0040;
inline constexpr unsigned Pane = 0x0041;
inline constexpr unsigned CodePage = 0x0042;
inline constexpr unsigned DefColWidth = 0x0055;
inline constexpr unsigned WriteAccess = 0x005C;
inline constexpr unsigned CalcSaveRecalc = 0x005F;
inline constexpr unsigned ColInfo = 0x007D;
inline constexpr unsigned Guts = 0x0080;
inline constexpr unsigned WsBool = 0x0081;
inline constexpr unsigned GridSet = 0x0082;
inline constexpr unsigned HCenter = 0x0083;
inline constexpr unsigned VCenter = 0x0084;
inline constexpr unsigned BoundSheet = 0x0085;
inline constexpr unsigned Country = 0x008C;
inline constexpr unsigned HideObj = 0x008D;
inline constexpr unsigned Palette = 0x0092;
inline constexpr unsigned StandardWidth = 0x0099;
inline constexpr unsigned BuiltInFnGroupCount = 0x009C;
inline constexpr unsigned Setup = 0x00A1;
inline constexpr unsigned MulRk = 0x00BD;
inline constexpr unsigned MulBlank = 0x00BE;
inline constexpr unsigned Mms = 0x00C1;
inline constexpr unsigned RString = 0x00D6;
inline constexpr unsigned BookBool = 0x00DA;
inline constexpr unsigned Xf = 0x00E0;
inline constexpr unsigned InterfaceHdr = 0x00E1;
inline constexpr unsigned InterfaceEnd = 0x00E2;
inline constexpr unsigned MergeCells = 0x00E5;
inline constexpr unsigned Sst = 0x00FC;
inline constexpr unsigned LabelSst = 0x00FD;
inline constexpr unsigned ExtSst = 0x00FF;
inline constexpr unsigned RRTabId = 0x013D;
inline constexpr unsigned UsesElfs = 0x0160;
inline constexpr unsigned Dsf = 0x0161;
inline constexpr unsigned SupBook = 0x01AE;
inline constexpr unsigned Prot4Rev = 0x01AF;
inline constexpr unsigned RefreshAll = 0x01B7;
inline constexpr unsigned Prot4RevPass = 0x01BC;
inline constexpr unsigned Dimensions = 0x0200;
inline constexpr unsigned Blank = 0x0201;
inline constexpr unsigned Number = 0x0203;
inline constexpr unsigned Label = 0x0204;
inline constexpr unsigned BoolErr = 0x0205;
inline constexpr unsigned String = 0x0207;
inline constexpr unsigned Row = 0x0208;
inline constexpr unsigned Index = 0x020B;
inline constexpr unsigned Array = 0x0221;
inline constexpr unsigned DefaultRowHeight = 0x0225;
inline constexpr unsigned Window2 = 0x023E;
inline constexpr unsigned Rk = 0x027E;
inline constexpr unsigned Style = 0x0293;
inline constexpr unsigned Format = 0x041E;
inline constexpr unsigned ShrFmla = 0x04BC;
inline constexpr unsigned Bof = 0x0809;
} // namespace rec

// The most data one record holds; the rest goes on in CONTINUE records.
inline constexpr int kMaxRecordData = 8224;

// A BIFF stream being written: records go on the end; the CONTINUE splitting of long
// records lives here and nowhere else.
class RecordStream {
public:
    void write(unsigned id, const QByteArray& data);
    void write(unsigned id, const ByteWriter& data) { write(id, data.bytes()); }

    // A record written in place, for the many small records of the cell table: fields go
    // straight into the stream between begin() and end(), which sets the length. The data
    // must stay within one record: end() throws FileFormatError when it does not, rather
    // than leave a record that readers would take apart wrongly.
    ByteWriter& begin(unsigned id)
    {
        out_.u16(id, {"record header", "type"});
        out_.u16(0);
        open_ = out_.size();
        return out_;
    }
    void end()
    {
        const qsizetype length = out_.size() - open_;
        if (length > kMaxRecordData) throw recordTooLong();
        out_.patchU16(open_ - 2, static_cast<unsigned>(length));
    }

    // For records that decide their own cuts (strings must not be cut anywhere): the room
    // left in the record begun last, where the stream is inside it (counting its header),
    // and a CONTINUE record that goes on with it.
    qsizetype room() const { return kMaxRecordData - (out_.size() - open_); }
    qsizetype posInRecord() const { return out_.size() - open_ + 4; }
    ByteWriter& record() { return out_; }
    ByteWriter& goOn()
    {
        end();
        return begin(rec::Continue);
    }

    qsizetype pos() const { return out_.size(); }
    QByteArrayView view() const { return out_.view(); }
    void patchU32(qsizetype at, std::uint32_t v) { out_.patchU32(at, v); }
    QByteArray take() { return out_.take(); }
    void reserve(qsizetype n) { out_.reserve(n); }

private:
    static FileFormatError recordTooLong();
    void header(unsigned id, qsizetype length);
    ByteWriter out_;
    qsizetype open_ = 0;
};

// One record as read, with its CONTINUE records: `data` is everything joined, `pieces`
// keeps the cuts for the records whose format depends on them (the shared string table).
struct Record {
    unsigned id = 0;
    qsizetype offset = 0; // of the record header in the stream
    QByteArray data;
    std::vector<qsizetype> cuts; // offsets in `data` where a CONTINUE began
};

// Walks the records of a stream from an offset. Never reads past the stream's end.
class RecordReader {
public:
    RecordReader(const QByteArray& stream, qsizetype offset);
    // False at the end of the stream; a record cut short by the end is an error.
    bool next(Record& out);
    // The offset of the next record.
    qsizetype pos() const { return pos_; }

private:
    const QByteArray& stream_;
    qsizetype pos_;
};

} // namespace bw::ss::xls
