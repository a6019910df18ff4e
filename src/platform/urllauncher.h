// The seam that opens an address in the system's browser.
#pragma once

#include <QUrl>

namespace bw {

// Opens an address in the system's browser; the program never waits for it.
class UrlLauncher {
public:
    virtual ~UrlLauncher() = default;
    virtual bool open(const QUrl& url) = 0;
};

class DesktopUrlLauncher final : public UrlLauncher {
public:
    bool open(const QUrl& url) override;
};

} // namespace bw
