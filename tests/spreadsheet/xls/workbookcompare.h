// Comparing two workbooks cell by cell and format by format in tests.
#pragma once

#include "spreadsheet/model/workbook.h"

#include <gtest/gtest.h>

namespace bw::test::xls {

// Everything the model holds, compared sheet by sheet; formats by content, since two
// books number their interned formats differently.
void expectSameWorkbook(const ss::Workbook& expected, const ss::Workbook& actual);

} // namespace bw::test::xls
