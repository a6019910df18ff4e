// The .xlsx writer: everything the model holds, through libxlsxwriter.
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/palette.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/xls/xls.h"
#include "spreadsheet/xls/xlsstyle.h"
#include "spreadsheet/xlsx/package.h"
#include "spreadsheet/xlsx/partmends.h"
#include "spreadsheet/xlsx/xlsx.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>

#ifndef _WIN32
#include <locale.h>
#endif

namespace bw::ss::xlsx {

namespace {

constexpr int kMaxTextLength = 32767;
constexpr double kMaxRowHeightPoints = 409.5;

FileFormatError libraryFailure(lxw_error error)
{
    return FileFormatError(
        QCoreApplication::translate("Spreadsheet", "The workbook could not be written: %1")
            .arg(QString::fromUtf8(lxw_strerror(error))));
}

void check(lxw_error error)
{
    if (error != LXW_NO_ERROR) throw libraryFailure(error);
}

void checkText(const QString& s)
{
    if (s.size() > kMaxTextLength) {
        throw FileFormatError(QCoreApplication::translate(
            "Spreadsheet",
            "A cell holds more than 32,767 characters, more than an Excel workbook can hold."));
    }
}

// The library writes every number of the package (values, widths, heights, margins, font
// sizes) with the C library's printf, which writes the user's decimal comma once the
// program runs in their locale; the XML wants a period. While it writes, this thread
// alone runs in the C locale. (Qt sets the C library's locale on Unix only.)
#ifndef _WIN32
class CLocaleScope {
public:
    CLocaleScope() : c_(newlocale(LC_ALL_MASK, "C", locale_t{}))
    {
        if (!c_) throw libraryFailure(LXW_ERROR_MEMORY_MALLOC_FAILED);
        previous_ = uselocale(c_);
    }
    ~CLocaleScope()
    {
        uselocale(previous_);
        freelocale(c_);
    }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t c_;
    locale_t previous_ = LC_GLOBAL_LOCALE;
};
#else
struct CLocaleScope {};
#endif

// The library writes numbers with 16 significant digits, which do not bring every double
// back; those few are written by us, with as many digits as they need.
bool libraryKeeps(double v) { return QByteArray::number(v, 'g', 16).toDouble() == v; }

lxw_color_t rgbOf(int colorIndex)
{
    const auto rgb = paletteRgb(colorIndex);
    if (!rgb) return LXW_COLOR_UNSET;
    return *rgb == 0 ? lxw_color_t{LXW_COLOR_BLACK}
                     : lxw_color_t{*rgb}; // the library reads 0 as "no colour"
}

std::uint8_t horizontal(HAlign a)
{
    switch (a) {
    case HAlign::General:
        return LXW_ALIGN_NONE;
    case HAlign::Left:
        return LXW_ALIGN_LEFT;
    case HAlign::Center:
        return LXW_ALIGN_CENTER;
    case HAlign::Right:
        return LXW_ALIGN_RIGHT;
    case HAlign::Fill:
        return LXW_ALIGN_FILL;
    case HAlign::Justify:
        return LXW_ALIGN_JUSTIFY;
    case HAlign::CenterAcross:
        return LXW_ALIGN_CENTER_ACROSS;
    case HAlign::Distributed:
        return LXW_ALIGN_DISTRIBUTED;
    }
    return LXW_ALIGN_NONE;
}

std::uint8_t vertical(VAlign a)
{
    switch (a) {
    case VAlign::Top:
        return LXW_ALIGN_VERTICAL_TOP;
    case VAlign::Center:
        return LXW_ALIGN_VERTICAL_CENTER;
    case VAlign::Bottom:
        return LXW_ALIGN_VERTICAL_BOTTOM;
    case VAlign::Justify:
        return LXW_ALIGN_VERTICAL_JUSTIFY;
    case VAlign::Distributed:
        return LXW_ALIGN_VERTICAL_DISTRIBUTED;
    }
    return LXW_ALIGN_VERTICAL_BOTTOM;
}

// What the library cannot say about one sheet, put right in the sheet's XML afterwards.
struct SheetFixes {
    // Cells the library wrote as formatted blanks, with what replaces their closing "/>":
    // error constants, empty texts, numbers of 17 digits, and formulas with a boolean or
    // error result or such a number.
    std::vector<std::pair<CellAddress, QByteArray>> cells;
    std::vector<CellRange> selection;
    CellAddress activeCell;
    PageSetup page;
};

// The mends go in the order their elements come in the part, which is read once.
QByteArray fixSheet(const QByteArray& xml, const QString& part, const SheetFixes& fixes)
{
    PartSplicer sheet(xml, part);
    mendSelection(sheet, fixes.selection, fixes.activeCell);
    mendSheetFormatPr(sheet, kDefaultRowHeight);
    mendCellTails(sheet, fixes.cells);
    mendPageMargins(sheet, fixes.page);
    mendCellComments(sheet, fixes.page.printComments);
    return sheet.finish();
}

QByteArray fixStyles(const QByteArray& xml, const QString& part)
{
    PartSplicer styles(xml, part);
    mendDefaultFont(styles, FontSpec());
    return styles.finish();
}

class BookWriter {
public:
    BookWriter(const Workbook& book, const QString& path, const QString& tempFolder) : book_(book)
    {
        const QByteArray folder = QFile::encodeName(tempFolder);
        lxw_workbook_options options{};
        options.tmpdir = const_cast<char*>(folder.constData());
        lxw_ = workbook_new_opt(QFile::encodeName(path).constData(), &options);
        if (!lxw_) throw libraryFailure(LXW_ERROR_CREATING_XLSX_FILE);
    }
    ~BookWriter()
    {
        if (lxw_) lxw_workbook_free(lxw_);
    }
    BookWriter(const BookWriter&) = delete;
    BookWriter& operator=(const BookWriter&) = delete;

    // Writes the file through the library; what the library could not say is in fixes().
    void write()
    {
        const CLocaleScope cLocale;
        lxw_worksheet* active = nullptr;
        for (int i = 0; i < book_.sheetCount(); ++i) {
            lxw_worksheet* ws = writeSheet(book_.sheet(i));
            if (i == book_.activeSheetIndex()) active = ws;
        }
        if (active) worksheet_activate(active);
        lxw_workbook* done = lxw_;
        lxw_ = nullptr; // closing frees the workbook, whatever the outcome
        check(workbook_close(done));
    }

    const std::vector<SheetFixes>& fixes() const { return fixes_; }

private:
    lxw_format* format(FormatId id)
    {
        if (lxw_format* found = formats_.value(id)) return found;
        if (id >= book_.formats().size()) {
            throw FileFormatError(QCoreApplication::translate(
                "Spreadsheet", "A cell refers to a format the workbook does not hold."));
        }
        const CellFormat& f = book_.formats().get(id);
        lxw_format* x = workbook_add_format(lxw_);
        format_set_font_name(x, f.font.name.toUtf8().constData());
        format_set_font_size(x, f.font.size);
        if (f.font.bold) format_set_bold(x);
        if (f.font.italic) format_set_italic(x);
        if (const lxw_color_t color = rgbOf(f.font.colorIndex)) format_set_font_color(x, color);
        if (const lxw_color_t fill = rgbOf(f.fillColorIndex)) {
            format_set_pattern(x, LXW_PATTERN_SOLID);
            format_set_bg_color(x, fill);
        }
        using SetLine = void (*)(lxw_format*, std::uint8_t);
        using SetColor = void (*)(lxw_format*, lxw_color_t);
        const std::pair<SetLine, SetColor> edges[] = {{format_set_left, format_set_left_color},
                                                      {format_set_top, format_set_top_color},
                                                      {format_set_bottom, format_set_bottom_color},
                                                      {format_set_right, format_set_right_color}};
        for (std::size_t e = 0; e < 4; ++e) {
            const Border& b = f.borders[e];
            if (!b.isDrawn()) continue;
            edges[e].first(x, static_cast<std::uint8_t>(xls::style::borderLine(b.lineStyle)));
            if (const lxw_color_t color = rgbOf(b.colorIndex)) edges[e].second(x, color);
        }
        if (f.hAlign != HAlign::General) format_set_align(x, horizontal(f.hAlign));
        if (f.vAlign != VAlign::Bottom) format_set_align(x, vertical(f.vAlign));
        if (f.wrap) format_set_text_wrap(x);
        if (f.numberFormat.compare(QLatin1String("General"), Qt::CaseInsensitive) != 0) {
            format_set_num_format(x, f.numberFormat.toUtf8().constData());
        }
        if (!f.locked) format_set_unlocked(x);
        if (f.formulaHidden) format_set_hidden(x);
        formats_.insert(id, x);
        return x;
    }

    lxw_worksheet* writeSheet(const Worksheet& s)
    {
        lxw_worksheet* ws = workbook_add_worksheet(lxw_, s.name().toUtf8().constData());
        if (!ws)
            throw FileFormatError(
                QCoreApplication::translate("Spreadsheet", "The sheet name %1 cannot be written.")
                    .arg(s.name()));
        SheetFixes fixes;
        writeColumns(ws, s);
        writeRows(ws, s);
        writeMerges(ws, s);
        for (const auto& [r, row] : s.rows()) {
            for (const auto& [c, cell] : row.cells) writeCell(ws, {r, c}, cell, fixes);
        }
        writeView(ws, s, fixes);
        writePageSetup(ws, s.pageSetup(), fixes);
        fixes_.push_back(std::move(fixes));
        return ws;
    }

    // Widths and formats of columns in runs of equal neighbours. A sheet-wide format
    // reaches every column of the grid, as selecting every cell and formatting does.
    void writeColumns(lxw_worksheet* ws, const Worksheet& s)
    {
        struct Span {
            int first;
            int last;
            double width;
            std::optional<FormatId> format;
        };
        std::vector<Span> spans;
        const bool sheetDefault = s.defaultFormat() != kDefaultFormat;
        for (int c = 0; c <= kLastColumn; ++c) {
            const auto found = s.columns().find(c);
            const ColumnInfo* info = found == s.columns().end() ? nullptr : &found->second;
            const bool hasWidth = info && info->width;
            const bool hasFormat = info && info->format;
            if (!hasWidth && !hasFormat && !sheetDefault) continue;
            const Span span{c, c, hasWidth ? *info->width : kDefaultColumnWidth,
                            hasFormat
                                ? info->format
                                : (sheetDefault ? std::optional(s.defaultFormat()) : std::nullopt)};
            if (!spans.empty() && spans.back().last == c - 1 && spans.back().width == span.width
                && spans.back().format == span.format) {
                spans.back().last = c;
            } else {
                spans.push_back(span);
            }
        }
        for (const Span& span : spans) {
            lxw_row_col_options options{};
            options.hidden = xls::style::columnWidthUnits(span.width) == 0 ? LXW_TRUE : LXW_FALSE;
            check(worksheet_set_column_opt(ws, static_cast<lxw_col_t>(span.first),
                                           static_cast<lxw_col_t>(span.last),
                                           options.hidden ? 0 : span.width,
                                           span.format ? format(*span.format) : nullptr, &options));
        }
    }

    void writeRows(lxw_worksheet* ws, const Worksheet& s)
    {
        for (const auto& [r, row] : s.rows()) {
            if (!row.height && !row.format) continue;
            // The library writes no height for its own default of 15 points, which stands
            // here for "no height of its own" (the sheet's default is set afterwards); a
            // row that is 15 points high gets the next double up, written as the same "15".
            lxw_row_col_options options{};
            double height = LXW_DEF_ROW_HEIGHT;
            if (row.height) {
                height = std::clamp(*row.height, 0.0, kMaxRowHeightPoints);
                if (height == 0) options.hidden = LXW_TRUE;
                if (height == 0)
                    height = LXW_DEF_ROW_HEIGHT;
                else if (height == LXW_DEF_ROW_HEIGHT)
                    height = std::nextafter(height, kMaxRowHeightPoints);
            }
            check(worksheet_set_row_opt(ws, static_cast<lxw_row_t>(r), height,
                                        row.format ? format(*row.format) : nullptr, &options));
        }
    }

    // The library fills a merged region with blanks in the format of its first cell; each
    // cell keeps the format the model gives it, and stored cells are written over later.
    void writeMerges(lxw_worksheet* ws, const Worksheet& s)
    {
        for (const CellRange& m : s.mergedRegions()) {
            const FormatId first = s.formatAt(m.first);
            check(worksheet_merge_range(ws, static_cast<lxw_row_t>(m.first.row),
                                        static_cast<lxw_col_t>(m.first.col),
                                        static_cast<lxw_row_t>(m.last.row),
                                        static_cast<lxw_col_t>(m.last.col), "", format(first)));
            for (int r = m.first.row; r <= m.last.row; ++r) {
                for (int c = m.first.col; c <= m.last.col; ++c) {
                    const FormatId own = s.formatAt({r, c});
                    if (own != first && !s.cell({r, c})) {
                        check(worksheet_write_blank(ws, static_cast<lxw_row_t>(r),
                                                    static_cast<lxw_col_t>(c), format(own)));
                    }
                }
            }
        }
    }

    void writeCell(lxw_worksheet* ws, CellAddress a, const Cell& cell, SheetFixes& fixes)
    {
        const auto row = static_cast<lxw_row_t>(a.row);
        const auto col = static_cast<lxw_col_t>(a.col);
        lxw_format* fmt = format(cell.format);
        // A value the library has no call for: a formatted blank now, mended afterwards.
        auto mend = [&](const QByteArray& tail) {
            check(worksheet_write_blank(ws, row, col, fmt));
            fixes.cells.emplace_back(a, tail);
        };
        const Value& v = cell.value;
        if (cell.hasFormula()) {
            const QString text = formula::toA1(*cell.formula, a);
            const QByteArray f = "<f>" + xmlText(text) + "</f>";
            switch (v.type()) {
            case Value::Type::Number:
                if (!std::isfinite(v.asNumber()))
                    mend(" t=\"e\">" + f + "<v>#NUM!</v></c>");
                else if (!libraryKeeps(v.asNumber()))
                    mend(">" + f + "<v>" + xmlNumber(v.asNumber()) + "</v></c>");
                else
                    check(worksheet_write_formula_num(ws, row, col, text.toUtf8().constData(), fmt,
                                                      v.asNumber()));
                break;
            case Value::Type::Text:
                checkText(v.asText());
                check(worksheet_write_formula_str(ws, row, col, text.toUtf8().constData(), fmt,
                                                  v.asText().toUtf8().constData()));
                break;
            case Value::Type::Empty:
                check(
                    worksheet_write_formula_str(ws, row, col, text.toUtf8().constData(), fmt, ""));
                break;
            case Value::Type::Boolean:
                mend(" t=\"b\">" + f + "<v>" + (v.asBoolean() ? "1" : "0") + "</v></c>");
                break;
            case Value::Type::Error:
                mend(" t=\"e\">" + f + "<v>" + xmlText(errorText(v.asError())) + "</v></c>");
                break;
            }
            return;
        }
        switch (v.type()) {
        case Value::Type::Empty:
            check(worksheet_write_blank(ws, row, col, fmt));
            break;
        case Value::Type::Number:
            if (!std::isfinite(v.asNumber()))
                mend(" t=\"e\"><v>#NUM!</v></c>");
            else if (!libraryKeeps(v.asNumber()))
                mend("><v>" + xmlNumber(v.asNumber()) + "</v></c>");
            else
                check(worksheet_write_number(ws, row, col, v.asNumber(), fmt));
            break;
        case Value::Type::Text:
            checkText(v.asText());
            // The library writes an empty text as a blank cell.
            if (v.asText().isEmpty())
                mend(" t=\"inlineStr\"><is><t></t></is></c>");
            else
                check(worksheet_write_string(ws, row, col, v.asText().toUtf8().constData(), fmt));
            break;
        case Value::Type::Boolean:
            check(worksheet_write_boolean(ws, row, col, v.asBoolean() ? 1 : 0, fmt));
            break;
        case Value::Type::Error:
            mend(" t=\"e\"><v>" + xmlText(errorText(v.asError())) + "</v></c>");
            break;
        }
    }

    void writeView(lxw_worksheet* ws, const Worksheet& s, SheetFixes& fixes)
    {
        worksheet_gridlines(ws,
                            s.showGridlines() ? LXW_SHOW_SCREEN_GRIDLINES : LXW_HIDE_ALL_GRIDLINES);
        const CellAddress active = s.activeCell();
        worksheet_set_selection(
            ws, static_cast<lxw_row_t>(active.row), static_cast<lxw_col_t>(active.col),
            static_cast<lxw_row_t>(active.row), static_cast<lxw_col_t>(active.col));
        fixes.selection = s.selection();
        fixes.activeCell = active;
    }

    void writePageSetup(lxw_worksheet* ws, const PageSetup& p, SheetFixes& fixes)
    {
        worksheet_set_paper(ws, static_cast<std::uint8_t>(std::clamp(p.paperSize, 0, 255)));
        if (p.orientation == PageSetup::kLandscape)
            worksheet_set_landscape(ws);
        else
            worksheet_set_portrait(ws);
        if (p.zoom) {
            worksheet_set_print_scale(ws, static_cast<std::uint16_t>(std::clamp(*p.zoom, 10, 400)));
        } else {
            worksheet_fit_to_pages(
                ws, static_cast<std::uint16_t>(std::clamp(p.fitToPagesWide, 0, 32767)),
                static_cast<std::uint16_t>(std::clamp(p.fitToPagesTall, 0, 32767)));
        }
        if (!p.printArea.isEmpty()) {
            if (const auto area = parseA1Range(p.printArea)) {
                check(worksheet_print_area(ws, static_cast<lxw_row_t>(area->first.row),
                                           static_cast<lxw_col_t>(area->first.col),
                                           static_cast<lxw_row_t>(area->last.row),
                                           static_cast<lxw_col_t>(area->last.col)));
            }
        }
        fixes.page = p;
    }

    const Workbook& book_;
    lxw_workbook* lxw_ = nullptr;
    QHash<FormatId, lxw_format*> formats_;
    std::vector<SheetFixes> fixes_;
};

} // namespace

QByteArray writeWorkbook(const Workbook& book)
{
    if (book.sheetCount() < 1) {
        throw FileFormatError(QCoreApplication::translate(
            "Spreadsheet", "A workbook must contain at least one worksheet."));
    }
    // The library writes to a file of its own; it lives in a folder that goes away with
    // everything in it, whatever happens.
    const QTemporaryDir folder(
        QDir(QDir::tempPath()).filePath(QStringLiteral("brindlewick-xlsx-XXXXXX")));
    if (!folder.isValid()) {
        throw FileFormatError(
            QCoreApplication::translate("Spreadsheet", "The workbook could not be written: %1")
                .arg(folder.errorString()));
    }
    const QString path = folder.filePath(QStringLiteral("book.xlsx"));
    BookWriter writer(book, path, folder.path());
    writer.write();

    QFile written(path);
    if (!written.open(QIODevice::ReadOnly)) {
        throw FileFormatError(
            QCoreApplication::translate("Spreadsheet", "The workbook could not be written: %1")
                .arg(written.errorString()));
    }
    std::vector<PackagePart> parts = readPackage(written.readAll());
    for (PackagePart& part : parts) {
        if (part.name == QLatin1String("xl/styles.xml")) {
            part.data = fixStyles(part.data, part.name);
            continue;
        }
        static const QString sheetPrefix = QStringLiteral("xl/worksheets/sheet");
        if (!part.name.startsWith(sheetPrefix) || !part.name.endsWith(QLatin1String(".xml")))
            continue;
        bool ok = false;
        const int index = part.name.mid(sheetPrefix.size()).chopped(4).toInt(&ok) - 1;
        if (!ok || index < 0 || index >= static_cast<int>(writer.fixes().size())) continue;
        part.data = fixSheet(part.data, part.name, writer.fixes()[static_cast<std::size_t>(index)]);
    }
    return writePackage(parts);
}

void saveWorkbook(const Workbook& book, const QString& path)
{
    xls::saveWorkbookBytes(writeWorkbook(book), path);
}

} // namespace bw::ss::xlsx
