// The "Options" module: decimal separators of number texts and reading the picture clipboard.
#pragma once

#include "spreadsheet/render/sheetpicture.h"

#include <QLocale>
#include <QString>

#include <functional>

// The "Options" module: number texts between the spreadsheet's and the locale's
// notation, and reading the picture clipboard.
namespace bw::Options {

// The locale's decimal separator: the second character of one half written as text.
QString DecimalSeparator(const QLocale& locale = QLocale());

// toPoint true: the locale's separator becomes ".". toPoint false: "." and then ","
// become the locale's separator, so the result reads as a number in the locale whichever
// of the two the text used.
QString NormalizeDecimal(const QString& number, bool toPoint, const QLocale& locale = QLocale());

// Reads the engine's picture clipboard until a read gives a picture, at most 1000 times,
// without a pause; a null image when every read failed. `format` 0 lets the clipboard
// choose and is the only one it knows.
ss::render::SheetPicture GetClipboardPicture(int format);
// The same loop over another reader (a read that throws or gives a null picture failed).
ss::render::SheetPicture GetClipboardPicture(int format,
                                             const std::function<ss::render::SheetPicture()>& read);

inline constexpr int kClipboardReadAttempts = 1000;

} // namespace bw::Options
