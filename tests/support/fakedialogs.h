#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QString>

#include <deque>
#include <utility>

namespace bw::test {

// Records every box and dialog the code shows and answers from a script. A box with no
// scripted answer gets its default button; a save dialog with none is cancelled.
class FakeDialogs final : public Dialogs {
public:
    Answer message(const Message& message) override;
    QString saveFileName(const SaveFile& request) override;
    // Answers from answerNextPrint; a confirmed print goes to that PDF file.
    bool printDialog(QPrinter& printer) override;

    void answerNext(Answer answer) { answers_.push_back(answer); }
    void chooseNextFile(const QString& path) { files_.push_back(path); }
    void answerNextPrint(bool print, const QString& pdfPath) { prints_.push_back({print, pdfPath}); }
    int printRequests() const { return printRequests_; }

    const QList<Message>& messages() const { return messages_; }
    const QList<SaveFile>& saveRequests() const { return saveRequests_; }
    QStringList texts() const;
    void clear();

private:
    std::deque<Answer> answers_;
    std::deque<QString> files_;
    std::deque<std::pair<bool, QString>> prints_;
    int printRequests_ = 0;
    QList<Message> messages_;
    QList<SaveFile> saveRequests_;
};

} // namespace bw::test
