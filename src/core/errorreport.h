// The error report shown when a step fails: its text and the box that shows it.
#pragma once

#include <QString>

namespace bw {

// The address the error report asks users to send a screenshot to.
inline constexpr char kSupportEmail[] = "support@brindlewick.example";
// The title of the error report, and of no other box: a box with it reports a failure.
inline constexpr char kErrorReportTitle[] = QT_TRANSLATE_NOOP("ErrorReport", "Application Error");

// The text of the error report: description, CR LF, location (ends in a blank),
// "at line ", the step label, CR CR, the e-mail request.
QString errorReportText(const QString& description, const QString& location, int label);

// Shows the error report through the Dialogs seam: title "Application Error", one OK
// button, warning icon. Returns when the user has closed it.
void ErrorReport(const QString& description, const QString& location, int label);

} // namespace bw
