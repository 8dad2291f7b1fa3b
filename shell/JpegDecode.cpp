#include "JpegDecode.h"

#include <cstring>
#include <string>

#include "JpegCore.h"

namespace qvx::ui {

QImage DecodeJpeg(const QByteArray& bytes, QString* error) {
    RgbPicture picture;
    std::string why;
    if (!DecodeJpegRgb(reinterpret_cast<const unsigned char*>(bytes.constData()),
                       static_cast<size_t>(bytes.size()), picture, why)) {
        if (error) *error = QString::fromStdString(why);
        return {};
    }
    // The decoder's rows are tight; a QImage's may be padded to four bytes.
    QImage image(picture.width, picture.height, QImage::Format_RGB888);
    const auto stride = static_cast<size_t>(picture.width) * 3;
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(image.scanLine(y), picture.pixels.data() + static_cast<size_t>(y) * stride,
                    stride);
    return image;
}

}  // namespace qvx::ui
