#include "Rng.h"

namespace qvx {

namespace {
constexpr uint64_t kMultiplier = 6364136223846793005ULL;
constexpr uint64_t kIncrement = 1442695040888963407ULL;
}  // namespace

void Rng::Seed(uint64_t seed) {
    m_state = 0;
    Next32();
    m_state += seed;
    Next32();
}

uint32_t Rng::Next32() {
    const uint64_t old = m_state;
    m_state = old * kMultiplier + kIncrement;
    const auto xorshifted = static_cast<uint32_t>(((old >> 18U) ^ old) >> 27U);
    const auto rot = static_cast<uint32_t>(old >> 59U);
    return (xorshifted >> rot) | (xorshifted << ((32U - rot) & 31U));
}

int32_t Rng::Random(int32_t n) {
    if (n <= 0) return 0;
    // Multiply-shift maps 32 random bits onto 0..n-1 without the modulo's bias towards low values.
    const uint64_t product = static_cast<uint64_t>(Next32()) * static_cast<uint64_t>(n);
    return static_cast<int32_t>(product >> 32U);
}

}  // namespace qvx
