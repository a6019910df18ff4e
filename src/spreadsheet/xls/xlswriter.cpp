#include "spreadsheet/xls/xls.h"

#include "spreadsheet/formula/bifftokens.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/compoundfile.h"
#include "spreadsheet/xls/records.h"
#include "spreadsheet/xls/rk.h"
#include "spreadsheet/xls/xlsstyle.h"

#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace bw::ss::xls {

namespace {

constexpr int kStyleXfCount = 15;      // XF 0 is the Normal style, 1-14 the other styles
constexpr unsigned kDefaultCellXf = 15; // the cell XF of the default format
constexpr int kMaxXfCount = 4000;
constexpr int kMaxTextLength = 32767;
constexpr double kMaxRowHeightPoints = 409.5;

QByteArray u16Data(unsigned v)
{
    ByteWriter w;
    w.u16(v);
    return w.bytes();
}

QByteArray f64Data(double v)
{
    ByteWriter w;
    w.f64(v);
    return w.bytes();
}

// ---- styles ----------------------------------------------------------------------------

// The fonts, number formats and XFs of a workbook: every format the sheets use becomes
// one cell XF whose parent is the Normal style.
class StyleTable {
public:
    explicit StyleTable(const Workbook& book) : book_(book)
    {
        use(kDefaultFormat);
        for (int i = 0; i < book.sheetCount(); ++i) collect(book.sheet(i));
        if (xfFormats_.size() + kStyleXfCount > kMaxXfCount) {
            throw FileFormatError(QStringLiteral("The workbook uses more cell formats than an Excel 97-2003 workbook can hold."));
        }
    }

    unsigned xfOf(FormatId id) const { return xfOf_.value(id, kDefaultCellXf); }
    // Counted on the same walk over the cells, for the shared string table.
    qsizetype textCells() const { return textCells_; }

    void write(RecordStream& out) const
    {
        const FontSpec defaultFont;
        for (int i = 0; i < 4; ++i) out.write(rec::Font, fontRecord(defaultFont));
        for (const FontSpec& f : fonts_) out.write(rec::Font, fontRecord(f));
        for (const auto& [index, code] : customFormats_) {
            ByteWriter w;
            w.u16(index);
            w.xlus(code);
            out.write(rec::Format, w);
        }
        for (int i = 0; i < kStyleXfCount; ++i) out.write(rec::Xf, styleXf(i));
        for (const FormatId id : xfFormats_) out.write(rec::Xf, cellXf(book_.formats().get(id)));
        ByteWriter normal;
        normal.u16(0x8000); // built-in style, XF 0
        normal.u8(0);       // Normal
        normal.u8(0xFF);
        out.write(rec::Style, normal);
    }

private:
    void collect(const Worksheet& sheet)
    {
        use(sheet.defaultFormat());
        for (const auto& [c, info] : sheet.columns()) {
            if (info.format) use(*info.format);
        }
        for (const auto& [r, row] : sheet.rows()) {
            if (row.format) use(*row.format);
            for (const auto& [c, cell] : row.cells) {
                use(cell.format);
                textCells_ += cell.value.isText() ? 1 : 0;
            }
        }
    }

    void use(FormatId id)
    {
        if (xfOf_.contains(id)) return;
        if (id >= book_.formats().size()) {
            throw FileFormatError(QStringLiteral("A cell refers to a format the workbook does not hold."));
        }
        xfOf_.insert(id, static_cast<unsigned>(kStyleXfCount + xfFormats_.size()));
        xfFormats_.push_back(id);
        const CellFormat& f = book_.formats().get(id);
        fontIndex(f.font);
        formatIndex(f.numberFormat);
    }

    unsigned fontIndex(const FontSpec& f)
    {
        if (f == FontSpec{}) return 0;
        const auto found = std::find(fonts_.begin(), fonts_.end(), f);
        // Index 4 does not exist in the file format: the fifth font record is number 5.
        if (found != fonts_.end()) return static_cast<unsigned>(found - fonts_.begin()) + 5;
        fonts_.push_back(f);
        return static_cast<unsigned>(fonts_.size()) + 4;
    }
    unsigned fontIndexOf(const FontSpec& f) const
    {
        if (f == FontSpec{}) return 0;
        return static_cast<unsigned>(std::find(fonts_.begin(), fonts_.end(), f) - fonts_.begin()) + 5;
    }

    unsigned formatIndex(const QString& code)
    {
        if (const auto builtIn = style::builtInFormatIndex(code)) return *builtIn;
        for (const auto& [index, existing] : customFormats_) {
            if (existing == code) return index;
        }
        const auto index = static_cast<unsigned>(164 + customFormats_.size());
        customFormats_.emplace_back(index, code.left(255));
        return index;
    }
    unsigned formatIndexOf(const QString& code) const
    {
        if (const auto builtIn = style::builtInFormatIndex(code)) return *builtIn;
        for (const auto& [index, existing] : customFormats_) {
            if (existing == code.left(255)) return index;
        }
        return 0;
    }

    static QByteArray fontRecord(const FontSpec& f)
    {
        ByteWriter w;
        w.u16(static_cast<unsigned>(std::clamp(std::lround(f.size * 20.0), 20L, 8191L)));
        // Bit 0 repeats the weight; some readers take boldness from it alone.
        w.u16((f.italic ? 0x0002 : 0) | (f.bold ? 0x0001 : 0));
        w.u16(style::fontColor(f.colorIndex));
        w.u16(f.bold ? 700 : 400);
        w.u16(0); // no super- or subscript
        w.u8(0);  // no underline
        w.u8(2);  // Swiss family
        w.u8(0);  // ANSI character set
        w.u8(0);
        w.sxlus(f.name.left(255));
        return w.bytes();
    }

    static QByteArray styleXf(int index)
    {
        ByteWriter w;
        w.u16(0);
        w.u16(0);
        w.u16(0xFFF5); // locked, style XF, no parent
        w.u8(0x20);    // bottom aligned
        w.u8(0);
        w.u8(0);
        w.u8(index == 0 ? 0x00 : 0xF4);
        w.u32(0);
        w.u32(0);
        w.u16(style::kSystemText | (style::kSystemBackground << 7));
        return w.bytes();
    }

    QByteArray cellXf(const CellFormat& f) const
    {
        ByteWriter w;
        w.u16(fontIndexOf(f.font));
        w.u16(formatIndexOf(f.numberFormat));
        w.u16((f.locked ? 0x0001 : 0) | (f.formulaHidden ? 0x0002 : 0)); // parent: XF 0
        w.u8(static_cast<unsigned>(f.hAlign) | (f.wrap ? 0x08 : 0) | (static_cast<unsigned>(f.vAlign) << 4));
        w.u8(0);
        w.u8(0);
        w.u8(0xFC); // every attribute is this XF's own
        auto line = [&](Edge e) { return style::borderLine(f.border(e).lineStyle); };
        auto color = [&](Edge e) { return f.border(e).isDrawn() ? style::borderColor(f.border(e).colorIndex) : 0u; };
        w.u32(line(Edge::Left) | (line(Edge::Right) << 4) | (line(Edge::Top) << 8) | (line(Edge::Bottom) << 12)
              | (color(Edge::Left) << 16) | (color(Edge::Right) << 23));
        const bool filled = f.fillColorIndex >= 1 && f.fillColorIndex <= 56;
        w.u32(color(Edge::Top) | (color(Edge::Bottom) << 7) | (filled ? (1u << 26) : 0u));
        const unsigned pattern = filled ? static_cast<unsigned>(f.fillColorIndex + 7) : style::kSystemText;
        w.u16(pattern | (style::kSystemBackground << 7));
        return w.bytes();
    }

    const Workbook& book_;
    qsizetype textCells_ = 0;
    std::vector<FontSpec> fonts_;
    std::vector<std::pair<unsigned, QString>> customFormats_;
    std::vector<FormatId> xfFormats_;
    QHash<FormatId, unsigned> xfOf_;
};

// ---- shared strings --------------------------------------------------------------------

class SharedStrings {
public:
    // Sized up front: growing the table would hash every string again.
    explicit SharedStrings(qsizetype expected) { index_.reserve(expected); }

    std::uint32_t add(const QString& s)
    {
        ++uses_;
        const auto found = index_.constFind(s);
        if (found != index_.constEnd()) return found.value();
        const auto i = static_cast<std::uint32_t>(strings_.size());
        index_.insert(s, i);
        strings_.push_back(s);
        return i;
    }

    // SST with its CONTINUE records, then ExtSST. A string's header never stays apart from
    // its first character, a CONTINUE that goes on with a string starts with a fresh
    // flags byte, and a UTF-16 character is never cut.
    void write(RecordStream& out) const
    {
        struct Bucket {
            std::size_t piece;
            qsizetype offset;
        };
        const auto count = static_cast<std::uint32_t>(strings_.size());
        const unsigned dsst = std::max<unsigned>(count / 128 + 1, 8);
        std::vector<Bucket> buckets;
        std::vector<QByteArray> pieces(1);
        ByteWriter head;
        head.u32(uses_);
        head.u32(count);
        pieces.back() = head.bytes();
        auto room = [&] { return kMaxRecordData - pieces.back().size(); };
        auto put8 = [&](unsigned v) { pieces.back().append(static_cast<char>(v & 0xFF)); };

        for (std::size_t i = 0; i < strings_.size(); ++i) {
            const QString& s = strings_[i];
            const bool wide = ByteWriter::needsUtf16(s);
            const int unit = wide ? 2 : 1;
            if (room() < 3 + (s.isEmpty() ? 0 : unit)) pieces.emplace_back();
            if (i % dsst == 0) buckets.push_back({pieces.size() - 1, pieces.back().size()});
            put8(static_cast<unsigned>(s.size()));
            put8(static_cast<unsigned>(s.size()) >> 8);
            put8(wide ? 1 : 0);
            qsizetype done = 0;
            while (done < s.size()) {
                if (room() < unit) {
                    pieces.emplace_back();
                    put8(wide ? 1 : 0);
                }
                const qsizetype n = std::min<qsizetype>(s.size() - done, room() / unit);
                appendChars(pieces.back(), QStringView(s).mid(done, n), wide);
                done += n;
            }
        }

        const qsizetype sstStart = out.pos();
        out.writePieces(rec::Sst, pieces);

        std::vector<qsizetype> pieceStart;
        qsizetype at = sstStart;
        for (const QByteArray& p : pieces) {
            pieceStart.push_back(at);
            at += 4 + p.size();
        }
        ByteWriter ext;
        ext.u16(dsst);
        for (const Bucket& b : buckets) {
            ext.u32(static_cast<std::uint32_t>(pieceStart[b.piece] + 4 + b.offset));
            ext.u16(static_cast<unsigned>(4 + b.offset));
            ext.u16(0);
        }
        out.write(rec::ExtSst, ext);
    }

private:
    static void appendChars(QByteArray& out, QStringView chars, bool wide)
    {
        const qsizetype at = out.size();
        out.resize(at + chars.size() * (wide ? 2 : 1));
        char* p = out.data() + at;
        for (const QChar c : chars) {
            *p++ = static_cast<char>(c.unicode() & 0xFF);
            if (wide) *p++ = static_cast<char>(c.unicode() >> 8);
        }
    }

    std::vector<QString> strings_;
    QHash<QString, std::uint32_t> index_;
    std::uint32_t uses_ = 0;
};

// ---- sheets ----------------------------------------------------------------------------

QByteArray cachedResult(const Value& v)
{
    ByteWriter w;
    auto special = [&](unsigned type, unsigned payload) {
        w.u8(type);
        w.u8(0);
        w.u8(payload);
        w.u8(0);
        w.u16(0);
        w.u16(0xFFFF);
    };
    switch (v.type()) {
    case Value::Type::Number:
        if (std::isfinite(v.asNumber())) w.f64(v.asNumber());
        else special(2, static_cast<unsigned>(ErrorValue::Num));
        break;
    case Value::Type::Text: special(v.asText().isEmpty() ? 3 : 0, 0); break;
    case Value::Type::Boolean: special(1, v.asBoolean() ? 1 : 0); break;
    case Value::Type::Error: special(2, static_cast<unsigned>(v.asError())); break;
    case Value::Type::Empty: special(3, 0); break;
    }
    return w.bytes();
}

// An XLUnicodeString cut into record-sized pieces; each piece after the first starts with
// a flags byte of its own, and a UTF-16 character is never cut.
std::vector<QByteArray> continuedString(const QString& s)
{
    const bool wide = ByteWriter::needsUtf16(s);
    const qsizetype unit = wide ? 2 : 1;
    ByteWriter first;
    first.u16(static_cast<unsigned>(s.size()));
    first.u8(wide ? 1 : 0);
    std::vector<QByteArray> pieces{first.take()};
    qsizetype done = 0;
    while (done < s.size()) {
        qsizetype room = kMaxRecordData - pieces.back().size();
        if (room < unit) {
            pieces.emplace_back(1, static_cast<char>(wide ? 1 : 0));
            room = kMaxRecordData - 1;
        }
        const qsizetype n = std::min<qsizetype>(s.size() - done, room / unit);
        ByteWriter chars;
        chars.chars(QStringView(s).mid(done, n), wide);
        pieces.back().append(chars.bytes());
        done += n;
    }
    return pieces;
}

void checkText(const QString& s)
{
    if (s.size() > kMaxTextLength) {
        throw FileFormatError(QStringLiteral("A cell holds more than 32,767 characters, more than an Excel 97-2003 workbook can hold."));
    }
}

class SheetWriter {
public:
    SheetWriter(const Worksheet& sheet, bool active, const StyleTable& styles, SharedStrings& strings)
        : sheet_(sheet), active_(active), styles_(styles), strings_(strings)
    {
    }

    QByteArray write()
    {
        RecordStream out;
        writeBof(out, 0x0010);
        writeCalcSettings(out);
        writePageSetup(out);
        writeColumns(out);
        writeDimensions(out);
        writeCells(out);
        writeWindow(out);
        writeMerges(out);
        out.write(rec::Eof, QByteArray());
        return out.take();
    }

    static void writeBof(RecordStream& out, unsigned type)
    {
        ByteWriter w;
        w.u16(0x0600);
        w.u16(type);
        w.u16(0x0DBB); // build
        w.u16(0x07CC); // year
        w.u32(0);
        w.u32(0x06);
        out.write(rec::Bof, w);
    }

private:
    void writeCalcSettings(RecordStream& out) const
    {
        out.write(rec::CalcMode, u16Data(1));
        out.write(rec::CalcCount, u16Data(100));
        out.write(rec::CalcRefMode, u16Data(1));
        out.write(rec::CalcIter, u16Data(0));
        out.write(rec::CalcDelta, f64Data(0.001));
        out.write(rec::CalcSaveRecalc, u16Data(1));
        out.write(rec::PrintRowCol, u16Data(0));
        out.write(rec::PrintGrid, u16Data(0));
        out.write(rec::GridSet, u16Data(1));
        ByteWriter guts;
        guts.zeros(8);
        out.write(rec::Guts, guts);
        ByteWriter rowHeight;
        rowHeight.u16(0);
        rowHeight.u16(255);
        out.write(rec::DefaultRowHeight, rowHeight);
        const bool fit = !sheet_.pageSetup().zoom.has_value();
        out.write(rec::WsBool, u16Data(0x04C1 | (fit ? 0x0100 : 0)));
    }

    void writePageSetup(RecordStream& out) const
    {
        const PageSetup& p = sheet_.pageSetup();
        out.write(rec::Header, QByteArray());
        out.write(rec::Footer, QByteArray());
        out.write(rec::HCenter, u16Data(0));
        out.write(rec::VCenter, u16Data(0));
        out.write(rec::LeftMargin, f64Data(p.leftMargin / 72.0));
        out.write(rec::RightMargin, f64Data(p.rightMargin / 72.0));
        out.write(rec::TopMargin, f64Data(p.topMargin / 72.0));
        out.write(rec::BottomMargin, f64Data(p.bottomMargin / 72.0));
        ByteWriter w;
        w.u16(static_cast<unsigned>(std::clamp(p.paperSize, 0, 0xFFFF)));
        w.u16(static_cast<unsigned>(std::clamp(p.zoom.value_or(100), 10, 400)));
        w.u16(1); // first page number
        w.u16(static_cast<unsigned>(std::clamp(p.fitToPagesWide, 0, 0x7FFF)));
        w.u16(static_cast<unsigned>(std::clamp(p.fitToPagesTall, 0, 0x7FFF)));
        unsigned flags = p.orientation == PageSetup::kLandscape ? 0 : 0x0002;
        if (p.printComments == PageSetup::kPrintInPlace) flags |= 0x0020;
        if (p.printComments == PageSetup::kPrintSheetEnd) flags |= 0x0020 | 0x0200;
        w.u16(flags);
        w.u16(600);
        w.u16(600);
        w.f64(p.headerMargin / 72.0);
        w.f64(p.footerMargin / 72.0);
        w.u16(1);
        out.write(rec::Setup, w);
    }

    // Column widths and formats. A sheet-wide default format reaches every column through
    // the column records, which is also how the reader finds it again.
    void writeColumns(RecordStream& out) const
    {
        out.write(rec::DefColWidth, u16Data(8));
        struct Span {
            int first;
            int last;
            unsigned width;
            unsigned xf;
            unsigned flags;
        };
        std::vector<Span> spans;
        const bool sheetDefault = sheet_.defaultFormat() != kDefaultFormat;
        for (int c = 0; c < kMaxColumns; ++c) {
            const auto found = sheet_.columns().find(c);
            const ColumnInfo* info = found == sheet_.columns().end() ? nullptr : &found->second;
            const bool hasWidth = info && info->width;
            const bool hasFormat = info && info->format;
            if (!hasWidth && !hasFormat && !sheetDefault) continue;
            const double width = hasWidth ? *info->width : kDefaultColumnWidth;
            const unsigned units = style::columnWidthUnits(width);
            unsigned flags = hasWidth ? 0x0002 : 0; // user-set width
            if (units == 0) flags |= 0x0001;         // hidden
            const Span s{c, c, units, styles_.xfOf(hasFormat ? *info->format : sheet_.defaultFormat()), flags};
            if (!spans.empty() && spans.back().last == c - 1 && spans.back().width == s.width
                && spans.back().xf == s.xf && spans.back().flags == s.flags) {
                spans.back().last = c;
            } else {
                spans.push_back(s);
            }
        }
        for (const Span& s : spans) {
            ByteWriter w;
            w.u16(static_cast<unsigned>(s.first));
            w.u16(static_cast<unsigned>(s.last));
            w.u16(s.width);
            w.u16(s.xf);
            w.u16(s.flags);
            w.u16(0);
            out.write(rec::ColInfo, w);
        }
    }

    void writeDimensions(RecordStream& out) const
    {
        int firstRow = -1;
        int lastRow = -1;
        int firstCol = kMaxColumns;
        int lastCol = -1;
        for (const auto& [r, row] : sheet_.rows()) {
            if (firstRow < 0) firstRow = r;
            lastRow = r;
            if (!row.cells.empty()) {
                firstCol = std::min(firstCol, row.cells.begin()->first);
                lastCol = std::max(lastCol, row.cells.rbegin()->first);
            }
        }
        ByteWriter w;
        w.u32(static_cast<std::uint32_t>(std::max(firstRow, 0)));
        w.u32(static_cast<std::uint32_t>(lastRow + 1));
        w.u16(static_cast<unsigned>(lastCol < 0 ? 0 : firstCol));
        w.u16(static_cast<unsigned>(lastCol + 1));
        w.u16(0);
        out.write(rec::Dimensions, w);
    }

    void writeRowRecord(RecordStream& out, int r, const RowInfo& row) const
    {
        std::uint32_t flags = 0x0100;
        unsigned twips = 255;
        if (row.height) {
            const double points = std::clamp(*row.height, 0.0, kMaxRowHeightPoints);
            twips = static_cast<unsigned>(std::lround(points * 20.0));
            flags |= 0x0040;
            if (twips == 0) flags |= 0x0020;
        }
        if (row.format) flags |= 0x0080 | (std::uint32_t(styles_.xfOf(*row.format)) << 16);
        ByteWriter& w = out.begin(rec::Row);
        w.u16(static_cast<unsigned>(r));
        w.u16(row.cells.empty() ? 0 : static_cast<unsigned>(row.cells.begin()->first));
        w.u16(row.cells.empty() ? 0 : static_cast<unsigned>(row.cells.rbegin()->first + 1));
        w.u16(twips);
        w.u16(0);
        w.u16(0);
        w.u32(flags);
        out.end();
    }

    // Rows go in blocks of 32: the block's row records, then its cells, as the
    // spreadsheet application lays them out.
    void writeCells(RecordStream& out)
    {
        std::vector<std::pair<int, const RowInfo*>> rows;
        for (const auto& [r, row] : sheet_.rows()) rows.emplace_back(r, &row);
        for (std::size_t block = 0; block < rows.size(); block += 32) {
            const std::size_t end = std::min(rows.size(), block + 32);
            for (std::size_t i = block; i < end; ++i) writeRowRecord(out, rows[i].first, *rows[i].second);
            for (std::size_t i = block; i < end; ++i) writeRowCells(out, rows[i].first, *rows[i].second);
        }
    }

    void writeRowCells(RecordStream& out, int r, const RowInfo& row)
    {
        const auto& cells = row.cells;
        for (auto it = cells.begin(); it != cells.end();) {
            const int c = it->first;
            const Cell& cell = it->second;
            if (!cell.hasFormula() && (cell.value.isEmpty() || rkOf(cell))) {
                // A run of blank cells, or of numbers in RK form, in adjacent columns.
                const bool blank = cell.value.isEmpty();
                auto runEnd = std::next(it);
                int expect = c + 1;
                while (runEnd != cells.end() && runEnd->first == expect && !runEnd->second.hasFormula()
                       && (blank ? runEnd->second.value.isEmpty() : (rkOf(runEnd->second).has_value()))) {
                    ++runEnd;
                    ++expect;
                }
                const auto count = std::distance(it, runEnd);
                if (count >= 2) {
                    writeRun(out, r, it, runEnd, blank);
                    it = runEnd;
                    continue;
                }
            }
            writeCell(out, r, c, cell);
            ++it;
        }
    }

    static std::optional<std::uint32_t> rkOf(const Cell& cell)
    {
        if (!cell.value.isNumber()) return std::nullopt;
        return encodeRk(cell.value.asNumber());
    }

    template <typename It>
    void writeRun(RecordStream& out, int r, It first, It last, bool blank) const
    {
        ByteWriter& w = out.begin(blank ? rec::MulBlank : rec::MulRk);
        w.u16(static_cast<unsigned>(r));
        w.u16(static_cast<unsigned>(first->first));
        int lastCol = first->first;
        for (It it = first; it != last; ++it) {
            w.u16(styles_.xfOf(it->second.format));
            if (!blank) w.u32(*rkOf(it->second));
            lastCol = it->first;
        }
        w.u16(static_cast<unsigned>(lastCol));
        out.end();
    }

    static void cellHeader(ByteWriter& w, int row, int col, unsigned xf)
    {
        w.u16(static_cast<unsigned>(row));
        w.u16(static_cast<unsigned>(col));
        w.u16(xf);
    }

    void writeCell(RecordStream& out, int r, int c, const Cell& cell)
    {
        const unsigned xf = styles_.xfOf(cell.format);
        if (cell.hasFormula()) {
            writeFormula(out, r, c, cell, xf);
            return;
        }
        switch (cell.value.type()) {
        case Value::Type::Empty:
            cellHeader(out.begin(rec::Blank), r, c, xf);
            break;
        case Value::Type::Number: {
            const double v = cell.value.asNumber();
            if (const auto rk = encodeRk(v)) {
                ByteWriter& w = out.begin(rec::Rk);
                cellHeader(w, r, c, xf);
                w.u32(*rk);
            } else if (std::isfinite(v)) {
                ByteWriter& w = out.begin(rec::Number);
                cellHeader(w, r, c, xf);
                w.f64(v);
            } else {
                ByteWriter& w = out.begin(rec::BoolErr);
                cellHeader(w, r, c, xf);
                w.u8(static_cast<unsigned>(ErrorValue::Num));
                w.u8(1);
            }
            break;
        }
        case Value::Type::Text: {
            checkText(cell.value.asText());
            const std::uint32_t index = strings_.add(cell.value.asText());
            ByteWriter& w = out.begin(rec::LabelSst);
            cellHeader(w, r, c, xf);
            w.u32(index);
            break;
        }
        case Value::Type::Boolean: {
            ByteWriter& w = out.begin(rec::BoolErr);
            cellHeader(w, r, c, xf);
            w.u8(cell.value.asBoolean() ? 1 : 0);
            w.u8(0);
            break;
        }
        case Value::Type::Error: {
            ByteWriter& w = out.begin(rec::BoolErr);
            cellHeader(w, r, c, xf);
            w.u8(static_cast<unsigned>(cell.value.asError()));
            w.u8(1);
            break;
        }
        }
        out.end();
    }

    // A formula the file format cannot hold is saved as its last result, which is what
    // the cell shows.
    void writeFormula(RecordStream& out, int r, int c, const Cell& cell, unsigned xf)
    {
        QByteArray tokens;
        try {
            tokens = formula::compileBiff(*cell.formula);
        } catch (const FormulaError&) {
            Cell constant;
            constant.value = cell.value;
            constant.format = cell.format;
            writeCell(out, r, c, constant);
            return;
        }
        ByteWriter w;
        cellHeader(w, r, c, xf);
        w.raw(cachedResult(cell.value));
        w.u16(0);
        w.u32(0);
        w.u16(static_cast<unsigned>(tokens.size()));
        w.raw(tokens);
        out.write(rec::Formula, w);
        if (cell.value.isText() && !cell.value.asText().isEmpty()) {
            checkText(cell.value.asText());
            out.writePieces(rec::String, continuedString(cell.value.asText()));
        }
    }

    void writeWindow(RecordStream& out) const
    {
        ByteWriter w;
        unsigned flags = 0x0004 | 0x0010 | 0x0020 | 0x0080;
        if (sheet_.showGridlines()) flags |= 0x0002;
        if (active_) flags |= 0x0200 | 0x0400;
        w.u16(flags);
        w.u16(0);
        w.u16(0);
        w.u32(64);
        w.u16(0);
        w.u16(0);
        w.u32(0);
        out.write(rec::Window2, w);

        const auto& ranges = sheet_.selection();
        const std::size_t count = std::min<std::size_t>(ranges.size(), (kMaxRecordData - 9) / 6);
        const CellAddress active = sheet_.activeCell();
        std::size_t activeRef = 0;
        for (std::size_t i = 0; i < count; ++i) {
            if (ranges[i].contains(active)) {
                activeRef = i;
                break;
            }
        }
        ByteWriter s;
        s.u8(3);
        s.u16(static_cast<unsigned>(active.row));
        s.u16(static_cast<unsigned>(active.col));
        s.u16(static_cast<unsigned>(activeRef));
        s.u16(static_cast<unsigned>(count));
        for (std::size_t i = 0; i < count; ++i) {
            s.u16(static_cast<unsigned>(ranges[i].first.row));
            s.u16(static_cast<unsigned>(ranges[i].last.row));
            s.u8(static_cast<unsigned>(ranges[i].first.col));
            s.u8(static_cast<unsigned>(ranges[i].last.col));
        }
        out.write(rec::Selection, s);
    }

    void writeMerges(RecordStream& out) const
    {
        const auto& merges = sheet_.mergedRegions();
        constexpr std::size_t perRecord = 1026;
        for (std::size_t at = 0; at < merges.size(); at += perRecord) {
            const std::size_t end = std::min(merges.size(), at + perRecord);
            ByteWriter w;
            w.u16(static_cast<unsigned>(end - at));
            for (std::size_t i = at; i < end; ++i) {
                w.u16(static_cast<unsigned>(merges[i].first.row));
                w.u16(static_cast<unsigned>(merges[i].last.row));
                w.u16(static_cast<unsigned>(merges[i].first.col));
                w.u16(static_cast<unsigned>(merges[i].last.col));
            }
            out.write(rec::MergeCells, w);
        }
    }

    const Worksheet& sheet_;
    bool active_;
    const StyleTable& styles_;
    SharedStrings& strings_;
};

// ---- globals ---------------------------------------------------------------------------

void writeGlobalsHead(RecordStream& out, const Workbook& book)
{
    SheetWriter::writeBof(out, 0x0005);
    out.write(rec::InterfaceHdr, u16Data(0x04B0));
    out.write(rec::Mms, u16Data(0));
    out.write(rec::InterfaceEnd, QByteArray());
    ByteWriter user;
    user.xlus(QStringLiteral("Brindlewick"));
    user.raw(QByteArray(112 - user.size(), ' '));
    out.write(rec::WriteAccess, user);
    out.write(rec::CodePage, u16Data(1200));
    out.write(rec::Dsf, u16Data(0));
    ByteWriter tabs;
    for (int i = 0; i < book.sheetCount(); ++i) tabs.u16(static_cast<unsigned>(i + 1));
    out.write(rec::RRTabId, tabs);
    out.write(rec::BuiltInFnGroupCount, u16Data(0x000E));
    out.write(rec::WinProtect, u16Data(0));
    out.write(rec::Protect, u16Data(0));
    out.write(rec::Password, u16Data(0));
    out.write(rec::Prot4Rev, u16Data(0));
    out.write(rec::Prot4RevPass, u16Data(0));
    ByteWriter window;
    window.u16(0x0168);
    window.u16(0x001E);
    window.u16(0x4000);
    window.u16(0x2000);
    window.u16(0x0038);
    window.u16(static_cast<unsigned>(book.activeSheetIndex()));
    window.u16(0);
    window.u16(1);
    window.u16(600);
    out.write(rec::Window1, window);
    out.write(rec::Backup, u16Data(0));
    out.write(rec::HideObj, u16Data(0));
    out.write(rec::Date1904, u16Data(0));
    out.write(rec::CalcPrecision, u16Data(1));
    out.write(rec::RefreshAll, u16Data(0));
    out.write(rec::BookBool, u16Data(0));
}

// The print areas, as the built-in names the file format keeps them in.
void writePrintAreas(RecordStream& out, const Workbook& book)
{
    std::vector<std::pair<int, CellRange>> areas;
    for (int i = 0; i < book.sheetCount(); ++i) {
        const QString& text = book.sheet(i).pageSetup().printArea;
        if (text.isEmpty()) continue;
        if (const auto range = parseA1Range(text)) areas.emplace_back(i, *range);
    }
    if (areas.empty()) return;
    ByteWriter supbook;
    supbook.u16(static_cast<unsigned>(book.sheetCount()));
    supbook.u16(0x0401); // this workbook
    out.write(rec::SupBook, supbook);
    ByteWriter extern_;
    extern_.u16(static_cast<unsigned>(areas.size()));
    for (const auto& [sheet, range] : areas) {
        extern_.u16(0);
        extern_.u16(static_cast<unsigned>(sheet));
        extern_.u16(static_cast<unsigned>(sheet));
    }
    out.write(rec::ExternSheet, extern_);
    for (std::size_t i = 0; i < areas.size(); ++i) {
        const auto& [sheet, range] = areas[i];
        ByteWriter name;
        name.u16(0x0020); // built-in name
        name.u8(0);
        name.u8(1);
        name.u16(11);
        name.u16(0);
        name.u16(static_cast<unsigned>(sheet + 1));
        name.u32(0);
        name.u8(0);
        name.u8(0x06); // Print_Area
        name.u8(0x3B);
        name.u16(static_cast<unsigned>(i));
        name.u16(static_cast<unsigned>(range.first.row));
        name.u16(static_cast<unsigned>(range.last.row));
        name.u16(static_cast<unsigned>(range.first.col));
        name.u16(static_cast<unsigned>(range.last.col));
        out.write(rec::Name, name);
    }
}

} // namespace

QByteArray writeWorkbook(const Workbook& book)
{
    if (book.sheetCount() < 1) {
        throw FileFormatError(QStringLiteral("A workbook must contain at least one worksheet."));
    }
    const StyleTable styles(book);
    SharedStrings strings(styles.textCells());

    // Sheets first: their cells fill the shared string table that the globals hold.
    std::vector<QByteArray> sheets;
    for (int i = 0; i < book.sheetCount(); ++i) {
        sheets.push_back(SheetWriter(book.sheet(i), i == book.activeSheetIndex(), styles, strings).write());
    }

    RecordStream globals;
    writeGlobalsHead(globals, book);
    styles.write(globals);
    globals.write(rec::UsesElfs, u16Data(0));
    std::vector<qsizetype> offsetFields;
    for (int i = 0; i < book.sheetCount(); ++i) {
        ByteWriter w;
        w.u32(0);
        w.u8(0); // visible
        w.u8(0); // worksheet
        w.sxlus(book.sheet(i).name().left(31));
        offsetFields.push_back(globals.pos() + 4);
        globals.write(rec::BoundSheet, w);
    }
    ByteWriter country;
    country.u16(1);
    country.u16(1);
    globals.write(rec::Country, country);
    writePrintAreas(globals, book);
    strings.write(globals);
    globals.write(rec::Eof, QByteArray());

    qsizetype offset = globals.pos();
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        globals.patchU32(offsetFields[i], static_cast<std::uint32_t>(offset));
        offset += sheets[i].size();
    }
    QByteArray stream = globals.take();
    for (const QByteArray& s : sheets) stream += s;
    return writeCompoundFile(stream);
}

void saveWorkbook(const Workbook& book, const QString& path)
{
    const QByteArray bytes = writeWorkbook(book);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        throw FileFormatError(QStringLiteral("The workbook cannot be saved to %1: %2").arg(path, file.errorString()));
    }
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        throw FileFormatError(QStringLiteral("The workbook cannot be saved to %1: %2").arg(path, file.errorString()));
    }
}

} // namespace bw::ss::xls
