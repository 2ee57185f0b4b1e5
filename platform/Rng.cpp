#include "Rng.h"

#include <chrono>
#include <cmath>
#include <random>

namespace {
struct RandomState {
    std::mt19937_64 engine{0x5eed};
    std::function<float()> source;
    bool pinned = false;
};
RandomState& state() {
    static RandomState s;
    return s;
}
float clamp01(float r) {
    if (!(r >= 0.0f)) return 0.0f;
    if (r >= 1.0f) return std::nextafter(1.0f, 0.0f);
    return r;
}
// Mixed into the clock seed so that two programs started in the same tick
// still differ; a machine without an entropy source just uses the clock.
std::uint64_t entropy() {
    try {
        std::random_device rd;
        return rd();
    } catch (...) {
        return 0;
    }
}
}  // namespace

float Rnd() {
    RandomState& s = state();
    if (s.source) return clamp01(s.source());
    // 24 random bits give every float in [0, 1) on a 2^-24 grid; never 1.0.
    const auto bits = static_cast<std::uint32_t>(s.engine() >> 40);
    return static_cast<float>(bits) / 16777216.0f;
}

void Randomize() {
    RandomState& s = state();
    if (s.source || s.pinned) return;
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    s.engine.seed(static_cast<std::uint64_t>(ticks) ^ (entropy() << 32));
}

int RndPercent() { return static_cast<int>(std::floor(static_cast<double>(Rnd()) * 100.0 + 1.0)); }

void SeedRandom(std::uint64_t seed) { state().engine.seed(seed); }

void SetRandomSource(std::function<float()> source) { state().source = std::move(source); }

void SetRandomSeedForTests(std::uint64_t seed) {
    state().engine.seed(seed);
    state().pinned = true;
}

void ClearRandomTestSettings() {
    state().source = {};
    state().pinned = false;
}
