// The 32-bit RK form of numbers, both ways.
#pragma once

#include <cstdint>
#include <optional>

namespace bw::ss::xls {

// The 32-bit RK form of a number, when it holds the number exactly: an integer of 30
// bits, the top 30 bits of a double, either one possibly divided by 100.
std::optional<std::uint32_t> encodeRk(double v);
double decodeRk(std::uint32_t rk);

} // namespace bw::ss::xls
