// The report tool's entry point: an offscreen application running the tool.
#include "brindlewick-report/reporttool.h"
#include "platform/largeheap.h"
#include "platform/translations.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    bw::reserveLargeHeap();
    // The picture needs fonts, hence a GUI application, but never a display; the
    // offscreen platform also keeps the picture the same wherever the tool runs.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Messages and the report in the user's language, as the program makes them.
    const auto translation = bw::installSystemTranslation();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return bw::reporttool::main(QCoreApplication::arguments().mid(1), out, err);
}
