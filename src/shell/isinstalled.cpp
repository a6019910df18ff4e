// The start-up check that a spreadsheet-application instance can be created.
#include "shell/isinstalled.h"

#include "core/mainmodule.h"
#include "core/messageboxes.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "spreadsheet/automation/objectmodel.h"

#include <QCoreApplication>
#include <QStringList>

namespace bw {

namespace {

SpreadsheetFactory& factoryStorage()
{
    // The embedded engine's own factory: the same one the report driver asks, so a
    // factory that cannot create instances is noticed at start-up already.
    static SpreadsheetFactory factory = [] {
        return !ss::automation::createApplication().isNothing();
    };
    return factory;
}

} // namespace

void setSpreadsheetFactory(SpreadsheetFactory factory) { factoryStorage() = std::move(factory); }

const SpreadsheetFactory& spreadsheetFactory() { return factoryStorage(); }

QString excelMissingText()
{
    const QStringList parts = {
        QCoreApplication::translate(
            "IsInstalled", "Error 842001. A normal instance of Excel could not be created."),
        QCoreApplication::translate("IsInstalled",
                                    "1. Please make sure Excel is installed on this computer."),
        QCoreApplication::translate(
            "IsInstalled", "2. Please open Excel normally and make sure a blank spreadsheet opens "
                           "immediately without any interrupting window (such as an Excel file "
                           "recovery window)."),
        QCoreApplication::translate(
            "IsInstalled", "3. Please make sure that when you double-click on a XLS or XLSX file "
                           "that Excel opens normally without any interrupting messages."),
        QCoreApplication::translate(
            "IsInstalled", "4. All versions of Excel are supported by this software except for the "
                           "rare Excel Starter and Student editions."),
    };
    return parts.join(QStringLiteral("\r\n\r\n"));
}

bool CheckExcelInstalled()
{
    bool created = false;
    try {
        const SpreadsheetFactory& factory = spreadsheetFactory();
        created = factory && factory();
    } catch (...) {
        created = false;
    }
    if (created) {
        return true;
    }
    tell(excelMissingText());
    return false;
}

} // namespace bw
