// The program's seams to the outside world (dialogs, clock, chance, browser, folders).
#pragma once

#include <QString>

namespace bw {

class Clock;
class Dialogs;
class RandomSource;
class UrlLauncher;

// The program's seams to the outside world. Production code asks `platform()`; tests
// install their own set with `PlatformOverride` for the length of a test.
struct Platform {
    Dialogs* dialogs = nullptr;
    Clock* clock = nullptr;
    RandomSource* random = nullptr;
    UrlLauncher* urlLauncher = nullptr;
    // Folder of the optional look files ("HAND-M.CUR", "x/o.cjs"); the executable's
    // folder unless overridden.
    QString programFolder;
    // INI file of the settings store; empty means the platform's per-user location.
    QString settingsFile;
    // The log's database this process reads; empty means the one beside the settings.
    QString logFile;
    // Parent of the private temporary folder; empty means the system's temporary folder.
    QString tempRoot;
};

Platform& platform();

class PlatformOverride {
public:
    explicit PlatformOverride(const Platform& replacement);
    ~PlatformOverride();
    PlatformOverride(const PlatformOverride&) = delete;
    PlatformOverride& operator=(const PlatformOverride&) = delete;

private:
    Platform saved_;
};

} // namespace bw
