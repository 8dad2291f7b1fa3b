#pragma once
// Reading the generated pictures back, independently of the code that wrote them: JPEG through
// libjpeg (warnings count as damage), BMP through QImage.
#include <jpeglib.h>

#include <QImage>
#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <string>

namespace qvx::content::testing {

struct DecodeError {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] inline void OnDecodeError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<DecodeError*>(cinfo->err)->jump, 1);
}

// A warning means a damaged file (libjpeg pads a truncated one and carries on).
inline void OnDecodeWarning(j_common_ptr cinfo, int level) {
    if (level < 0) std::longjmp(reinterpret_cast<DecodeError*>(cinfo->err)->jump, 1);
}

// Plain C state only between setjmp and the libjpeg calls.
inline bool DecodeInto(std::FILE* file, QImage* out) {
    jpeg_decompress_struct cinfo;
    DecodeError error;
    cinfo.err = jpeg_std_error(&error.base);
    error.base.error_exit = OnDecodeError;
    error.base.emit_message = OnDecodeWarning;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    *out = QImage(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height),
                  QImage::Format_RGB888);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// The decoded picture, or a null image when the file is missing or not a sound JPEG.
inline QImage DecodeJpeg(const std::filesystem::path& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return {};
    QImage image;
    const bool ok = DecodeInto(file, &image);
    std::fclose(file);
    return ok ? image : QImage();
}

inline QImage LoadPicture(const std::filesystem::path& path) {
    if (path.extension() == ".bmp") {
        QImage image;
        return image.load(QString::fromStdString(path.string()), "BMP") ? image : QImage();
    }
    return DecodeJpeg(path);
}

// The largest difference of any channel between two colours.
inline int ColourDistance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

}  // namespace qvx::content::testing

#include <unistd.h>

#include <vector>

#include "pictures/Pictures.h"

namespace qvx::content::testing {

// One run of the picture generation per test process, shared by every picture test and removed
// when the process ends.
struct GeneratedPictures {
    std::filesystem::path dir;
    std::vector<std::string> names;
    std::string error;

    static const GeneratedPictures& Get() {
        static GeneratedPictures run;
        return run;
    }
    GeneratedPictures(const GeneratedPictures&) = delete;
    GeneratedPictures& operator=(const GeneratedPictures&) = delete;

  private:
    GeneratedPictures() {
        dir =
            std::filesystem::temp_directory_path() / ("qvx-pictures-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        if (Status s = pictures::GeneratePictures(dir, 1, names); !s) error = s.message();
    }
    ~GeneratedPictures() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
};

}  // namespace qvx::content::testing
