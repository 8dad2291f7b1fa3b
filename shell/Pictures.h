#pragma once
// Every picture the screens show comes through this cache: loaded once from the data
// directory, JPEG by libjpeg, bitmaps by Qt. A missing or broken file gives a visible
// placeholder and one line on stderr, never a crash.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <filesystem>

namespace qvx::ui {

// The small pictures shown over backdrops of many colours (the company bubbles, the small,
// medium and large logos, the licence map's region markers) are drawn on one flat key colour, which
// the cache makes transparent when it loads them. JPEG moves the key a little, hence a tolerance.
inline constexpr QRgb kColourKey = 0xffff00ff;
inline constexpr int kColourKeyTolerance = 96;  // largest channel difference still taken as the key
bool UsesColourKey(const QString& name);
// Clears every pixel near the key colour; the rest stays opaque.
QImage ApplyColourKey(const QImage& image);

class Pictures {
  public:
    static void SetDirectory(const std::filesystem::path& dir);
    static const QPixmap& Get(const QString& name);
    // True when the picture was found and decoded (the placeholder is not).
    static bool Has(const QString& name);
    static void Clear();
};

}  // namespace qvx::ui
