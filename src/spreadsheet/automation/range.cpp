// The object model's Range, Font, Interior and Border.
#include "spreadsheet/automation/formatting.h"
#include "spreadsheet/automation/objectmodel.h"
#include "spreadsheet/automation/pictureclipboard.h"
#include "spreadsheet/automation/state.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/errors.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/render/celltext.h"
#include "spreadsheet/render/render.h"

#include <QCoreApplication>
#include <QStringList>

#include <cmath>

namespace bw::ss::automation {

namespace {

bool isColorIndex(int index) { return (index >= 1 && index <= 56) || index == kColorAutomatic; }

bool spansAllRows(const CellRange& r) { return r.isWholeColumns(); }

// Formulas and constants go into cells, never into whole rows or columns.
void refuseWholeRowsOrColumns(const CellRange& r)
{
    if (!r.isWholeRows() && !r.isWholeColumns()) return;
    throw AutomationError(QCoreApplication::translate(
        "Spreadsheet", "A formula can be entered into cells, not into whole rows "
                       "or columns."));
}

QString constantText(const ss::Value& v)
{
    switch (v.type()) {
    case ss::Value::Type::Empty:
        return QString();
    case ss::Value::Type::Number:
        return QString::number(v.asNumber(), 'g', 15);
    case ss::Value::Type::Text:
        return v.asText();
    case ss::Value::Type::Boolean:
        return v.asBoolean() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case ss::Value::Type::Error:
        return errorText(v.asError());
    }
    return QString();
}

} // namespace

// --- Range ----------------------------------------------------------------------------

void Range::changeFormats(const std::function<void(CellFormat&)>& change) const
{
    ss::Worksheet& s = sheet();
    for (const CellRange& area : areas_) changeFormat(s, area, change);
}

void Range::Select() const
{
    ss::Worksheet& s = sheet();
    if (book_->book->activeSheetIndex() != sheetIndex() || app().activeBook != book_) {
        throw AutomationError(QCoreApplication::translate(
            "Spreadsheet", "A range can only be selected on the active sheet of the "
                           "active workbook."));
    }
    s.select(areas_, areas_.front().first);
}

void Range::Clear() const
{
    ss::Worksheet& s = sheet();
    for (const CellRange& area : areas_) clearRange(s, area);
}

void Range::Merge() const
{
    ss::Worksheet& s = sheet();
    for (const CellRange& area : areas_) mergeRange(s, area);
}

QString Range::Address() const
{
    sheet();
    QStringList parts;
    for (const CellRange& area : areas_) parts << a1Name(area);
    return parts.join(QLatin1Char(','));
}

int Range::Row() const
{
    sheet();
    return areas_.front().first.row + 1;
}

int Range::Column() const
{
    sheet();
    return areas_.front().first.col + 1;
}

automation::Range Range::Rows() const
{
    sheet();
    return automation::Range(*this, {areas_.front()}, Kind::Rows);
}

automation::Range Range::Columns() const
{
    sheet();
    return automation::Range(*this, {areas_.front()}, Kind::Columns);
}

int Range::Count() const
{
    sheet();
    const CellRange& first = areas_.front();
    switch (kind_) {
    case Kind::Rows:
        return first.rowCount();
    case Kind::Columns:
        return first.columnCount();
    case Kind::Cells:
        break;
    }
    int cells = 0;
    for (const CellRange& area : areas_) cells += area.rowCount() * area.columnCount();
    return cells;
}

automation::Range Range::Item(int index) const
{
    const int i = detail::checkedIndex(index, Count());
    const CellRange& first = areas_.front();
    CellRange item = first;
    switch (kind_) {
    case Kind::Rows:
        item.first.row = item.last.row = first.first.row + i;
        break;
    case Kind::Columns:
        item.first.col = item.last.col = first.first.col + i;
        break;
    case Kind::Cells: {
        int rest = i;
        for (const CellRange& area : areas_) {
            const int size = area.rowCount() * area.columnCount();
            if (rest < size) {
                const CellAddress a{area.first.row + rest / area.columnCount(),
                                    area.first.col + rest % area.columnCount()};
                item = CellRange::single(a);
                break;
            }
            rest -= size;
        }
        break;
    }
    }
    return automation::Range(*this, {item});
}

automation::Range Range::Resize(int rows, int columns) const
{
    sheet();
    CellRange area = CellRange::single(areas_.front().first);
    area.last.row += detail::checkedIndex(rows, kMaxRows - area.first.row);
    area.last.col += detail::checkedIndex(columns, kMaxColumns - area.first.col);
    return automation::Range(*this, {area});
}

automation::Font Range::Font() const
{
    sheet();
    return automation::Font(*this);
}

automation::Interior Range::Interior() const
{
    sheet();
    return automation::Interior(*this);
}

automation::Border Range::Borders(int index) const
{
    sheet();
    if (index < kEdgeLeft || index > kInsideHorizontal) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet",
                                        "There is no border number %1: the borders of a range are "
                                        "numbered 7 to 12.")
                .arg(index));
    }
    return automation::Border(*this, index);
}

void Range::setHorizontalAlignment(int alignment) const
{
    HAlign align;
    switch (alignment) {
    case kAlignGeneral:
        align = HAlign::General;
        break;
    case kAlignLeft:
        align = HAlign::Left;
        break;
    case kAlignCenter:
        align = HAlign::Center;
        break;
    case kAlignRight:
        align = HAlign::Right;
        break;
    case kAlignFill:
        align = HAlign::Fill;
        break;
    case kAlignJustify:
        align = HAlign::Justify;
        break;
    case kAlignCenterAcrossSelection:
        align = HAlign::CenterAcross;
        break;
    case kAlignDistributed:
        align = HAlign::Distributed;
        break;
    default:
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "%1 is not a horizontal alignment.")
                .arg(alignment));
    }
    changeFormats([align](CellFormat& f) { f.hAlign = align; });
}

void Range::setVerticalAlignment(int alignment) const
{
    VAlign align;
    switch (alignment) {
    case kAlignTop:
        align = VAlign::Top;
        break;
    case kAlignCenter:
        align = VAlign::Center;
        break;
    case kAlignBottom:
        align = VAlign::Bottom;
        break;
    case kAlignJustify:
        align = VAlign::Justify;
        break;
    case kAlignDistributed:
        align = VAlign::Distributed;
        break;
    default:
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "%1 is not a vertical alignment.")
                .arg(alignment));
    }
    changeFormats([align](CellFormat& f) { f.vAlign = align; });
}

void Range::setWrapText(bool on) const
{
    changeFormats([on](CellFormat& f) { f.wrap = on; });
}

void Range::setNumberFormat(const QString& code) const
{
    const QString stored = code.isEmpty() ? QStringLiteral("General") : code;
    if (stored.size() > 255) {
        throw AutomationError(QCoreApplication::translate(
            "Spreadsheet", "A number format has at most 255 characters."));
    }
    changeFormats([&stored](CellFormat& f) { f.numberFormat = stored; });
}

void Range::setLocked(bool on) const
{
    changeFormats([on](CellFormat& f) { f.locked = on; });
}

void Range::setFormulaHidden(bool on) const
{
    changeFormats([on](CellFormat& f) { f.formulaHidden = on; });
}

void Range::setRowHeight(double points) const
{
    ss::Worksheet& s = sheet();
    if (!std::isfinite(points) || points < 0 || points > 409) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "A row height is 0 to 409 points, not %1.")
                .arg(points));
    }
    for (const CellRange& area : areas_) {
        // Every row of the sheet would need a default height of the sheet, which the
        // workbook file keeps apart from the rows; the engine does not offer that.
        if (spansAllRows(area)) {
            throw AutomationError(QCoreApplication::translate(
                "Spreadsheet", "The height of every row of the sheet cannot be set at once."));
        }
    }
    for (const CellRange& area : areas_) {
        for (int r = area.first.row; r <= area.last.row; ++r) s.setRowHeight(r, points);
    }
}

void Range::setColumnWidth(double characters) const
{
    ss::Worksheet& s = sheet();
    if (!std::isfinite(characters) || characters < 0 || characters > 255) {
        throw AutomationError(QCoreApplication::translate(
                                  "Spreadsheet", "A column width is 0 to 255 characters, not %1.")
                                  .arg(characters));
    }
    for (const CellRange& area : areas_) {
        for (int c = area.first.col; c <= area.last.col; ++c) s.setColumnWidth(c, characters);
    }
}

QString Range::FormulaR1C1() const
{
    const ss::Worksheet& s = sheet();
    const CellAddress a = areas_.front().first;
    const Cell* cell = s.cell(a);
    if (!cell) return QString();
    if (cell->hasFormula()) return QLatin1Char('=') + formula::toR1C1(*cell->formula, a);
    return constantText(cell->value);
}

void Range::setFormulaR1C1(const QString& text) const
{
    ss::Worksheet& s = sheet();
    const QLocale locale = app().settings.locale;
    for (const CellRange& area : areas_) refuseWholeRowsOrColumns(area);
    for (const CellRange& area : areas_) {
        for (int r = area.first.row; r <= area.last.row; ++r) {
            for (int c = area.first.col; c <= area.last.col; ++c)
                formula::enterR1C1(s, {r, c}, text, locale);
        }
    }
}

void Range::setFormulaR1C1(std::span<const QString> texts) const
{
    ss::Worksheet& s = sheet();
    const CellRange& area = areas_.front();
    refuseWholeRowsOrColumns(area);
    if (texts.empty()) return;
    // The first text without a cell is the item named in the refusal.
    const int cells = area.rowCount() * area.columnCount();
    if (texts.size() > static_cast<std::size_t>(cells)) detail::checkedIndex(cells + 1, cells);
    const QLocale locale = app().settings.locale;
    auto text = texts.begin();
    for (int r = area.first.row; r <= area.last.row; ++r) {
        for (int c = area.first.col; c <= area.last.col && text != texts.end(); ++c)
            formula::enterR1C1(s, {r, c}, *text++, locale);
    }
}

ss::Value Range::Value() const
{
    ss::Worksheet& s = sheet();
    if (s.needsRecalc()) formula::recalculate(s);
    const Cell* cell = s.cell(areas_.front().first);
    return cell ? cell->value : ss::Value();
}

QString Range::Text() const
{
    const ss::Value value = Value();
    const ss::Worksheet& s = sheet();
    const CellFormat& format = s.workbook().formats().get(s.formatAt(areas_.front().first));
    const std::optional<render::CellContent> content =
        render::cellContent(value, format.numberFormat);
    return content ? content->text : QString();
}

void Range::CopyPicture() const
{
    ss::Worksheet& s = sheet();
    formula::recalculate(*book_->book);
    const render::SheetPicture picture = render::recordRange(s, areas_.front());
    if (picture.isNull()) {
        throw AutomationError(QCoreApplication::translate(
                                  "Spreadsheet", "The picture of the range %1 could not be made.")
                                  .arg(a1Name(areas_.front())));
    }
    pictureClipboard().setPicture(picture);
}

// --- Font, Interior, Border -----------------------------------------------------------

void Font::setName(const QString& name) const
{
    if (name.trimmed().isEmpty() || name.size() > 31) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "\"%1\" is not a font name.").arg(name));
    }
    range_.changeFormats([&name](CellFormat& f) { f.font.name = name; });
}

void Font::setSize(double points) const
{
    if (!std::isfinite(points) || points < 1 || points > 409) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "A font size is 1 to 409 points, not %1.")
                .arg(points));
    }
    range_.changeFormats([points](CellFormat& f) { f.font.size = points; });
}

void Font::setFontStyle(const QString& style) const
{
    const QString words = style.simplified().toLower();
    bool bold = false;
    bool italic = false;
    if (words == QLatin1String("bold")) {
        bold = true;
    } else if (words == QLatin1String("italic")) {
        italic = true;
    } else if (words == QLatin1String("bold italic") || words == QLatin1String("italic bold")) {
        bold = italic = true;
    } else if (words != QLatin1String("regular") && words != QLatin1String("normal")) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet",
                                        "\"%1\" is not a font style; use Regular, Bold, Italic or "
                                        "Bold Italic.")
                .arg(style));
    }
    range_.changeFormats([bold, italic](CellFormat& f) {
        f.font.bold = bold;
        f.font.italic = italic;
    });
}

void Font::setColorIndex(int index) const
{
    if (!isColorIndex(index)) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "%1 is not a font colour index.")
                .arg(index));
    }
    range_.changeFormats([index](CellFormat& f) { f.font.colorIndex = index; });
}

void Interior::setColorIndex(int index) const
{
    if (!isColorIndex(index) && index != kColorNone) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "%1 is not a fill colour index.")
                .arg(index));
    }
    const int fill = index == kColorAutomatic ? kColorNone : index;
    range_.changeFormats([fill](CellFormat& f) { f.fillColorIndex = fill; });
}

void Border::setLineStyle(int style) const
{
    switch (style) {
    case kLineContinuous:
    case kLineNone:
    case -4115: // dash
    case 4:     // dash dot
    case 5:     // dash dot dot
    case -4118: // dot
    case -4119: // double
    case 13:    // slanted dash dot
        break;
    default:
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "%1 is not a border line style.")
                .arg(style));
    }
    ss::Worksheet& s = range_.sheet();
    const BorderChange change = [style](ss::Border& b) { b.lineStyle = style; };
    for (const CellRange& area : range_.areas()) changeBorder(s, area, index_, change);
}

void Border::setColorIndex(int index) const
{
    if (!isColorIndex(index)) {
        throw AutomationError(
            QCoreApplication::translate("Spreadsheet", "%1 is not a border colour index.")
                .arg(index));
    }
    ss::Worksheet& s = range_.sheet();
    const BorderChange change = [index](ss::Border& b) {
        b.colorIndex = index;
        if (!b.isDrawn()) b.lineStyle = kLineContinuous;
    };
    for (const CellRange& area : range_.areas()) changeBorder(s, area, index_, change);
}

} // namespace bw::ss::automation
