// Cell addresses and ranges: column names and A1 text, both ways.
#include "spreadsheet/model/cellref.h"

#include <utility>

namespace bw::ss {

QString columnName(int col)
{
    QString name;
    int n = col + 1;
    while (n > 0) {
        const int rem = (n - 1) % 26;
        name.prepend(QChar(u'A' + rem));
        n = (n - 1) / 26;
    }
    return name;
}

QString a1Name(CellAddress a) { return columnName(a.col) + QString::number(a.row + 1); }

QString a1Name(const CellRange& r)
{
    if (r.isSingleCell()) {
        return a1Name(r.first);
    }
    return a1Name(r.first) + QLatin1Char(':') + a1Name(r.last);
}

namespace {

struct Part {
    std::optional<int> row;
    std::optional<int> col;
};

// One side of a range: letters, digits or both, each optionally preceded by "$".
std::optional<Part> parsePart(QStringView s)
{
    Part part;
    qsizetype i = 0;
    if (i < s.size() && s[i] == u'$') ++i;
    int col = 0;
    qsizetype letters = 0;
    // ASCII letters and digits only, read without Qt's tables: addresses are parsed for
    // every cell a report fills.
    const auto letter = [](char16_t c) {
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    };
    while (i < s.size() && letter(s[i].unicode())) {
        const char16_t c = s[i].unicode();
        col = col * 26 + ((c >= u'a' ? c - (u'a' - u'A') : c) - u'A' + 1);
        if (col > kMaxColumns) return std::nullopt;
        ++i;
        ++letters;
    }
    if (letters > 0) part.col = col - 1;
    if (i < s.size() && s[i] == u'$') {
        if (letters == 0) return std::nullopt;
        ++i;
    }
    qsizetype digits = 0;
    long long row = 0;
    while (i < s.size() && s[i].unicode() >= u'0' && s[i].unicode() <= u'9') {
        row = row * 10 + (s[i].unicode() - u'0');
        if (row > kMaxRows) return std::nullopt;
        ++i;
        ++digits;
    }
    if (digits > 0) {
        if (row < 1) return std::nullopt;
        part.row = static_cast<int>(row - 1);
    }
    if (i != s.size() || (letters == 0 && digits == 0)) return std::nullopt;
    return part;
}

} // namespace

std::optional<CellRange> parseA1Range(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const qsizetype colon = trimmed.indexOf(u':');
    const QStringView left = colon < 0 ? trimmed : trimmed.left(colon);
    const QStringView right = colon < 0 ? trimmed : trimmed.mid(colon + 1);
    const auto a = parsePart(left);
    const auto b = parsePart(right);
    if (!a || !b) return std::nullopt;
    CellRange r;
    if (a->row && a->col && b->row && b->col) {
        r = {{*a->row, *a->col}, {*b->row, *b->col}};
    } else if (!a->row && !b->row && a->col && b->col && colon >= 0) {
        r = CellRange::columns(*a->col, *b->col);
    } else if (!a->col && !b->col && a->row && b->row && colon >= 0) {
        r = CellRange::rows(*a->row, *b->row);
    } else {
        return std::nullopt;
    }
    if (r.first.row > r.last.row) std::swap(r.first.row, r.last.row);
    if (r.first.col > r.last.col) std::swap(r.first.col, r.last.col);
    return r;
}

} // namespace bw::ss
