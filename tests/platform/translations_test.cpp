// Which translation the user's languages pick, and installing one for a while.
#include "platform/translations.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <tuple>

namespace bw::test {
namespace {

TEST(Translations, TheFirstOfTheUsersLanguagesThatIsSpokenWins)
{
    const QStringList shipped = {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")};
    const struct {
        QStringList uiLanguages;
        const char* chosen;
    } cases[] = {
        {{QStringLiteral("de-DE"), QStringLiteral("en-US")}, "de"},
        {{QStringLiteral("de_AT.UTF-8")}, "de"},
        {{QStringLiteral("fr-CA"), QStringLiteral("fr")}, "fr"},
        {{QStringLiteral("pt-BR"), QStringLiteral("es-ES")}, "es"},
        {{QStringLiteral("en-GB"), QStringLiteral("de-DE")}, ""},
        {{QStringLiteral("C")}, ""},
        {{QStringLiteral("ja-JP")}, ""},
        {{}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(chooseLanguage(c.uiLanguages, shipped), QString::fromLatin1(c.chosen))
            << c.uiLanguages.join(QLatin1Char(',')).toStdString();
    }
}

TEST(Translations, GermanFrenchAndSpanishAreBuiltIn)
{
    QStringList languages = shippedLanguages();
    languages.sort();
    EXPECT_EQ(languages,
              QStringList({QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")}));
}

TEST(Translations, CountsTakeEachLanguagesPluralFormsEnglishIncluded)
{
    const std::tuple<const char*, int, const char*> cases[] = {
        {"", 1, "1 trip"},     {"", 0, "0 trips"},     {"de", 1, "1 Fahrt"}, {"de", 0, "0 Fahrten"},
        {"fr", 0, "0 trajet"}, {"fr", 2, "2 trajets"}, {"es", 1, "1 viaje"}, {"es", 2, "2 viajes"}};
    for (const auto& [language, count, text] : cases) {
        const ProgramTranslation translation{QString::fromLatin1(language)};
        EXPECT_EQ(QCoreApplication::translate("TripBook", "%n trip(s)", nullptr, count),
                  QString::fromLatin1(text));
    }
}

TEST(Translations, InstalledWhileItLivesWithQtsOwnAndEnglishNeedsNone)
{
    const auto totals = [] { return QCoreApplication::translate("MileageLog", "Totals"); };
    const auto qtCancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    {
        const ProgramTranslation german(QStringLiteral("de"));
        EXPECT_EQ(german.language(), QStringLiteral("de"));
        EXPECT_EQ(totals(), QStringLiteral("Summen"));
        EXPECT_EQ(qtCancel(), QStringLiteral("Abbrechen"));
    }
    EXPECT_EQ(totals(), QStringLiteral("Totals"));
    const ProgramTranslation english{QString()};
    EXPECT_TRUE(english.language().isEmpty());
    EXPECT_EQ(totals(), QStringLiteral("Totals"));
    const ProgramTranslation unknown(QStringLiteral("xx"));
    EXPECT_TRUE(unknown.language().isEmpty());
}

} // namespace
} // namespace bw::test
