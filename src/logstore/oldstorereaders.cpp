// Readers of the trip rows in the stores of earlier versions, from their bytes.
#include "logstore/oldstorereaders.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QStringDecoder>
#include <QStringList>
#include <QVariant>
#include <QtEndian>

#include <algorithm>
#include <iterator>
#include <limits>
#include <set>
#include <utility>

namespace bw {

namespace {

constexpr int kFieldCount = 8;

// Collects the problems of a reader, one per line: the first reason found is the one told.
class ProblemList {
public:
    explicit ProblemList(std::vector<OldStoreProblem>& out) : out_(out) {}

    void add(int line, QStringView text, const QString& why)
    {
        if (!out_.empty() && out_.back().line == line) return;
        out_.push_back({line, text.toString(), why});
    }

private:
    std::vector<OldStoreProblem>& out_;
};

// The numbers of the lines (from 1) whose bytes are not UTF-8.
std::set<int> linesNotUtf8(QByteArrayView bytes)
{
    std::set<int> lines;
    int number = 1;
    qsizetype start = 0;
    while (start <= bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0) end = bytes.size();
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        (void)utf8.decode(bytes.sliced(start, end - start));
        if (utf8.hasError()) lines.insert(number);
        ++number;
        start = end + 1;
    }
    return lines;
}

// ---- The trips file ---------------------------------------------------------------------

constexpr QLatin1StringView kTripsHeader("Brindlewick trips 1");

class TripsFileReader {
public:
    explicit TripsFileReader(OldStoreRows& out) : out_(out), problems_(out.problems) {}

    void read(const QByteArray& bytes)
    {
        const QString text = QString::fromUtf8(bytes);
        // A replacement character is rare enough that only then are the lines checked.
        const std::set<int> notUtf8 =
            text.contains(QChar::ReplacementCharacter) ? linesNotUtf8(bytes) : std::set<int>();
        anyReturn_ = text.contains(u'\r');
        for (const QStringView line : QStringView(text).split(u'\n')) {
            ++number_;
            line_ = line;
            if (line.isEmpty()) continue;
            if (notUtf8.count(number_) > 0)
                problem(QCoreApplication::translate("OldStoreReaders",
                                                    "Bytes of the line are not UTF-8 text."));
            readLine();
        }
    }

private:
    void problem(const QString& why) { problems_.add(number_, line_, why); }

    void readLine()
    {
        if (number_ == 1) {
            // An editor may have put a byte order mark in front.
            if (line_.startsWith(QChar::ByteOrderMark)) line_ = line_.sliced(1);
            if (line_ == kTripsHeader) return;
            problem(QCoreApplication::translate("OldStoreReaders", "The first line is not \"%1\".")
                        .arg(kTripsHeader));
        }
        // The writer escapes carriage returns: a bare one is an editor's change of line ends.
        if (anyReturn_ && line_.contains(u'\r'))
            problem(QCoreApplication::translate("OldStoreReaders",
                                                "The line holds a bare carriage return."));
        const qsizetype tab = line_.indexOf(u'\t');
        if (tab <= 0) {
            problem(QCoreApplication::translate("OldStoreReaders",
                                                "The line is neither RowCount nor a row."));
            return;
        }
        const QStringView head = line_.first(tab);
        if (head == QLatin1StringView("RowCount")) {
            out_.rowCount = field(line_.sliced(tab + 1));
            return;
        }
        bool ok = false;
        const int row = head.toInt(&ok);
        if (!ok || row < 1) {
            problem(QCoreApplication::translate("OldStoreReaders", "\"%1\" is not a row number.")
                        .arg(head));
            return;
        }
        readRow(row, tab + 1);
    }

    void readRow(int row, qsizetype start)
    {
        const auto [found, added] = out_.rows.try_emplace(row);
        if (!added)
            problem(
                QCoreApplication::translate("OldStoreReaders", "Row %1 is given twice.").arg(row));
        int count = 0;
        while (count < kFieldCount && start <= line_.size()) {
            qsizetype end = line_.indexOf(u'\t', start);
            if (end < 0) end = line_.size();
            found->second[static_cast<std::size_t>(count++)] =
                field(line_.sliced(start, end - start));
            start = end + 1;
        }
        if (count < kFieldCount || start <= line_.size())
            problem(QCoreApplication::translate("OldStoreReaders",
                                                "The row does not have eight fields."));
    }

    // A field's text: never null unless it is the "not stored" mark.
    QString field(QStringView escaped)
    {
        if (!escaped.contains(u'\\'))
            return escaped.isEmpty() ? QString(QLatin1StringView("")) : escaped.toString();
        if (escaped == QLatin1StringView("\\-")) return QString();
        QString text;
        text.reserve(escaped.size());
        qsizetype from = 0;
        for (qsizetype at = escaped.indexOf(u'\\'); at >= 0; at = escaped.indexOf(u'\\', from)) {
            text += escaped.sliced(from, at - from);
            if (at + 1 == escaped.size()) {
                problem(QCoreApplication::translate("OldStoreReaders",
                                                    "A field ends in a lone backslash."));
                text += u'\\';
                from = escaped.size();
                break;
            }
            const QChar code = escaped[at + 1];
            // The escapes of the trips file: \t, \n, \r and the backslash itself.
            static constexpr std::pair<char16_t, char16_t> kEscapes[] = {
                {u't', u'\t'}, {u'n', u'\n'}, {u'r', u'\r'}, {u'\\', u'\\'}};
            const auto* known =
                std::find_if(std::begin(kEscapes), std::end(kEscapes),
                             [&](const auto& escape) { return escape.first == code.unicode(); });
            if (known != std::end(kEscapes)) {
                text += QChar(known->second);
            } else {
                problem(QCoreApplication::translate("OldStoreReaders",
                                                    "A field holds the unknown escape \"\\%1\".")
                            .arg(code));
                text += code;
            }
            from = at + 2;
        }
        text += escaped.sliced(from);
        return text;
    }

    OldStoreRows& out_;
    ProblemList problems_;
    QStringView line_;
    int number_ = 0;
    bool anyReturn_ = false;
};

// ---- INI files as Qt's INI reader reads them ----------------------------------------

// The blanks that separate lines: vertical tabs and form feeds are not among them.
bool isIniSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The white space trimmed off a key or section name, wider than the above.
bool isWhite(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool endsIniRun(char c)
{
    return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}

struct IniLine {
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1; // the first '=' outside quotes, or -1
};

// Splits INI text into logical lines: quotes and a backslash carry a line on past a line
// end, a ';' outside quotes starts a comment that runs to the line end, blank lines and
// comments are skipped.
class IniScanner {
public:
    explicit IniScanner(QByteArrayView data) : data_(data) {}

    bool next(IniLine& line)
    {
        const qsizetype size = data_.size();
        qsizetype start = pos_;
        while (start < size && isIniSpace(data_[start])) ++start;
        qsizetype at = start;
        qsizetype equals = -1;
        bool quoted = false;
        while (at < size) {
            const char c = data_[at++];
            if (!endsIniRun(c)) continue;
            if (c == '=') {
                if (!quoted && equals < 0) equals = at - 1;
            } else if (c == '\n' || c == '\r') {
                if (at == start + 1) {
                    ++start;
                } else if (!quoted) {
                    --at;
                    break;
                }
            } else if (c == '\\') {
                at = afterEscape(at);
            } else if (c == '"') {
                quoted = !quoted;
            } else if (at == start + 1) { // ';' opening a comment line
                while (at < size && data_[at] != '\n' && data_[at] != '\r') ++at;
                while (at < size && isIniSpace(data_[at])) ++at;
                start = at;
            } else if (!quoted) {
                --at;
                break;
            }
        }
        pos_ = at;
        line = {start, at - start, equals};
        return line.length > 0;
    }

    // The line number (from 1) of the byte at `pos`; positions asked for never go back.
    int lineAt(qsizetype pos)
    {
        for (; counted_ < pos && counted_ < data_.size(); ++counted_) {
            const char c = data_[counted_];
            if (c == '\n'
                || (c == '\r' && (counted_ + 1 >= data_.size() || data_[counted_ + 1] != '\n')))
                ++lineNumber_;
        }
        return lineNumber_;
    }

private:
    // After a backslash the next byte is taken as it is; a line end taken so may be CRLF or
    // LFCR.
    qsizetype afterEscape(qsizetype at) const
    {
        if (at >= data_.size()) return at;
        const char escaped = data_[at++];
        if (at < data_.size()) {
            const char after = data_[at];
            if ((escaped == '\n' && after == '\r') || (escaped == '\r' && after == '\n')) ++at;
        }
        return at;
    }

    QByteArrayView data_;
    qsizetype pos_ = 0;
    qsizetype counted_ = 0;
    int lineNumber_ = 1;
};

// A key: '\' is a group separator '/', "%XX" and "%UXXXX" are characters by their code.
QString iniKey(QByteArrayView bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QString key;
    key.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'\\') {
            key += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i + 1 == text.size()) {
            key += c;
            ++i;
            continue;
        }
        const bool wide = text[i + 1] == u'U';
        const qsizetype digits = wide ? 4 : 2;
        const qsizetype first = i + (wide ? 2 : 1);
        bool ok = first + digits <= text.size();
        const ushort code = ok ? QStringView(text).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            key += u'%';
            ++i;
            continue;
        }
        key += QChar(code);
        i = first + digits;
    }
    return key;
}

// A value: C escapes, double quotes that keep blanks, commas and semicolons, and commas
// outside quotes that make it a list.
class IniValueReader {
public:
    explicit IniValueReader(QByteArrayView bytes) : bytes_(bytes) {}

    // The text, and whether it was a list (then `list` holds its items).
    bool read(QString& text, QStringList& list)
    {
        text_ = &text;
        skipBlanks();
        while (at_ < bytes_.size()) {
            const char c = bytes_[at_];
            if (c == '\\') {
                ++at_;
                escape();
            } else if (c == '"') {
                ++at_;
                quotedItem_ = true;
                quoted_ = !quoted_;
                if (!quoted_) skipBlanks();
            } else if (c == ',' && !quoted_) {
                if (!quotedItem_) chopBlanks();
                isList_ = true;
                list.append(text);
                text.clear();
                quotedItem_ = false;
                ++at_;
                skipBlanks();
            } else {
                plainRun();
            }
        }
        if (!quotedItem_) chopBlanks();
        if (isList_) list.append(text);
        return isList_;
    }

private:
    void skipBlanks()
    {
        while (at_ < bytes_.size() && (bytes_[at_] == ' ' || bytes_[at_] == '\t')) ++at_;
        keep_ = text_->size();
    }

    void chopBlanks()
    {
        qsizetype n = text_->size();
        while (n > keep_ && (text_->at(n - 1) == u' ' || text_->at(n - 1) == u'\t')) --n;
        text_->truncate(n);
    }

    void plainRun()
    {
        qsizetype end = at_ + 1;
        while (end < bytes_.size() && bytes_[end] != '\\' && bytes_[end] != '"'
               && bytes_[end] != ',')
            ++end;
        *text_ += utf8_(bytes_.sliced(at_, end - at_));
        at_ = end;
    }

    // Whatever an escape adds stays, blanks included.
    void escape()
    {
        takeEscape();
        keep_ = text_->size();
    }

    void takeEscape()
    {
        if (at_ >= bytes_.size()) return;
        const char c = bytes_[at_++];
        static constexpr char kCodes[][2] = {{'a', '\a'}, {'b', '\b'},  {'f', '\f'}, {'n', '\n'},
                                             {'r', '\r'}, {'t', '\t'},  {'v', '\v'}, {'"', '"'},
                                             {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
        for (const auto& code : kCodes) {
            if (c == code[0]) {
                *text_ += QLatin1Char(code[1]);
                return;
            }
        }
        if (c == 'x') {
            if (at_ < bytes_.size() && digit(bytes_[at_], 16) >= 0) number(16);
        } else if (c >= '0' && c <= '7') {
            --at_;
            number(8);
        } else if (c == '\n' || c == '\r') {
            // A continued line: the line end and its partner are dropped.
            if (at_ < bytes_.size()) {
                const char after = bytes_[at_];
                if ((after == '\n' || after == '\r') && after != c) ++at_;
            }
        }
    }

    static int digit(char c, int base)
    {
        const int value = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : 99;
        return value < base ? value : -1;
    }

    // "\x41" and "\101": as many digits as follow; the code keeps its low 16 bits.
    void number(int base)
    {
        std::uint32_t code = 0;
        for (int d = 0; at_ < bytes_.size() && (d = digit(bytes_[at_], base)) >= 0; ++at_)
            code = code * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(d);
        *text_ += QChar(static_cast<char16_t>(code & 0xFFFF));
    }

    QByteArrayView bytes_;
    QStringDecoder utf8_{QStringConverter::Utf8};
    QString* text_ = nullptr;
    qsizetype at_ = 0;
    qsizetype keep_ = 0; // blanks before this position came from escapes and stay
    bool quoted_ = false;
    bool quotedItem_ = false;
    bool isList_ = false;
};

// The QVariant types a typed value may decode to here: the plain core types, each of which
// reads as text. Others (pictures, colours, ...) would need more of Qt than a log does.
bool isPlainType(quint32 type)
{
    static constexpr quint32 kPlain[] = {1, 2, 3, 4, 5, 6, 7, 10, 11, 12, 14, 15, 16, 17};
    for (const quint32 t : kPlain) {
        if (t == type) return true;
    }
    return false;
}

struct TypedValue {
    QVariant value;
    bool ok = true;
};

// "@Variant(...)" and "@DateTime(...)": a QVariant in a data stream, one byte per character.
TypedValue streamedValue(QStringView body, QDataStream::Version version)
{
    const QByteArray bytes = body.toLatin1();
    if (bytes.size() < 4) return {QVariant(), false};
    const quint32 type = qFromBigEndian<quint32>(bytes.constData());
    if (!isPlainType(type)) return {QVariant(), false};
    // A list's count comes first; a count the bytes cannot hold is damage, not a request
    // for memory.
    if (type == QMetaType::QStringList) {
        const qsizetype after = version >= QDataStream::Qt_4_2 ? 5 : 4;
        if (bytes.size() < after + 4) return {QVariant(), false};
        const quint32 count = qFromBigEndian<quint32>(bytes.constData() + after);
        if (count > static_cast<quint32>(bytes.size() - after - 4) / 4) return {QVariant(), false};
    }
    QDataStream stream(bytes);
    stream.setVersion(version);
    QVariant value;
    stream >> value;
    return {value, stream.status() == QDataStream::Ok};
}

// How many blank-separated items "1 2 3)" holds, counted as Qt's reader counts them: a
// ')' ends an item without starting a new one.
int shapeArguments(QStringView inner)
{
    return static_cast<int>(inner.count(u' ') + inner.count(u')'));
}

// A value's text as the program reads it: the "@..." forms decoded, a list joined.
TypedValue typedValue(const QString& s)
{
    if (!s.startsWith(u'@')) return {s};
    if (s.endsWith(u')')) {
        const QStringView inner = QStringView(s).chopped(1);
        if (s.startsWith(QLatin1StringView("@ByteArray(")))
            return {QVariant(inner.sliced(11).toLatin1())};
        if (s.startsWith(QLatin1StringView("@String("))) return {inner.sliced(8).toString()};
        if (s.startsWith(QLatin1StringView("@Variant(")))
            return streamedValue(inner.sliced(9), QDataStream::Qt_4_0);
        if (s.startsWith(QLatin1StringView("@DateTime(")))
            return streamedValue(inner.sliced(10), QDataStream::Qt_5_6);
        // A rectangle, size or point reads as no text; one whose numbers do not split
        // stays the text it is.
        const std::pair<const char*, int> shapes[] = {{"@Rect(", 4}, {"@Size(", 2}, {"@Point(", 2}};
        for (const auto& [shape, numbers] : shapes) {
            const QLatin1StringView name(shape);
            if (s.startsWith(name))
                return {shapeArguments(QStringView(s).sliced(name.size())) == numbers
                            ? QVariant()
                            : QVariant(s)};
        }
        if (s == QLatin1StringView("@Invalid()")) return {QVariant()};
    }
    if (s.startsWith(QLatin1StringView("@@"))) return {s.sliced(1)};
    return {s};
}

QString textOf(const QVariant& value)
{
    // An INI value with unquoted commas written by another program reads as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1StringView(", "));
    return value.toString();
}

// "rowsource<k> <n>" (case-folded): k from 1 to 8, n a row number as the program writes
// it, decimal without sign or leading zero.
bool rowKey(QStringView folded, int& field, int& row)
{
    constexpr QLatin1StringView kStem("rowsource");
    if (!folded.startsWith(kStem) || folded.size() < kStem.size() + 3) return false;
    const QStringView rest = folded.sliced(kStem.size());
    const QStringView number = rest.sliced(2);
    if (rest[0] < u'1' || rest[0] > u'8' || rest[1] != u' ' || number.size() > 10
        || number[0] == u'0')
        return false;
    qint64 n = 0;
    for (const QChar digit : number) {
        if (!digit.isDigit() || digit.unicode() > u'9') return false;
        n = 10 * n + digit.digitValue();
    }
    if (n > std::numeric_limits<int>::max()) return false;
    field = rest[0].digitValue();
    row = static_cast<int>(n);
    return true;
}

class IniTripReader {
public:
    IniTripReader(QByteArrayView data, OldStoreRows& out)
        : data_(data), scanner_(data), out_(out), problems_(out.problems)
    {}

    void read()
    {
        IniLine line;
        bool topLevel = true;
        while (scanner_.next(line)) {
            line_ = data_.sliced(line.start, line.length);
            if (line_.startsWith('[')) {
                topLevel = section(line.start);
            } else if (line.equals < 0) {
                problem(line.start, QCoreApplication::translate(
                                        "OldStoreReaders", "The line is no key with a value."));
            } else if (topLevel) {
                key(line);
            }
        }
    }

private:
    void problem(qsizetype at, const QString& why)
    {
        problems_.add(scanner_.lineAt(at), QString::fromUtf8(line_), why);
    }

    // Whether the section that starts here holds top-level keys.
    bool section(qsizetype at)
    {
        qsizetype end = line_.indexOf(']');
        if (end < 0) {
            problem(at, QCoreApplication::translate("OldStoreReaders",
                                                    "The section name is not closed."));
            end = line_.size();
        }
        return line_.sliced(1, end - 1).trimmed().compare("general", Qt::CaseInsensitive) == 0;
    }

    void key(const IniLine& line)
    {
        // White space around the key goes, vertical tabs and form feeds included.
        qsizetype keyStart = line.start;
        qsizetype keyEnd = line.equals;
        while (keyEnd > keyStart && isWhite(data_[keyEnd - 1])) --keyEnd;
        while (keyStart < keyEnd && isWhite(data_[keyStart])) ++keyStart;
        const QString folded = iniKey(data_.sliced(keyStart, keyEnd - keyStart)).toCaseFolded();
        int field = 0;
        int row = 0;
        QString* slot = nullptr;
        if (folded == QLatin1StringView("rowcount")) {
            slot = &out_.rowCount;
        } else if (rowKey(folded, field, row)) {
            slot = &out_.rows[row][static_cast<std::size_t>(field - 1)];
        }
        if (slot) {
            if (!slot->isNull())
                problem(line.start,
                        QCoreApplication::translate("OldStoreReaders",
                                                    "The key is given again; this value is read."));
            // A stored row key is never null.
            *slot = value(line);
            if (slot->isNull() && slot != &out_.rowCount) *slot = QString(QLatin1StringView(""));
        } else if (folded.startsWith(QLatin1StringView("rowsource"))) {
            problem(line.start,
                    QCoreApplication::translate(
                        "OldStoreReaders", "The key looks like a row's but is none; it stays an "
                                           "ordinary key."));
        }
    }

    QString value(const IniLine& line)
    {
        const qsizetype from = line.equals + 1;
        // "RowCount=" stores empty text; only a key that is not there reads as null.
        QString text(QLatin1StringView(""));
        QStringList list;
        IniValueReader reader(data_.sliced(from, line.start + line.length - from));
        if (reader.read(text, list)) {
            // As Qt reads a list: items that are typed values make a list of variants,
            // which reads as no text.
            for (QString& item : list) {
                if (item.startsWith(u'@') && !item.startsWith(QLatin1StringView("@@")))
                    return QString();
                if (item.startsWith(u'@')) item.remove(0, 1);
            }
            return list.join(QLatin1StringView(", "));
        }
        const TypedValue typed = typedValue(text);
        if (!typed.ok)
            problem(line.start, QCoreApplication::translate("OldStoreReaders",
                                                            "The typed value cannot be read."));
        return textOf(typed.value);
    }

    QByteArrayView data_;
    IniScanner scanner_;
    OldStoreRows& out_;
    ProblemList problems_;
    QByteArrayView line_;
};

} // namespace

OldStoreRows readTripsFile(const QByteArray& bytes)
{
    OldStoreRows out;
    TripsFileReader(out).read(bytes);
    return out;
}

OldStoreRows readIniTripKeys(const QByteArray& bytes)
{
    OldStoreRows out;
    QByteArrayView data(bytes);
    // A byte order mark is no part of the first key.
    if (data.startsWith("\xEF\xBB\xBF")) data = data.sliced(3);
    IniTripReader(data, out).read();
    return out;
}

} // namespace bw
