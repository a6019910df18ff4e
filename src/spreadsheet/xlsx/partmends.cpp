// Mending the parts the library writes, one element at a time.
#include "spreadsheet/xlsx/partmends.h"

#include "spreadsheet/model/errors.h"

#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace bw::ss::xlsx {

QByteArray xmlText(const QString& s)
{
    QByteArray out;
    out.reserve(s.size() + 16);
    for (const char c : s.toUtf8()) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
                out +=
                    "_x00"
                    + QByteArray::number(static_cast<int>(c), 16).rightJustified(2, '0').toUpper()
                    + '_';
            } else {
                out += c;
            }
        }
    }
    return out;
}

QByteArray xmlNumber(double v)
{
    return QByteArray::number(v, 'g', QLocale::FloatingPointShortest);
}

namespace {

// A range as a sqref attribute names it; whole rows and columns of the model's grid are
// whole rows and columns of the larger grid.
QByteArray sqref(const CellRange& r)
{
    CellRange wide = r;
    if (r.isWholeRows()) wide.last.col = kLastColumn;
    if (r.isWholeColumns()) wide.last.row = kLastRow;
    return (columnName(wide.first.col) + QString::number(wide.first.row + 1)
            + (wide.isSingleCell() ? QString()
                                   : QLatin1Char(':') + columnName(wide.last.col)
                                         + QString::number(wide.last.row + 1)))
        .toLatin1();
}

} // namespace

// ---- finding elements and splicing bytes ---------------------------------------------

PartSplicer::PartSplicer(const QByteArray& xml, QString part)
    : xml_(xml), part_(std::move(part)), doc_(xml), prefix_(xml.size()),
      reader_(std::make_unique<QXmlStreamReader>(doc_))
{
    out_.reserve(xml.size() + 256);
}

qsizetype PartSplicer::byteOffset(qint64 characterOffset)
{
    if (characterOffset < characters_) characters_ = bytes_ = 0;
    while (characters_ < characterOffset && bytes_ < doc_.size()) {
        const auto lead = static_cast<unsigned char>(doc_[bytes_]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        bytes_ += length;
        characters_ += length == 4 ? 2 : 1; // beyond the BMP: a surrogate pair
    }
    return bytes_ < prefix_ ? bytes_ : bytes_ + shift_;
}

QXmlStreamReader::TokenType PartSplicer::readNext()
{
    const QXmlStreamReader::TokenType token = reader_->readNext();
    if (token == QXmlStreamReader::StartElement) {
        if (++depth_ == 1) rootTagEnd_ = byteOffset(reader_->characterOffset());
        if (depth_ == 2) childOfRoot_ = reader_->name().toString();
    } else if (token == QXmlStreamReader::EndElement) {
        if (--depth_ == 1) childOfRoot_.clear();
    }
    return token;
}

void PartSplicer::skipPast(QLatin1StringView element)
{
    const QString name = QStringLiteral("<%1>").arg(element);
    // Out of the element the last find returned, when that is another child of the root.
    while (depth_ > 1 && childOfRoot_ != element && !reader_->atEnd()) readNext();
    if (reader_->hasError()) unexpected(name, reader_->errorString());
    const QByteArray endTag = "</" + QByteArray(element.data(), element.size()) + '>';
    const qsizetype close = xml_.indexOf(endTag, byteOffset(reader_->characterOffset()));
    if (close < 0) {
        if (depth_ == 1) return; // an element without content: nothing to skip
        unexpected(name, QStringLiteral("does not end"));
    }
    const qsizetype resume = close + endTag.size();
    doc_ = xml_.left(rootTagEnd_) + xml_.mid(resume);
    prefix_ = rootTagEnd_;
    shift_ = resume - rootTagEnd_;
    reader_ = std::make_unique<QXmlStreamReader>(doc_);
    depth_ = 0;
    characters_ = bytes_ = 0;
    childOfRoot_.clear();
}

// The start tag the reader stands on, checked against the bytes: the reader's offset is
// the end of the tag, and the tag's '<' is the last one before it, since a '<' inside an
// attribute value is always escaped.
XmlElement PartSplicer::startTag()
{
    const QString name = reader_->name().toString();
    XmlElement e;
    e.startTagEnd = byteOffset(reader_->characterOffset());
    e.begin = e.startTagEnd > 0 ? xml_.lastIndexOf('<', e.startTagEnd - 1) : -1;
    const QByteArray opening = '<' + name.toUtf8();
    const qsizetype after = e.begin + opening.size();
    if (e.begin < 0 || !QByteArrayView(xml_).sliced(e.begin).startsWith(opening)
        || after >= e.startTagEnd
        || (xml_[after] != ' ' && xml_[after] != '/' && xml_[after] != '>')
        || xml_[e.startTagEnd - 1] != '>') {
        unexpected(QStringLiteral("<%1>").arg(name),
                   QStringLiteral("cannot be told from the bytes around it"));
    }
    e.selfClosing = xml_[e.startTagEnd - 2] == '/';
    return e;
}

std::optional<XmlElement> PartSplicer::find(QLatin1StringView name, QLatin1StringView within)
{
    while (!reader_->atEnd()) {
        const QXmlStreamReader::TokenType token = readNext();
        if (token == QXmlStreamReader::StartElement && reader_->name() == name) return startTag();
        if (token == QXmlStreamReader::EndElement && !within.isEmpty()
            && reader_->name() == within) {
            const qsizetype end = byteOffset(reader_->characterOffset());
            lastEndTagBegin_ = xml_.lastIndexOf('<', end - 1);
            return std::nullopt;
        }
    }
    if (reader_->hasError()) {
        unexpected(QStringLiteral("<%1>").arg(name),
                   QStringLiteral("cannot be found: ") + reader_->errorString());
    }
    return std::nullopt;
}

XmlElement PartSplicer::require(QLatin1StringView name)
{
    if (const auto e = find(name)) return *e;
    unexpected(QStringLiteral("<%1>").arg(name), QStringLiteral("is missing"));
}

bool PartSplicer::attributeIs(QLatin1StringView name, QStringView value) const
{
    return reader_->attributes().value(name) == value;
}

qsizetype PartSplicer::endOf(const XmlElement& e)
{
    reader_->skipCurrentElement();
    if (--depth_ == 1) childOfRoot_.clear();
    const qsizetype end = byteOffset(reader_->characterOffset());
    if (reader_->hasError() || end < e.startTagEnd || xml_[end - 1] != '>') {
        unexpected(QString::fromUtf8(xml_.mid(e.begin, e.startTagEnd - e.begin)),
                   QStringLiteral("does not end"));
    }
    return end;
}

void PartSplicer::replace(qsizetype begin, qsizetype end, const QByteArray& with)
{
    if (begin < copied_ || end < begin || end > xml_.size()) {
        unexpected(QString::fromUtf8(with.left(40)), QStringLiteral("is mended out of order"));
    }
    out_.append(xml_.constData() + copied_, begin - copied_);
    out_ += with;
    copied_ = end;
}

void PartSplicer::unexpected(const QString& element, const QString& problem) const
{
    throw FileFormatError(QCoreApplication::translate(
                              "Spreadsheet", "The workbook could not be written: %1 in %2 %3.")
                              .arg(element, part_, problem));
}

QByteArray PartSplicer::finish()
{
    while (!reader_->atEnd()) readNext();
    if (reader_->hasError()) {
        unexpected(QStringLiteral("the XML"),
                   QStringLiteral("is not well-formed (%1)").arg(reader_->errorString()));
    }
    out_.append(xml_.constData() + copied_, xml_.size() - copied_);
    return std::move(out_);
}

// ---- the mends ------------------------------------------------------------------------

void mendSelection(PartSplicer& sheet, std::vector<CellRange> ranges, CellAddress active)
{
    if (ranges.empty() || (ranges.size() == 1 && ranges[0] == CellRange::single(active))) return;
    auto holder = std::find_if(ranges.begin(), ranges.end(),
                               [&](const CellRange& r) { return r.contains(active); });
    if (holder == ranges.end()) {
        ranges.push_back(CellRange::single(active));
        holder = ranges.end() - 1;
    }
    QByteArray refs;
    for (const CellRange& r : ranges) refs += (refs.isEmpty() ? "" : " ") + sqref(r);
    const auto id = holder - ranges.begin();
    const QByteArray selection =
        "<selection activeCell=\"" + sqref(CellRange::single(active)) + '"'
        + (id > 0 ? " activeCellId=\"" + QByteArray::number(id) + '"' : QByteArray()) + " sqref=\""
        + refs + "\"/>";

    const XmlElement view = sheet.require(QLatin1StringView("sheetView"));
    if (view.selfClosing) {
        sheet.replace(view.startTagEnd - 2, view.startTagEnd, ">" + selection + "</sheetView>");
    } else if (const auto old =
                   sheet.find(QLatin1StringView("selection"), QLatin1StringView("sheetView"))) {
        if (!old->selfClosing)
            sheet.unexpected(QStringLiteral("<selection>"), QStringLiteral("has content"));
        sheet.replace(old->begin, old->startTagEnd, selection);
    } else {
        sheet.insert(sheet.lastEndTagBegin(), selection);
    }
}

// Set through the library, the default height would be written into every row as a
// height of its own.
void mendSheetFormatPr(PartSplicer& sheet, double defaultRowHeight)
{
    const XmlElement format = sheet.require(QLatin1StringView("sheetFormatPr"));
    if (!format.selfClosing)
        sheet.unexpected(QStringLiteral("<sheetFormatPr>"), QStringLiteral("has content"));
    sheet.replace(format.begin, format.startTagEnd,
                  "<sheetFormatPr defaultRowHeight=\"" + xmlNumber(defaultRowHeight) + "\"/>");
}

void mendCellTails(PartSplicer& sheet, const std::vector<std::pair<CellAddress, QByteArray>>& tails)
{
    for (const auto& [address, tail] : tails) {
        const QString name = a1Name(address);
        std::optional<XmlElement> cell;
        do {
            cell = sheet.find(QLatin1StringView("c"), QLatin1StringView("sheetData"));
        } while (cell && !sheet.attributeIs(QLatin1StringView("r"), name));
        const QString element = QStringLiteral("<c r=\"%1\">").arg(name);
        if (!cell) sheet.unexpected(element, QStringLiteral("is missing"));
        if (!cell->selfClosing) sheet.unexpected(element, QStringLiteral("is not blank"));
        sheet.replace(cell->startTagEnd - 2, cell->startTagEnd, tail);
    }
    // Nothing else in the cells is mended, and they are most of the part: the rest of
    // them is not read.
    sheet.skipPast(QLatin1StringView("sheetData"));
}

// The library refuses header and footer margins of 0, so the whole element is ours.
void mendPageMargins(PartSplicer& sheet, const PageSetup& page)
{
    const XmlElement margins = sheet.require(QLatin1StringView("pageMargins"));
    if (!margins.selfClosing)
        sheet.unexpected(QStringLiteral("<pageMargins>"), QStringLiteral("has content"));
    auto inches = [](double points) { return xmlNumber(std::max(0.0, points) / 72.0); };
    sheet.replace(margins.begin, margins.startTagEnd,
                  "<pageMargins left=\"" + inches(page.leftMargin) + "\" right=\""
                      + inches(page.rightMargin) + "\" top=\"" + inches(page.topMargin)
                      + "\" bottom=\"" + inches(page.bottomMargin) + "\" header=\""
                      + inches(page.headerMargin) + "\" footer=\"" + inches(page.footerMargin)
                      + "\"/>");
}

// The library has no call for printing comments.
void mendCellComments(PartSplicer& sheet, int printComments)
{
    const char* value = printComments == PageSetup::kPrintInPlace    ? "asDisplayed"
                        : printComments == PageSetup::kPrintSheetEnd ? "atEnd"
                                                                     : nullptr;
    if (!value) return;
    const QByteArray attribute = QByteArray(" cellComments=\"") + value + '"';
    // The attribute goes first, right after the element's name.
    if (const auto setup =
            sheet.find(QLatin1StringView("pageSetup"), QLatin1StringView("worksheet"))) {
        sheet.insert(setup->begin + qsizetype(sizeof("<pageSetup")) - 1, attribute);
    } else {
        sheet.insert(sheet.copiedUpTo(), "<pageSetup" + attribute + "/>");
    }
}

// The library's first font, which unformatted cells and column widths go by, is its own
// default; the model's default font takes its place.
void mendDefaultFont(PartSplicer& styles, const FontSpec& font)
{
    styles.require(QLatin1StringView("fonts"));
    const auto first = styles.find(QLatin1StringView("font"), QLatin1StringView("fonts"));
    if (!first) styles.unexpected(QStringLiteral("<font>"), QStringLiteral("is missing"));
    styles.replace(first->begin, styles.endOf(*first),
                   "<font><sz val=\"" + xmlNumber(font.size)
                       + "\"/><color theme=\"1\"/><name val=\"" + xmlText(font.name)
                       + "\"/><family val=\"2\"/></font>");
}

} // namespace bw::ss::xlsx
