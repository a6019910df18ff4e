// SIGTERM, SIGHUP and SIGINT turned into a Qt signal, delivered by the event loop.
#pragma once

#include <QList>
#include <QObject>

class QSocketNotifier;

namespace bw {

// A signal handler may do almost nothing safely, so it only writes the signal's number
// into a pipe; the event loop reads it and emits `received`. One instance at a time.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

signals:
    void received(int signalNumber);

private:
    void readPipe();

    QSocketNotifier* notifier_ = nullptr;
    QList<int> handled_;
};

} // namespace bw
