#pragma once
// Every picture the screens show comes through this cache: loaded once from the data
// directory, JPEG by libjpeg, bitmaps by Qt. A missing or broken file gives a visible
// placeholder and one line on stderr, never a crash.
#include <QPixmap>
#include <QString>
#include <filesystem>

namespace qvx::ui {

class Pictures {
  public:
    static void SetDirectory(const std::filesystem::path& dir);
    static const QPixmap& Get(const QString& name);
    // True when the picture was found and decoded (the placeholder is not).
    static bool Has(const QString& name);
    static void Clear();
};

}  // namespace qvx::ui
