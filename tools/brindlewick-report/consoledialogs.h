// Message boxes for a program without windows, written to a text stream.
#pragma once

#include "platform/dialogs.h"

class QTextStream;

namespace bw {

// Message boxes for a program without windows: every box is written to a text stream
// (standard error), questions are answered Yes, and the error report counts as a failure
// of the run. No file is ever chosen and nothing is printed.
class ConsoleDialogs final : public Dialogs {
public:
    explicit ConsoleDialogs(QTextStream& out) : out_(out) {}

    Answer message(const Message& message) override;
    SaveChoice saveFile(const SaveFile& request) override;
    QString openFileName(const OpenFile& request) override;
    bool printDialog(QPrinter& printer) override;

    int failures() const { return failures_; }

private:
    QTextStream& out_;
    int failures_ = 0;
};

} // namespace bw
