// The error report: its text and the warning box that shows it.
#include "core/errorreport.h"

#include "core/messageboxes.h"
#include "platform/dialogs.h"
#include "platform/platform.h"

#include <QCoreApplication>

namespace bw {

QString errorReportText(const QString& description, const QString& location, int label)
{
    return description + QStringLiteral("\r\n") + location
           + QCoreApplication::translate("ErrorReport", "at line ") + QString::number(label)
           + QStringLiteral("\r\r")
           + QCoreApplication::translate("ErrorReport",
                                         "Please email screenshot of this message to ")
           + QLatin1String(kSupportEmail);
}

void ErrorReport(const QString& description, const QString& location, int label)
{
    tell(errorReportText(description, location, label),
         QCoreApplication::translate("ErrorReport", kErrorReportTitle), Dialogs::Icon::Warning);
}

} // namespace bw
