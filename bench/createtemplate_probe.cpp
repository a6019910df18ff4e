// "Start Creating Template" in the desktop program, as a user waits for it: the program
// starts with its stored log, and once the main window has painted the button is
// clicked; the process ends when the preview window has painted its picture. Prints
// the milliseconds from the click to that paint, then the process's peak resident
// memory (VmHWM) in KiB. Every question on the way is answered Yes at once, as a user
// who goes on past the warnings would. Run by bench/createtemplate.sh, which times
// whole processes.
#include "platform/appidentity.h"
#include "platform/dialogs.h"
#include "platform/largeheap.h"
#include "platform/platform.h"
#include "preview/form2.h"
#include "shell/form1.h"
#include "shell/programwindows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

// Answers every question Yes and every notice Ok; no file or print dialog is expected.
class YesDialogs final : public bw::Dialogs {
public:
    Answer message(const Message& message) override
    {
        return message.buttons == Buttons::YesNo ? Yes : Ok;
    }
    SaveChoice saveFile(const SaveFile&) override { return {}; }
    QString openFileName(const OpenFile&) override { return {}; }
    bool printDialog(QPrinter&) override { return false; }
};

long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Clicks the button after the main window's first paint, and ends after the preview's.
class Probe final : public QObject {
public:
    explicit Probe(bw::ProgramWindows& windows) : windows_(windows) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || !widget->isVisible()) return false;
        if (!clicked_ && widget->window() == &windows_.form1()) {
            clicked_ = true;
            QTimer::singleShot(0, qApp, [this] { click(); });
        } else if (clicked_ && !done_ && widget->window() == &windows_.form2()) {
            done_ = true;
            // After the rest of this paint (the picture among the children) is drawn.
            QTimer::singleShot(0, qApp, [this] { finish(); });
        }
        return false;
    }

private:
    void click()
    {
        clock_.start();
        windows_.form1().PushButton22->click();
    }
    void finish()
    {
        std::printf("%lld %ld\n", static_cast<long long>(clock_.elapsed()), peakResidentKiB());
        QCoreApplication::exit(windows_.form2().isVisible() ? 0 : 1);
    }

    bw::ProgramWindows& windows_;
    QElapsedTimer clock_;
    bool clicked_ = false;
    bool done_ = false;
};

} // namespace

int main(int argc, char** argv)
{
    bw::reserveLargeHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bw::setUpApplicationIdentity();
    YesDialogs dialogs;
    bw::Platform seams = bw::platform();
    seams.dialogs = &dialogs;
    const bw::PlatformOverride use(seams);
    bw::ProgramWindows windows;
    Probe probe(windows);
    app.installEventFilter(&probe);
    if (!windows.start()) return 1;
    // Leaving without the close steps: the store is neither written nor changed.
    return QApplication::exec();
}
