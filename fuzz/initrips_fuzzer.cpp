// libFuzzer target of the reader of a first version INI file's trip keys. It must read
// what Qt's own INI reader reads (the program read these files through it), except for
// typed "@Variant" values, which Qt decodes into any type and which are left out here.
#include "logstore/oldstorereaders.h"

#include <QFile>
#include <QSet>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <optional>

namespace {

// Row key "rowsource<k> <n>" (case-folded) as the program has always taken it.
bool rowKey(const QString& folded, int& field, int& row)
{
    if (!folded.startsWith(QLatin1StringView("rowsource")) || folded.size() < 12) return false;
    const QChar k = folded[9];
    const QString number = folded.mid(11);
    if (k < u'1' || k > u'8' || folded[10] != u' ' || number.size() > 10 || number.startsWith(u'0'))
        return false;
    for (const QChar c : number) {
        if (c < u'0' || c > u'9') return false;
    }
    const qint64 n = number.toLongLong();
    if (n > std::numeric_limits<int>::max()) return false;
    field = k.digitValue();
    row = static_cast<int>(n);
    return true;
}

// What Qt reads from the INI file at `path`, or nothing when that is not comparable.
std::optional<bw::OldStoreRows> readByQt(const QString& path)
{
    bw::OldStoreRows out;
    QSettings settings(path, QSettings::IniFormat);
    QSet<QString> seen;
    for (const QString& key : settings.allKeys()) {
        const QVariant value = settings.value(key);
        const QString text = value.typeId() == QMetaType::QStringList
                                 ? value.toStringList().join(QStringLiteral(", "))
                                 : value.toString();
        int field = 0;
        int row = 0;
        const QString folded = key.toCaseFolded();
        // Keys that differ in letter case only: Qt's order among them is no file order,
        // and the reader takes the last in the file.
        if (seen.contains(folded)) return std::nullopt;
        seen.insert(folded);
        if (folded == QLatin1StringView("rowcount")) {
            out.rowCount = text;
        } else if (rowKey(folded, field, row)) {
            out.rows[row][static_cast<std::size_t>(field - 1)] =
                text.isNull() ? QString(QLatin1StringView("")) : text;
        }
    }
    return out;
}

std::optional<bw::OldStoreRows> readByQt(const QByteArray& ini)
{
    static QTemporaryDir dir;
    static int serial = 0;
    // A new name each time: Qt caches a file it has read.
    const QString path = dir.filePath(QStringLiteral("%1.ini").arg(++serial));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(ini) != ini.size()) std::abort();
    }
    std::optional<bw::OldStoreRows> out = readByQt(path);
    QFile::remove(path);
    return out;
}

QString differences(const bw::OldStoreRows& ours, const bw::OldStoreRows& qt)
{
    QString out = QStringLiteral("RowCount [%1] / Qt [%2]\n").arg(ours.rowCount, qt.rowCount);
    std::map<int, bw::OldTripRow> all = ours.rows;
    all.insert(qt.rows.begin(), qt.rows.end());
    for (const auto& [row, unused] : all) {
        const auto a = ours.rows.find(row);
        const auto b = qt.rows.find(row);
        for (std::size_t k = 0; k < 8; ++k) {
            const QString x = a == ours.rows.end() ? QStringLiteral("(no row)") : a->second[k];
            const QString y = b == qt.rows.end() ? QStringLiteral("(no row)") : b->second[k];
            if (x != y || x.isNull() != y.isNull())
                out += QStringLiteral("row %1 field %2: [%3] / Qt [%4]\n")
                           .arg(row)
                           .arg(k + 1)
                           .arg(x.toHtmlEscaped(), y.toHtmlEscaped());
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const bw::OldStoreRows read = bw::readIniTripKeys(bytes);
    if (bytes.contains("@Variant(") || bytes.contains("@DateTime(")) return 0;
    const std::optional<bw::OldStoreRows> byQt = readByQt(bytes);
    if (!byQt) return 0;
    const bw::OldStoreRows& qt = *byQt;
    if (!(qt.rows == read.rows && qt.rowCount == read.rowCount
          && qt.rowCount.isNull() == read.rowCount.isNull())) {
        std::fprintf(stderr, "the trip keys read otherwise than Qt reads them\n%s\n",
                     qPrintable(differences(read, qt)));
        std::abort();
    }
    return 0;
}
