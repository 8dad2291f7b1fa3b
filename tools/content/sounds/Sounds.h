#pragma once
// Every music and sound file the game names, composed by our own synthesiser into the game's
// data directory.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "Status.h"

namespace qvx::content::sounds {

// The manifest beside the sounds: what generator and seed made them, and a hash of each file,
// so that a later run with the same generator and seed leaves good files alone.
inline constexpr std::string_view kManifestName = ".quovix-sounds";

struct SoundOptions {
    std::vector<std::string> only;  // file names to make; empty = all of them
    bool reuse = true;              // keep files the manifest vouches for
};

struct SoundRun {
    std::vector<std::string> names;  // every file now in place, in the catalogue's order
    size_t written = 0;              // of those, how many this run wrote
};

// The file names, in the order they are made.
std::vector<std::string> SoundFileNames();

// Composes and writes the sounds into dir (which must exist). The same seed always gives the
// same bytes.
Status GenerateSounds(const std::filesystem::path& dir, uint64_t seed, SoundRun& run,
                      const SoundOptions& options = {});

// The "sounds" member of generate's JSON summary.
std::string SoundsSummaryJson(const SoundRun& run);

}  // namespace qvx::content::sounds
