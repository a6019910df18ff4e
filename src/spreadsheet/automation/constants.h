// Numeric constants of the spreadsheet application's object model.
#pragma once

// Numeric constants of the spreadsheet application's object model, as callers pass them.
namespace bw::ss::automation {

// Workbook file formats accepted by SaveAs. Both are the Excel 97-2003 workbook.
inline constexpr int kFileFormatExcel8 = 56;
inline constexpr int kFileFormatNormal = -4143;

// Borders item indexes.
inline constexpr int kEdgeLeft = 7;
inline constexpr int kEdgeTop = 8;
inline constexpr int kEdgeBottom = 9;
inline constexpr int kEdgeRight = 10;
inline constexpr int kInsideVertical = 11;
inline constexpr int kInsideHorizontal = 12;

// Alignment values.
inline constexpr int kAlignGeneral = 1;
inline constexpr int kAlignFill = 5;
inline constexpr int kAlignCenterAcrossSelection = 7;
inline constexpr int kAlignCenter = -4108;
inline constexpr int kAlignLeft = -4131;
inline constexpr int kAlignRight = -4152;
inline constexpr int kAlignTop = -4160;
inline constexpr int kAlignBottom = -4107;
inline constexpr int kAlignJustify = -4130;
inline constexpr int kAlignDistributed = -4117;

// Application settings.
inline constexpr int kCancelKeyDisabled = 0;
inline constexpr int kCancelKeyInterrupt = 1;
inline constexpr int kCancelKeyErrorHandler = 2;
inline constexpr int kCursorDefault = -4143;
inline constexpr int kCursorNorthwestArrow = 1;
inline constexpr int kCursorWait = 2;
inline constexpr int kCursorIBeam = 3;

} // namespace bw::ss::automation
