#pragma once
// The libjpeg half of the picture decoder. It knows nothing of Qt, so the fuzzer can drive it
// on its own; DecodeJpeg wraps it into a QImage.
#include <cstddef>
#include <string>
#include <vector>

namespace qvx::ui {

// No picture of the game comes near this; a header claiming more is garbage, and its pixels
// are never allocated.
constexpr int kMaxJpegSide = 8192;

// Tight rows of three bytes a pixel, top row first.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;
};

// Decodes a JPEG file's bytes strictly: a truncated or corrupt file is an error, not a padded
// picture, and so is a side longer than maxSide. On failure returns false, says why in `error`
// and leaves `picture` empty.
bool DecodeJpegRgb(const unsigned char* data, size_t size, RgbPicture& picture, std::string& error,
                   int maxSide = kMaxJpegSide);

}  // namespace qvx::ui
