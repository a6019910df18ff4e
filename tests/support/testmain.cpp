// The test programs' entry point: a headless application and GoogleTest.
#include <QApplication>
#include <QFontDatabase>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Widgets and pictures are tested headless.
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                    : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
