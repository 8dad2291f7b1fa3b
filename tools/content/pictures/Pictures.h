#pragma once
// Every picture file the game names, drawn by our own code into the game's data directory.
#include <QImage>
#include <array>
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

// The desktop icon: a square picture of `size` pixels with a transparent corner.
QImage DrawIcon(int size);
inline constexpr std::array<int, 4> kIconSizes = {48, 128, 256, 512};
// Writes the icon at every size into dir as the hicolor theme lays it out
// ("48x48/apps/quovix2.png", ...); files receives those paths relative to dir.
Status GenerateIcons(const std::filesystem::path& dir, std::vector<std::string>& files);

}  // namespace qvx::content::pictures
