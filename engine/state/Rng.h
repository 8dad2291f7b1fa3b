#pragma once
#include <cstdint>

namespace qvx {

// The game's one random generator. 64-bit state (PCG-XSH-RR), seedable, passed to every
// operation that draws so that a seed reproduces a whole game. Cosmetic randomness (ambience,
// blinking) must use a generator of its own.
class Rng {
  public:
    explicit Rng(uint64_t seed = 0) { Seed(seed); }

    void Seed(uint64_t seed);
    // Uniform 0..n-1; 0 for n <= 0.
    int32_t Random(int32_t n);
    uint64_t State() const { return m_state; }

  private:
    uint32_t Next32();
    uint64_t m_state = 0;
};

}  // namespace qvx
