#pragma once

#include <QString>

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
        // Filter in the "Description (*.ext)|*.ext|" form; the implementation maps it.
        QString filter;
        QString fileName;
    };

    virtual ~Dialogs() = default;

    virtual Answer message(const Message& message) = 0;
    // The chosen path, or an empty string when the user cancelled.
    virtual QString saveFileName(const SaveFile& request) = 0;
    // The platform's print dialog on `printer`; true when the user chose to print, with
    // the printer set up as chosen.
    virtual bool printDialog(QPrinter& printer) = 0;
};

// Converts a "Description (*.xls)|*.xls|" filter into Qt's "Description (*.xls)" form.
QString qtFilterFromPipeFilter(const QString& pipeFilter);

class QtDialogs final : public Dialogs {
public:
    Answer message(const Message& message) override;
    QString saveFileName(const SaveFile& request) override;
    bool printDialog(QPrinter& printer) override;
};

} // namespace bw
