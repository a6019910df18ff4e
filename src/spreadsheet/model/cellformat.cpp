// Hashing cell formats and the workbook's table of interned formats.
#include "spreadsheet/model/cellformat.h"

namespace bw::ss {

std::size_t qHash(const CellFormat& f, std::size_t seed)
{
    QtPrivate::QHashCombine combine;
    seed = combine(seed, f.font.name);
    seed = combine(seed, f.font.size);
    seed = combine(seed, f.font.bold);
    seed = combine(seed, f.font.italic);
    seed = combine(seed, f.font.colorIndex);
    seed = combine(seed, f.fillColorIndex);
    for (const Border& b : f.borders) {
        seed = combine(seed, b.lineStyle);
        seed = combine(seed, b.colorIndex);
    }
    seed = combine(seed, static_cast<int>(f.hAlign));
    seed = combine(seed, static_cast<int>(f.vAlign));
    seed = combine(seed, f.wrap);
    seed = combine(seed, f.numberFormat);
    seed = combine(seed, f.locked);
    seed = combine(seed, f.formulaHidden);
    return seed;
}

FormatTable::FormatTable() { intern(CellFormat{}); }

FormatId FormatTable::intern(const CellFormat& format)
{
    const auto found = ids_.constFind(format);
    if (found != ids_.constEnd()) {
        return found.value();
    }
    const auto id = static_cast<FormatId>(formats_.size());
    formats_.push_back(format);
    ids_.insert(format, id);
    return id;
}

} // namespace bw::ss
