#pragma once
// Every picture file the game names, drawn by our own code into the game's data directory.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Status.h"

namespace qvx::content::pictures {

// Draws and writes all pictures into dir (which must exist). names receives the file names in
// the order they were written. The same seed always gives the same bytes.
Status GeneratePictures(const std::filesystem::path& dir, uint64_t seed,
                        std::vector<std::string>& names);

// The "pictures" member of generate's JSON summary: the count and the file names.
std::string PicturesSummaryJson(const std::vector<std::string>& names);

}  // namespace qvx::content::pictures
