// The test platform: fake clock, chance and browser, and a private folder per test.
#pragma once

#include "fakedialogs.h"
#include "platform/clock.h"
#include "platform/platform.h"
#include "platform/randomsource.h"
#include "platform/urllauncher.h"

#include <QList>
#include <QTemporaryDir>
#include <QUrl>

#include <deque>
#include <memory>

namespace bw::test {

class FakeClock final : public Clock {
public:
    QDateTime now() const override { return now_; }
    void set(const QDateTime& now) { now_ = now; }

private:
    QDateTime now_{QDate(2026, 3, 14), QTime(10, 30, 0)};
};

// Gives scripted numbers first, then a fixed sequence; records every seed.
class FakeRandom final : public RandomSource {
public:
    void seed(std::uint32_t value) override { seeds.append(value); }
    double next() override;
    void script(std::initializer_list<double> values) { scripted_.insert(scripted_.end(), values); }

    QList<std::uint32_t> seeds;

private:
    std::deque<double> scripted_;
    double fallback_ = 0.5;
};

class FakeUrlLauncher final : public UrlLauncher {
public:
    bool open(const QUrl& url) override
    {
        opened.append(url);
        return true;
    }
    QList<QUrl> opened;
};

// A complete set of fakes plus private folders for settings, temporary files and the
// program folder, installed for the lifetime of the object.
class TestPlatform {
public:
    TestPlatform();
    ~TestPlatform();

    FakeDialogs dialogs;
    FakeClock clock;
    FakeRandom random;
    FakeUrlLauncher launcher;

    QString settingsFile() const;
    QString tempRoot() const;
    QString programFolder() const;

private:
    QTemporaryDir dir_;
    std::unique_ptr<PlatformOverride> override_;
};

} // namespace bw::test
