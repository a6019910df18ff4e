// The desktop program's start-up up to its main window on the screen, as one process
// that ends there: the program's own start (identity, settings restore, the grid's rows,
// showing the window), then the first paint of the main window, then exit. Run by
// bench/startup.sh, which times whole processes.
#include "platform/appidentity.h"
#include "platform/largeheap.h"
#include "shell/programwindows.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

// Ends the event loop once a shown top-level window has painted.
class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!done_ && event->type() == QEvent::Paint) {
            const auto* widget = qobject_cast<QWidget*>(watched);
            if (widget != nullptr && widget->isWindow() && widget->isVisible()) {
                done_ = true;
                // After the rest of this paint (the children) has been drawn.
                QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
            }
        }
        return false;
    }

private:
    bool done_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    bw::reserveLargeHeap();
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    app.installEventFilter(&firstPaint);
    bw::setUpApplicationIdentity();
    bw::ProgramWindows windows;
    if (!windows.start()) return 1;
    const int status = QApplication::exec();
    // Leaving without the close steps: the store is neither written nor changed.
    return status;
}
