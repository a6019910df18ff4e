// The test programs' entry point: a headless application and GoogleTest.
#include "platform/translations.h"

#include <QApplication>
#include <QFontDatabase>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widgets and pictures are tested headless.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    // English as the program speaks it, plural forms and all; a test installs another
    // language over it for a while.
    const bw::ProgramTranslation english{QString()};
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
