// The stop rule over a track's points.
#include "drives/drivesplitter.h"

#include <algorithm>

namespace bw::drives {

bool longEnough(const Drive& drive, const DriveRules& rules)
{
    return drive.metres >= rules.minMetres
           && drive.endMs - drive.startMs >= rules.minSeconds * 1000LL;
}

DriveSplitter::DriveSplitter(const DriveRules& rules, std::vector<Drive>& drives)
    : rules_(rules), drives_(drives)
{}

void DriveSplitter::begin(const Fix& fix)
{
    open_ = true;
    stopped_ = false;
    start_ = last_ = anchor_ = rest_ = departure_ = fix;
    metres_ = atRest_ = sinceDeparture_ = 0.0;
    fixes_ = 1;
}

void DriveSplitter::close(const Fix& end, double metres)
{
    Drive drive;
    drive.startMs = start_.ms;
    drive.endMs = end.ms;
    drive.from.position = start_.position;
    drive.to.position = end.position;
    drive.metres = metres;
    if (longEnough(drive, rules_)) drives_.push_back(std::move(drive));
}

// Whole-second time stamps give several points the same second; a second is the least
// time taken between two points.
bool DriveSplitter::isJump(const Fix& fix, double metres) const
{
    const double seconds = std::max<double>(1.0, double(fix.ms - last_.ms) / 1000.0);
    return metres / seconds * 3.6 > rules_.maxKmh;
}

void DriveSplitter::add(qint64 ms, LatLng position)
{
    const Fix fix{ms, position};
    if (!open_) return begin(fix);
    if (fix.ms - last_.ms >= rules_.stopSeconds * 1000LL) {
        // The receiver was off or had no fix that long: the drive ended where it was last.
        if (!stopped_) close(last_, metres_);
        return begin(fix);
    }
    const double step = geodesicMetres(last_.position, fix.position);
    if (isJump(fix, step)) {
        // A drive's lone first point is the likelier jump than the points that follow it.
        if (fixes_ == 1 && !stopped_) begin(fix);
        return;
    }
    if (stopped_ && !leaveStop(fix, step)) return;
    move(fix, step);
}

// At a stop, whether `fix` leaves it. The next drive then begins at the last point at rest
// and counts the metres from there.
bool DriveSplitter::leaveStop(const Fix& fix, double step)
{
    if (localMetres(anchor_.position, fix.position) <= rules_.stopRadiusMetres) {
        if (localMetres(rest_.position, fix.position) <= restRadius()) {
            departure_ = fix;
            sinceDeparture_ = 0.0;
        } else {
            sinceDeparture_ += step;
        }
        last_ = fix;
        return false;
    }
    const Fix previous = last_;
    const double metres = sinceDeparture_;
    begin(departure_);
    last_ = previous;
    metres_ = metres;
    fixes_ = 2;
    return true;
}

void DriveSplitter::move(const Fix& fix, double step)
{
    metres_ += step;
    last_ = fix;
    ++fixes_;
    if (localMetres(rest_.position, fix.position) > restRadius()) {
        rest_ = fix;
        atRest_ = metres_;
    }
    if (localMetres(anchor_.position, fix.position) > rules_.stopRadiusMetres) {
        anchor_ = fix;
    } else if (fix.ms - anchor_.ms >= rules_.stopSeconds * 1000LL) {
        // Stopped since the anchor: the drive ended where the car came to rest.
        close(rest_, atRest_);
        stopped_ = true;
        departure_ = fix;
        sinceDeparture_ = 0.0;
    }
}

void DriveSplitter::finish()
{
    if (open_ && !stopped_) close(last_, metres_);
    open_ = false;
}

} // namespace bw::drives
