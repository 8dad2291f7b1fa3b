#include "Pictures.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <cstdio>

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

void Pictures::SetDirectory(const std::filesystem::path& dir) {
    Clear();
    TheCache().dir = dir;
}

const QPixmap& Pictures::Get(const QString& name) {
    Cache& cache = TheCache();
    auto it = cache.pictures.find(name);
    if (it != cache.pictures.end()) return *it;
    QString error;
    const QImage image = Load(cache.dir / name.toStdString(), &error);
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
