#include "core/twips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace bw {
namespace {

TEST(Twips, RoundToTheNearestPixelOnBothSidesOfZero)
{
    const struct {
        int twips;
        int pixels;
    } cases[] = {{-23, -2},
                 {-8, -1},
                 {-7, 0},
                 {0, 0},
                 {7, 0},
                 {8, 1},
                 {23, 2},
                 {std::numeric_limits<int>::max(), 143165576},
                 {std::numeric_limits<int>::min(), -143165577}};
    for (const auto& c : cases) EXPECT_EQ(twipsToPixels(c.twips), c.pixels) << c.twips;
}

// Every length the windows are designed with lies well inside this range: there the one
// conversion gives the pixels of both earlier ones, the main window's (t + 7) / 15 and
// the preview's nearest with halves to even, so no widget moves.
TEST(Twips, DesignedLengthsKeepTheirPixels)
{
    for (int t = 0; t <= 20000; ++t) {
        ASSERT_EQ(twipsToPixels(t), (t + 7) / 15) << t;
        ASSERT_EQ(twipsToPixels(t), static_cast<int>(std::nearbyint(t / 15.0))) << t;
        ASSERT_EQ(twipsToPixels(-t), static_cast<int>(std::nearbyint(-t / 15.0))) << -t;
    }
    static_assert(TwipsRect{120, 7545, 9330, 255}.pixels() == QRect(8, 503, 622, 17));
}

// The preview's offsets reach far below zero on a long report: across the whole range
// the conversion is still the preview's earlier rounding.
TEST(Twips, EveryLengthRoundsAsThePreviewRounded)
{
    for (long long t = std::numeric_limits<int>::min(); t <= std::numeric_limits<int>::max();
         t += 9973) {
        const int twips = static_cast<int>(t);
        ASSERT_EQ(twipsToPixels(twips), static_cast<int>(std::nearbyint(twips / 15.0))) << twips;
    }
}

} // namespace
} // namespace bw
