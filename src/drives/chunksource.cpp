// Chunks, progress and the readers' common sentences.
#include "drives/chunksource.h"

#include <QIODevice>

namespace bw::drives {

ChunkSource::ChunkSource(QIODevice& device, const ReadProgress& progress)
    : device_(device), progress_(progress), total_(device.isSequential() ? -1 : device.size())
{}

QByteArray ChunkSource::next()
{
    if (cancelled_ || !readError_.isEmpty()) return {};
    QByteArray chunk = device_.read(kChunkBytes);
    if (chunk.isEmpty()) {
        if (device_.bytesAvailable() > 0 || !device_.atEnd()) readError_ = device_.errorString();
        return {};
    }
    done_ += chunk.size();
    if (progress_ && !progress_(done_, total_)) {
        cancelled_ = true;
        return {};
    }
    return chunk;
}

QString fileProblem(const QString& name, const QString& what)
{
    return QCoreApplication::translate("Drives", "%1: %2").arg(name, what);
}

QString lineProblem(const QString& name, qint64 line, const QString& what)
{
    return QCoreApplication::translate("Drives", "%1, line %2: %3").arg(name).arg(line).arg(what);
}

QString Problems::unreadable(const QString& why)
{
    return tr("the file cannot be read: %1").arg(why);
}

QString Problems::tooLong()
{
    return tr("an item is longer than 64 MiB, which no track or Timeline export holds");
}

QString Problems::outOfRange(LatLng position)
{
    return tr("the position %1, %2 lies outside the earth's latitudes and longitudes")
        .arg(position.lat, 0, 'g', 10)
        .arg(position.lon, 0, 'g', 10);
}

QString Problems::endsBeforeStart() { return tr("a drive ends before it starts"); }

} // namespace bw::drives

namespace bw::drives {

QString Problems::truncated(const char* format)
{
    return tr("the file ends before its %1 does; it may have been cut short")
        .arg(QLatin1String(format));
}

QString Problems::notWellFormed(const char* format)
{
    return tr("this is not well-formed %1").arg(QLatin1String(format));
}

} // namespace bw::drives
