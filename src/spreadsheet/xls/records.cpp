// Writing BIFF8 records with their CONTINUE records, and reading them back.
#include "spreadsheet/xls/records.h"

#include <QCoreApplication>

#include <cstring>

namespace bw::ss::xls {

namespace {

[[noreturn]] void doesNotFit(Field field, const QString& value, int bits)
{
    throw FileFormatError(
        QCoreApplication::translate("ByteWriter",
                                    "The workbook cannot be written: the value %1 does not fit "
                                    "the field %2 of the %3 record, which holds %4 bits.")
            .arg(value, QLatin1String(field.name), QLatin1String(field.record))
            .arg(bits));
}

} // namespace

void throwDoesNotFit(Field field, std::int64_t value, int bits)
{
    doesNotFit(field, QString::number(value), bits);
}

void throwDoesNotFit(Field field, std::uint64_t value, int bits)
{
    doesNotFit(field, QString::number(value), bits);
}

FileFormatError RecordStream::recordTooLong()
{
    return FileFormatError(QCoreApplication::translate(
        "Spreadsheet",
        "The workbook cannot be written: a record is longer than the file format allows."));
}

void RecordStream::header(unsigned id, qsizetype length)
{
    out_.u16(id, {"record header", "type"});
    out_.u16(length, {"record header", "size"});
}

void RecordStream::write(unsigned id, const QByteArray& data)
{
    qsizetype at = 0;
    unsigned currentId = id;
    do {
        const qsizetype n = std::min<qsizetype>(kMaxRecordData, data.size() - at);
        header(currentId, n);
        out_.raw(data.constData() + at, n);
        at += n;
        currentId = rec::Continue;
    } while (at < data.size());
}

RecordReader::RecordReader(const QByteArray& stream, qsizetype offset)
    : stream_(stream), pos_(offset)
{}

bool RecordReader::next(Record& out)
{
    // Trailing bytes shorter than a header are padding some writers leave after EOF.
    if (pos_ + 4 > stream_.size()) return false;
    ByteReader head(stream_.constData() + pos_, 4);
    out.id = head.u16();
    const qsizetype length = head.u16();
    out.offset = pos_;
    out.cuts.clear();
    if (pos_ + 4 + length > stream_.size()) {
        throw FileFormatError(QCoreApplication::translate(
            "Spreadsheet",
            "The file is damaged: the workbook data ends in the middle of a record."));
    }
    // Into the buffer of the record read before: a sheet of many cells is read without an
    // allocation per record.
    out.data.resize(length);
    if (length > 0) std::memcpy(out.data.data(), stream_.constData() + pos_ + 4, length);
    pos_ += 4 + length;
    while (pos_ + 4 <= stream_.size()) {
        ByteReader peek(stream_.constData() + pos_, 4);
        if (peek.u16() != rec::Continue) break;
        const qsizetype more = peek.u16();
        if (pos_ + 4 + more > stream_.size()) {
            throw FileFormatError(QCoreApplication::translate(
                "Spreadsheet",
                "The file is damaged: the workbook data ends in the middle of a record."));
        }
        out.cuts.push_back(out.data.size());
        out.data.append(stream_.constData() + pos_ + 4, more);
        pos_ += 4 + more;
    }
    return true;
}

} // namespace bw::ss::xls
