// Every window in every shipped language: the captions are translated and fit the
// rectangles the design gives them, in the designed font.
#include "logstore/logbackup.h"
#include "logstore/logdatabase.h"
#include "logtable/logsession.h"
#include "platform/translations.h"
#include "preview/previewtesting.h"
#include "shell/claimhistorydialog.h"
#include "shell/form1.h"
#include "shell/ratesdialog.h"
#include "shell/restorebackupdialog.h"
#include "support/fakeplatform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace bw::test {
namespace {

// The windows of the program, each made afresh in the language installed at the time.
// A new window is one more row.
using WindowMaker = std::function<std::unique_ptr<QWidget>()>;
std::unique_ptr<QWidget> mainWindow(DistanceUnit unit)
{
    auto form = std::make_unique<Form1>();
    form->load();
    // Units kept in memory, so that the log on disk stays in miles for the next window.
    auto store = std::make_unique<MemoryRateStore>();
    store->saveUnits(LogUnits{unit, {}});
    form->session().setRateStore(std::move(store));
    return form;
}
std::vector<std::pair<const char*, WindowMaker>> windows(RecordingHost& host, LogDatabase& log)
{
    return {
        {"main window", [] { return mainWindow(DistanceUnit::Miles); }},
        {"main window in kilometres", [] { return mainWindow(DistanceUnit::Kilometres); }},
        {"claim history",
         [&log] {
             auto dialog = std::make_unique<ClaimHistoryDialog>(claimHistoryOf(&log, false));
             // Measured with the history's verdict in place, not the passing "Checking…".
             dialog->show();
             EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->checking(); }, 10000));
             return std::unique_ptr<QWidget>(std::move(dialog));
         }},
        {"preview", [&host] { return std::make_unique<Form2>(&host); }},
        {"rates dialog",
         [] { return std::make_unique<RatesDialog>(RateSchedule(), QDate(2026, 1, 1), 0.7); }},
        {"rates dialog in kilometres",
         [] {
             return std::make_unique<RatesDialog>(RateSchedule(), QDate(2026, 1, 1), 0.7, nullptr,
                                                  QLocale(),
                                                  LogUnits{DistanceUnit::Kilometres, {}});
         }},
        {"restore dialog",
         [] {
             return std::make_unique<RestoreBackupDialog>(
                 [] {
                     return listBackups(
                         BackupLocation{QStringLiteral("/nonexistent"), QStringLiteral("log")});
                 },
                 3, [](const QString&) { return QString(); });
         }},
    };
}

QString shown(QString caption) { return caption.remove(QLatin1Char('&')); }

// Each caption that does not fit its widget, named with the widget and the overflow.
QStringList clipped(QWidget& window)
{
    QStringList found;
    const auto report = [&](const QWidget* w, const QString& text, int need, int have) {
        if (need > have) {
            found << QStringLiteral("%1 \"%2\": %3 > %4 px")
                         .arg(w->objectName(), text)
                         .arg(need)
                         .arg(have);
        }
    };
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty()) continue;
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        if (label->wordWrap()) {
            const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap, label->text());
            report(label, label->text(), needed.height(), room.height());
        } else {
            report(label, label->text(), metrics.horizontalAdvance(shown(label->text())),
                   room.width());
        }
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty()) continue;
        // The style's own margins around the caption, as its size hint has them.
        const QFontMetrics metrics(button->font());
        const int margins =
            button->sizeHint().width() - metrics.horizontalAdvance(shown(button->text()));
        report(button, button->text(),
               metrics.horizontalAdvance(shown(button->text())) + std::max(0, margins) - 8,
               button->width());
    }
    // Column captions: each header section as wide as its caption needs, margins included.
    for (const QHeaderView* header : window.findChildren<QHeaderView*>()) {
        if (!header->isVisibleTo(&window) || header->orientation() != Qt::Horizontal) continue;
        for (int i = 0; i < header->count(); ++i) {
            if (header->isSectionHidden(i)) continue;
            report(header->parentWidget(),
                   header->model()->headerData(i, Qt::Horizontal).toString(),
                   header->sectionSizeHint(i), header->sectionSize(i));
        }
    }
    for (const QGroupBox* box : window.findChildren<QGroupBox*>()) {
        if (!box->isVisibleTo(&window) || box->title().isEmpty()) continue;
        // The title starts 7 pixels in, with 2 pixels of padding on each side.
        report(box, box->title(), QFontMetrics(box->font()).horizontalAdvance(box->title()) + 11,
               box->width());
    }
    return found;
}

class Languages : public ::testing::TestWithParam<const char*> {
protected:
    TestPlatform platform;
    RecordingHost host;
    LogDatabase log{QDir(platform.tempRoot()).filePath(QStringLiteral("claims.sqlite")),
                    LogDatabase::Access::ReadWrite};
};

TEST_P(Languages, EveryCaptionOfEveryWindowFitsItsDesignedRectangle)
{
    const ProgramTranslation translation{QString::fromLatin1(GetParam())};
    ASSERT_EQ(translation.language(), QString::fromLatin1(GetParam()));
    for (const auto& [name, make] : windows(host, log)) {
        const std::unique_ptr<QWidget> window = make();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get())) << name;
        EXPECT_EQ(clipped(*window).join(QStringLiteral("; ")).toStdString(), "")
            << name << " in " << GetParam();
        window->close();
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, Languages, ::testing::Values("", "de", "fr", "es"));

TEST(LanguagesOfTheMainWindow, GermanCaptionsWithGermanAndTheDesignedOnesWithout)
{
    TestPlatform platform;
    const struct {
        const char* language;
        const char* create;
        const char* frame;
        const char* rateLabel;
        const char* kmLabel;
    } cases[] = {
        {"", "Start Creating Template", "Employee Data", "Rate per Mile:", "Rate per Kilometre:"},
        {"de", "Abrechnung erstellen", "Mitarbeiterdaten", "Satz je Meile:", "Satz je Kilometer:"},
        {"fr", "Créer la note de frais", "Salarié", "Taux/mile :", "Taux/km :"},
        {"es", "Crear hoja de gastos", "Datos del empleado", "Tarifa/milla:", "Tarifa/km:"},
    };
    const auto accessible = [](const char* label) {
        return QString::fromUtf8(label).remove(QRegularExpression(QStringLiteral("\\s*:$")));
    };
    for (const auto& c : cases) {
        const ProgramTranslation translation{QString::fromLatin1(c.language)};
        Form1 form;
        EXPECT_EQ(form.PushButton22->text(), QString::fromUtf8(c.create)) << c.language;
        EXPECT_EQ(form.Frame1->title(), QString::fromUtf8(c.frame)) << c.language;
        EXPECT_EQ(form.Label4[4]->text(), QString::fromUtf8(c.rateLabel)) << c.language;
        EXPECT_EQ(form.txtRatePerMile->accessibleName(), accessible(c.rateLabel)) << c.language;
        auto km = std::make_unique<MemoryRateStore>();
        km->saveUnits(LogUnits{DistanceUnit::Kilometres, {}});
        form.session().setRateStore(std::move(km));
        EXPECT_EQ(form.Label4[4]->text(), QString::fromUtf8(c.kmLabel)) << c.language;
        EXPECT_EQ(form.txtRatePerMile->accessibleName(), accessible(c.kmLabel)) << c.language;
    }
}

} // namespace
} // namespace bw::test
