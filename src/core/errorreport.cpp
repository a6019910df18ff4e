#include "core/errorreport.h"

#include "platform/dialogs.h"
#include "platform/platform.h"

namespace bw {

QString errorReportText(const QString& description, const QString& location, int label)
{
    return description + QStringLiteral("\r\n") + location + QStringLiteral("at line ")
        + QString::number(label) + QStringLiteral("\r\r")
        + QStringLiteral("Please email screenshot of this message to ")
        + QLatin1String(kSupportEmail);
}

void ErrorReport(const QString& description, const QString& location, int label)
{
    Dialogs::Message box;
    box.text = errorReportText(description, location, label);
    box.title = QString::fromLatin1(kErrorReportTitle);
    box.buttons = Dialogs::Buttons::Ok;
    box.icon = Dialogs::Icon::Warning;
    platform().dialogs->message(box);
}

} // namespace bw
