// How the model's formatting maps onto the file format's numbers, both ways.
#pragma once

#include "spreadsheet/model/cellformat.h"

#include <QString>

#include <optional>

// How the model's formatting maps onto the file format's numbers, both ways.
namespace bw::ss::xls::style {

// Palette indexes of the file: 8-63 are the 56 colours of the object model's ColorIndex
// 1-56; these stand for "automatic".
inline constexpr unsigned kFontAutomatic = 0x7FFF;
inline constexpr unsigned kSystemText = 64;
inline constexpr unsigned kSystemBackground = 65;

unsigned fontColor(int colorIndex);
unsigned borderColor(int colorIndex);
// Object-model colour index of a file palette index; automatic for the system colours.
int colorIndexOf(unsigned icv);

unsigned borderLine(int lineStyle);
int lineStyleOf(unsigned dgBorder);

// The built-in number format index of a format code, if the code is one of those that
// mean the same in every locale; other codes get FORMAT records of their own.
std::optional<unsigned> builtInFormatIndex(const QString& code);
// The code of a built-in number format index (US English), or "General" when unknown.
QString builtInFormatCode(unsigned index);

// Column widths: characters of Arial 10 (a 7-pixel digit plus 5 pixels of padding),
// snapped to whole pixels as the spreadsheet application does, in 1/256 characters.
unsigned columnWidthUnits(double characters);
double columnWidthCharacters(unsigned units);

} // namespace bw::ss::xls::style
