// The copy of a sheet that a picture keeps, and its bytes in a picture file.
#include "spreadsheet/render/picturesheet.h"

#include "spreadsheet/model/workbook.h"
#include "spreadsheet/model/worksheet.h"
#include "spreadsheet/render/geometry.h"
#include "spreadsheet/render/picturebytes.h"

#include <algorithm>
#include <cmath>

namespace bw::ss::render {

namespace {

// No picture is taller or wider than this many pixels, nor reaches further out.
constexpr int kMaxReach = 1 << 28;

bool meets(const CellRange& m, int firstRow, int lastRow)
{
    return m.first.row <= lastRow && m.last.row >= firstRow;
}

bool meets(const CellRange& m, const CellRange& r)
{
    return meets(m, r.first.row, r.last.row) && m.first.col <= r.last.col
           && m.last.col >= r.first.col;
}

bool insideGrid(const CellRange& r)
{
    return r.first.row >= 0 && r.first.col >= 0 && r.last.row < kMaxRows && r.last.col < kMaxColumns
           && r.first.row <= r.last.row && r.first.col <= r.last.col;
}

bool knownError(std::uint8_t code)
{
    switch (static_cast<ErrorValue>(code)) {
    case ErrorValue::Null:
    case ErrorValue::Div0:
    case ErrorValue::Value:
    case ErrorValue::Ref:
    case ErrorValue::Name:
    case ErrorValue::Num:
    case ErrorValue::NA:
        return true;
    }
    return false;
}

void check(bool holds, const char* why)
{
    if (!holds) throwDamagedPicture(why);
}

// --- bytes of the parts ------------------------------------------------------------------

void put(ByteWriter& out, const CellRange& r)
{
    out.put<qint32>(r.first.row);
    out.put<qint32>(r.first.col);
    out.put<qint32>(r.last.row);
    out.put<qint32>(r.last.col);
}

CellRange getRange(ByteReader& in)
{
    CellRange r;
    r.first.row = in.get<qint32>();
    r.first.col = in.get<qint32>();
    r.last.row = in.get<qint32>();
    r.last.col = in.get<qint32>();
    check(insideGrid(r), "a range lies outside the sheet");
    return r;
}

void put(ByteWriter& out, const CellFormat& f)
{
    out.put(f.font.name);
    out.put<double>(f.font.size);
    out.put<quint8>(f.font.bold ? 1 : 0);
    out.put<quint8>(f.font.italic ? 1 : 0);
    out.put<qint32>(f.font.colorIndex);
    out.put<qint32>(f.fillColorIndex);
    for (const Border& b : f.borders) {
        out.put<qint32>(b.lineStyle);
        out.put<qint32>(b.colorIndex);
    }
    out.put<quint8>(static_cast<quint8>(f.hAlign));
    out.put<quint8>(static_cast<quint8>(f.vAlign));
    out.put<quint8>(f.wrap ? 1 : 0);
    out.put(f.numberFormat);
}

CellFormat getFormat(ByteReader& in)
{
    CellFormat f;
    f.font.name = in.string();
    f.font.size = in.get<double>();
    check(f.font.size > 0.0 && f.font.size <= 409.0, "a font has no sensible size");
    f.font.bold = in.get<quint8>() != 0;
    f.font.italic = in.get<quint8>() != 0;
    f.font.colorIndex = in.get<qint32>();
    f.fillColorIndex = in.get<qint32>();
    for (Border& b : f.borders) {
        b.lineStyle = in.get<qint32>();
        b.colorIndex = in.get<qint32>();
    }
    const auto h = in.get<quint8>();
    const auto v = in.get<quint8>();
    check(h <= static_cast<quint8>(HAlign::Distributed)
              && v <= static_cast<quint8>(VAlign::Distributed),
          "an alignment is unknown");
    f.hAlign = static_cast<HAlign>(h);
    f.vAlign = static_cast<VAlign>(v);
    f.wrap = in.get<quint8>() != 0;
    f.numberFormat = in.string();
    return f;
}

// A cell takes 25 bytes, written and read in place: a picture holds a cell for each of
// hundreds of thousands.
constexpr std::size_t kCellBytes = 25;

void put(ByteWriter& out, const PictureCell& c)
{
    char* at = out.next(kCellBytes);
    qToLittleEndian<double>(c.number, at);
    qToLittleEndian<quint32>(c.textStart, at + 8);
    qToLittleEndian<quint32>(c.textLength, at + 12);
    qToLittleEndian<quint32>(c.format, at + 16);
    qToLittleEndian<qint16>(c.col, at + 20);
    at[22] = static_cast<char>(c.type);
    at[23] = static_cast<char>(c.code);
    at[24] = c.formula ? 1 : 0;
}

PictureCell getCell(ByteReader& in)
{
    const char* at = in.take(kCellBytes);
    PictureCell c;
    c.number = qFromLittleEndian<double>(at);
    c.textStart = qFromLittleEndian<quint32>(at + 8);
    c.textLength = qFromLittleEndian<quint32>(at + 12);
    c.format = qFromLittleEndian<quint32>(at + 16);
    c.col = qFromLittleEndian<qint16>(at + 20);
    const auto type = static_cast<quint8>(at[22]);
    check(type <= static_cast<quint8>(Value::Type::Error), "a cell holds something unknown");
    c.type = static_cast<Value::Type>(type);
    c.code = static_cast<std::uint8_t>(at[23]);
    c.formula = at[24] != 0;
    return c;
}

} // namespace

PictureSheet::PictureSheet(const Worksheet& sheet, const CellRange& painted)
    : painted_(painted), gridlines_(sheet.showGridlines()),
      formats_(sheet.workbook().formats().all()), defaultFormat_(sheet.defaultFormat())
{
    const PictureGeometry geometry(sheet, painted);
    for (int col = 0; col <= kMaxColumns; ++col)
        columnEdges_[static_cast<std::size_t>(col)] = geometry.x(col);
    rowEdges_.reserve(static_cast<std::size_t>(painted.rowCount()) + 1);
    for (int row = painted.first.row; row <= painted.last.row + 1; ++row)
        rowEdges_.push_back(geometry.y(row));

    columnFormats_.fill(kNoFormat);
    for (const auto& [col, info] : sheet.columns()) {
        if (info.format && col >= 0 && col < kMaxColumns)
            columnFormats_[static_cast<std::size_t>(col)] = *info.format;
    }

    keptFirst_ = std::max(0, painted.first.row - 1);
    const int keptLast = std::min(kMaxRows - 1, painted.last.row + 1);
    const auto& rows = sheet.rows();
    const auto begin = rows.lower_bound(keptFirst_);
    const auto end = rows.upper_bound(keptLast);
    std::size_t cellCount = 0;
    qsizetype textLength = 0;
    for (auto it = begin; it != end; ++it) {
        cellCount += it->second.cells.size();
        for (const auto& [col, cell] : it->second.cells)
            if (cell.value.isText()) textLength += cell.value.asText().size();
    }
    cells_.reserve(cellCount);
    texts_.reserve(textLength);
    rowStarts_.assign(static_cast<std::size_t>(keptLast - keptFirst_ + 2), 0);
    rowFormats_.assign(static_cast<std::size_t>(keptLast - keptFirst_ + 1), kNoFormat);
    auto it = begin;
    for (int row = keptFirst_; row <= keptLast; ++row) {
        const auto k = static_cast<std::size_t>(keptIndex(row));
        if (it != end && it->first == row) {
            if (it->second.format) rowFormats_[k] = *it->second.format;
            for (const auto& [col, cell] : it->second.cells)
                cells_.push_back(copyCell(col, cell.value, cell.hasFormula(), cell.format));
            ++it;
        }
        rowStarts_[k + 1] = static_cast<std::uint32_t>(cells_.size());
    }

    for (const CellRange& m : sheet.mergedRegions()) {
        if (!meets(m, keptFirst_, keptLast)) continue;
        PictureMerge merge;
        merge.range = m;
        merge.meetsPainted = meets(m, painted);
        merge.format = sheet.formatAt(m.first);
        if (const Cell* corner = sheet.cell(m.first))
            merge.corner =
                copyCell(m.first.col, corner->value, corner->hasFormula(), corner->format);
        merge.corner.col = static_cast<std::int16_t>(m.first.col);
        merge.x0 = geometry.x(m.first.col);
        merge.y0 = geometry.y(m.first.row);
        merge.x1 = geometry.x(m.last.col + 1);
        merge.y1 = geometry.y(m.last.row + 1);
        merges_.push_back(merge);
    }
}

PictureCell PictureSheet::copyCell(int col, const Value& value, bool formula, FormatId format)
{
    PictureCell c;
    c.col = static_cast<std::int16_t>(col);
    c.type = value.type();
    c.format = format;
    c.formula = formula;
    switch (value.type()) {
    case Value::Type::Number:
        c.number = value.asNumber();
        break;
    case Value::Type::Text:
        c.textStart = static_cast<std::uint32_t>(texts_.size());
        c.textLength = static_cast<std::uint32_t>(value.asText().size());
        texts_ += value.asText();
        break;
    case Value::Type::Boolean:
        c.code = value.asBoolean() ? 1 : 0;
        break;
    case Value::Type::Error:
        c.code = static_cast<std::uint8_t>(value.asError());
        break;
    case Value::Type::Empty:
        break;
    }
    return c;
}

std::pair<int, int> PictureSheet::rowsNear(int top, int bottom, int margin) const
{
    // Row r covers y(r) - 1 (its gridline above) .. y(r + 1) - 1.
    const auto edges = rowEdges_.begin();
    const auto first = std::lower_bound(edges + 1, rowEdges_.end(), top + 1 - margin) - (edges + 1);
    const auto last = std::upper_bound(edges, rowEdges_.end() - 1, bottom + 1 + margin) - edges - 1;
    return {painted_.first.row + static_cast<int>(first),
            painted_.first.row + static_cast<int>(last)};
}

FormatId PictureSheet::formatAt(CellAddress a) const
{
    if (isKept(a.row)) {
        if (const PictureCell* c = cell(a)) return c->format;
        const std::uint32_t row = rowFormats_[static_cast<std::size_t>(keptIndex(a.row))];
        if (row != kNoFormat) return row;
    }
    if (a.col >= 0 && a.col < kMaxColumns) {
        const std::uint32_t col = columnFormats_[static_cast<std::size_t>(a.col)];
        if (col != kNoFormat) return col;
    }
    return defaultFormat_;
}

std::span<const PictureCell> PictureSheet::rowCells(int row) const
{
    if (!isKept(row)) return {};
    const auto k = static_cast<std::size_t>(keptIndex(row));
    return std::span<const PictureCell>(cells_.data() + rowStarts_[k],
                                        rowStarts_[k + 1] - rowStarts_[k]);
}

const PictureCell* PictureSheet::cell(CellAddress a) const
{
    const std::span<const PictureCell> row = rowCells(a.row);
    const auto found = std::lower_bound(row.begin(), row.end(), a.col,
                                        [](const PictureCell& c, int col) { return c.col < col; });
    return found != row.end() && found->col == a.col ? &*found : nullptr;
}

Value PictureSheet::value(const PictureCell& c) const
{
    switch (c.type) {
    case Value::Type::Number:
        return Value::number(c.number);
    case Value::Type::Text:
        return Value::text(QString::fromRawData(texts_.constData() + c.textStart,
                                                static_cast<qsizetype>(c.textLength)));
    case Value::Type::Boolean:
        return Value::boolean(c.code != 0);
    case Value::Type::Error:
        return Value::error(static_cast<ErrorValue>(c.code));
    case Value::Type::Empty:
        break;
    }
    return Value();
}

void PictureSheet::save(ByteWriter& out) const
{
    put(out, painted_);
    out.put<quint8>(gridlines_ ? 1 : 0);
    for (const int edge : columnEdges_) out.put<qint32>(edge);
    for (const int edge : rowEdges_) out.put<qint32>(edge);
    out.put<quint32>(static_cast<quint32>(formats_.size()));
    for (const CellFormat& f : formats_) put(out, f);
    out.put<quint32>(defaultFormat_);
    for (const std::uint32_t f : columnFormats_) out.put<quint32>(f);
    out.put<qint32>(keptFirst_);
    out.put<qint32>(keptCount());
    for (const std::uint32_t f : rowFormats_) out.put<quint32>(f);
    for (const std::uint32_t start : rowStarts_) out.put<quint32>(start);
    out.put<quint32>(static_cast<quint32>(cells_.size()));
    for (const PictureCell& c : cells_) put(out, c);
    out.put<quint32>(static_cast<quint32>(merges_.size()));
    for (const PictureMerge& m : merges_) {
        put(out, m.range);
        out.put<quint8>(m.meetsPainted ? 1 : 0);
        out.put<quint32>(m.format);
        put(out, m.corner);
        for (const int edge : {m.x0, m.y0, m.x1, m.y1}) out.put<qint32>(edge);
    }
    out.put(texts_);
}

PictureSheet PictureSheet::load(ByteReader& in)
{
    PictureSheet s;
    s.painted_ = getRange(in);
    s.gridlines_ = in.get<quint8>() != 0;
    for (int& edge : s.columnEdges_) edge = in.get<qint32>();
    s.rowEdges_.resize(static_cast<std::size_t>(s.painted_.rowCount()) + 1);
    for (int& edge : s.rowEdges_) edge = in.get<qint32>();
    const auto formats = in.get<quint32>();
    in.need(std::size_t{formats} * 60);
    for (quint32 i = 0; i < formats; ++i) s.formats_.push_back(getFormat(in));
    s.defaultFormat_ = in.get<quint32>();
    for (std::uint32_t& f : s.columnFormats_) f = in.get<quint32>();
    s.keptFirst_ = in.get<qint32>();
    const auto kept = in.get<qint32>();
    check(s.keptFirst_ >= 0 && kept > 0 && kept <= kMaxRows - s.keptFirst_,
          "its rows are impossible");
    in.need(static_cast<std::size_t>(kept) * 8);
    s.rowFormats_.resize(static_cast<std::size_t>(kept));
    for (std::uint32_t& f : s.rowFormats_) f = in.get<quint32>();
    s.rowStarts_.resize(static_cast<std::size_t>(kept) + 1);
    for (std::uint32_t& start : s.rowStarts_) start = in.get<quint32>();
    const auto cells = in.get<quint32>();
    in.need(std::size_t{cells} * kCellBytes);
    s.cells_.reserve(cells);
    for (quint32 i = 0; i < cells; ++i) s.cells_.push_back(getCell(in));
    const auto merges = in.get<quint32>();
    in.need(std::size_t{merges} * 61);
    for (quint32 i = 0; i < merges; ++i) {
        PictureMerge m;
        m.range = getRange(in);
        m.meetsPainted = in.get<quint8>() != 0;
        m.format = in.get<quint32>();
        m.corner = getCell(in);
        for (int* edge : {&m.x0, &m.y0, &m.x1, &m.y1}) *edge = in.get<qint32>();
        s.merges_.push_back(m);
    }
    s.texts_ = in.string();
    s.validate();
    return s;
}

void PictureSheet::validate() const
{
    const auto ordered = [](const auto& edges) {
        return std::is_sorted(edges.begin(), edges.end()) && edges.front() >= -kMaxReach
               && edges.back() <= kMaxReach;
    };
    check(ordered(columnEdges_) && ordered(rowEdges_) && rowEdges_.front() == 0
              && x(painted_.first.col) == 0,
          "its columns or rows are out of order");
    const auto format = [this](std::uint32_t id, bool none) {
        return id < formats_.size() || (none && id == kNoFormat);
    };
    check(format(defaultFormat_, false)
              && std::all_of(columnFormats_.begin(), columnFormats_.end(),
                             [&](std::uint32_t id) { return format(id, true); })
              && std::all_of(rowFormats_.begin(), rowFormats_.end(),
                             [&](std::uint32_t id) { return format(id, true); }),
          "a format is missing");
    check(keptFirst_ <= painted_.first.row && keptFirst_ + keptCount() > painted_.last.row
              && rowStarts_.front() == 0 && rowStarts_.back() == cells_.size()
              && std::is_sorted(rowStarts_.begin(), rowStarts_.end()),
          "its rows are impossible");
    const auto cellHolds = [&](const PictureCell& c) {
        const bool text =
            c.type != Value::Type::Text
            || std::size_t{c.textStart} + c.textLength <= static_cast<std::size_t>(texts_.size());
        const bool code = (c.type != Value::Type::Error || knownError(c.code))
                          && (c.type != Value::Type::Number || std::isfinite(c.number));
        return c.col >= 0 && c.col < kMaxColumns && format(c.format, false) && text && code;
    };
    for (int k = 0; k < keptCount(); ++k) {
        const std::span<const PictureCell> row = rowCells(keptFirst_ + k);
        check(std::all_of(row.begin(), row.end(), cellHolds)
                  && std::adjacent_find(
                         row.begin(), row.end(),
                         [](const PictureCell& a, const PictureCell& b) { return a.col >= b.col; })
                         == row.end(),
              "a cell is impossible");
    }
    for (const PictureMerge& m : merges_) {
        const bool box = std::abs(m.x0) <= kMaxReach && std::abs(m.y0) <= kMaxReach
                         && std::abs(m.x1) <= kMaxReach && std::abs(m.y1) <= kMaxReach;
        check(box && format(m.format, false) && cellHolds(m.corner),
              "a merged region is impossible");
    }
}

} // namespace bw::ss::render
