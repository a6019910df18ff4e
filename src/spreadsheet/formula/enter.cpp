// Entering a typed text into a cell, as a constant or an R1C1 formula.
#include "spreadsheet/entry/entry.h"
#include "spreadsheet/formula/formula.h"
#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"

#include <memory>

namespace bw::ss::formula {

void enterR1C1(Worksheet& sheet, CellAddress cell, const QString& text, const QLocale& locale)
{
    FormatTable& formats = sheet.workbook().formats();
    const FormatId formatId = sheet.formatAt(cell);
    entry::Parsed parsed = entry::parse(text, formats.get(formatId).numberFormat, locale);
    if (parsed.kind == entry::Parsed::Kind::Formula) {
        // Parsing throws before anything is stored, so a refused formula leaves the cell as it was.
        auto f = std::make_shared<const Formula>(parseR1C1(parsed.formulaText, cell));
        const Value result = evaluate(*f, sheet, cell);
        sheet.setFormula(cell, std::move(f), result);
        return;
    }
    sheet.setValue(cell, std::move(parsed.value));
    if (parsed.numberFormat) {
        CellFormat changed = formats.get(formatId);
        changed.numberFormat = *parsed.numberFormat;
        sheet.setCellFormat(cell, formats.intern(changed));
    }
}

} // namespace bw::ss::formula
