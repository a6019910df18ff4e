// The desktop program's entry point: start-up, the two windows and ending the session.
#include "platform/appidentity.h"
#include "platform/largeheap.h"
#include "platform/terminationsignals.h"
#include "platform/translations.h"
#include "shell/programwindows.h"

#include <QApplication>

int main(int argc, char** argv)
{
    bw::reserveLargeHeap();
    QApplication app(argc, argv);
    bw::setUpApplicationIdentity();
    // The user's language, before the first window makes its captions.
    const auto translation = bw::installSystemTranslation();
    bw::ProgramWindows windows;
    if (!windows.start()) {
        return 0;
    }
    // Logging out and being terminated keep what was typed, as closing the window does.
    bw::TerminationSignals terminations;
    QObject::connect(&terminations, &bw::TerminationSignals::received,
                     [&windows] { windows.endSession(); });
    QObject::connect(&app, &QGuiApplication::commitDataRequest,
                     [&windows] { windows.endSession(); });
    return QApplication::exec();
}
