#pragma once
// Invents the standard and the custom catalogue set from a seed. The same seed always gives
// the same bytes: nothing here reads the clock or any global random state.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "Catalogue.h"
#include "Status.h"

namespace qvx::content {

constexpr uint64_t kDefaultSeed = 1;

// The custom set is drawn from a seed of its own so that a Custom game meets other titles.
uint64_t CustomSetSeed(uint64_t seed);

std::unique_ptr<Catalogue> GenerateCatalogue(uint64_t seed);

// Writes both sets into dir (created when missing) and, when dir has no settings file yet, a
// fresh one; an existing settings file holds the player's save captions and is never touched.
// summaryJson receives the figures of both sets.
Status GenerateCatalogueFiles(const std::filesystem::path& dir, uint64_t seed,
                              std::string& summaryJson);

}  // namespace qvx::content
