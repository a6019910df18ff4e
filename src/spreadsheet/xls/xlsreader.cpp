// The workbook reader: BIFF8 records into the model, refusing damaged files.
#include "spreadsheet/xls/xlsreader.h"

#include "spreadsheet/formula/bifftokens.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/compoundfile.h"
#include "spreadsheet/xls/records.h"
#include "spreadsheet/xls/rk.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xls/xlsstyle.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <numeric>

namespace bw::ss::xls {

namespace {

constexpr unsigned kDefaultCellXf = 15;
// The model merges a region in time linear in the regions already there; a file with
// more than this many is refused the rest rather than taking minutes to open.
constexpr std::size_t kMaxMergedRegions = 10000;

FileFormatError notAWorkbook()
{
    return FileFormatError(
        QCoreApplication::translate("Spreadsheet", "The file is not an Excel 97-2003 workbook."));
}

FileFormatError damaged(const QString& what)
{
    return FileFormatError(
        QCoreApplication::translate("Spreadsheet", "The workbook file is damaged: %1.").arg(what));
}

struct RawXf {
    unsigned font = 0;
    unsigned format = 0;
    unsigned protection = 0x0001;
    unsigned align = 0x20;
    std::uint32_t borders = 0;
    std::uint32_t borders2 = 0;
    unsigned fill = 0;
};

struct SheetEntry {
    std::uint32_t offset = 0;
    unsigned type = 0;
    QString name;
};

ErrorValue errorOf(unsigned code)
{
    switch (code) {
    case 0x00:
        return ErrorValue::Null;
    case 0x07:
        return ErrorValue::Div0;
    case 0x17:
        return ErrorValue::Ref;
    case 0x1D:
        return ErrorValue::Name;
    case 0x24:
        return ErrorValue::Num;
    case 0x2A:
        return ErrorValue::NA;
    default:
        return ErrorValue::Value;
    }
}

Value numberValue(double v)
{
    return std::isfinite(v) ? Value::number(v) : Value::error(ErrorValue::Num);
}

// Strings of a record whose data may be cut by CONTINUE records (the shared string
// table, a formula's text result): a cut inside a string's characters is followed by a
// fresh flags byte, since the characters after it may be stored one- or two-byte.
class ContinuedStrings {
public:
    explicit ContinuedStrings(const Record& r) : r_(r), in_(r.data) {}

    ByteReader& reader() { return in_; }
    bool atEnd() const { return in_.atEnd(); }

    QString next()
    {
        skipPassedCuts();
        const unsigned count = in_.u16();
        unsigned flags = in_.u8();
        const unsigned runs = (flags & 0x08) ? in_.u16() : 0;
        const std::uint32_t ext = (flags & 0x04) ? in_.u32() : 0;
        QString s;
        unsigned left = count;
        skipPassedCuts();
        while (left > 0) {
            const qsizetype limit = nextCut_ < r_.cuts.size() ? r_.cuts[nextCut_] : r_.data.size();
            const bool wide = flags & 0x01;
            const auto n = static_cast<unsigned>(
                std::min<qsizetype>(left, (limit - in_.pos()) / (wide ? 2 : 1)));
            if (n == 0) {
                if (nextCut_ >= r_.cuts.size() || in_.pos() != r_.cuts[nextCut_]) {
                    throw damaged(
                        QCoreApplication::translate("Spreadsheet", "a text is cut short"));
                }
                ++nextCut_;
                flags = in_.u8();
                continue;
            }
            s += in_.chars(n, wide);
            left -= n;
        }
        in_.skip(qsizetype(runs) * 4);
        in_.skip(static_cast<qsizetype>(ext));
        return s;
    }

private:
    void skipPassedCuts()
    {
        while (nextCut_ < r_.cuts.size() && r_.cuts[nextCut_] <= in_.pos()) ++nextCut_;
    }

    const Record& r_;
    ByteReader in_;
    std::size_t nextCut_ = 0;
};

std::vector<QString> readSharedStrings(const Record& r)
{
    ContinuedStrings strings(r);
    strings.reader().skip(4);
    const std::uint32_t unique = strings.reader().u32();
    std::vector<QString> out;
    while (out.size() < unique && !strings.atEnd()) out.push_back(strings.next());
    return out;
}

class WorkbookReader {
public:
    explicit WorkbookReader(const QByteArray& stream) : stream_(stream) {}

    std::unique_ptr<Workbook> read()
    {
        book_ = std::make_unique<Workbook>();
        readGlobals();
        readSheets();
        return std::move(book_);
    }

private:
    // ---- globals -----------------------------------------------------------------------

    void readGlobals()
    {
        RecordReader records(stream_, 0);
        Record r;
        if (!records.next(r) || r.id != rec::Bof) throw notAWorkbook();
        checkBof(r, 0x0005);
        while (records.next(r)) {
            ByteReader in(r.data);
            switch (r.id) {
            case rec::Eof:
                return;
            case rec::FilePass:
                throw FileFormatError(QCoreApplication::translate(
                    "Spreadsheet",
                    "The workbook is protected with a password and cannot be opened."));
            case rec::Font:
                readFont(in);
                break;
            case rec::Format:
                readFormat(in);
                break;
            case rec::Xf:
                readXf(in);
                break;
            case rec::BoundSheet:
                readBoundSheet(in);
                break;
            case rec::Window1:
                readWindow1(in);
                break;
            case rec::Sst:
                strings_ = readSharedStrings(r);
                break;
            case rec::Name:
                readName(in);
                break;
            default:
                break;
            }
        }
        throw damaged(QCoreApplication::translate("Spreadsheet", "the workbook data ends early"));
    }

    static void checkBof(const Record& r, unsigned type)
    {
        ByteReader in(r.data);
        const unsigned version = in.u16();
        const unsigned dt = in.u16();
        if (version != 0x0600) {
            throw FileFormatError(QCoreApplication::translate(
                "Spreadsheet", "The workbook was saved in a format older than "
                               "Excel 97-2003, which cannot be read."));
        }
        if (dt != type) throw notAWorkbook();
    }

    void readFont(ByteReader& in)
    {
        FontSpec f;
        f.size = in.u16() / 20.0;
        f.italic = in.u16() & 0x0002;
        f.colorIndex = style::colorIndexOf(in.u16());
        f.bold = in.u16() >= 600;
        in.skip(6);
        f.name = in.sxlus();
        fonts_.push_back(f);
    }

    void readFormat(ByteReader& in)
    {
        const unsigned index = in.u16();
        formats_[index] = in.xlus();
    }

    void readBoundSheet(ByteReader& in)
    {
        SheetEntry e;
        e.offset = in.u32();
        in.u8();
        e.type = in.u8();
        e.name = in.sxlus();
        sheets_.push_back(e);
    }

    void readWindow1(ByteReader& in)
    {
        in.skip(10);
        activeTab_ = static_cast<int>(in.u16());
    }

    void readXf(ByteReader& in)
    {
        RawXf x;
        x.font = in.u16();
        x.format = in.u16();
        x.protection = in.u16();
        x.align = in.u8();
        in.skip(3);
        x.borders = in.u32();
        x.borders2 = in.u32();
        x.fill = in.u16();
        xfs_.push_back(x);
    }

    // The built-in name Print_Area of a sheet: its area becomes the sheet's print area.
    void readName(ByteReader& in)
    {
        const unsigned flags = in.u16();
        in.u8();
        const unsigned nameLength = in.u8();
        const unsigned cce = in.u16();
        in.u16();
        const unsigned itab = in.u16();
        in.skip(4);
        if (!(flags & 0x0020) || nameLength != 1) return;
        const bool wide = in.u8() & 0x01;
        const unsigned builtIn = wide ? in.u16() : in.u8();
        if (builtIn != 0x06 || itab == 0 || cce < 11) return;
        const unsigned token = in.u8();
        if ((token & 0x1F) != 0x1B) return; // an area on a sheet
        in.u16();
        CellRange range;
        range.first.row = static_cast<int>(in.u16());
        range.last.row = static_cast<int>(in.u16());
        range.first.col = static_cast<int>(in.u16() & 0xFF);
        range.last.col = static_cast<int>(in.u16() & 0xFF);
        printAreas_[static_cast<int>(itab) - 1] = range;
    }

    FormatId formatOfXf(unsigned index)
    {
        const auto cached = xfFormats_.constFind(index);
        if (cached != xfFormats_.constEnd()) return cached.value();
        if (index >= xfs_.size()) {
            xfFormats_.insert(index, kDefaultFormat);
            return kDefaultFormat;
        }
        const RawXf& x = xfs_[index];
        CellFormat f;
        const unsigned fontIndex = x.font >= 4 ? x.font - 1 : x.font;
        if (fontIndex < fonts_.size()) f.font = fonts_[fontIndex];
        const auto custom = formats_.find(x.format);
        f.numberFormat =
            custom != formats_.end() ? custom->second : style::builtInFormatCode(x.format);
        f.locked = x.protection & 0x0001;
        f.formulaHidden = x.protection & 0x0002;
        f.hAlign = static_cast<HAlign>(x.align & 0x07);
        f.wrap = x.align & 0x08;
        const unsigned v = (x.align >> 4) & 0x07;
        f.vAlign = v <= 4 ? static_cast<VAlign>(v) : VAlign::Bottom;
        const std::array<unsigned, 4> lines{x.borders & 0x0F, (x.borders >> 8) & 0x0F,
                                            (x.borders >> 12) & 0x0F, (x.borders >> 4) & 0x0F};
        const std::array<unsigned, 4> colors{(x.borders >> 16) & 0x7F, x.borders2 & 0x7F,
                                             (x.borders2 >> 7) & 0x7F, (x.borders >> 23) & 0x7F};
        for (std::size_t e = 0; e < 4; ++e) {
            if (lines[e] == 0) continue;
            f.borders[e] = {style::lineStyleOf(lines[e]), style::colorIndexOf(colors[e])};
        }
        const unsigned pattern = x.borders2 >> 26;
        const int fore = style::colorIndexOf(x.fill & 0x7F);
        if (pattern != 0 && fore != kColorAutomatic) f.fillColorIndex = fore;
        const FormatId id = book_->formats().intern(f);
        xfFormats_.insert(index, id);
        return id;
    }

    // ---- sheets ------------------------------------------------------------------------

    void readSheets()
    {
        std::vector<std::size_t> order;
        std::vector<int> modelIndex(sheets_.size(), -1);
        for (std::size_t i = 0; i < sheets_.size(); ++i) {
            if (sheets_[i].type == 0) order.push_back(i);
        }
        if (order.empty())
            throw FileFormatError(
                QCoreApplication::translate("Spreadsheet", "The workbook holds no worksheet."));
        // Substreams may not overlap: each is read once, so opening stays linear in size.
        std::vector<std::size_t> byOffset = order;
        std::sort(byOffset.begin(), byOffset.end(), [&](std::size_t a, std::size_t b) {
            return sheets_[a].offset < sheets_[b].offset;
        });
        qsizetype readUpTo = 0;
        std::map<std::size_t, std::unique_ptr<SheetData>> parsed;
        for (const std::size_t i : byOffset) {
            if (qsizetype(sheets_[i].offset) < readUpTo)
                throw damaged(
                    QCoreApplication::translate("Spreadsheet", "two sheets share their data"));
            auto data = std::make_unique<SheetData>();
            readUpTo = parseSheet(sheets_[i].offset, *data);
            parsed[i] = std::move(data);
        }
        for (const std::size_t i : order) {
            std::vector<QString> names;
            for (int s = 0; s < book_->sheetCount(); ++s) names.push_back(book_->sheet(s).name());
            QString name = sheets_[i].name;
            if (!sheetNameProblem(name, names).isEmpty()) name = book_->nextSheetName();
            Worksheet& sheet = book_->addSheet(name);
            modelIndex[i] = book_->sheetCount() - 1;
            build(sheet, *parsed[i], static_cast<int>(i));
        }
        if (activeTab_ >= 0 && static_cast<std::size_t>(activeTab_) < modelIndex.size()
            && modelIndex[static_cast<std::size_t>(activeTab_)] >= 0) {
            book_->setActiveSheetIndex(modelIndex[static_cast<std::size_t>(activeTab_)]);
        }
    }

    struct PendingShared {
        CellAddress cell;
        CellAddress master;
    };
    struct SharedFormula {
        CellRange range;
        QByteArray tokens;
    };
    struct ColumnRecord {
        unsigned width = 0;
        unsigned xf = kDefaultCellXf;
        unsigned flags = 0;
    };
    // A cell as read, before it goes into the model.
    struct ReadCell {
        int row = 0;
        int col = 0;
        Value value;
        unsigned xf = 0;
    };
    struct SheetData {
        // In the order read: cells come row by row, so the model is built without a search;
        // a cell read twice keeps what was read last.
        std::vector<ReadCell> cells;
        std::map<std::pair<int, int>, std::shared_ptr<const formula::Formula>> formulas;
        std::vector<PendingShared> pendingShared;
        std::vector<SharedFormula> shared;
        std::map<int, std::pair<std::optional<double>, std::optional<unsigned>>> rows;
        std::array<std::optional<ColumnRecord>, kMaxColumns> columns;
        std::optional<unsigned> standardWidth;
        std::vector<CellRange> merges;
        bool gridlines = true;
        unsigned activePane = 3;
        std::map<unsigned, std::pair<std::vector<CellRange>, CellAddress>> selections;
        PageSetup page;
        bool staleResults = false;
        bool fitToPage = false;
        std::optional<int> scale;
        // The formula cell whose text result the next STRING record holds.
        std::optional<CellAddress> stringTarget;
    };

    void putCell(SheetData& d, unsigned row, unsigned col, Value v, unsigned xf)
    {
        if (col >= kMaxColumns) return;
        d.cells.push_back({static_cast<int>(row), static_cast<int>(col), std::move(v), xf});
    }

    qsizetype parseSheet(std::uint32_t offset, SheetData& d)
    {
        if (qsizetype(offset) >= stream_.size())
            throw damaged(
                QCoreApplication::translate("Spreadsheet", "a sheet lies outside the file"));
        RecordReader records(stream_, offset);
        Record r;
        if (!records.next(r) || r.id != rec::Bof
            || ByteReader(r.data.left(4)).u32() >> 16 != 0x0010) {
            throw damaged(QCoreApplication::translate(
                "Spreadsheet", "a sheet does not start where the workbook says"));
        }
        checkBof(r, 0x0010);
        int depth = 1;
        while (records.next(r)) {
            if (r.id == rec::Bof) {
                ++depth; // an embedded chart: skipped whole
                continue;
            }
            if (r.id == rec::Eof) {
                if (--depth == 0) return records.pos();
                continue;
            }
            if (depth > 1) continue;
            // A formula's text result is in the STRING record right after it (a shared or
            // array formula's own record may come between).
            if (r.id != rec::String && r.id != rec::ShrFmla && r.id != rec::Array)
                d.stringTarget.reset();
            if (const SheetRecordReader reader = sheetRecordReader(r.id)) {
                ByteReader in(r.data);
                (this->*reader)(r, in, d);
            }
        }
        throw damaged(QCoreApplication::translate("Spreadsheet", "a sheet ends early"));
    }

    // ---- one reader per sheet record -----------------------------------------------------

    using SheetRecordReader = void (WorkbookReader::*)(const Record&, ByteReader&, SheetData&);

    static SheetRecordReader sheetRecordReader(unsigned id)
    {
        static constexpr std::pair<unsigned, SheetRecordReader> kReaders[] = {
            {rec::Number, &WorkbookReader::readNumber},
            {rec::Rk, &WorkbookReader::readRk},
            {rec::MulRk, &WorkbookReader::readMulRk},
            {rec::Blank, &WorkbookReader::readBlank},
            {rec::MulBlank, &WorkbookReader::readMulBlank},
            {rec::LabelSst, &WorkbookReader::readLabelSst},
            {rec::Label, &WorkbookReader::readLabel},
            {rec::RString, &WorkbookReader::readLabel},
            {rec::BoolErr, &WorkbookReader::readBoolErr},
            {rec::Formula, &WorkbookReader::readFormula},
            {rec::String, &WorkbookReader::readString},
            {rec::ShrFmla, &WorkbookReader::readShrFmla},
            {rec::Row, &WorkbookReader::readRow},
            {rec::Dimensions, &WorkbookReader::readDimensions},
            {rec::ColInfo, &WorkbookReader::readColInfo},
            {rec::StandardWidth, &WorkbookReader::readStandardWidth},
            {rec::MergeCells, &WorkbookReader::readMergeCells},
            {rec::Window2, &WorkbookReader::readWindow2},
            {rec::Pane, &WorkbookReader::readPane},
            {rec::Selection, &WorkbookReader::readSelection},
            {rec::WsBool, &WorkbookReader::readWsBool},
            {rec::LeftMargin, &WorkbookReader::readMargin},
            {rec::RightMargin, &WorkbookReader::readMargin},
            {rec::TopMargin, &WorkbookReader::readMargin},
            {rec::BottomMargin, &WorkbookReader::readMargin},
            {rec::Setup, &WorkbookReader::readSetup},
        };
        for (const auto& [recordId, reader] : kReaders) {
            if (recordId == id) return reader;
        }
        return nullptr;
    }

    // The row, column and format that every cell record starts with.
    struct CellAt {
        unsigned row;
        unsigned col;
        unsigned xf;
    };
    static CellAt cellAt(ByteReader& in)
    {
        const unsigned row = in.u16(), col = in.u16(), xf = in.u16();
        return {row, col, xf};
    }

    // A range as records store it: first and last row, then first and last column, the
    // columns in two bytes or in one.
    static CellRange rangeOf(ByteReader& in, bool twoByteColumns)
    {
        CellRange r;
        r.first.row = static_cast<int>(in.u16());
        r.last.row = static_cast<int>(in.u16());
        r.first.col = static_cast<int>(twoByteColumns ? in.u16() : in.u8());
        r.last.col = static_cast<int>(twoByteColumns ? in.u16() : in.u8());
        return r;
    }

    void readNumber(const Record&, ByteReader& in, SheetData& d)
    {
        const CellAt at = cellAt(in);
        putCell(d, at.row, at.col, numberValue(in.f64()), at.xf);
    }

    void readRk(const Record&, ByteReader& in, SheetData& d)
    {
        const CellAt at = cellAt(in);
        putCell(d, at.row, at.col, numberValue(decodeRk(in.u32())), at.xf);
    }

    void readMulRk(const Record&, ByteReader& in, SheetData& d)
    {
        const unsigned row = in.u16();
        unsigned col = in.u16();
        while (in.remaining() >= 8) {
            const unsigned xf = in.u16();
            putCell(d, row, col++, numberValue(decodeRk(in.u32())), xf);
        }
    }

    void readBlank(const Record&, ByteReader& in, SheetData& d)
    {
        const CellAt at = cellAt(in);
        putCell(d, at.row, at.col, Value(), at.xf);
    }

    void readMulBlank(const Record&, ByteReader& in, SheetData& d)
    {
        const unsigned row = in.u16();
        unsigned col = in.u16();
        while (in.remaining() >= 4) putCell(d, row, col++, Value(), in.u16());
    }

    void readLabelSst(const Record&, ByteReader& in, SheetData& d)
    {
        const CellAt at = cellAt(in);
        const std::uint32_t index = in.u32();
        if (index >= strings_.size())
            throw damaged(QCoreApplication::translate("Spreadsheet",
                                                      "a cell refers to a missing shared text"));
        putCell(d, at.row, at.col, Value::text(strings_[index]), at.xf);
    }

    // LABEL and RSTRING: the text of both; RSTRING's formatting runs are not kept.
    void readLabel(const Record&, ByteReader& in, SheetData& d)
    {
        const CellAt at = cellAt(in);
        putCell(d, at.row, at.col, Value::text(in.xlus()), at.xf);
    }

    void readBoolErr(const Record&, ByteReader& in, SheetData& d)
    {
        const CellAt at = cellAt(in);
        const unsigned v = in.u8();
        const bool isError = in.u8();
        putCell(d, at.row, at.col, isError ? Value::error(errorOf(v)) : Value::boolean(v != 0),
                at.xf);
    }

    void readFormula(const Record&, ByteReader& in, SheetData& d)
    {
        const CellAt at = cellAt(in);
        const char* result = in.take(8);
        const unsigned flags = in.u16();
        in.skip(4);
        if (flags & 0x0001) d.staleResults = true; // asks to be calculated whenever opened
        const unsigned cce = in.u16();
        const QByteArrayView tokens(in.take(cce), cce);
        if (at.col >= kMaxColumns) return;
        const CellAddress host{static_cast<int>(at.row), static_cast<int>(at.col)};
        putCell(d, at.row, at.col, cachedResult(result, host, d), at.xf);
        if (cce >= 5 && static_cast<unsigned char>(tokens[0]) == 0x01) {
            ByteReader exp(tokens.data() + 1, 4);
            const int masterRow = static_cast<int>(exp.u16());
            const int masterCol = static_cast<int>(exp.u16() & 0xFF);
            d.pendingShared.push_back({host, {masterRow, masterCol}});
            return;
        }
        if (auto f = formula::decompileBiff(tokens, host)) {
            d.formulas[{host.row, host.col}] =
                std::make_shared<const formula::Formula>(std::move(*f));
        }
    }

    // The 8 bytes of a formula's last result: a number, or a typed value marked by 0xFFFF
    // in the last two bytes. A text result follows in a STRING record of its own.
    static Value cachedResult(const char* result, CellAddress host, SheetData& d)
    {
        ByteReader res(result, 8);
        if (static_cast<unsigned char>(result[6]) != 0xFF
            || static_cast<unsigned char>(result[7]) != 0xFF) {
            return numberValue(res.f64());
        }
        const unsigned type = res.u8();
        res.u8();
        const unsigned payload = res.u8();
        switch (type) {
        case 0:
            d.stringTarget = host;
            return Value::text(QString());
        case 1:
            return Value::boolean(payload != 0);
        case 2:
            return Value::error(errorOf(payload));
        case 3:
            return Value::text(QString());
        default:
            d.staleResults = true;
            return Value::text(QString());
        }
    }

    void readString(const Record& r, ByteReader&, SheetData& d)
    {
        if (!d.stringTarget) return;
        // The formula cell was read last or nearly so.
        const auto cell = std::find_if(d.cells.rbegin(), d.cells.rend(), [&](const ReadCell& c) {
            return c.row == d.stringTarget->row && c.col == d.stringTarget->col;
        });
        if (cell != d.cells.rend()) cell->value = Value::text(ContinuedStrings(r).next());
        d.stringTarget.reset();
    }

    void readShrFmla(const Record&, ByteReader& in, SheetData& d)
    {
        SharedFormula s;
        s.range = rangeOf(in, false);
        in.skip(2);
        const unsigned cce = in.u16();
        s.tokens = QByteArray(in.take(cce), cce);
        d.shared.push_back(std::move(s));
    }

    void readRow(const Record&, ByteReader& in, SheetData& d)
    {
        const int row = static_cast<int>(in.u16());
        in.skip(4);
        const unsigned height = in.u16() & 0x7FFF;
        in.skip(4);
        const std::uint32_t flags = in.u32();
        auto& info = d.rows[row];
        if (flags & 0x0020)
            info.first = 0.0;
        else if (flags & 0x0040)
            info.first = height / 20.0;
        if (flags & 0x0080) info.second = (flags >> 16) & 0x0FFF;
    }

    // The sheet's extent, read ahead of its cells: room for them at once. A cell takes
    // at least two bytes of the file (in a MULBLANK), so no extent claims more than that.
    void readDimensions(const Record&, ByteReader& in, SheetData& d)
    {
        if (in.remaining() < 12) return;
        const std::uint32_t firstRow = in.u32();
        const std::uint32_t rowEnd = in.u32();
        const unsigned firstCol = in.u16();
        const unsigned colEnd = in.u16();
        if (rowEnd <= firstRow || colEnd <= firstCol) return;
        const std::uint64_t extent = std::uint64_t(rowEnd - firstRow) * (colEnd - firstCol);
        const auto most = static_cast<std::uint64_t>(stream_.size()) / 2;
        d.cells.reserve(static_cast<std::size_t>(std::min(extent, most)));
    }

    void readColInfo(const Record&, ByteReader& in, SheetData& d)
    {
        const unsigned first = in.u16();
        const unsigned last = std::min(in.u16(), unsigned(kMaxColumns - 1));
        ColumnRecord c;
        c.width = in.u16();
        c.xf = in.u16();
        c.flags = in.u16();
        for (unsigned col = first; col <= last; ++col) d.columns[col] = c;
    }

    void readStandardWidth(const Record&, ByteReader& in, SheetData& d)
    {
        d.standardWidth = in.u16();
    }

    void readMergeCells(const Record&, ByteReader& in, SheetData& d)
    {
        const unsigned count = in.u16();
        for (unsigned i = 0; i < count && in.remaining() >= 8; ++i) {
            const CellRange m = rangeOf(in, true);
            if (m.first.row <= m.last.row && m.first.col <= m.last.col
                && m.last.col < kMaxColumns) {
                d.merges.push_back(m);
            }
        }
    }

    void readWindow2(const Record&, ByteReader& in, SheetData& d)
    {
        d.gridlines = in.u16() & 0x0002;
    }

    void readPane(const Record&, ByteReader& in, SheetData& d)
    {
        in.skip(8);
        d.activePane = in.u8();
    }

    void readSelection(const Record&, ByteReader& in, SheetData& d)
    {
        const unsigned pane = in.u8();
        CellAddress active{static_cast<int>(in.u16()), static_cast<int>(in.u16())};
        in.u16();
        const unsigned count = in.u16();
        std::vector<CellRange> ranges;
        for (unsigned i = 0; i < count && in.remaining() >= 6; ++i) {
            CellRange range = rangeOf(in, false);
            if (range.first.row > range.last.row) std::swap(range.first.row, range.last.row);
            if (range.first.col > range.last.col) std::swap(range.first.col, range.last.col);
            ranges.push_back(range);
        }
        if (active.col >= kMaxColumns) active.col = kMaxColumns - 1;
        d.selections[pane] = {std::move(ranges), active};
    }

    void readWsBool(const Record&, ByteReader& in, SheetData& d)
    {
        d.fitToPage = in.u16() & 0x0100;
    }

    // LEFTMARGIN, RIGHTMARGIN, TOPMARGIN and BOTTOMMARGIN: inches, kept in points.
    void readMargin(const Record& r, ByteReader& in, SheetData& d)
    {
        double PageSetup::*const margin = r.id == rec::LeftMargin    ? &PageSetup::leftMargin
                                          : r.id == rec::RightMargin ? &PageSetup::rightMargin
                                          : r.id == rec::TopMargin   ? &PageSetup::topMargin
                                                                     : &PageSetup::bottomMargin;
        d.page.*margin = in.f64() * 72.0;
    }

    void readSetup(const Record&, ByteReader& in, SheetData& d)
    {
        const unsigned paper = in.u16();
        const unsigned scale = in.u16();
        in.u16();
        const unsigned fitWide = in.u16();
        const unsigned fitTall = in.u16();
        const unsigned flags = in.u16();
        in.skip(4);
        d.page.headerMargin = in.f64() * 72.0;
        d.page.footerMargin = in.f64() * 72.0;
        d.page.fitToPagesWide = static_cast<int>(fitWide);
        d.page.fitToPagesTall = static_cast<int>(fitTall);
        if (flags & 0x0020) {
            d.page.printComments =
                (flags & 0x0200) ? PageSetup::kPrintSheetEnd : PageSetup::kPrintInPlace;
        }
        if (!(flags & 0x0004)) { // paper, scale and orientation are valid
            d.page.paperSize = static_cast<int>(paper);
            d.scale = static_cast<int>(scale);
            if (!(flags & 0x0040)) {
                d.page.orientation =
                    (flags & 0x0002) ? PageSetup::kPortrait : PageSetup::kLandscape;
            }
        }
    }

    // ---- into the model ----------------------------------------------------------------

    void build(Worksheet& sheet, SheetData& d, int sheetIndex)
    {
        buildColumns(sheet, d);
        for (const auto& [row, info] : d.rows) {
            if (info.first) sheet.setRowHeight(row, *info.first);
            if (info.second) sheet.setRowFormat(row, formatOfXf(*info.second));
        }
        resolveShared(d);
        buildCells(sheet, d);
        const std::size_t mergeCount = std::min(d.merges.size(), kMaxMergedRegions);
        for (std::size_t i = 0; i < mergeCount; ++i) sheet.merge(d.merges[i]);
        sheet.setShowGridlines(d.gridlines);
        auto sel = d.selections.find(d.activePane);
        if (sel == d.selections.end() && !d.selections.empty()) sel = std::prev(d.selections.end());
        if (sel != d.selections.end()) sheet.select(sel->second.first, sel->second.second);
        PageSetup page = d.page;
        page.zoom = d.fitToPage ? std::nullopt : std::optional<int>(d.scale.value_or(100));
        const auto area = printAreas_.find(sheetIndex);
        if (area != printAreas_.end()) {
            page.printArea = QStringLiteral("$%1$%2:$%3$%4")
                                 .arg(columnName(area->second.first.col))
                                 .arg(area->second.first.row + 1)
                                 .arg(columnName(area->second.last.col))
                                 .arg(area->second.last.row + 1);
        }
        sheet.pageSetup() = page;
        sheet.setNeedsRecalc(d.staleResults);
    }

    // The cells in the order `before` gives, those at one address in the order read. The
    // order is found for their indexes, and the cells are moved once into it.
    template <typename Before>
    static void sortCells(std::vector<ReadCell>& cells, Before before)
    {
        std::vector<std::size_t> order(cells.size());
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [&](std::size_t a, std::size_t b) { return before(cells[a], cells[b]); });
        std::vector<ReadCell> sorted;
        sorted.reserve(cells.size());
        for (const std::size_t i : order) sorted.push_back(std::move(cells[i]));
        cells = std::move(sorted);
    }

    // Cells in row and column order, each once (the last read wins), into their rows.
    void buildCells(Worksheet& sheet, SheetData& d)
    {
        const auto before = [](const ReadCell& a, const ReadCell& b) {
            return a.row != b.row ? a.row < b.row : a.col < b.col;
        };
        if (!std::is_sorted(d.cells.begin(), d.cells.end(), before)) sortCells(d.cells, before);
        auto& rows = sheet.rows();
        RowInfo* rowAt = nullptr;
        int rowIndex = -1;
        for (std::size_t i = 0; i < d.cells.size(); ++i) {
            ReadCell& read = d.cells[i];
            if (i + 1 < d.cells.size() && d.cells[i + 1].row == read.row
                && d.cells[i + 1].col == read.col)
                continue;
            if (rowAt == nullptr || rowIndex != read.row) {
                rowIndex = read.row;
                rowAt = &rows[rowIndex];
                // The row's cells in one block: those read for it follow each other.
                std::size_t last = i;
                while (last < d.cells.size() && d.cells[last].row == rowIndex) ++last;
                rowAt->cells.reserve(rowAt->cells.size() + (last - i));
            }
            auto& cells = rowAt->cells;
            auto at = cells.end();
            if (!cells.empty() && std::prev(at)->first >= read.col)
                at = cells.lower_bound(read.col);
            Cell& cell = cells.try_emplace(at, read.col)->second;
            cell.value = std::move(read.value);
            cell.format = formatOfXf(read.xf);
            const auto f = d.formulas.find({read.row, read.col});
            if (f != d.formulas.end()) cell.formula = f->second;
        }
        d.cells = {};
    }

    // A sheet-wide format is written as the format of every column; the one most columns
    // share becomes the sheet's default again, the others stay column formats.
    void buildColumns(Worksheet& sheet, const SheetData& d)
    {
        const double standard = d.standardWidth ? *d.standardWidth / 256.0 : kDefaultColumnWidth;
        bool everyColumn = true;
        std::map<unsigned, int> counts;
        for (const auto& c : d.columns) {
            if (!c)
                everyColumn = false;
            else
                ++counts[c->xf];
        }
        unsigned sheetXf = kDefaultCellXf;
        if (everyColumn) {
            sheetXf =
                std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                    return a.second < b.second;
                })->first;
            if (sheetXf != kDefaultCellXf) sheet.setDefaultFormat(formatOfXf(sheetXf));
        }
        for (int col = 0; col < kMaxColumns; ++col) {
            const auto& c = d.columns[static_cast<std::size_t>(col)];
            if (!c) continue;
            const bool hidden = c->flags & 0x0001;
            const bool userSet = c->flags & 0x0002;
            const double width = hidden ? 0.0 : style::columnWidthCharacters(c->width);
            if (hidden || userSet
                || (width != kDefaultColumnWidth && std::abs(width - standard) >= 0.005)) {
                sheet.setColumnWidth(col, width);
            }
            if (c->xf != sheetXf) sheet.setColumnFormat(col, formatOfXf(c->xf));
        }
    }

    void resolveShared(SheetData& d)
    {
        for (const PendingShared& p : d.pendingShared) {
            for (const SharedFormula& s : d.shared) {
                if (!s.range.contains(p.cell) || s.range.first != p.master) continue;
                if (auto f = formula::decompileBiff(s.tokens, p.cell)) {
                    d.formulas[{p.cell.row, p.cell.col}] =
                        std::make_shared<const formula::Formula>(std::move(*f));
                }
                break;
            }
        }
    }

    const QByteArray& stream_;
    std::unique_ptr<Workbook> book_;
    std::vector<FontSpec> fonts_;
    std::map<unsigned, QString> formats_;
    std::vector<RawXf> xfs_;
    QHash<unsigned, FormatId> xfFormats_;
    std::vector<SheetEntry> sheets_;
    std::vector<QString> strings_;
    std::map<int, CellRange> printAreas_;
    int activeTab_ = 0;
};

} // namespace

std::unique_ptr<Workbook> readBiffStream(const QByteArray& stream)
{
    return WorkbookReader(stream).read();
}

std::unique_ptr<Workbook> readWorkbook(const QByteArray& bytes)
{
    return readBiffStream(readWorkbookStream(bytes));
}

std::unique_ptr<Workbook> loadWorkbook(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FileFormatError(
            QCoreApplication::translate("Spreadsheet", "The workbook %1 cannot be opened: %2")
                .arg(path, file.errorString()));
    }
    auto book = readWorkbook(file.readAll());
    book->setFullName(path);
    return book;
}

} // namespace bw::ss::xls
