// How the model's formatting maps onto the file format's numbers, both ways.
#include "spreadsheet/xls/xlsstyle.h"

#include <array>
#include <cmath>
#include <utility>

namespace bw::ss::xls::style {

namespace {

constexpr double kDigitPixels = 7.0;
constexpr double kPaddingPixels = 5.0;

bool isPaletteIndex(int colorIndex) { return colorIndex >= 1 && colorIndex <= 56; }

} // namespace

unsigned fontColor(int colorIndex)
{
    return isPaletteIndex(colorIndex) ? static_cast<unsigned>(colorIndex + 7) : kFontAutomatic;
}

unsigned borderColor(int colorIndex)
{
    return isPaletteIndex(colorIndex) ? static_cast<unsigned>(colorIndex + 7) : kSystemText;
}

int colorIndexOf(unsigned icv)
{
    // 0-7 are the eight fixed colours, the same as the first eight palette entries.
    if (icv <= 7) return static_cast<int>(icv) + 1;
    if (icv <= 63) return static_cast<int>(icv) - 7;
    return kColorAutomatic;
}

// Line styles of the object model: continuous 1, dash -4115, dot -4118, double -4119,
// dash-dot 4, dash-dot-dot 5, slanted dash-dot 13.
unsigned borderLine(int lineStyle)
{
    switch (lineStyle) {
    case kLineNone:
        return 0;
    case -4115:
        return 3;
    case -4118:
        return 4;
    case -4119:
        return 6;
    case 4:
        return 9;
    case 5:
        return 11;
    case 13:
        return 13;
    default:
        return 1;
    }
}

int lineStyleOf(unsigned dgBorder)
{
    switch (dgBorder) {
    case 0:
        return kLineNone;
    case 3:
    case 8:
        return -4115;
    case 4:
    case 7:
        return -4118;
    case 6:
        return -4119;
    case 9:
    case 10:
        return 4;
    case 11:
    case 12:
        return 5;
    case 13:
        return 13;
    default:
        return kLineContinuous;
    }
}

namespace {

// Codes the file format numbers itself. Only the locale-neutral ones are written by
// index; the currency and date ones get explicit FORMAT records so that every reader
// shows them the same.
const std::array<std::pair<unsigned, const char*>, 36> kBuiltIns{{
    {0, "General"},
    {1, "0"},
    {2, "0.00"},
    {3, "#,##0"},
    {4, "#,##0.00"},
    {5, "\"$\"#,##0_);\\(\"$\"#,##0\\)"},
    {6, "\"$\"#,##0_);[Red]\\(\"$\"#,##0\\)"},
    {7, "\"$\"#,##0.00_);\\(\"$\"#,##0.00\\)"},
    {8, "\"$\"#,##0.00_);[Red]\\(\"$\"#,##0.00\\)"},
    {9, "0%"},
    {10, "0.00%"},
    {11, "0.00E+00"},
    {12, "# ?/?"},
    {13, "# ?"
         "?/??"},
    {14, "m/d/yyyy"},
    {15, "d-mmm-yy"},
    {16, "d-mmm"},
    {17, "mmm-yy"},
    {18, "h:mm AM/PM"},
    {19, "h:mm:ss AM/PM"},
    {20, "h:mm"},
    {21, "h:mm:ss"},
    {22, "m/d/yyyy h:mm"},
    {37, "#,##0_);(#,##0)"},
    {38, "#,##0_);[Red](#,##0)"},
    {39, "#,##0.00_);(#,##0.00)"},
    {40, "#,##0.00_);[Red](#,##0.00)"},
    {41, "_(* #,##0_);_(* \\(#,##0\\);_(* \"-\"_);_(@_)"},
    {42, "_(\"$\"* #,##0_);_(\"$\"* \\(#,##0\\);_(\"$\"* \"-\"_);_(@_)"},
    {43, "_(* #,##0.00_);_(* \\(#,##0.00\\);_(* \"-\"??_);_(@_)"},
    {44, "_(\"$\"* #,##0.00_);_(\"$\"* \\(#,##0.00\\);_(\"$\"* \"-\"??_);_(@_)"},
    {45, "mm:ss"},
    {46, "[h]:mm:ss"},
    {47, "mm:ss.0"},
    {48, "##0.0E+0"},
    {49, "@"},
}};

constexpr std::array<unsigned, 11> kNeutral{0, 1, 2, 3, 4, 9, 10, 11, 12, 13, 49};

} // namespace

std::optional<unsigned> builtInFormatIndex(const QString& code)
{
    for (const unsigned index : kNeutral) {
        if (code == builtInFormatCode(index)) return index;
    }
    return std::nullopt;
}

QString builtInFormatCode(unsigned index)
{
    for (const auto& [i, code] : kBuiltIns) {
        if (i == index) return QString::fromLatin1(code);
    }
    return QStringLiteral("General");
}

unsigned columnWidthUnits(double characters)
{
    if (!(characters > 0)) return 0;
    const double pixels = characters < 1.0
                              ? std::round(characters * (kDigitPixels + kPaddingPixels))
                              : std::round(characters * kDigitPixels) + kPaddingPixels;
    return static_cast<unsigned>(std::min(65535.0, std::round(pixels * 256.0 / kDigitPixels)));
}

double columnWidthCharacters(unsigned units)
{
    const double pixels = std::round(units * kDigitPixels / 256.0);
    const double characters = pixels < kDigitPixels + kPaddingPixels
                                  ? pixels / (kDigitPixels + kPaddingPixels)
                                  : (pixels - kPaddingPixels) / kDigitPixels;
    return std::round(characters * 100.0) / 100.0;
}

} // namespace bw::ss::xls::style
