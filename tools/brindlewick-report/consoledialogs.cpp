// Message boxes written to a text stream for the report tool.
#include "brindlewick-report/consoledialogs.h"

#include "core/errorreport.h"

#include <QCoreApplication>
#include <QTextStream>

namespace bw {

namespace {

// Message texts break lines the classic way (CR LF, or a lone CR).
QString consoleLines(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace

Dialogs::Answer ConsoleDialogs::message(const Message& message)
{
    // Only the error report is a failure; a notice, even with a warning sign, is not.
    if (message.title == QCoreApplication::translate("ErrorReport", kErrorReportTitle)) ++failures_;
    out_ << message.title << ": " << consoleLines(message.text) << '\n';
    if (message.buttons == Buttons::YesNo) {
        out_ << QCoreApplication::translate("ReportTool", "(answered Yes)") << '\n';
        out_.flush();
        return Yes;
    }
    out_.flush();
    return Ok;
}

Dialogs::SaveChoice ConsoleDialogs::saveFile(const SaveFile& /*request*/) { return {}; }

QString ConsoleDialogs::openFileName(const OpenFile& /*request*/) { return QString(); }

bool ConsoleDialogs::printDialog(QPrinter& /*printer*/) { return false; }

} // namespace bw
