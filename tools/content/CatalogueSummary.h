#pragma once
#include <cstdint>
#include <string>

#include "Catalogue.h"

namespace qvx::content {

// A readable JSON object with the counts per type, genre, stars, ad target and news category and
// the price range of each set, shown by the game's launcher after generating.
std::string CatalogueSummaryJson(uint64_t seed, const Catalogue& standard, const Catalogue& custom,
                                 bool settingsCreated);

}  // namespace qvx::content
