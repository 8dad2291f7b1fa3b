#pragma once
// Writes a QImage as a baseline JPEG through libjpeg. Every failure (a directory that cannot be
// written, a picture libjpeg refuses, a full disk) comes back as a Status with a sentence; the
// previous file of that name stays untouched until the new one is complete.
#include <QImage>
#include <filesystem>

#include "Status.h"

namespace qvx::content::pictures {

constexpr int kJpegQuality = 90;

Status WriteJpeg(const QImage& image, const std::filesystem::path& path,
                 int quality = kJpegQuality);

// The same temporary-file-and-rename discipline for the few BMP pictures.
Status WriteBmp(const QImage& image, const std::filesystem::path& path);

}  // namespace qvx::content::pictures
