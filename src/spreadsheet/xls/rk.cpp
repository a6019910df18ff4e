// The 32-bit RK form of numbers, both ways.
#include "spreadsheet/xls/rk.h"

#include <bit>
#include <cmath>

namespace bw::ss::xls {

double decodeRk(std::uint32_t rk)
{
    double v = 0.0;
    if (rk & 0x02) {
        v = static_cast<double>(static_cast<std::int32_t>(rk) >> 2);
    } else {
        v = std::bit_cast<double>(std::uint64_t(rk & 0xFFFFFFFCu) << 32);
    }
    return (rk & 0x01) ? v / 100.0 : v;
}

namespace {

bool same(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::optional<std::uint32_t> tryForm(double scaled, std::uint32_t divBit, double original)
{
    if (scaled == std::floor(scaled) && scaled >= -536870912.0 && scaled <= 536870911.0) {
        const auto i = static_cast<std::int32_t>(scaled);
        const std::uint32_t rk = (static_cast<std::uint32_t>(i) << 2) | 0x02 | divBit;
        if (same(decodeRk(rk), original)) return rk;
    }
    const auto bits = std::bit_cast<std::uint64_t>(scaled);
    if ((bits & 0x3FFFFFFFFull) == 0) {
        const std::uint32_t rk = static_cast<std::uint32_t>(bits >> 32) | divBit;
        if (same(decodeRk(rk), original)) return rk;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::uint32_t> encodeRk(double v)
{
    if (!std::isfinite(v)) return std::nullopt;
    if (const auto rk = tryForm(v, 0, v)) return rk;
    return tryForm(v * 100.0, 1, v);
}

} // namespace bw::ss::xls
