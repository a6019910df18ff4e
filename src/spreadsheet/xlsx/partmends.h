// Mending the parts the library writes, one element at a time.
#pragma once

#include "spreadsheet/model/cellformat.h"
#include "spreadsheet/model/cellref.h"
#include "spreadsheet/model/pagesetup.h"

#include <QByteArray>
#include <QXmlStreamReader>

#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace bw::ss::xlsx {

// The grid of an .xlsx worksheet is wider and taller than the model's.
inline constexpr int kLastColumn = 16383;
inline constexpr int kLastRow = 1048575;

// Text for an XML attribute or element, escaped as the library escapes its own: markup
// characters as entities, control characters as _xHHHH_.
QByteArray xmlText(const QString& s);
// A number with as many digits as it needs to come back as the same double.
QByteArray xmlNumber(double v);

// An element of a part, as byte offsets: from its '<' to the end of its start tag, which
// is the end of the whole element when it has no content ("<x a=\"1\"/>").
struct XmlElement {
    qsizetype begin = 0;
    qsizetype startTagEnd = 0;
    bool selfClosing = false;
};

// Reads a part with QXmlStreamReader and builds the mended copy as it goes: elements are
// found in document order, and every byte that is not replaced is copied as it was. A
// part that is not as the mends expect throws FileFormatError naming the element, so a
// library that writes an element differently fails loudly instead of leaving a broken part.
class PartSplicer {
public:
    // `part` names the part in messages ("xl/worksheets/sheet1.xml").
    PartSplicer(const QByteArray& xml, QString part);

    // The next start tag called `name`; nothing when the end tag of `within` (or the end of
    // the part) comes first.
    std::optional<XmlElement> find(QLatin1StringView name, QLatin1StringView within = {});
    // find, or a FileFormatError that the element is missing.
    XmlElement require(QLatin1StringView name);
    // Whether the element find just returned has the attribute with that value.
    bool attributeIs(QLatin1StringView name, QStringView value) const;
    // Right after find returned `e`: reads on to its end tag; where the whole element ends.
    qsizetype endOf(const XmlElement& e);
    // Where the end tag that ended the last find begins (the `within` element's).
    qsizetype lastEndTagBegin() const { return lastEndTagBegin_; }
    // Goes on after the end tag of `element`, a child of the part's root that the reader
    // has not passed, without reading what lies between: its content needs no mending.
    // The end tag is found as bytes, which is exact since a '<' in content is escaped.
    void skipPast(QLatin1StringView element);
    // Where the bytes copied so far end: nothing before it can be replaced any more.
    qsizetype copiedUpTo() const { return copied_; }

    // Replaces the bytes [begin, end) of the part; the places must come in document order.
    void replace(qsizetype begin, qsizetype end, const QByteArray& with);
    void insert(qsizetype at, const QByteArray& with) { replace(at, at, with); }
    // Throws naming the element and what is wrong with it.
    [[noreturn]] void unexpected(const QString& element, const QString& problem) const;
    // The mended part.
    QByteArray finish();

private:
    qsizetype byteOffset(qint64 characterOffset);
    XmlElement startTag();
    QXmlStreamReader::TokenType readNext();

    const QByteArray xml_; // shared, not copied
    QString part_;
    // What the reader reads: the part, or after skipPast the part's opening up to the end
    // of the root's start tag followed by the rest after the skipped element; its offsets
    // from `prefix_` on lie `shift_` bytes further on in the part.
    QByteArray doc_;
    qsizetype prefix_ = 0;
    qsizetype shift_ = 0;
    std::unique_ptr<QXmlStreamReader> reader_;
    int depth_ = 0;
    qsizetype rootTagEnd_ = 0;
    QString childOfRoot_; // the open child of the root, when one is
    QByteArray out_;
    qsizetype copied_ = 0;
    qint64 characters_ = 0; // the reader's offsets count UTF-16 units; the bytes are UTF-8
    qsizetype bytes_ = 0;
    qsizetype lastEndTagBegin_ = 0;
};

// The mends of a worksheet, in the order their elements come in the part.

// <selection activeCell="J10" activeCellId="1" sqref="C5:E7 J10"/>
// The library selects one cell only; nothing is mended when that is all the selection is.
void mendSelection(PartSplicer& sheet, std::vector<CellRange> ranges, CellAddress active);
// <sheetFormatPr defaultRowHeight="12.75"/>
void mendSheetFormatPr(PartSplicer& sheet, double defaultRowHeight);
// <c r="C2" s="1" t="e"><v>#N/A</v></c>
// Cells the library wrote as formatted blanks ("<c r=\"C2\" s=\"1\"/>") get what replaces
// their closing "/>": values the library has no call for. In row order, as in the part.
void mendCellTails(PartSplicer& sheet,
                   const std::vector<std::pair<CellAddress, QByteArray>>& tails);
// <pageMargins left="0.7" right="0.7" top="0.75" bottom="0.75" header="0" footer="0"/>
void mendPageMargins(PartSplicer& sheet, const PageSetup& page);
// <pageSetup cellComments="atEnd" paperSize="9" orientation="landscape"/>
// Right after mendPageMargins: a sheet without a pageSetup gets one after the margins.
void mendCellComments(PartSplicer& sheet, int printComments);

// The mend of the styles.
// <font><sz val="10"/><color theme="1"/><name val="Arial"/><family val="2"/></font>
void mendDefaultFont(PartSplicer& styles, const FontSpec& font);

} // namespace bw::ss::xlsx
