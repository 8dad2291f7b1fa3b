#pragma once
// Turning finished tracks into file bytes (Ogg Vorbis through libvorbisenc, 16-bit PCM WAV through
// libsndfile) and putting the bytes on disk without ever leaving a half-written file.
#include <cstdint>
#include <filesystem>
#include <string>

#include "SoundKit.h"
#include "Status.h"

namespace qvx::content::sounds {

// VBR at `quality` (-0.1 .. 1.0). One channel mixes the track down. The stream's serial number is
// given so that the same input always makes the same bytes.
Status EncodeOgg(const Track& track, int channels, uint32_t serial, float quality,
                 std::string& bytes);
Status EncodeWav(const Track& track, int channels, std::string& bytes);

// Decodes encoded bytes (Ogg Vorbis or WAV) and measures their loudest sample in dBFS: lossy
// coding moves peaks, and the limit is on what a player hears.
Status DecodedPeakDb(const std::string& bytes, double& peakDb);

// Writes beside the target first and renames over it.
Status WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);

}  // namespace qvx::content::sounds
