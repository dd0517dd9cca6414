// xoshiro128** with splitmix64 seeding, and its mapping to [0, 1).
#include "board/random.h"

#include <chrono>
#include <cmath>

namespace kaldora {

namespace {

std::uint64_t SplitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

constexpr std::uint32_t Rotl(std::uint32_t x, int k) {
  return (x << k) | (x >> (32 - k));
}

}  // namespace

std::uint64_t SystemClock::Ticks() {
  return static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

Random::Random(Clock& clock) : clock_(clock) {
  Randomize();
}

void Random::Randomize() {
  Seed(clock_.Ticks());
}

void Random::Seed(std::uint64_t seed) {
  const std::uint64_t a = SplitMix64(seed);
  const std::uint64_t b = SplitMix64(seed);
  s_[0] = static_cast<std::uint32_t>(a);
  s_[1] = static_cast<std::uint32_t>(a >> 32);
  s_[2] = static_cast<std::uint32_t>(b);
  s_[3] = static_cast<std::uint32_t>(b >> 32);
  // splitmix64 gives an all-zero state with negligible chance; xoshiro must never have one.
  if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0)
    s_[0] = 1;
}

std::uint32_t Random::Next() {
  const std::uint32_t result = Rotl(s_[1] * 5, 7) * 9;
  const std::uint32_t t = s_[1] << 9;
  s_[2] ^= s_[0];
  s_[3] ^= s_[1];
  s_[1] ^= s_[2];
  s_[0] ^= s_[3];
  s_[2] ^= t;
  s_[3] = Rotl(s_[3], 11);
  return result;
}

float Random::R() {
  // The top 24 bits fill a float's mantissa exactly; no rounding can reach 1.0.
  return static_cast<float>(Next() >> 8) * 0x1p-24f;
}

int Random::Below(int n) {
  return static_cast<int>(std::floor(static_cast<double>(R()) * n));
}

}  // namespace kaldora
