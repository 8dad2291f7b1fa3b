#pragma once
#include <filesystem>

#include "SimArgs.h"

namespace qvx::sim {

// Values and both rankings of a slot, without writing anything.
int RankCommand(const Args& args, const std::filesystem::path& dir);
// Whole games with four computer companies, for balancing the economy.
int TournamentCommand(const Args& args, const std::filesystem::path& dir, uint64_t seed);

}  // namespace qvx::sim
