// Designed window geometry in twips, converted to pixels at 96 dots per inch.
#pragma once

#include <QRect>

namespace bw {

// Window geometry is designed in twips; widgets take pixels at 96 dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel; }

// A designed rectangle (left, top, width, height in twips) in pixels.
constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

} // namespace bw
