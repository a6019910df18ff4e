// The mouse pointers a window of the program shows, by their classic numbers.
#pragma once

namespace bw {

inline constexpr int kPointerDefault = 0;
inline constexpr int kPointerHourglass = 11;
// The hand from the optional cursor file (the arrow when there is none).
inline constexpr int kPointerCustom = 99;

} // namespace bw
