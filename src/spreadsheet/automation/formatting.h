// Changing the format of every cell of a range, the way formatting a selection does.
#pragma once

#include "spreadsheet/model/cellformat.h"
#include "spreadsheet/model/cellref.h"

#include <functional>

namespace bw::ss {
class Worksheet;
}

namespace bw::ss::automation {

using FormatChange = std::function<void(CellFormat&)>;
using BorderChange = std::function<void(ss::Border&)>;

// Changes the format of every cell of the range, the way formatting a selection does.
// Whole rows, whole columns and the whole sheet change the row, column or sheet
// default formats plus the cells that already exist (and the cells where a row and a
// column format meet), so the cost follows what is stored, not the size of the range.
// A cell whose format does not change is not created.
void changeFormat(ss::Worksheet& sheet, const CellRange& range, const FormatChange& change);

// Draws one of the object model's border items (7 to 10 the outer edges, 11 the lines
// between the columns, 12 the lines between the rows) on the range. Edges 7 to 10 touch
// only the range's outer cells. Where a cell outside the range already draws the same
// line from its side, it is given the same line, so a line between two cells looks the
// same from either side. Throws AutomationError for any other index.
void changeBorder(ss::Worksheet& sheet, const CellRange& range, int index,
                  const BorderChange& change);

// Removes the contents and formats of the range's cells (and un-merges regions that
// touch it). Row heights and column widths stay.
void clearRange(ss::Worksheet& sheet, const CellRange& range);

// Merges the range into one cell; only the top-left value is kept.
void mergeRange(ss::Worksheet& sheet, const CellRange& range);

} // namespace bw::ss::automation
