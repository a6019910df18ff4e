// Files of drives, told apart by their first bytes.
#include "drives/drivefile.h"

#include "drives/chunksource.h"
#include "drives/gpxreader.h"
#include "drives/timelinereader.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace bw::drives {

namespace {

class DriveFiles {
    Q_DECLARE_TR_FUNCTIONS(Drives)

public:
    enum class Kind { Empty, Xml, Json, Other };

    // The first character past a byte order mark and blanks.
    static Kind kind(QFile& file)
    {
        const QByteArray head = file.peek(4096);
        qsizetype at = head.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        while (at < head.size()
               && (head[at] == ' ' || head[at] == '\t' || head[at] == '\r' || head[at] == '\n'))
            ++at;
        if (at >= head.size()) return head.size() < 4096 ? Kind::Empty : Kind::Other;
        if (head[at] == '<') return Kind::Xml;
        if (head[at] == '{' || head[at] == '[') return Kind::Json;
        return Kind::Other;
    }

    static QString error(const QString& path, Kind kind)
    {
        if (kind == Kind::Empty) return fileProblem(path, tr("the file is empty"));
        return fileProblem(path, tr("this is neither a GPX track nor a Timeline export"));
    }

    static QString cannotOpen(const QString& path, const QFile& file)
    {
        if (QFileInfo(path).isDir()) return fileProblem(path, tr("this is a folder"));
        return fileProblem(path, tr("the file cannot be opened: %1").arg(file.errorString()));
    }
};

} // namespace

DriveRead readDriveFile(const QString& path, const DriveRules& rules, const ReadProgress& progress)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        return DriveRead{
            .drives = {}, .error = DriveFiles::cannotOpen(path, file), .cancelled = false};
    switch (const DriveFiles::Kind kind = DriveFiles::kind(file)) {
    case DriveFiles::Kind::Xml:
        return readGpx(file, path, rules, progress);
    case DriveFiles::Kind::Json:
        return readLocationExport(file, path, rules, LocationExport::Either, progress);
    default:
        return DriveRead{.drives = {}, .error = DriveFiles::error(path, kind), .cancelled = false};
    }
}

DriveRead readDriveFiles(const QStringList& paths, const DriveRules& rules,
                         const ReadProgress& progress)
{
    qint64 total = 0;
    for (const QString& path : paths) total += QFileInfo(path).size();
    DriveRead all;
    qint64 before = 0;
    for (const QString& path : paths) {
        const ReadProgress overall = [&](qint64 done, qint64) {
            return !progress || progress(before + done, total);
        };
        DriveRead read = readDriveFile(path, rules, overall);
        if (!read.ok()) return read;
        all.drives.insert(all.drives.end(), std::make_move_iterator(read.drives.begin()),
                          std::make_move_iterator(read.drives.end()));
        before += QFileInfo(path).size();
    }
    std::stable_sort(all.drives.begin(), all.drives.end(),
                     [](const Drive& a, const Drive& b) { return a.startMs < b.startMs; });
    return all;
}

} // namespace bw::drives
