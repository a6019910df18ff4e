// Twips, the unit the windows are designed in, and the pixels the widgets take.
#pragma once

#include <QRect>

#include <cstdint>

namespace bw {

// Fifteen twips make a pixel at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

// The nearest whole pixel. Fifteen is odd, so no whole number of twips lies halfway
// between two pixels: nearest needs no rule for ties and agrees with rounding halves to
// even everywhere. Negative lengths round like positive ones (-8 twips is -1 pixel).
constexpr int twipsToPixels(int twips)
{
    // floor((twips + 7) / 15), in a wider type so that the ends of int cannot overflow.
    const std::int64_t shifted = std::int64_t{twips} + kTwipsPerPixel / 2;
    const std::int64_t quotient = shifted / kTwipsPerPixel;
    return static_cast<int>(shifted % kTwipsPerPixel < 0 ? quotient - 1 : quotient);
}

// A rectangle as designed: left, top, width and height in twips inside its parent.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr QRect pixels() const
    {
        return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                     twipsToPixels(height));
    }
};

} // namespace bw
