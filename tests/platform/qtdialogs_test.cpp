// Tests of the Qt dialogs, driven as a person would.
#include "platform/dialogs.h"
#include "support/testfiles.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace bw {
namespace {

// Runs `act` on the first shown top-level widget of type T once the code under test has
// opened it, as a person would act on the window in front of them. Any further modal
// box that opens after `act` is counted and answered Yes, so that a second question
// cannot hang the test.
template <typename T>
class WhenShown {
public:
    explicit WhenShown(std::function<void(T*)> act) : act_(std::move(act))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start(10);
    }

    bool seen() const { return seen_; }
    int unexpectedBoxes() const { return unexpectedBoxes_; }

private:
    void poll()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (!widget->isVisible()) continue;
            if (auto* wanted = qobject_cast<T*>(widget); wanted && !seen_) {
                seen_ = true;
                // Not from inside this poll: a box that `act` opens must find it free.
                QTimer::singleShot(0, wanted, [this, wanted] { act_(wanted); });
                return;
            }
            if (auto* box = qobject_cast<QMessageBox*>(widget); box && seen_) {
                ++unexpectedBoxes_;
                if (QAbstractButton* yes = box->button(QMessageBox::Yes)) {
                    yes->click();
                } else {
                    box->reject();
                }
            }
        }
    }

    std::function<void(T*)> act_;
    QTimer timer_;
    bool seen_ = false;
    int unexpectedBoxes_ = 0;
};

enum class Press { Enter, Escape, Yes, No, Ok };

struct MessageCase {
    const char* name;
    Dialogs::Buttons buttons;
    Dialogs::Answer defaultButton;
    Dialogs::Icon icon;
    Press press;
    Dialogs::Answer answer;
};

void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

class QtDialogsMessage : public ::testing::TestWithParam<MessageCase> {};

TEST_P(QtDialogsMessage, ShowsTheBoxAsAskedAndMapsTheAnswer)
{
    const MessageCase& c = GetParam();
    const bool question = c.buttons == Dialogs::Buttons::YesNo;
    WhenShown<QMessageBox> user([&](QMessageBox* box) {
        EXPECT_EQ(box->text(), QStringLiteral("Are you sure?"));
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Brindlewick"));
        EXPECT_EQ(box->icon(),
                  c.icon == Dialogs::Icon::Warning ? QMessageBox::Warning : QMessageBox::NoIcon);
        EXPECT_EQ(box->standardButtons(),
                  question ? QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No)
                           : QMessageBox::StandardButtons(QMessageBox::Ok));
        if (question) {
            const QAbstractButton* wanted =
                box->button(c.defaultButton == Dialogs::Yes ? QMessageBox::Yes : QMessageBox::No);
            EXPECT_EQ(static_cast<const QAbstractButton*>(box->defaultButton()), wanted);
        }
        switch (c.press) {
        case Press::Enter:
            QTest::keyClick(box, Qt::Key_Return);
            break;
        case Press::Escape:
            QTest::keyClick(box, Qt::Key_Escape);
            break;
        case Press::Yes:
            QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
            break;
        case Press::No:
            QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
            break;
        case Press::Ok:
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            break;
        }
    });
    QtDialogs dialogs;
    const Dialogs::Answer answer =
        dialogs.message({QStringLiteral("Are you sure?"), QStringLiteral("Brindlewick"), c.buttons,
                         c.icon, c.defaultButton});
    EXPECT_TRUE(user.seen());
    EXPECT_EQ(answer, c.answer);
}

using B = Dialogs::Buttons;
using I = Dialogs::Icon;
INSTANTIATE_TEST_SUITE_P(
    Cases, QtDialogsMessage,
    ::testing::Values(
        MessageCase{"OverwriteEnterIsYes", B::YesNo, Dialogs::Yes, I::None, Press::Enter,
                    Dialogs::Yes},
        MessageCase{"OverwriteClickNo", B::YesNo, Dialogs::Yes, I::None, Press::No, Dialogs::No},
        MessageCase{"DeleteEnterIsNo", B::YesNo, Dialogs::No, I::None, Press::Enter, Dialogs::No},
        MessageCase{"DeleteClickYes", B::YesNo, Dialogs::No, I::None, Press::Yes, Dialogs::Yes},
        MessageCase{"QuestionEscapeIsNo", B::YesNo, Dialogs::Yes, I::None, Press::Escape,
                    Dialogs::No},
        MessageCase{"ErrorReportOk", B::Ok, Dialogs::Ok, I::Warning, Press::Ok, Dialogs::Ok},
        MessageCase{"NoticeEnter", B::Ok, Dialogs::Ok, I::None, Press::Enter, Dialogs::Ok}),
    [](const ::testing::TestParamInfo<MessageCase>& tc) { return std::string(tc.param.name); });

class QtFileDialogs : public ::testing::Test {
protected:
    QString file(const QString& name) const { return QDir(folder.path()).filePath(name); }

    QTemporaryDir folder;
    const QStringList filters{QStringLiteral("Excel Files (*.xls)"),
                              QStringLiteral("Excel Workbook (*.xlsx)"),
                              QStringLiteral("PDF Files (*.pdf)")};
    QtDialogs dialogs;
};

TEST_F(QtFileDialogs, SaveTakesTheTypedNameAndFilterWithoutAskingAboutAnExistingFile)
{
    const QString existing = file(QStringLiteral("old report.xlsx"));
    test::writeFile(existing, "kept");
    WhenShown<QFileDialog> user([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Save File"));
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->nameFilters(), filters);
        EXPECT_EQ(dialog->selectedNameFilter(), filters.front());
        auto* type = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(type && name);
        QTest::keyClick(type, Qt::Key_Down);
        name->clear();
        QTest::keyClicks(name, QStringLiteral("old report.xlsx"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    const Dialogs::SaveChoice choice =
        dialogs.saveFile({QStringLiteral("Save File"), filters, folder.path() + u'/'});
    EXPECT_TRUE(user.seen());
    EXPECT_EQ(user.unexpectedBoxes(), 0) << "the program asks about replacing, not the dialog";
    EXPECT_EQ(choice.path, existing);
    EXPECT_EQ(choice.filter, filters.at(1));
    EXPECT_EQ(test::readAll(existing), QByteArray("kept"));
}

TEST_F(QtFileDialogs, CancelledDialogsGiveNothing)
{
    WhenShown<QFileDialog> saveUser(
        [](QFileDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    EXPECT_TRUE(dialogs.saveFile({QStringLiteral("Save File"), filters, QString()}).path.isEmpty());
    EXPECT_TRUE(saveUser.seen());

    WhenShown<QFileDialog> openUser([](QFileDialog* dialog) { dialog->reject(); });
    EXPECT_TRUE(dialogs.openFileName({QStringLiteral("Open"), filters, folder.path()}).isEmpty());
    EXPECT_TRUE(openUser.seen());

    WhenShown<QPrintDialog> printUser(
        [](QPrintDialog* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QPrinter printer;
    EXPECT_FALSE(dialogs.printDialog(printer));
    EXPECT_TRUE(printUser.seen());
}

TEST_F(QtFileDialogs, OpenGivesTheChosenExistingFile)
{
    const QString trips = file(QStringLiteral("trips.csv"));
    test::writeFile(trips, "date,from\n");
    const QStringList csv{QStringLiteral("CSV Files (*.csv)")};
    WhenShown<QFileDialog> user([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog->nameFilters(), csv);
        EXPECT_EQ(QFileInfo(dialog->directory().absolutePath()), QFileInfo(folder.path()));
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(name);
        QTest::keyClicks(name, QStringLiteral("trips.csv"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    EXPECT_EQ(dialogs.openFileName({QStringLiteral("Open"), csv, folder.path()}), trips);
    EXPECT_TRUE(user.seen());
}

TEST_F(QtFileDialogs, PrintAcceptedSetsUpThePrinter)
{
    WhenShown<QPrintDialog> user([](QPrintDialog* dialog) { dialog->accept(); });
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file(QStringLiteral("out.pdf")));
    EXPECT_TRUE(dialogs.printDialog(printer));
    EXPECT_TRUE(user.seen());
    EXPECT_EQ(printer.outputFileName(), file(QStringLiteral("out.pdf")));
}

} // namespace
} // namespace bw
