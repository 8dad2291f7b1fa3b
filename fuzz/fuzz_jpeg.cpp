// The pictures' JPEG decoder (libjpeg behind a setjmp error path): the input is the whole file.
#include <string>

#include "FuzzSupport.h"
#include "JpegCore.h"

using namespace qvx;
using namespace qvx::fuzz;

namespace {

// The game's pictures are at most a screen; a smaller cap than the game's own keeps a garbled
// header from spending each run on allocating and filling a huge picture.
constexpr int kFuzzMaxSide = 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ui::RgbPicture picture;
    picture.width = -1;  // stale contents, which a refusal must not leave behind
    std::string error;
    if (!ui::DecodeJpegRgb(data, size, picture, error, kFuzzMaxSide)) {
        Expect(!error.empty(), "a refused picture without a reason");
        Expect(picture.width == 0 && picture.height == 0 && picture.pixels.empty(),
               "a refused picture left pixels behind");
        return 0;
    }
    Expect(picture.width >= 1 && picture.width <= kFuzzMaxSide && picture.height >= 1 &&
               picture.height <= kFuzzMaxSide,
           "a decoded picture of " + std::to_string(picture.width) + " x " +
               std::to_string(picture.height));
    Expect(picture.pixels.size() ==
               static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height) * 3,
           "a decoded picture whose pixels are not the size it reports");
    return 0;
}
