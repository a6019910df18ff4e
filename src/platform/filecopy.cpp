// Copying a file whole over another, or leaving the target as it was.
#include "platform/filecopy.h"

#include <QFile>
#include <QSaveFile>

#include <stdexcept>

namespace bw {

namespace {

[[noreturn]] void fail(const QString& what, const QString& path, const QString& reason)
{
    throw std::runtime_error(QStringLiteral("%1 \"%2\": %3").arg(what, path, reason).toStdString());
}

} // namespace

void copyFileReplacing(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("Cannot read"), from, source.errorString());
    }
    QSaveFile target(to);
    if (!target.open(QIODevice::WriteOnly)) {
        fail(QStringLiteral("Cannot write"), to, target.errorString());
    }
    constexpr qint64 kChunk = 1 << 16;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(kChunk);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError) {
            target.cancelWriting();
            fail(QStringLiteral("Cannot read"), from, source.errorString());
        }
        if (target.write(chunk) != chunk.size()) {
            target.cancelWriting();
            fail(QStringLiteral("Cannot write"), to, target.errorString());
        }
    }
    if (!target.commit()) {
        fail(QStringLiteral("Cannot write"), to, target.errorString());
    }
}

} // namespace bw
