// The test programs' entry point: a headless application and GoogleTest.
#include "platform/translations.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widgets and pictures are tested headless.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // The tests are written in the C locale's forms, whatever the machine's locale; a test
    // that needs another one sets it. The C library keeps the machine's, as the program
    // does (so a run under LANG=fr_FR.UTF-8 finds numbers that go through its printf).
    QLocale::setDefault(QLocale::c());
    // English as the program speaks it, plural forms and all; a test installs another
    // language over it for a while.
    const bw::ProgramTranslation english{QString()};
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
