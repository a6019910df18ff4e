// The workbook writer: everything the model holds as an Excel 97-2003 file.
#include "spreadsheet/formula/bifftokens.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/compoundfile.h"
#include "spreadsheet/xls/records.h"
#include "spreadsheet/xls/recordwriters.h"
#include "spreadsheet/xls/rk.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xls/xlsstyle.h"

#include <QCoreApplication>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <cmath>

namespace bw::ss::xls {

namespace {

constexpr int kStyleXfCount = 15;       // XF 0 is the Normal style, 1-14 the other styles
constexpr unsigned kDefaultCellXf = 15; // the cell XF of the default format
constexpr int kMaxXfCount = 4000;
constexpr int kMaxTextLength = 32767;
constexpr int kFontsBeforeOwn = 4; // fonts 0-3 must exist; the file format has no font 4
constexpr unsigned kFirstOwnFont = 5;
constexpr unsigned kFirstUserFormat = 164;
constexpr int kRowsPerBlock = 32;
const QString kUserName = QStringLiteral("Brindlewick");

// ---- styles ----------------------------------------------------------------------------

// The fonts, number formats and XFs of a workbook: every format the sheets use becomes
// one cell XF whose parent is the Normal style.
class StyleTable {
public:
    explicit StyleTable(const Workbook& book) : book_(book), xfOf_(book.formats().size(), 0)
    {
        use(kDefaultFormat);
        for (int i = 0; i < book.sheetCount(); ++i) collect(book.sheet(i));
        if (xfFormats_.size() + kStyleXfCount > kMaxXfCount) {
            throw FileFormatError(QCoreApplication::translate(
                "Spreadsheet",
                "The workbook uses more cell formats than an Excel 97-2003 workbook can hold."));
        }
    }

    unsigned xfOf(FormatId id) const
    {
        return id < xfOf_.size() && xfOf_[id] ? xfOf_[id] : kDefaultCellXf;
    }
    // Counted on the same walk over the cells, for the shared string table.
    qsizetype textCells() const { return textCells_; }

    void writeFonts(RecordStream& out) const
    {
        for (int i = 0; i < kFontsBeforeOwn; ++i) writeFont(out, FontSpec{});
        for (const FontSpec& f : fonts_) writeFont(out, f);
    }
    void writeFormats(RecordStream& out) const
    {
        for (const auto& [index, code] : customFormats_) writeFormat(out, index, code);
    }
    void writeXfs(RecordStream& out) const
    {
        for (int i = 0; i < kStyleXfCount; ++i) writeStyleXf(out, i == 0);
        for (const FormatId id : xfFormats_) {
            const CellFormat& f = book_.formats().get(id);
            writeCellXf(out, f, fontIndexOf(f.font), formatIndexOf(f.numberFormat));
        }
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
        if (id < xfOf_.size() && xfOf_[id]) return;
        if (id >= book_.formats().size()) {
            throw FileFormatError(QCoreApplication::translate(
                "Spreadsheet", "A cell refers to a format the workbook does not hold."));
        }
        xfOf_[id] = static_cast<unsigned>(kStyleXfCount + xfFormats_.size());
        xfFormats_.push_back(id);
        const CellFormat& f = book_.formats().get(id);
        if (f.font != FontSpec{}
            && std::find(fonts_.begin(), fonts_.end(), f.font) == fonts_.end()) {
            fonts_.push_back(f.font);
        }
        if (!style::builtInFormatIndex(f.numberFormat) && formatIndexOf(f.numberFormat) == 0) {
            customFormats_.emplace_back(
                static_cast<unsigned>(kFirstUserFormat + customFormats_.size()),
                f.numberFormat.left(255));
        }
    }

    unsigned fontIndexOf(const FontSpec& f) const
    {
        if (f == FontSpec{}) return 0;
        return static_cast<unsigned>(std::find(fonts_.begin(), fonts_.end(), f) - fonts_.begin())
               + kFirstOwnFont;
    }

    unsigned formatIndexOf(const QString& code) const
    {
        if (const auto builtIn = style::builtInFormatIndex(code)) return *builtIn;
        for (const auto& [index, existing] : customFormats_) {
            if (existing == code.left(255)) return index;
        }
        return 0;
    }

    const Workbook& book_;
    qsizetype textCells_ = 0;
    std::vector<FontSpec> fonts_;
    std::vector<std::pair<unsigned, QString>> customFormats_;
    std::vector<FormatId> xfFormats_;
    std::vector<unsigned> xfOf_; // by format id; 0 for a format no cell uses (XF 0 is a style XF)
};

// ---- shared strings --------------------------------------------------------------------

class SharedStrings {
public:
    // Sized up front: growing the table would hash every string again.
    explicit SharedStrings(qsizetype expected)
    {
        std::size_t capacity = 64;
        while (capacity < static_cast<std::size_t>(expected) * 2) capacity *= 2;
        slots_.resize(capacity);
        strings_.reserve(static_cast<std::size_t>(expected));
    }

    // The hash of a string about to be added, whose table slot is fetched meanwhile: the
    // strings of a row are prepared before any is added, so their memory waits overlap.
    std::uint32_t prepare(const QString& s) const
    {
        const auto hash = static_cast<std::uint32_t>(qHash(s));
        prefetch(&slots_[hash & (slots_.size() - 1)]);
        return hash;
    }

    std::uint32_t add(const QString& s) { return add(s, static_cast<std::uint32_t>(qHash(s))); }
    std::uint32_t add(const QString& s, std::uint32_t hash)
    {
        ++uses_;
        if ((strings_.size() + 1) * 2 > slots_.size()) grow();
        for (std::size_t i = hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
            Slot& slot = slots_[i];
            if (slot.index == kFree) {
                slot = {hash, static_cast<std::uint32_t>(strings_.size())};
                strings_.push_back(s);
                return slot.index;
            }
            if (slot.hash == hash && strings_[slot.index] == s) return slot.index;
        }
    }

    std::uint32_t uses() const { return uses_; }
    const std::vector<QString>& strings() const { return strings_; }

private:
    // An open-addressing table of indexes into strings_, kept at most half full.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t index = kFree;
    };
    static constexpr std::uint32_t kFree = 0xFFFFFFFF;

    void grow()
    {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& slot : old) {
            if (slot.index == kFree) continue;
            std::size_t i = slot.hash & (slots_.size() - 1);
            while (slots_[i].index != kFree) i = (i + 1) & (slots_.size() - 1);
            slots_[i] = slot;
        }
    }

    std::vector<QString> strings_;
    std::vector<Slot> slots_;
    std::uint32_t uses_ = 0;
};

// ---- sheets ----------------------------------------------------------------------------

void checkText(const QString& s)
{
    if (s.size() > kMaxTextLength) {
        throw FileFormatError(QCoreApplication::translate(
            "Spreadsheet", "A cell holds more than 32,767 characters, more than "
                           "an Excel 97-2003 workbook can hold."));
    }
}

std::optional<std::uint32_t> rkOf(const Cell& cell)
{
    if (!cell.value.isNumber() || cell.hasFormula()) return std::nullopt;
    return encodeRk(cell.value.asNumber());
}

class SheetWriter {
public:
    SheetWriter(const Worksheet& sheet, bool active, const StyleTable& styles,
                SharedStrings& strings)
        : sheet_(sheet), active_(active), styles_(styles), strings_(strings)
    {
        for (const auto& [r, row] : sheet_.rows()) rows_.emplace_back(r, &row);
    }

    void write(RecordStream& out)
    {
        const PageSetup& page = sheet_.pageSetup();
        out.reserve(estimatedSize());
        writeBof(out, Substream::Worksheet);
        writeU16(out, rec::CalcMode, kCalcAutomatic);
        writeU16(out, rec::CalcCount, kCalcIterations);
        writeU16(out, rec::CalcRefMode, kRefModeA1);
        writeFlag(out, rec::CalcIter, false);
        writeF64(out, rec::CalcDelta, kCalcDelta);
        writeFlag(out, rec::CalcSaveRecalc, true);
        writeFlag(out, rec::PrintRowCol, false);
        writeFlag(out, rec::PrintGrid, false);
        writeFlag(out, rec::GridSet, true);
        writeGuts(out);
        writeDefaultRowHeight(out);
        writeWsBool(out, !page.zoom.has_value());
        writeEmpty(out, rec::Header);
        writeEmpty(out, rec::Footer);
        writeFlag(out, rec::HCenter, false);
        writeFlag(out, rec::VCenter, false);
        writeMargin(out, rec::LeftMargin, page.leftMargin);
        writeMargin(out, rec::RightMargin, page.rightMargin);
        writeMargin(out, rec::TopMargin, page.topMargin);
        writeMargin(out, rec::BottomMargin, page.bottomMargin);
        writeSetup(out, page);
        writeU16(out, rec::DefColWidth, kDefColWidthChars);
        for (const ColumnSpan& span : columnSpans()) writeColInfo(out, span);
        writeDimensions(out, extent());
        writeCellTable(out);
        writeWindow2(out, sheet_.showGridlines(), active_);
        writeSelection(out, sheet_.activeCell(), sheet_.selection());
        writeMergeCells(out, sheet_.mergedRegions());
        writeEof(out);
    }

private:
    // Enough for the cell table in one allocation: a ROW record per row, and at most
    // a NUMBER record per cell.
    qsizetype estimatedSize() const
    {
        qsizetype size = 4096;
        for (const auto& [r, row] : rows_)
            size += 20 + 18 * static_cast<qsizetype>(row->cells.size());
        return size;
    }

    // Column widths and formats. A sheet-wide default format reaches every column through
    // the column records, which is also how the reader finds it again.
    std::vector<ColumnSpan> columnSpans() const
    {
        std::vector<ColumnSpan> spans;
        const bool sheetDefault = sheet_.defaultFormat() != kDefaultFormat;
        for (int c = 0; c < kMaxColumns; ++c) {
            const auto found = sheet_.columns().find(c);
            const ColumnInfo* info = found == sheet_.columns().end() ? nullptr : &found->second;
            const bool hasWidth = info && info->width;
            const bool hasFormat = info && info->format;
            if (!hasWidth && !hasFormat && !sheetDefault) continue;
            const ColumnSpan s{
                c, c, style::columnWidthUnits(hasWidth ? *info->width : kDefaultColumnWidth),
                styles_.xfOf(hasFormat ? *info->format : sheet_.defaultFormat()), hasWidth};
            ColumnSpan* last = spans.empty() ? nullptr : &spans.back();
            if (last && last->last == c - 1 && last->width == s.width && last->xf == s.xf
                && last->userWidth == s.userWidth) {
                last->last = c;
            } else {
                spans.push_back(s);
            }
        }
        return spans;
    }

    SheetExtent extent() const
    {
        int firstRow = -1;
        int lastRow = -1;
        int firstCol = kMaxColumns;
        int lastCol = -1;
        for (const auto& [r, row] : rows_) {
            if (firstRow < 0) firstRow = r;
            lastRow = r;
            if (!row->cells.empty()) {
                firstCol = std::min(firstCol, row->cells.begin()->first);
                lastCol = std::max(lastCol, row->cells.rbegin()->first);
            }
        }
        return {std::max(firstRow, 0), lastRow + 1, lastCol < 0 ? 0 : firstCol, lastCol + 1};
    }

    // Rows go in blocks of 32: the block's row records, then its cells, as the
    // spreadsheet application lays them out.
    void writeCellTable(RecordStream& out)
    {
        const auto& rows = rows_;
        for (std::size_t block = 0; block < rows.size(); block += kRowsPerBlock) {
            const std::size_t end = std::min(rows.size(), block + kRowsPerBlock);
            for (std::size_t i = block; i < end; ++i) {
                const RowInfo& row = *rows[i].second;
                writeRow(out, rows[i].first, row,
                         row.format ? std::optional<unsigned>(styles_.xfOf(*row.format))
                                    : std::nullopt);
            }
            for (std::size_t i = block; i < end; ++i)
                writeRowCells(out, rows[i].first, *rows[i].second);
        }
    }

    // Runs of two or more blank cells, or of numbers in RK form, in adjacent columns go
    // into one MULBLANK or MULRK record.
    void writeRowCells(RecordStream& out, int r, const RowInfo& row)
    {
        const auto& cells = row.cells;
        textHashes_.clear();
        for (const auto& [c, cell] : cells) {
            if (!cell.hasFormula() && cell.value.isText())
                textHashes_.push_back(strings_.prepare(cell.value.asText()));
        }
        const std::uint32_t* nextHash = textHashes_.data();
        for (auto it = cells.begin(); it != cells.end();) {
            const int c = it->first;
            const Cell& cell = it->second;
            const bool blank = !cell.hasFormula() && cell.value.isEmpty();
            if (blank || rkOf(cell)) {
                auto runEnd = std::next(it);
                int expect = c + 1;
                while (runEnd != cells.end() && runEnd->first == expect
                       && (blank ? !runEnd->second.hasFormula() && runEnd->second.value.isEmpty()
                                 : rkOf(runEnd->second).has_value())) {
                    ++runEnd;
                    ++expect;
                }
                if (std::distance(it, runEnd) >= 2) {
                    if (blank) {
                        xfs_.clear();
                        for (auto i = it; i != runEnd; ++i)
                            xfs_.push_back(styles_.xfOf(i->second.format));
                        writeMulBlank(out, r, c, xfs_);
                    } else {
                        rks_.clear();
                        for (auto i = it; i != runEnd; ++i)
                            rks_.push_back({styles_.xfOf(i->second.format), *rkOf(i->second)});
                        writeMulRk(out, r, c, rks_);
                    }
                    it = runEnd;
                    continue;
                }
            }
            const bool text = !cell.hasFormula() && cell.value.isText();
            writeCell(out, {r, c, styles_.xfOf(cell.format)}, cell, text ? nextHash++ : nullptr);
            ++it;
        }
    }

    // `textHash`, when given, is the prepared hash of the cell's text.
    void writeCell(RecordStream& out, CellAt at, const Cell& cell,
                   const std::uint32_t* textHash = nullptr)
    {
        if (cell.hasFormula()) {
            writeFormulaCell(out, at, cell);
            return;
        }
        switch (cell.value.type()) {
        case Value::Type::Empty:
            writeBlank(out, at);
            break;
        case Value::Type::Number: {
            const double v = cell.value.asNumber();
            if (const auto rk = encodeRk(v))
                writeRk(out, at, *rk);
            else if (std::isfinite(v))
                writeNumber(out, at, v);
            else
                writeBoolErr(out, at, Value::error(ErrorValue::Num));
            break;
        }
        case Value::Type::Text:
            checkText(cell.value.asText());
            writeLabelSst(out, at,
                          textHash ? strings_.add(cell.value.asText(), *textHash)
                                   : strings_.add(cell.value.asText()));
            break;
        case Value::Type::Boolean:
        case Value::Type::Error:
            writeBoolErr(out, at, cell.value);
            break;
        }
    }

    // A formula the file format cannot hold is saved as its last result, which is what
    // the cell shows.
    void writeFormulaCell(RecordStream& out, CellAt at, const Cell& cell)
    {
        QByteArray tokens;
        try {
            tokens = formula::compileBiff(*cell.formula);
        } catch (const FormulaError&) {
            Cell constant;
            constant.value = cell.value;
            constant.format = cell.format;
            writeCell(out, at, constant);
            return;
        }
        writeFormula(out, at, cell.value, tokens);
        if (cell.value.isText() && !cell.value.asText().isEmpty()) {
            checkText(cell.value.asText());
            writeString(out, cell.value.asText());
        }
    }

    const Worksheet& sheet_;
    bool active_;
    const StyleTable& styles_;
    SharedStrings& strings_;
    std::vector<std::pair<int, const RowInfo*>> rows_;
    std::vector<unsigned> xfs_;
    std::vector<RkCell> rks_;
    std::vector<std::uint32_t> textHashes_;
};

// ---- globals ---------------------------------------------------------------------------

// The print areas, as the built-in names the file format keeps them in: a SUPBOOK of this
// workbook, an EXTERNSHEET entry per area and a NAME per area.
void writePrintAreas(RecordStream& out, const Workbook& book)
{
    std::vector<int> sheets;
    std::vector<CellRange> ranges;
    for (int i = 0; i < book.sheetCount(); ++i) {
        const QString& text = book.sheet(i).pageSetup().printArea;
        if (text.isEmpty()) continue;
        if (const auto range = parseA1Range(text)) {
            sheets.push_back(i);
            ranges.push_back(*range);
        }
    }
    if (sheets.empty()) return;
    writeSupBook(out, book.sheetCount());
    writeExternSheet(out, sheets);
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        writePrintAreaName(out, sheets[i], static_cast<unsigned>(i), ranges[i]);
    }
}

} // namespace

QByteArray writeWorkbook(const Workbook& book)
{
    if (book.sheetCount() < 1) {
        throw FileFormatError(QCoreApplication::translate(
            "Spreadsheet", "A workbook must contain at least one worksheet."));
    }
    const StyleTable styles(book);
    SharedStrings strings(styles.textCells());

    // Sheets first: their cells fill the shared string table that the globals hold.
    std::vector<RecordStream> sheets(static_cast<std::size_t>(book.sheetCount()));
    for (int i = 0; i < book.sheetCount(); ++i) {
        SheetWriter(book.sheet(i), i == book.activeSheetIndex(), styles, strings)
            .write(sheets[static_cast<std::size_t>(i)]);
    }

    RecordStream g;
    qsizetype textBytes = 0;
    for (const QString& s : strings.strings()) textBytes += 3 + s.size();
    g.reserve(65536 + textBytes + textBytes / kMaxRecordData * 5);
    writeBof(g, Substream::Globals);
    writeU16(g, rec::InterfaceHdr, kCodePageUtf16);
    writeU16(g, rec::Mms, 0);
    writeEmpty(g, rec::InterfaceEnd);
    writeWriteAccess(g, kUserName);
    writeU16(g, rec::CodePage, kCodePageUtf16);
    writeFlag(g, rec::Dsf, false);
    writeRRTabId(g, book.sheetCount());
    writeU16(g, rec::BuiltInFnGroupCount, kBuiltInFnGroups);
    writeFlag(g, rec::WinProtect, false);
    writeFlag(g, rec::Protect, false);
    writeU16(g, rec::Password, 0);
    writeFlag(g, rec::Prot4Rev, false);
    writeU16(g, rec::Prot4RevPass, 0);
    writeWindow1(g, book.activeSheetIndex());
    writeFlag(g, rec::Backup, false);
    writeU16(g, rec::HideObj, 0); // show objects
    writeFlag(g, rec::Date1904, false);
    writeFlag(g, rec::CalcPrecision, true);
    writeFlag(g, rec::RefreshAll, false);
    writeFlag(g, rec::BookBool, false);
    styles.writeFonts(g);
    styles.writeFormats(g);
    styles.writeXfs(g);
    writeNormalStyle(g);
    writeFlag(g, rec::UsesElfs, false);
    std::vector<qsizetype> offsetFields;
    for (int i = 0; i < book.sheetCount(); ++i)
        offsetFields.push_back(writeBoundSheet(g, book.sheet(i).name()));
    writeCountry(g);
    writePrintAreas(g, book);
    writeExtSst(g, writeSst(g, strings.uses(), strings.strings()));
    writeEof(g);

    qsizetype offset = g.pos();
    std::vector<QByteArrayView> parts{g.view()};
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        g.patchU32(offsetFields[i], static_cast<std::uint32_t>(offset));
        offset += sheets[i].pos();
        parts.push_back(sheets[i].view());
    }
    return writeCompoundFile(parts);
}

void saveWorkbook(const Workbook& book, const QString& path)
{
    saveWorkbookBytes(writeWorkbook(book), path);
}

void saveWorkbookBytes(const QByteArray& bytes, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw FileFormatError(
            QCoreApplication::translate("Spreadsheet", "The workbook cannot be saved to %1: %2")
                .arg(path, file.errorString()));
    }
}

} // namespace bw::ss::xls
