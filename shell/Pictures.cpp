#include "Pictures.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "JpegDecode.h"

namespace qvx::ui {
namespace {

struct Cache {
    std::filesystem::path dir = ".";
    QHash<QString, QPixmap> pictures;
    QHash<QString, bool> found;
};

Cache& TheCache() {
    static Cache cache;
    return cache;
}

// Magenta with a cross: impossible to mistake for a real picture, so a missing file is noticed.
QPixmap Placeholder() {
    QPixmap pixmap(64, 64);
    pixmap.fill(QColor(120, 0, 120));
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(0, 0, 63, 63);
    painter.drawLine(0, 63, 63, 0);
    return pixmap;
}

QImage Load(const std::filesystem::path& path, QString* error) {
    QFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot be opened");
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xFF\xD8")) return DecodeJpeg(bytes, error);
    QImage image;
    if (!image.loadFromData(bytes)) *error = QStringLiteral("not a picture this game can read");
    return image;
}

}  // namespace

bool UsesColourKey(const QString& name) {
    if (name.startsWith("QVX2_bubble") || name.startsWith("QVX2_Region")) return true;
    return name.startsWith("QVX2_complogo") &&
           (name.contains("_sm") || name.contains("_md") || name.contains("_lg"));
}

QImage ApplyColourKey(const QImage& image) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const int w = out.width(), h = out.height();
    std::vector<char> key(static_cast<size_t>(w) * static_cast<size_t>(h), 0);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int d = std::max({std::abs(qRed(row[x]) - qRed(kColourKey)),
                                    std::abs(qGreen(row[x]) - qGreen(kColourKey)),
                                    std::abs(qBlue(row[x]) - qBlue(kColourKey))});
            if (d > kColourKeyTolerance) continue;
            key[static_cast<size_t>(y * w + x)] = 1;
            row[x] = 0;
        }
    }
    // JPEG bleeds a little magenta into the picture's outermost pixels: take it out there (and
    // only there, so a pink in the picture itself stays).
    const auto isKey = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && key[static_cast<size_t>(y * w + x)];
    };
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            if (isKey(x, y)) continue;
            if (!isKey(x - 1, y) && !isKey(x + 1, y) && !isKey(x, y - 1) && !isKey(x, y + 1) &&
                !isKey(x - 1, y - 1) && !isKey(x + 1, y - 1) && !isKey(x - 1, y + 1) &&
                !isKey(x + 1, y + 1))
                continue;
            const int spill = std::min(qRed(row[x]), qBlue(row[x])) - qGreen(row[x]);
            if (spill > 0)
                row[x] = qRgb(qRed(row[x]) - spill, qGreen(row[x]), qBlue(row[x]) - spill);
        }
    }
    return out;
}

void Pictures::SetDirectory(const std::filesystem::path& dir) {
    Clear();
    TheCache().dir = dir;
}

const QPixmap& Pictures::Get(const QString& name) {
    Cache& cache = TheCache();
    auto it = cache.pictures.find(name);
    if (it != cache.pictures.end()) return *it;
    QString error;
    QImage image = Load(cache.dir / name.toStdString(), &error);
    if (!image.isNull() && UsesColourKey(name)) image = ApplyColourKey(image);
    const bool ok = !image.isNull();
    if (!ok) std::fprintf(stderr, "Picture %s: %s\n", qPrintable(name), qPrintable(error));
    cache.found.insert(name, ok);
    return *cache.pictures.insert(name, ok ? QPixmap::fromImage(image) : Placeholder());
}

bool Pictures::Has(const QString& name) {
    Get(name);
    return TheCache().found.value(name);
}

void Pictures::Clear() {
    TheCache().pictures.clear();
    TheCache().found.clear();
}

}  // namespace qvx::ui
