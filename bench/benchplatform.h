// The outside world for benchmarks of the windows: dialogs that answer every question
// Yes, and a private folder for the settings, the temporary files and the program.
#pragma once

#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QDir>
#include <QTemporaryDir>

#include <memory>

namespace bw::bench {

class YesDialogs final : public Dialogs {
public:
    Answer message(const Message& message) override
    {
        return message.buttons == Buttons::YesNo ? Yes : Ok;
    }
    SaveChoice saveFile(const SaveFile&) override { return {}; }
    QString openFileName(const OpenFile&) override { return QString(); }
    bool printDialog(QPrinter&) override { return false; }
};

// While it lives, the settings file is `settingsName` in a private folder, which also
// holds the temporary files and stands for the program's folder; dialogs are YesDialogs.
class PrivatePlatform {
public:
    explicit PrivatePlatform(const QString& settingsName)
    {
        Platform p = platform();
        p.dialogs = &dialogs_;
        p.settingsFile = QDir(dir_.path()).filePath(settingsName);
        p.programFolder = dir_.path();
        p.tempRoot = dir_.path();
        override_ = std::make_unique<PlatformOverride>(p);
    }

private:
    QTemporaryDir dir_;
    YesDialogs dialogs_;
    std::unique_ptr<PlatformOverride> override_;
};

} // namespace bw::bench
