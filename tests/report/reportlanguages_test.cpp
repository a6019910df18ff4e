// The report's own words in every shipped language.
#include "platform/translations.h"
#include "report/mileagelog.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace bw::test {
namespace {

// A sheet's name holds at most 31 characters: a longer one would make the workbook
// unwritable in that language.
TEST(ReportLanguages, TheSheetNameFitsInEveryLanguage)
{
    QStringList languages = shippedLanguages();
    languages << QString();
    for (const QString& language : languages) {
        const ProgramTranslation translation(language);
        const QString name = QCoreApplication::translate("MileageLog", MileageLog::kSheetName);
        EXPECT_LE(name.size(), 31) << name.toStdString();
        EXPECT_FALSE(name.isEmpty());
        EXPECT_EQ(name == QLatin1String(MileageLog::kSheetName), language.isEmpty())
            << language.toStdString();
    }
}

} // namespace
} // namespace bw::test
