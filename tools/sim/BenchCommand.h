#pragma once
#include <cstdint>
#include <filesystem>

#include "SimArgs.h"

namespace qvx::sim {

// Times whole games with four computer companies, one auto-play from the first turn to the last,
// and prints the median and mean milliseconds per game.
int BenchCommand(const Args& args, const std::filesystem::path& dir, uint64_t seed);

}  // namespace qvx::sim
