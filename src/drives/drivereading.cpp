// Reading drives on a thread of their own.
#include "drives/drivereading.h"

#include "drives/drivefile.h"

#include <QThread>

namespace bw::drives {

DriveReading::DriveReading(QStringList paths, const DriveRules& rules, QObject* parent)
    : QObject(parent), paths_(std::move(paths)), rules_(rules)
{}

DriveReading::~DriveReading()
{
    cancel();
    if (thread_) thread_->wait();
}

void DriveReading::start()
{
    if (thread_) return;
    thread_.reset(QThread::create([this] {
        result_ = readDriveFiles(paths_, rules_, [this](qint64 done, qint64 total) {
            done_ = done;
            total_ = total;
            return !cancel_.load();
        });
        if (cancel_ && !result_.cancelled) result_ = DriveRead{{}, {}, true};
    }));
    connect(thread_.get(), &QThread::finished, this, &DriveReading::finished);
    thread_->start();
}

int DriveReading::progress() const
{
    const qint64 total = total_;
    return total > 0 ? static_cast<int>(done_ * 1000 / total) : 0;
}

bool DriveReading::running() const { return thread_ && thread_->isRunning(); }

} // namespace bw::drives
