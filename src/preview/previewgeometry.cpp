// The preview window's arithmetic: zoom sizes, scroll bars, offsets and drag bounds.
#include "preview/previewgeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace bw::preview {

int roundHalfEven(double x)
{
    constexpr double lowest = std::numeric_limits<int>::min();
    constexpr double highest = std::numeric_limits<int>::max();
    if (std::isnan(x)) {
        return 0;
    }
    // nearbyint follows the default rounding mode, which is to nearest, ties to even.
    const double r = std::nearbyint(x);
    if (r <= lowest) {
        return std::numeric_limits<int>::min();
    }
    if (r >= highest) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(r);
}

double pixelsToTwips(double pixels) { return pixels * kTwipsPerPixel; }

int originalLength(int bufferInner)
{
    return roundHalfEven(static_cast<double>(bufferInner) - 2.0);
}

int zoomedLength(float zoom, int original)
{
    const double product = std::floor(static_cast<double>(zoom) * original);
    if (product >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (product <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(product);
}

bool zoomedSizeFits(int zoomedWidth, int zoomedHeight)
{
    return zoomedWidth < kZoomedWidthLimit && zoomedHeight < kZoomedHeightLimit;
}

float zoomStep(float zoom, int direction)
{
    return direction == 0 ? zoom + kZoomIncrement : zoom - kZoomIncrement;
}

bool zoomAccepted(float factor) { return factor >= kZoomMin && factor <= kZoomMax; }

ScrollFit fitScrollbar(int imageOuter, int viewportOuter)
{
    if (imageOuter <= viewportOuter) {
        return {};
    }
    const auto overhang = static_cast<float>(imageOuter - viewportOuter);
    if (overhang <= static_cast<float>(kFineScrollOverhang)) {
        return {true, roundHalfEven(overhang), 1};
    }
    return {true, roundHalfEven(static_cast<double>(overhang) / kCoarseScrollStep),
            kCoarseScrollStep};
}

int scrollOffset(int step, int value) { return -(step * value); }

float dragBound(int viewportInner, int imageOuter)
{
    return static_cast<float>(viewportInner - imageOuter);
}

float panPosition(float position, float down, float pointer, int viewportInner, int imageOuter)
{
    const float moved = position - down + pointer;
    if (moved > 0.0f) {
        return 0.0f;
    }
    const float bound = dragBound(viewportInner, imageOuter);
    return bound > moved ? bound : moved;
}

std::optional<int> releasePercent(int position, int imageOuter, int viewportOuter)
{
    const double travel = static_cast<double>(imageOuter) - viewportOuter;
    if (travel == 0.0) {
        return std::nullopt;
    }
    return roundHalfEven(std::fabs(static_cast<double>(position)) / travel * 100.0);
}

std::optional<int> barValueForPercent(int percent, int maximum)
{
    if (percent < 0) {
        return std::nullopt;
    }
    const int value = roundHalfEven(static_cast<double>(percent) / 100.0 * maximum);
    return value > maximum ? maximum : value;
}

Settle settleAfterDrag(int position, int step, int maximum, int percent)
{
    const std::optional<int> byPercent = barValueForPercent(percent, maximum);
    if (!byPercent || step <= 0) {
        return {byPercent, false};
    }
    // Beyond the bar's end (the viewport's border lets a drag go a little further)
    // the picture goes back to the end, as a whole percent takes it there anyway.
    const double jump = std::fabs(static_cast<double>(scrollOffset(step, *byPercent)) - position);
    const bool beyondTheEnd = position < scrollOffset(step, maximum);
    if (jump <= kSettleTolerance || beyondTheEnd) {
        return {byPercent, false};
    }
    const int nearest = roundHalfEven(std::fabs(static_cast<double>(position)) / step);
    return {std::clamp(nearest, 0, maximum), true};
}

} // namespace bw::preview
