#include "JpegCore.h"

#include <jpeglib.h>
#include <csetjmp>
#include <cstdio>
#include <utility>

namespace qvx::ui {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

// libjpeg only warns about a truncated file and pads the rest with grey: such a picture is
// broken, so every warning ends the decode like an error.
void OnMessage(j_common_ptr info, int level) {
    if (level < 0) OnError(info);
}

// Everything between setjmp and the last libjpeg call lives in plain C structures, so a
// longjmp skips no destructor. The first pass only reads the size; the caller allocates the
// pixels for it, and the second pass writes them only if it finds that very size again.
bool Decode(const unsigned char* data, unsigned long size, unsigned char* pixels, int* width,
            int* height, bool probeOnly, char* message) {
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnError;
    errors.base.emit_message = OnMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    const auto outWidth = static_cast<int>(info.output_width);
    const auto outHeight = static_cast<int>(info.output_height);
    if (probeOnly || outWidth != *width || outHeight != *height) {
        jpeg_destroy_decompress(&info);
        if (probeOnly) {
            *width = outWidth;
            *height = outHeight;
            return true;
        }
        std::snprintf(message, JMSG_LENGTH_MAX, "the picture changed size between two reads");
        return false;
    }
    const auto stride = static_cast<size_t>(*width) * 3;
    while (info.output_scanline < info.output_height) {
        unsigned char* row = pixels + info.output_scanline * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

bool DecodeJpegRgb(const unsigned char* data, size_t size, RgbPicture& picture, std::string& error,
                   int maxSide) {
    picture = {};
    char message[JMSG_LENGTH_MAX] = "";
    int width = 0, height = 0;
    if (size == 0) {
        error = "empty file";
        return false;
    }
    const auto length = static_cast<unsigned long>(size);
    if (!Decode(data, length, nullptr, &width, &height, true, message)) {
        error = message;
        return false;
    }
    if (width <= 0 || height <= 0 || width > maxSide || height > maxSide) {
        error = "picture of " + std::to_string(width) + " x " + std::to_string(height) + " pixels";
        return false;
    }
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    if (!Decode(data, length, pixels.data(), &width, &height, false, message)) {
        error = message;
        return false;
    }
    picture.width = width;
    picture.height = height;
    picture.pixels = std::move(pixels);
    return true;
}

}  // namespace qvx::ui
