// Cell formats (font, fill, borders, alignment, number format) and their interning table.
#pragma once

#include <QHash>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace bw::ss {

// Colour indexes of the object model: 1-56 index the workbook palette (the default
// 56-colour palette unless changed), these two are special.
inline constexpr int kColorAutomatic = -4105;
inline constexpr int kColorNone = -4142;

// Line styles as the object model numbers them; 1 is a continuous thin line.
inline constexpr int kLineNone = -4142;
inline constexpr int kLineContinuous = 1;

struct FontSpec {
    QString name = QStringLiteral("Arial");
    double size = 10.0; // points
    bool bold = false;
    bool italic = false;
    int colorIndex = kColorAutomatic;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

struct Border {
    int lineStyle = kLineNone;
    int colorIndex = kColorAutomatic;

    bool isDrawn() const { return lineStyle != kLineNone; }
    friend bool operator==(const Border&, const Border&) = default;
};

// Edges of one cell, in the order of the object model's edge indexes 7 to 10.
enum class Edge : std::uint8_t { Left = 0, Top = 1, Bottom = 2, Right = 3 };

enum class HAlign : std::uint8_t {
    General,
    Left,
    Center,
    Right,
    Fill,
    Justify,
    CenterAcross,
    Distributed
};
enum class VAlign : std::uint8_t { Top, Center, Bottom, Justify, Distributed };

struct CellFormat {
    FontSpec font;
    int fillColorIndex = kColorNone;
    std::array<Border, 4> borders{}; // indexed by Edge
    HAlign hAlign = HAlign::General;
    VAlign vAlign = VAlign::Bottom;
    bool wrap = false;
    QString numberFormat = QStringLiteral("General");
    bool locked = true;
    bool formulaHidden = false;

    const Border& border(Edge e) const { return borders[static_cast<std::size_t>(e)]; }
    Border& border(Edge e) { return borders[static_cast<std::size_t>(e)]; }

    friend bool operator==(const CellFormat&, const CellFormat&) = default;
};

std::size_t qHash(const CellFormat& f, std::size_t seed = 0);

// Identifies an interned format of a workbook. 0 is always the default format.
using FormatId = std::uint32_t;
inline constexpr FormatId kDefaultFormat = 0;

// Interns formats: equal formats share one id, so 10,000 formatted rows cost a
// handful of entries. Ids are stable for the life of the table.
class FormatTable {
public:
    FormatTable();

    FormatId intern(const CellFormat& format);
    const CellFormat& get(FormatId id) const { return formats_.at(id); }
    std::size_t size() const { return formats_.size(); }
    const std::vector<CellFormat>& all() const { return formats_; }

private:
    std::vector<CellFormat> formats_;
    QHash<CellFormat, FormatId> ids_;
};

} // namespace bw::ss
