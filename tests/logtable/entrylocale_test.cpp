// Tests of the entries kept with the locale they were typed in.
#include "core/settingsstore.h"
#include "logtable/entrylocale.h"
#include "logtable/tripfills.h"
#include "support/fakeplatform.h"

#include <gtest/gtest.h>

namespace bw {
namespace {

QString q(const char* s) { return QString::fromUtf8(s); }
QLocale locale(const char* name) { return QLocale(QString::fromLatin1(name)); }

// A rate kept in a store naming its locale (or none, as earlier versions kept it), read
// under another locale.
TEST(EntryLocale, AStoredRateIsTheSameNumberInTheLocaleOfTheRun)
{
    const std::array<const char*, 4> cases[] = {
        // rate, named locale, locale of the run, rate read
        {"0,585", "de_DE", "en_US", "0.585"},
        {"0.585", "en_US", "de_DE", "0,585"},
        {"1,25", "fr_FR", "C", "1.25"},
        {"1.234,50", "de_DE", "en_US", "1,234.50"}, // grouping and decimals as typed
        {"0.585", nullptr, "de_DE", "0,585"},       // a zero before a period is plain
        {"1.250", nullptr, "de_DE", "1.250"},       // else read as it always was
        {"1.25", nullptr, "fr_FR", "1,25"},         // the plain form the locale cannot read
        {"0.585", "xx_nowhere", "de_DE", "0,585"},  // a name no locale has: none
    };
    for (const auto& [rate, named, now, expected] : cases) {
        test::TestPlatform env;
        SettingsStore store;
        store.SaveSetting(QStringLiteral("RatePerMile"), q(rate));
        if (named) store.SaveSetting(QString::fromLatin1(EntryLocale::kKey), q(named));
        EXPECT_EQ(EntryLocale::read(store, QStringLiteral("ratepermile"), {}, locale(now)),
                  q(expected))
            << rate << " " << (named ? named : "unnamed") << " under " << now;
    }
}

// Whatever was typed, between any two locales: a number reads in the new form as it read
// in its own, and a text that is no number there stays as it is.
TEST(EntryLocale, ANumberStaysTheSameNumberBetweenAnyTwoLocales)
{
    const char* locales[] = {"en_US", "de_DE", "fr_FR", "es_ES", "sv_SE", "C"};
    const char* texts[] = {"0,585", "0.585", "1.234,5", "1,234.5", "1\u202f234,5", "\u22120,5",
                           "-2",    "1e3",   "abc",     "",        "1.2.3",        ",5"};
    for (const char* from : locales) {
        for (const char* to : locales) {
            for (const char* text : texts) {
                const std::optional<double> typed = readTripNumber(q(text), locale(from));
                const QString retyped =
                    EntryLocale::retypedNumber(q(text), locale(from), locale(to));
                if (typed)
                    EXPECT_EQ(readTripNumber(retyped, locale(to)), typed) << from << to << text;
                else
                    EXPECT_EQ(retyped, q(text)) << from << to << text;
            }
        }
    }
}

TEST(EntryLocale, SavingAnEntryUnderAnotherLocaleRewritesTheRestInIts)
{
    test::TestPlatform env;
    {
        SettingsStore store;
        store.SaveSetting(QStringLiteral("RatePerMile"), QStringLiteral("0,585"));
        store.SaveSetting(QStringLiteral("PeriodFrom"), QStringLiteral("14.05.2016"));
        store.SaveSetting(QString::fromLatin1(EntryLocale::kKey), QStringLiteral("de_DE"));
        EntryLocale::save(store, QStringLiteral("PeriodTo"), QStringLiteral("5/20/2016"),
                          locale("en_US"));
    }
    const SettingsStore reopened;
    EXPECT_EQ(reopened.GetSetting(QString::fromLatin1(EntryLocale::kKey)), q("en_US"));
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("RatePerMile")), q("0.585"));
    EXPECT_EQ(reopened.GetSetting(QStringLiteral("PeriodFrom")), q("5/14/2016"));
    // Back under German, the same number and day.
    EXPECT_EQ(EntryLocale::read(reopened, QStringLiteral("RatePerMile"), {}, locale("de_DE")),
              q("0,585"));
    EXPECT_EQ(EntryLocale::read(reopened, QStringLiteral("PeriodTo"), {}, locale("de_DE")),
              q("20.05.2016"));
}

} // namespace
} // namespace bw
