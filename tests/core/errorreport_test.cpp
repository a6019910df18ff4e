// Tests of the error report's text and box.
#include "core/errorlocation.h"
#include "core/errorreport.h"
#include "core/steptrap.h"
#include "support/fakeplatform.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace bw {
namespace {

using test::TestPlatform;

TEST(ErrorReport, TextIsDescriptionLocationLabelAndEmailRequestByteForByte)
{
    const QString text = errorReportText(QStringLiteral("Invalid picture"),
                                         QString::fromLatin1(ErrorLocation::Form1_Form_Load), 128);
    const QByteArray expected =
        "Invalid picture\r\n"
        "in Quillmere2021/08/31.Form1.Form_Load at line 128\r\r"
        "Please email screenshot of this message to support@brindlewick.example";
    EXPECT_EQ(text.toUtf8(), expected);
}

TEST(ErrorReport, BoxIsAWarningWithOneOkButtonAndItsOwnTitle)
{
    TestPlatform env;
    ErrorReport(QStringLiteral("Overflow"),
                QString::fromLatin1(ErrorLocation::Form2_picture1_MouseMove), 100);
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    const auto& box = env.dialogs.messages().front();
    EXPECT_EQ(box.title, QStringLiteral("Application Error"));
    EXPECT_EQ(box.buttons, Dialogs::Buttons::Ok);
    EXPECT_EQ(box.icon, Dialogs::Icon::Warning);
    EXPECT_TRUE(box.text.startsWith(QStringLiteral(
        "Overflow\r\nin Quillmere2021/08/31.Form2.picture1_MouseMove at line 100\r\r")));
    // Exactly one empty line (CR CR) before the request, and nothing after the address.
    EXPECT_EQ(box.text.count(QStringLiteral("\r\r")), 1);
    EXPECT_TRUE(box.text.endsWith(QStringLiteral("support@brindlewick.example")));
}

TEST(StepTrap, FailingStepsAreReportedOnceEachInOrderAndTheProcedureFinishes)
{
    TestPlatform env;
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_PushButton7_Click));
    QStringList ran;
    trap.run(100, [] { throw std::runtime_error("first"); });
    trap.run(102, [&] { ran << "102"; });
    trap.run(104, [] { throw std::runtime_error("second"); });
    trap.run(106, [&] { ran << "106"; });

    EXPECT_EQ(ran, QStringList({"102", "106"}));
    EXPECT_EQ(trap.failures(), 2);
    const QStringList texts = env.dialogs.texts();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0].startsWith(
        QStringLiteral("first\r\nin Quillmere2021/08/31.Form1.PushButton7_Click at line 100\r\r")));
    EXPECT_TRUE(texts[1].startsWith(QStringLiteral(
        "second\r\nin Quillmere2021/08/31.Form1.PushButton7_Click at line 104\r\r")));
}

TEST(StepTrap, AFailingConditionRunsTheGuardedStatements)
{
    TestPlatform env;
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    bool guardedRan = false;
    if (trap.test(186, []() -> bool { throw std::runtime_error("Object required"); })) {
        trap.run(188, [&] { guardedRan = true; });
    }
    EXPECT_TRUE(guardedRan);
    ASSERT_EQ(env.dialogs.messages().size(), 1);
    EXPECT_TRUE(env.dialogs.texts()[0].contains(QStringLiteral("at line 186")));

    // A condition that evaluates to false still skips the block.
    EXPECT_FALSE(trap.test(190, [] { return false; }));
}

TEST(StepTrap, ALoopWhoseTestAlwaysFailsIsLeftAfterOneReport)
{
    TestPlatform env;
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_QueryUnload));
    int passes = 0;
    while (trap.loopTest(106, []() -> bool { throw std::runtime_error("Object required"); })) {
        if (++passes > 3) break;
    }
    EXPECT_EQ(passes, 0);
    EXPECT_EQ(env.dialogs.messages().size(), 1);
}

TEST(StepTrap, DescriptionsOfUnknownFailuresAreStillReadable)
{
    TestPlatform env;
    StepTrap trap(QString::fromLatin1(ErrorLocation::Form1_Form_Load));
    const auto value = trap.value(142, []() -> int { throw 42; });
    EXPECT_FALSE(value.has_value());
    EXPECT_TRUE(env.dialogs.texts().value(0).startsWith(QStringLiteral("Unknown error\r\n")));
    EXPECT_EQ(trap.label(), 142);
}

} // namespace
} // namespace bw
