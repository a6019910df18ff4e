// Scripted dialogs for tests: every box and dialog recorded and answered from a script.
#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <QString>

#include <deque>

namespace bw::test {

// Records every box and dialog the code shows and answers from a script. A box with no
// scripted answer gets its default button; a file dialog with none is cancelled, and so
// is a print dialog.
class FakeDialogs final : public Dialogs {
public:
    Answer message(const Message& message) override;
    SaveChoice saveFile(const SaveFile& request) override;
    QString openFileName(const OpenFile& request) override;
    QStringList openFileNames(const OpenFile& request) override;
    // Answered as an open dialog is (chooseNextOpenFile) and recorded with them.
    QString folderName(const OpenFile& request) override { return openFileName(request); }
    bool printDialog(QPrinter& printer) override;

    void answerNext(Answer answer) { answers_.push_back(answer); }
    // The filter chosen with the path; empty means the dialog's first.
    void chooseNextFile(const QString& path, const QString& filter = QString())
    {
        files_.push_back({path, filter});
    }
    void chooseNextOpenFile(const QString& path) { openFiles_.push_back({path}); }
    void chooseNextOpenFiles(const QStringList& paths) { openFiles_.push_back(paths); }
    // Printing sends the pages to `pdfFile` as PDF, as "print to file" does.
    void answerNextPrint(bool print, const QString& pdfFile = QString())
    {
        prints_.push_back({print, pdfFile});
    }

    const QList<Message>& messages() const { return messages_; }
    const QList<SaveFile>& saveRequests() const { return saveRequests_; }
    const QList<OpenFile>& openRequests() const { return openRequests_; }
    int printRequests() const { return printRequests_; }
    QStringList texts() const;
    void clear();

private:
    struct PrintAnswer {
        bool print;
        QString pdfFile;
    };

    std::deque<Answer> answers_;
    std::deque<SaveChoice> files_;
    std::deque<QStringList> openFiles_;
    std::deque<PrintAnswer> prints_;
    QList<Message> messages_;
    QList<SaveFile> saveRequests_;
    QList<OpenFile> openRequests_;
    int printRequests_ = 0;
};

} // namespace bw::test
