// The test platform: fake clock, chance and browser, and a private folder per test.
#include "fakeplatform.h"

#include <QDir>

namespace bw::test {

double FakeRandom::next()
{
    if (!scripted_.empty()) {
        const double v = scripted_.front();
        scripted_.pop_front();
        return v;
    }
    return fallback_;
}

TestPlatform::TestPlatform()
{
    QDir(dir_.path()).mkpath(QStringLiteral("temp"));
    QDir(dir_.path()).mkpath(QStringLiteral("program"));
    Platform p;
    p.dialogs = &dialogs;
    p.clock = &clock;
    p.random = &random;
    p.urlLauncher = &launcher;
    p.settingsFile = settingsFile();
    p.tempRoot = tempRoot();
    p.programFolder = programFolder();
    override_ = std::make_unique<PlatformOverride>(p);
}

TestPlatform::~TestPlatform() = default;

QString TestPlatform::settingsFile() const
{
    return QDir(dir_.path()).filePath(QStringLiteral("settings/Brindlewick.ini"));
}

QString TestPlatform::tempRoot() const
{
    return QDir(dir_.path()).filePath(QStringLiteral("temp"));
}

QString TestPlatform::programFolder() const
{
    return QDir(dir_.path()).filePath(QStringLiteral("program"));
}

} // namespace bw::test
