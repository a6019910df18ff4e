#include "platform/appidentity.h"
#include "shell/programwindows.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    bw::setUpApplicationIdentity();
    bw::ProgramWindows windows;
    if (!windows.start()) {
        return 0;
    }
    return QApplication::exec();
}
