// The default platform seams and the override tests install.
#include "platform/platform.h"

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/randomsource.h"
#include "platform/urllauncher.h"

#include <QCoreApplication>

namespace bw {

namespace {

Platform makeDefault()
{
    static QtDialogs dialogs;
    static SystemClock clock;
    static StdRandomSource random;
    static DesktopUrlLauncher launcher;
    Platform p;
    p.dialogs = &dialogs;
    p.clock = &clock;
    p.random = &random;
    p.urlLauncher = &launcher;
    return p;
}

} // namespace

Platform& platform()
{
    static Platform current = makeDefault();
    if (current.programFolder.isEmpty() && QCoreApplication::instance() != nullptr) {
        current.programFolder = QCoreApplication::applicationDirPath();
    }
    return current;
}

PlatformOverride::PlatformOverride(const Platform& replacement) : saved_(platform())
{
    Platform& current = platform();
    Platform merged = replacement;
    // Seams a test leaves unset keep their production implementation.
    if (merged.dialogs == nullptr) merged.dialogs = current.dialogs;
    if (merged.clock == nullptr) merged.clock = current.clock;
    if (merged.random == nullptr) merged.random = current.random;
    if (merged.urlLauncher == nullptr) merged.urlLauncher = current.urlLauncher;
    current = merged;
}

PlatformOverride::~PlatformOverride() { platform() = saved_; }

} // namespace bw
