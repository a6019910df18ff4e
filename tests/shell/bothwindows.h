// Both windows of the program as it starts them, on the test platform: the fixture of the
// tests that drive the program as a user does.
#pragma once

#include "preview/form2.h"
#include "shell/form1.h"
#include "shell/programwindows.h"
#include "support/fakeplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace bw::test {

class BothWindowsTest : public ::testing::Test {
protected:
    // Starts the program; its end is counted in `ended`. The dialogs of the start are
    // forgotten.
    void start()
    {
        windows = std::make_unique<ProgramWindows>();
        windows->setEndProgram([this] { ++ended; });
        ASSERT_TRUE(windows->start());
        env.dialogs.clear();
    }
    Form1& main() { return windows->form1(); }
    Form2& preview() { return windows->form2(); }
    // "Start Creating Template", with the preview's first picture.
    void create()
    {
        main().PushButton22->click();
        QCoreApplication::processEvents();
    }
    QString userFile(const QString& name) const { return QDir(env.tempRoot()).filePath(name); }

    TestPlatform env;
    std::unique_ptr<ProgramWindows> windows;
    int ended = 0;
};

} // namespace bw::test
