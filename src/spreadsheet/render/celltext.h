// What a cell shows (text, kind, colour) and the fonts and fitting it is drawn with.
#pragma once

#include "spreadsheet/model/cellformat.h"
#include "spreadsheet/model/value.h"

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace bw::ss::render {

// Numbers are aligned right and never run into their neighbours; texts are aligned left
// and may; booleans and errors are centred and may not.
enum class ContentKind { Number, Text, Other };

struct CellContent {
    QString text;
    ContentKind kind = ContentKind::Text;
    double number = 0.0;           // for numbers
    bool generalFormat = false;    // shown by "General": may drop decimals to fit
    std::optional<int> colorIndex; // from a colour section of the number format
};

// What a cell with `value` shows under its number format; nothing for an empty value.
std::optional<CellContent> cellContent(const Value& value, const QString& numberFormat);

// The number's text if it fits `width` pixels; under "General" fewer digits (and
// scientific notation) first; else as many "#" as fit.
QString fitNumber(const CellContent& number, const QFontMetrics& metrics, int width);

// The text repeated as often as it fits whole in `width` pixels, at least once.
QString repeatToFill(const QString& text, const QFontMetrics& metrics, int width);

// Families tried for a sheet font: the font itself, then a metric-compatible font that
// is installed with the program's dependencies.
QStringList fontFamilies(const QString& name);

// A sheet font at 96 dpi, with hinting and antialiasing fixed so that every machine
// with the same fonts paints the same pixels.
QFont sheetFont(const FontSpec& fontSpec);

// Printable ASCII but "f": with kerning off a text of these characters has no kerning and
// no ligatures, so each character is one glyph with an advance of its own.
constexpr bool isPlainAscii(char16_t c) { return c >= 0x20 && c <= 0x7E && c != u'f'; }

struct FontEntry {
    explicit FontEntry(const FontSpec& fontSpec);
    QFont font;
    QFontMetrics metrics;
    // The metrics' own, asked once: each call looks the font up again.
    int ascent = 0;
    int height = 0;
    int lineSpacing = 0;

    // metrics.horizontalAdvance(text), without shaping the text where that cannot change
    // the result: the width of plain ASCII is the sum of its characters' advances.
    int width(const QString& text) const;

private:
    QFontMetricsF exact_;
    mutable std::array<double, 128> advances_; // of each ASCII character; < 0 until needed
};

// The fonts of one picture; a sheet uses a handful. Entries stay where they are.
class FontCache {
public:
    const FontEntry& get(const FontSpec& fontSpec);

private:
    std::vector<std::pair<FontSpec, std::unique_ptr<FontEntry>>> entries_;
};

} // namespace bw::ss::render
