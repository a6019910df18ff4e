// The preview window's arithmetic: zoom sizes, scroll bars, offsets and drag bounds.
#pragma once

#include "core/twips.h"

#include <optional>

// Plain functions of numbers, so that each rule is tested on its own. Every length is in
// twips; only the widgets convert to pixels (core/twips.h).
namespace bw::preview {

inline constexpr float kZoomMin = 0.25f;
inline constexpr float kZoomMax = 2.75f;
inline constexpr float kZoomIncrement = 0.25f;

// The largest zoomed picture that is still painted, exclusive. Nothing is allocated in
// proportion to the zoomed size (each paint draws what is visible), so the only bound is
// the largest widget there can be, 16,777,215 pixels either way: far beyond a report of
// the most trips the program takes, at every level up to 2.75.
inline constexpr int kZoomedWidthLimit = 16777215 * kTwipsPerPixel;
inline constexpr int kZoomedHeightLimit = 16777215 * kTwipsPerPixel;

// How far the release of a drag may move the picture to settle on a whole percent of
// the travel. On a long picture a percent spans many pixels; there the picture stays
// where the drag left it instead.
inline constexpr int kSettleTolerance = 4 * kTwipsPerPixel;

// Scroll bars move one twip per unit up to this overhang, ten twips per unit beyond.
inline constexpr int kFineScrollOverhang = 100;
inline constexpr int kCoarseScrollStep = 10;

// Nearest integer, halves to the even neighbour; saturates at the int range.
int roundHalfEven(double x);

double pixelsToTwips(double pixels);

// Size of the unzoomed picture from the buffer's inner size: round(inner - 2).
int originalLength(int bufferInner);
// floor(zoom x original), the product formed in double precision.
int zoomedLength(float zoom, int original);
// True when a picture of this zoomed size is painted; false means the level is refused.
bool zoomedSizeFits(int zoomedWidth, int zoomedHeight);

// One zoom step: +0.25 for direction 0 (in), -0.25 for any other direction (out).
float zoomStep(float zoom, int direction);
// Whether a step's result is taken at all (0.25 to 2.75 inclusive).
bool zoomAccepted(float factor);

struct ScrollFit {
    bool enabled = false;
    int maximum = 0;
    int step = 0; // twips per scroll unit: 0 (disabled), 1 or 10
};
// Fits a scroll bar to the image box's outer length against the viewport's outer length.
ScrollFit fitScrollbar(int imageOuter, int viewportOuter);

// Position of the image box's edge for a bar value: -(step x value).
int scrollOffset(int step, int value);

// The drag limit on one axis (R horizontally, S vertically): viewport inner length minus
// image box outer length. Negative while the picture is larger than the viewport.
float dragBound(int viewportInner, int imageOuter);

// The image box's new edge while dragging on one axis: position - down + pointer, kept
// between the drag bound and 0. A picture smaller than the viewport has a positive
// bound; it is then put against the far edge whenever the result is not right of 0.
float panPosition(float position, float down, float pointer, int viewportInner, int imageOuter);

// The share of the possible travel that the image box's edge has gone, in whole percent:
// round(|position| / (image outer - viewport outer) x 100). Nothing when the two outer
// lengths are equal, as there is no travel to measure against.
std::optional<int> releasePercent(int position, int imageOuter, int viewportOuter);

// The bar value for a percentage: round(percent / 100 x maximum), at most the maximum.
// Nothing for a negative percentage, which leaves the bar alone.
std::optional<int> barValueForPercent(int percent, int maximum);

// Where the release of a drag leaves one bar whose image box edge is at `position`:
// the whole-percent value while that lands within kSettleTolerance of the position
// (exact false: the bar's change handler moves the picture there), and always beyond
// the bar's end; otherwise the value nearest the position, and the picture stays
// exactly where it is (exact true).
// No value for a negative percentage.
struct Settle {
    std::optional<int> value;
    bool exact = false;
};
Settle settleAfterDrag(int position, int step, int maximum, int percent);

} // namespace bw::preview
