// Tests of the stop rule: where a recorded track's drives begin and end.
#include "drives/drivesplitter.h"
#include "drives/tracks.h"

#include <gtest/gtest.h>

namespace bw::drives {
namespace {

std::vector<Drive> drivesOf(const Track& t, const DriveRules& rules = {})
{
    std::vector<Drive> drives;
    DriveSplitter splitter(rules, drives);
    for (const auto& [ms, position] : t.points) splitter.add(ms, position);
    splitter.finish();
    return drives;
}

TEST(DriveSplitter, StopsAndGapsOfFiveMinutesEndADrive)
{
    const Leg drive{600, 10, 15.0}; // ten minutes at 54 km/h: 9 km
    const struct {
        const char* name;
        Track track;
        std::size_t drives;
        double firstMetres;
        qint64 firstEndsAfterSeconds;
        bool stopped; // the next drive starts where the first one ended
    } cases[] = {
        {"a stop of 4:59", track({drive, {290, 10, 0.0}, {9, 9, 0.0}, drive}), 1, 18000, 1499,
         false},
        {"a stop of 5:00", track({drive, {300, 10, 0.0}, drive}), 2, 9000, 600, true},
        {"a gap of 4:59", track({drive, {299, 0, 15.0}, drive}), 1, 22485, 1499, false},
        {"a gap of 5:00", track({drive, {300, 0, 15.0}, drive}), 2, 9000, 600, false},
        {"a stop, the receiver drifting", track({drive, {150, 10, 0.1}, {150, 10, -0.1}, drive}), 2,
         9000, 600, true},
        {"slow traffic is no stop", track({drive, {600, 10, 0.5}, drive}), 1, 18300, 1800, false},
        {"a track that ends stopped", track({drive, {600, 10, 0.0}}), 1, 9000, 600, false},
        {"under 500 m", track({{300, 10, 1.6}}), 0, 0, 0, false},
        {"under 2 minutes", track({{110, 10, 15.0}}), 0, 0, 0, false},
    };
    for (const auto& c : cases) {
        const std::vector<Drive> drives = drivesOf(c.track);
        ASSERT_EQ(drives.size(), c.drives) << c.name;
        if (drives.empty()) continue;
        EXPECT_NEAR(drives[0].metres, c.firstMetres, c.firstMetres * 2e-3) << c.name;
        EXPECT_EQ(drives[0].startMs, kT0) << c.name;
        EXPECT_EQ(drives[0].endMs, kT0 + c.firstEndsAfterSeconds * 1000) << c.name;
        // After a stop the next drive starts where the car stood.
        if (c.stopped) {
            EXPECT_NEAR(geodesicMetres(drives[1].from.position, drives[0].to.position), 0.0, 30.0)
                << c.name;
        }
    }
}

TEST(DriveSplitter, AJumpOfTheReceiverIsSkipped)
{
    Track t = track({{600, 10, 15.0}});
    const double plain = drivesOf(t)[0].metres;
    t.points[30].second = north(t.northAt[30] + 5000.0); // 5 km off for one point
    t.points[0].second = north(-3000.0);                 // and the very first point
    const std::vector<Drive> drives = drivesOf(t);
    ASSERT_EQ(drives.size(), 1u);
    EXPECT_NEAR(drives[0].metres, plain - 15.0 * 10, 1.0);
    // A lower limit makes the drive itself a run of jumps.
    EXPECT_TRUE(drivesOf(t, DriveRules{.maxKmh = 40.0}).empty());
}

} // namespace
} // namespace bw::drives
