// The random-number seam: uniform numbers in [0, 1), seeded explicitly.
#pragma once

#include <cstdint>
#include <random>

namespace bw {

// Uniform numbers in [0, 1). Seeded explicitly so that behaviour that depends on chance
// can be pinned in tests.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seed(std::uint32_t value) = 0;
    virtual double next() = 0;
};

class StdRandomSource final : public RandomSource {
public:
    StdRandomSource() : engine_(std::random_device{}()) {}
    void seed(std::uint32_t value) override { engine_.seed(value); }
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }

private:
    std::mt19937 engine_;
};

} // namespace bw
