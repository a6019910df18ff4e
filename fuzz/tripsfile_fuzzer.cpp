// libFuzzer target of the reader of the trips file. Whatever it reads, written again in
// the file's own form, must read back the same and without a problem.
#include "logstore/oldstorereaders.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QString escaped(const QString& value)
{
    if (value.isNull()) return QStringLiteral("\\-");
    QString out;
    for (const QChar c : value) {
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (c == u'\t')
            out += QStringLiteral("\\t");
        else if (c == u'\n')
            out += QStringLiteral("\\n");
        else if (c == u'\r')
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

QByteArray written(const bw::OldStoreRows& rows)
{
    QString text = QStringLiteral("Brindlewick trips 1\n");
    if (!rows.rowCount.isNull())
        text += QStringLiteral("RowCount\t") + escaped(rows.rowCount) + u'\n';
    for (const auto& [row, fields] : rows.rows) {
        text += QString::number(row);
        for (const QString& field : fields) text += u'\t' + escaped(field);
        text += u'\n';
    }
    return text.toUtf8();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const bw::OldStoreRows read = bw::readTripsFile(bytes);
    const bw::OldStoreRows again = bw::readTripsFile(written(read));
    const bool same = again.problems.empty() && again.rowCount == read.rowCount
                      && again.rowCount.isNull() == read.rowCount.isNull()
                      && again.rows == read.rows;
    if (!same) {
        std::fputs("the rows written again read back otherwise\n", stderr);
        std::abort();
    }
    return 0;
}
