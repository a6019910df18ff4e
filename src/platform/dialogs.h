// The Dialogs seam every message box and file or print dialog goes through.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;

namespace bw {

// Every modal interaction of the program goes through this seam, so that whole
// command flows can run headless with scripted answers.
class Dialogs {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Warning };
    // The answer codes of the classic message box, kept because callers compare with them.
    enum Answer { Ok = 1, Yes = 6, No = 7 };

    struct Message {
        QString text;
        QString title;
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        Answer defaultButton = Ok;
    };

    struct SaveFile {
        QString title;
        // In Qt's form, "Excel Files (*.xls)"; the first is the one offered first.
        QStringList filters;
        QString fileName;
    };

    // The path is empty when the user cancelled; the filter is the one chosen last.
    struct SaveChoice {
        QString path;
        QString filter;
    };

    struct OpenFile {
        QString title;
        QStringList filters;
        QString directory;
    };

    virtual ~Dialogs() = default;

    virtual Answer message(const Message& message) = 0;
    // Never asks whether to replace an existing file: the program asks that itself,
    // about the name it will really write.
    virtual SaveChoice saveFile(const SaveFile& request) = 0;
    // The chosen existing file, or an empty string when the user cancelled.
    virtual QString openFileName(const OpenFile& request) = 0;
    // Existing files, several at once; none when the user cancelled. A seam without a
    // dialog of its own offers the one file openFileName chooses.
    virtual QStringList openFileNames(const OpenFile& request)
    {
        const QString path = openFileName(request);
        return path.isEmpty() ? QStringList() : QStringList{path};
    }
    // An existing folder (the request's filters unused), or an empty string when the user
    // cancelled. A seam without a folder dialog of its own offers none.
    virtual QString folderName(const OpenFile& /*request*/) { return QString(); }
    // True when the user chose to print; the printer is then set up as they chose.
    virtual bool printDialog(QPrinter& printer) = 0;
};

class QtDialogs final : public Dialogs {
public:
    Answer message(const Message& message) override;
    SaveChoice saveFile(const SaveFile& request) override;
    QString openFileName(const OpenFile& request) override;
    QString folderName(const OpenFile& request) override;
    QStringList openFileNames(const OpenFile& request) override;
    bool printDialog(QPrinter& printer) override;
};

} // namespace bw
