// Copying a file whole over another, or leaving the target as it was.
#include "platform/filecopy.h"

#include "platform/replacingfile.h"

#include <QCoreApplication>
#include <QFile>

#include <stdexcept>

namespace bw {

void copyFileReplacing(const QString& from, const QString& to)
{
    QFile source(from);
    const auto cannotRead = [&] {
        return std::runtime_error(QCoreApplication::translate("FileWrite", "Cannot read \"%1\": %2")
                                      .arg(from, source.errorString())
                                      .toStdString());
    };
    if (!source.open(QIODevice::ReadOnly)) throw cannotRead();
    ReplacingFile target(to);
    constexpr qint64 kChunk = 1 << 16;
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(kChunk);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError) throw cannotRead();
        target.writeAll(chunk);
    }
    target.commit();
}

} // namespace bw
