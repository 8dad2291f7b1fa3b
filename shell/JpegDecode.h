#pragma once
// JPEG pictures through libjpeg, strictly: a truncated or corrupt file is an error, not a
// padded picture.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace qvx::ui {

// Decodes the bytes of a JPEG file; on failure returns a null image and says why in `error`.
QImage DecodeJpeg(const QByteArray& bytes, QString* error);

}  // namespace qvx::ui
