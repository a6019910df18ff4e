// A file that takes its target's place whole, written through the system's own calls.
#pragma once

#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <stdexcept>

namespace bw {

// Who may read a file the program makes: anyone the umask allows (a report the user
// hands on), or its owner alone (what the program keeps of the log and its settings).
enum class NewFileAccess { Shared, Private };

// A failed write, with the operating system's reason (errno) kept: Qt's file classes
// report a generic text, or a later call's, once the file is cancelled or removed.
class FileWriteError : public std::runtime_error {
public:
    FileWriteError(int error, const QString& path);
    int error() const { return error_; }
    // The sentence that names the cause, as osErrorSentence gives it.
    QString cause() const;

private:
    int error_;
    QString path_;
};

// Written under a hidden temporary name beside the target, so that the rename stays on
// one file system, and renamed over the target by commit(): the target is replaced whole
// or left exactly as it was. Until then the temporary is removed with the object. The
// device is unbuffered and write-only; a failing write returns -1 and keeps its errno
// for commit(), which throws FileWriteError naming the target and the cause. A replaced
// file keeps its mode; a new one gets the mode `newFiles` asks for, and a Private
// temporary is 0600 from its creation on.
class ReplacingFile : public QIODevice {
public:
    // Creates the temporary; throws FileWriteError when the target's folder takes none.
    explicit ReplacingFile(QString target, NewFileAccess newFiles = NewFileAccess::Shared);
    ~ReplacingFile() override;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Writes all of `bytes`; throws FileWriteError when they do not all fit.
    void writeAll(QByteArrayView bytes);
    // Puts the file in the target's place. A durable commit waits for the disk first.
    void commit(bool durable = true);

    bool isSequential() const override { return true; }
    // The errno of the first failed write; 0 while every write went through.
    int systemError() const { return error_; }

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    [[noreturn]] void fail(int error);
    void discard();

    QString target_;
    QString written_; // the target, or the file it links to
    QString temporary_;
    int fd_ = -1;
    int error_ = 0; // of the first failed write
};

// Creates a new file under a hidden random name beside `file` (".<name>.<random>.<tag>"),
// so that a rename over `file` stays on one file system. Sets `path` and returns the open
// descriptor, or -1 with errno set (EEXIST when every name tried was taken).
int openBeside(const QString& file, const QString& tag, QString& path,
               NewFileAccess newFiles = NewFileAccess::Shared);

// Replaces `path` with `bytes` through a ReplacingFile.
void writeFileReplacing(const QString& path, QByteArrayView bytes, bool durable = true,
                        NewFileAccess newFiles = NewFileAccess::Shared);

} // namespace bw
