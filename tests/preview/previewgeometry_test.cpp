// Tests of the preview window's arithmetic.
#include "preview/previewgeometry.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace bw::preview {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(10.5), 10);
    EXPECT_EQ(roundHalfEven(11.5), 12);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(1e12), std::numeric_limits<int>::max());
}

struct FitCase {
    const char* name;
    int imageOuter;
    int viewportOuter;
    ScrollFit expected;
};

class FitScrollbar : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitScrollbar, StepAndMaximumFollowTheOverhang)
{
    const FitCase& c = GetParam();
    const ScrollFit fit = fitScrollbar(c.imageOuter, c.viewportOuter);
    EXPECT_EQ(fit.enabled, c.expected.enabled);
    EXPECT_EQ(fit.step, c.expected.step);
    if (c.expected.enabled) {
        EXPECT_EQ(fit.maximum, c.expected.maximum);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, FitScrollbar,
    ::testing::Values(FitCase{"narrower", 5000, 9330, {false, 0, 0}},
                      FitCase{"equal", 9330, 9330, {false, 0, 0}},
                      FitCase{"overhang_1", 9331, 9330, {true, 1, 1}},
                      FitCase{"overhang_100", 9430, 9330, {true, 100, 1}},
                      FitCase{"overhang_101", 9431, 9330, {true, 10, 10}},
                      FitCase{"overhang_105_half_to_even", 9435, 9330, {true, 10, 10}},
                      FitCase{"overhang_115_half_to_even", 9445, 9330, {true, 12, 10}},
                      FitCase{"overhang_119", 9449, 9330, {true, 12, 10}},
                      FitCase{"report_at_1", 14698, 9330, {true, 537, 10}},
                      // Beyond what 16-bit offsets could hold: step x maximum = 380440.
                      FitCase{"tall_report_at_2_75", 78374, 7425, {true, 7095, 10}}),
    [](const ::testing::TestParamInfo<FitCase>& tc) { return std::string(tc.param.name); });

TEST(ScrollOffset, UsesFullIntegerRange)
{
    EXPECT_EQ(scrollOffset(10, 0), 0);
    EXPECT_EQ(scrollOffset(1, 37), -37);
    EXPECT_EQ(scrollOffset(10, 7095), -70950);
}

TEST(Zoom, ElevenExactLevelsBetweenTheBounds)
{
    float zoom = 1.0f;
    int levelsIn = 0;
    while (zoomAccepted(zoomStep(zoom, 0))) {
        zoom = zoomStep(zoom, 0);
        ++levelsIn;
    }
    EXPECT_EQ(levelsIn, 7);
    EXPECT_EQ(zoom, 2.75f);

    // Back and forth many times: every level is an exact quarter, never a drifted one.
    for (int round = 0; round < 50; ++round) {
        while (zoomAccepted(zoomStep(zoom, 1))) {
            zoom = zoomStep(zoom, 1);
            EXPECT_EQ(zoom * 4.0f, static_cast<float>(static_cast<int>(zoom * 4.0f)));
        }
        EXPECT_EQ(zoom, 0.25f);
        while (zoomAccepted(zoomStep(zoom, 0))) {
            zoom = zoomStep(zoom, 0);
        }
        EXPECT_EQ(zoom, 2.75f);
    }
    EXPECT_FALSE(zoomAccepted(3.0f));
    EXPECT_FALSE(zoomAccepted(0.0f));
    EXPECT_EQ(zoomStep(1.0f, 7), 0.75f); // any direction but 0 zooms out
}

TEST(Zoom, SizesAreFlooredFromTheBufferLessTwo)
{
    const int original = originalLength(980 * kTwipsPerPixel);
    EXPECT_EQ(original, 14698);
    EXPECT_EQ(zoomedLength(1.0f, original), 14698);
    EXPECT_EQ(zoomedLength(0.75f, original), 11023); // 11023.5
    EXPECT_EQ(zoomedLength(1.25f, original), 18372); // 18372.5
    EXPECT_EQ(zoomedLength(2.75f, original), 40419); // 40419.5
    EXPECT_EQ(zoomedLength(0.25f, 3), 0);
}

TEST(Zoom, LimitRefusesFromTheLimitOn)
{
    EXPECT_TRUE(zoomedSizeFits(kZoomedWidthLimit - 1, kZoomedHeightLimit - 1));
    EXPECT_FALSE(zoomedSizeFits(kZoomedWidthLimit, 100));
    EXPECT_FALSE(zoomedSizeFits(100, kZoomedHeightLimit));
    // The sizes the old surfaces refused are ordinary now.
    EXPECT_TRUE(zoomedSizeFits(16000, 12000));
}

TEST(Zoom, HundredTripReportPassesAtEveryLevel)
{
    const int width = originalLength(980 * kTwipsPerPixel);
    const int height = originalLength(1900 * kTwipsPerPixel);
    for (float zoom = kZoomMin; zoom <= kZoomMax; zoom += kZoomIncrement) {
        EXPECT_TRUE(zoomedSizeFits(zoomedLength(zoom, width), zoomedLength(zoom, height)))
            << "zoom " << zoom;
    }
}

struct PanCase {
    const char* name;
    float position;
    float down;
    float pointer;
    int viewportInner;
    int imageOuter;
    float expected;
};

class PanPosition : public ::testing::TestWithParam<PanCase> {};

TEST_P(PanPosition, StaysBetweenBoundAndOrigin)
{
    const PanCase& c = GetParam();
    EXPECT_EQ(panPosition(c.position, c.down, c.pointer, c.viewportInner, c.imageOuter),
              c.expected);
}

// Viewport inner 9270 x 7365; a report at zoom 1.0 is 14698 x 11398, so R = -5428.
INSTANTIATE_TEST_SUITE_P(
    Table, PanPosition,
    ::testing::Values(PanCase{"left_by_300", 0, 1500, 1200, 9270, 14698, -300},
                      PanCase{"up_by_200", -1000, 900, 700, 7365, 11398, -1200},
                      PanCase{"right_from_origin_stays_at_0", 0, 1500, 1800, 9270, 14698, 0},
                      PanCase{"stops_at_R", -5300, 1500, 1200, 9270, 14698, -5428},
                      PanCase{"exactly_R", -5128, 1500, 1200, 9270, 14698, -5428},
                      PanCase{"narrow_picture_goes_to_R", 0, 300, 150, 9270, 6000, 3270},
                      PanCase{"narrow_picture_at_0_goes_to_R", 0, 300, 300, 9270, 6000, 3270},
                      PanCase{"narrow_picture_right_of_0_back_to_0", 3270, 300, 450, 9270, 6000,
                              0}),
    [](const ::testing::TestParamInfo<PanCase>& tc) { return std::string(tc.param.name); });

struct PercentCase {
    const char* name;
    int position;
    int imageOuter;
    int viewportOuter;
    std::optional<int> expected;
};

class ReleasePercent : public ::testing::TestWithParam<PercentCase> {};

TEST_P(ReleasePercent, RoundsHalfToEven)
{
    const PercentCase& c = GetParam();
    EXPECT_EQ(releasePercent(c.position, c.imageOuter, c.viewportOuter), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReleasePercent,
    ::testing::Values(PercentCase{"origin", 0, 14698, 9330, 0},
                      PercentCase{"a_quarter", -1342, 14698, 9330, 25},
                      PercentCase{"half_down_to_even", -1, 9338, 9330, 12},    // 12.5
                      PercentCase{"half_up_to_even", -3, 9338, 9330, 38},      // 37.5
                      PercentCase{"beyond_100_at_R", -5428, 14698, 9330, 101}, // 101.1
                      PercentCase{"narrow_at_R", 3270, 6000, 9330, -98},
                      PercentCase{"equal_widths", -20, 9330, 9330, std::nullopt}),
    [](const ::testing::TestParamInfo<PercentCase>& tc) { return std::string(tc.param.name); });

TEST(BarValueForPercent, RoundsAndStaysWithinTheBar)
{
    EXPECT_EQ(barValueForPercent(-1, 537), std::nullopt);
    EXPECT_EQ(barValueForPercent(0, 537), 0);
    EXPECT_EQ(barValueForPercent(25, 537), 134); // 134.25
    EXPECT_EQ(barValueForPercent(50, 13), 6);    // 6.5
    EXPECT_EQ(barValueForPercent(50, 11), 6);    // 5.5
    EXPECT_EQ(barValueForPercent(100, 537), 537);
    EXPECT_EQ(barValueForPercent(101, 537), 537);
    EXPECT_EQ(barValueForPercent(6100, 1), 1);
}

struct SettleCase {
    const char* name;
    int position;
    int step;
    int maximum;
    int percent;
    std::optional<int> value;
    bool exact;
};

class SettleAfterDrag : public ::testing::TestWithParam<SettleCase> {};

TEST_P(SettleAfterDrag, WholePercentUnlessThatJumps)
{
    const SettleCase& c = GetParam();
    const Settle settle = settleAfterDrag(c.position, c.step, c.maximum, c.percent);
    EXPECT_EQ(settle.value, c.value);
    EXPECT_EQ(settle.exact, c.exact);
}

// A one-page report (travel 5368, bar 537) always settles on a whole percent; a long
// one (travel 6,000,000, bar 600,000: a percent is 4,000 pixels) keeps its position.
INSTANTIATE_TEST_SUITE_P(
    Table, SettleAfterDrag,
    ::testing::Values(
        SettleCase{"page_6_percent", -300, 10, 537, 6, 32, false},
        SettleCase{"page_beyond_the_end", -5428, 10, 537, 101, 537, false},
        SettleCase{"long_on_a_percent", -600000, 10, 600000, 10, 60000, false},
        SettleCase{"long_within_the_tolerance", -600060, 10, 600000, 10, 60000, false},
        SettleCase{"long_past_the_tolerance", -600070, 10, 600000, 10, 60007, true},
        SettleCase{"long_mid_percent", -1234567, 10, 600000, 21, 123457, true},
        SettleCase{"long_past_the_end_by_the_border", -6000060, 10, 600000, 100, 600000, false},
        SettleCase{"page_past_the_end_by_more", -4033, 10, 397, 102, 397, false},
        SettleCase{"narrow_negative_percent", 3270, 0, 0, -98, std::nullopt, false}),
    [](const ::testing::TestParamInfo<SettleCase>& tc) { return std::string(tc.param.name); });

} // namespace
} // namespace bw::preview
