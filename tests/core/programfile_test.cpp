// Where the program finds its optional look files, built and installed.
#include "core/mainmodule.h"
#include "platform/platform.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace bw {
namespace {

struct ProgramFileCase {
    const char* name;
    bool beside;    // the file lies beside the executable
    bool installed; // ... and/or in share/brindlewick
    const char* found;
};

class ProgramFile : public ::testing::TestWithParam<ProgramFileCase> {};

TEST_P(ProgramFile, LooksBesideTheExecutableThenInTheInstalledData)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir top(root.path());
    ASSERT_TRUE(top.mkpath(QStringLiteral("bin/x"))
                && top.mkpath(QStringLiteral("share/brindlewick/x")));
    if (GetParam().beside) test::writeFile(top.filePath(QStringLiteral("bin/x/o.cjs")), "beside");
    if (GetParam().installed)
        test::writeFile(top.filePath(QStringLiteral("share/brindlewick/x/o.cjs")), "installed");

    Platform seams = platform();
    seams.programFolder = top.filePath(QStringLiteral("bin"));
    const PlatformOverride use(seams);
    EXPECT_EQ(programFile(QStringLiteral("x/o.cjs")),
              top.filePath(QString::fromLatin1(GetParam().found)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProgramFile,
    ::testing::Values(ProgramFileCase{"BesideWins", true, true, "bin/x/o.cjs"},
                      ProgramFileCase{"InstalledOnly", false, true, "share/brindlewick/x/o.cjs"},
                      ProgramFileCase{"NowhereNamesBeside", false, false, "bin/x/o.cjs"}),
    [](const auto& tc) { return std::string(tc.param.name); });

} // namespace
} // namespace bw
