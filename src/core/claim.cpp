// The claim's values: its trips counted, its files' bytes hashed.
#include "core/claim.h"

#include "core/blanktrip.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>

namespace bw {

int tripCount(const ClaimRecord& claim)
{
    return static_cast<int>(
        std::count_if(claim.trips.begin(), claim.trips.end(),
                      [](const ClaimedTrip& t) { return !isBlankTrip(t.trip); }));
}

QString fileSha256(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file)) return {};
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace bw
