// What a cell shows and the fonts it is drawn in.
#include "spreadsheet/render/celltext.h"

#include "spreadsheet/numfmt/numfmt.h"

#include <algorithm>
#include <cmath>

namespace bw::ss::render {

std::optional<CellContent> cellContent(const Value& value, const QString& numberFormat)
{
    switch (value.type()) {
    case Value::Type::Empty:
        return std::nullopt;
    case Value::Type::Boolean:
        return CellContent{value.asBoolean() ? QStringLiteral("TRUE") : QStringLiteral("FALSE"),
                           ContentKind::Other, 0.0, false, std::nullopt};
    case Value::Type::Error:
        return CellContent{errorText(value.asError()), ContentKind::Other, 0.0, false,
                           std::nullopt};
    case Value::Type::Number: {
        numfmt::Shown shown = numfmt::format(value, numberFormat);
        const bool general =
            numberFormat.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0;
        return CellContent{std::move(shown.text), ContentKind::Number, value.asNumber(), general,
                           shown.colorIndex};
    }
    case Value::Type::Text: {
        numfmt::Shown shown = numfmt::format(value, numberFormat);
        return CellContent{std::move(shown.text), ContentKind::Text, 0.0, false, shown.colorIndex};
    }
    }
    return std::nullopt;
}

FontEntry::FontEntry(const FontSpec& fontSpec)
    : font(sheetFont(fontSpec)), metrics(font), ascent(metrics.ascent()), height(metrics.height()),
      lineSpacing(metrics.lineSpacing()), exact_(font)
{
    advances_.fill(-1.0);
}

int FontEntry::width(const QString& text) const
{
    double total = 0.0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!isPlainAscii(u)) return metrics.horizontalAdvance(text);
        double& advance = advances_[u];
        if (advance < 0.0) advance = exact_.horizontalAdvance(c);
        total += advance;
    }
    return qRound(total);
}

QString fitNumber(const CellContent& number, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(number.text) <= width) return number.text;
    if (number.generalFormat) {
        for (auto chars = number.text.size() - 1; chars > 0; --chars) {
            const QString shorter = numfmt::formatGeneral(number.number, static_cast<int>(chars));
            if (metrics.horizontalAdvance(shorter) <= width) return shorter;
        }
    }
    const int hash = std::max(metrics.horizontalAdvance(QLatin1Char('#')), 1);
    return QString(std::max(width, 0) / hash, QLatin1Char('#'));
}

QString repeatToFill(const QString& text, const QFontMetrics& metrics, int width)
{
    const int once = std::max(metrics.horizontalAdvance(text), 1);
    return text.repeated(std::max(width / once, 1));
}

QStringList fontFamilies(const QString& name)
{
    static const std::pair<QLatin1String, QLatin1String> kCompatible[] = {
        {QLatin1String("Arial"), QLatin1String("Liberation Sans")},
        {QLatin1String("Helvetica"), QLatin1String("Liberation Sans")},
        {QLatin1String("Times New Roman"), QLatin1String("Liberation Serif")},
        {QLatin1String("Courier New"), QLatin1String("Liberation Mono")},
    };
    for (const auto& [font, substitute] : kCompatible) {
        if (name.compare(font, Qt::CaseInsensitive) == 0) return {name, substitute};
    }
    return {name, QStringLiteral("Liberation Sans")};
}

QFont sheetFont(const FontSpec& fontSpec)
{
    QFont font;
    font.setFamilies(fontFamilies(fontSpec.name));
    // Points at 96 dpi, to whole pixels: Arial 10 is 13 pixels, bold 18 is 24.
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(fontSpec.size * 96.0 / 72.0))));
    font.setWeight(fontSpec.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(fontSpec.italic);
    // Screen cell text is not kerned; unhinted greyscale outlines rasterise the same with
    // every FreeType hinting engine.
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(static_cast<QFont::StyleStrategy>(
        QFont::PreferAntialias | QFont::NoSubpixelAntialias | QFont::PreferNoShaping));
    return font;
}

const FontEntry& FontCache::get(const FontSpec& fontSpec)
{
    // The colour is drawn with the pen: fonts that differ only in it are one font.
    FontSpec key = fontSpec;
    key.colorIndex = FontSpec{}.colorIndex;
    for (const auto& [known, entry] : entries_) {
        if (known == key) return *entry;
    }
    entries_.emplace_back(key, std::make_unique<FontEntry>(key));
    return *entries_.back().second;
}

} // namespace bw::ss::render
