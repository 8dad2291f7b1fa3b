#include "JpegDecode.h"

#include <jpeglib.h>
#include <csetjmp>
#include <cstdio>
#include <cstring>

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
// longjmp skips no destructor.
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
    *width = static_cast<int>(info.output_width);
    *height = static_cast<int>(info.output_height);
    if (probeOnly) {
        jpeg_destroy_decompress(&info);
        return true;
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

QImage DecodeJpeg(const QByteArray& bytes, QString* error) {
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto size = static_cast<unsigned long>(bytes.size());
    char message[JMSG_LENGTH_MAX] = "";
    int width = 0, height = 0;
    if (bytes.isEmpty() || !Decode(data, size, nullptr, &width, &height, true, message)) {
        if (error) *error = bytes.isEmpty() ? QStringLiteral("empty file") : QString(message);
        return {};
    }
    if (width <= 0 || height <= 0 || width > 8192 || height > 8192) {
        if (error) *error = QStringLiteral("picture of %1 x %2 pixels").arg(width).arg(height);
        return {};
    }
    QImage image(width, height, QImage::Format_RGB888);
    // Decode into a tight buffer: QImage rows may be padded to four bytes.
    QByteArray buffer(width * height * 3, Qt::Uninitialized);
    auto* pixels = reinterpret_cast<unsigned char*>(buffer.data());
    if (!Decode(data, size, pixels, &width, &height, false, message)) {
        if (error) *error = QString(message);
        return {};
    }
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), pixels + static_cast<size_t>(y) * width * 3,
                    static_cast<size_t>(width) * 3);
    return image;
}

}  // namespace qvx::ui
