// Opens addresses with the desktop's browser.
#include "platform/urllauncher.h"

#include <QDesktopServices>

namespace bw {

bool DesktopUrlLauncher::open(const QUrl& url) { return QDesktopServices::openUrl(url); }

} // namespace bw
