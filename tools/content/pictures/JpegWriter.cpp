#include "JpegWriter.h"

#include <jpeglib.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <system_error>

namespace qvx::content::pictures {

namespace fs = std::filesystem;

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void OnJpegError(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// libjpeg would print its warnings on stderr; an encoder warning is not worth a line there.
void OnJpegMessage(j_common_ptr /*cinfo*/, int /*level*/) {}

// Only plain C data lives in this function: a longjmp out of libjpeg skips destructors.
bool Encode(std::FILE* file, const unsigned char* pixels, int width, int height, size_t stride,
            int quality, char* message) {
    jpeg_compress_struct cinfo;
    ErrorManager manager;
    cinfo.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = OnJpegError;
    manager.base.emit_message = OnJpegMessage;
    manager.message[0] = '\0';
    if (setjmp(manager.jump) != 0) {
        jpeg_destroy_compress(&cinfo);
        std::strncpy(message, manager.message, JMSG_LENGTH_MAX - 1);
        message[JMSG_LENGTH_MAX - 1] = '\0';
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, file);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    // Full colour resolution: the small buttons and icons have sharp coloured edges that the
    // usual halved chroma would smear.
    cinfo.comp_info[0].h_samp_factor = 1;
    cinfo.comp_info[0].v_samp_factor = 1;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels + cinfo.next_scanline * stride);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

fs::path TemporaryPath(const fs::path& path) {
    fs::path temp = path;
    temp += ".part";
    return temp;
}

Status MoveIntoPlace(const fs::path& temp, const fs::path& path) {
    std::error_code ec;
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return Status::Fail(path.string() + ": cannot be replaced (" + ec.message() + ")");
    }
    return Status::Ok();
}

}  // namespace

Status WriteJpeg(const QImage& image, const fs::path& path, int quality) {
    if (image.isNull()) return Status::Fail(path.string() + ": there is no picture to write");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const fs::path temp = TemporaryPath(path);
    std::FILE* file = std::fopen(temp.c_str(), "wb");
    if (file == nullptr) {
        return Status::Fail(path.string() + ": cannot be written (" +
                            std::generic_category().message(errno) + ")");
    }
    char message[JMSG_LENGTH_MAX] = {};
    const bool encoded = Encode(file, rgb.constBits(), rgb.width(), rgb.height(),
                                static_cast<size_t>(rgb.bytesPerLine()), quality, message);
    bool written = std::fflush(file) == 0 && std::ferror(file) == 0;
    int writeError = written ? 0 : errno;
    if (std::fclose(file) != 0 && written) {
        written = false;
        writeError = errno;
    }
    std::error_code ec;
    if (!encoded) {
        fs::remove(temp, ec);
        return Status::Fail(path.string() + ": the JPEG encoder refused the picture (" +
                            std::string(message) + ")");
    }
    if (!written) {
        fs::remove(temp, ec);
        return Status::Fail(path.string() + ": cannot be written completely (" +
                            std::generic_category().message(writeError) + ")");
    }
    return MoveIntoPlace(temp, path);
}

Status WriteBmp(const QImage& image, const fs::path& path) {
    if (image.isNull()) return Status::Fail(path.string() + ": there is no picture to write");
    const fs::path temp = TemporaryPath(path);
    if (!image.convertToFormat(QImage::Format_RGB32)
             .save(QString::fromStdString(temp.string()), "BMP")) {
        std::error_code ec;
        fs::remove(temp, ec);
        return Status::Fail(path.string() + ": cannot be written as a bitmap");
    }
    return MoveIntoPlace(temp, path);
}

}  // namespace qvx::content::pictures
