// The program's identity on a desktop: version, desktop file name and icon.
#include "platform/appidentity.h"

#include "bw_version.h"

#include <QGuiApplication>

// The resources live in a static library, so they are registered by hand.
static void initIconResources() { Q_INIT_RESOURCE(icons); }

namespace bw {

QString applicationVersion() { return QStringLiteral(BW_VERSION); }

QIcon applicationIcon()
{
    initIconResources();
    QIcon icon;
    const QString base = QStringLiteral(":/icons/") + QLatin1String(kApplicationId);
    icon.addFile(base + QStringLiteral(".svg"));
    icon.addFile(base + QStringLiteral(".png"), QSize(256, 256));
    return icon;
}

void setUpApplicationIdentity()
{
    QCoreApplication::setApplicationVersion(applicationVersion());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kApplicationId));
    QGuiApplication::setWindowIcon(applicationIcon());
}

} // namespace bw
