// Dialogs for benchmarks of the windows: every question is answered Yes, every notice
// taken, every file dialog cancelled.
#pragma once

#include "platform/dialogs.h"

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

} // namespace bw::bench
