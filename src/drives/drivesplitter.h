// Drives out of a recorded track, one point at a time: memory does not grow with the track.
#pragma once

#include "drives/drive.h"

#include <vector>

namespace bw::drives {

class DriveSplitter {
public:
    // Drives found are appended to `drives`.
    DriveSplitter(const DriveRules& rules, std::vector<Drive>& drives);

    // The next point of the track; its time is not before the last one's (the readers
    // refuse a track whose times go back).
    void add(qint64 ms, LatLng position);
    // The track ends: a drive under way ends at its last point.
    void finish();

private:
    struct Fix {
        qint64 ms = 0;
        LatLng position;
    };

    void begin(const Fix& fix);
    void close(const Fix& end, double metres);
    bool isJump(const Fix& fix, double metres) const;
    bool leaveStop(const Fix& fix, double step);
    void move(const Fix& fix, double step);
    double restRadius() const { return rules_.stopRadiusMetres / 4.0; }

    DriveRules rules_;
    std::vector<Drive>& drives_;
    bool open_ = false;    // a drive or a stop is under way
    bool stopped_ = false; // at a stop, the drive before it ended
    Fix start_;            // where the drive under way began
    Fix last_;             // the last point taken
    Fix anchor_;           // where a stop would have begun: every later point lies near it
    // Where the car came to rest: every later point lies within restRadius of it. A stop's
    // first and last metres are driven too; the drive ends here, not at anchor_.
    Fix rest_;
    double metres_ = 0.0; // the drive's length to last_
    double atRest_ = 0.0; // its length to rest_
    // At a stop: the last point still at rest, and the metres covered since it.
    Fix departure_;
    double sinceDeparture_ = 0.0;
    int fixes_ = 0; // points taken since the drive began
};

} // namespace bw::drives
