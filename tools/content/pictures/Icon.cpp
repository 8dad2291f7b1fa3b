// The game's desktop icon: a TV set on a night-blue tile, its screen showing the four channels'
// colour bars under a warm studio glow, two antennas with lit tips. Drawn on a 512-unit square
// and scaled, with shapes broad enough to read at 48 px.
#include <QDir>
#include <QPainterPath>

#include "PictureKit.h"
#include "Pictures.h"

namespace qvx::content::pictures {

namespace {

constexpr qreal kUnits = 512;

void Tile(QPainter& p) {
    const QRectF tile(16, 16, 480, 480);
    QLinearGradient g(tile.topLeft(), tile.bottomLeft());
    g.setColorAt(0, Palette::kNight2);
    g.setColorAt(0.35, Palette::kNight1);
    g.setColorAt(1, Palette::kNight0);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(tile, 96, 96);
    Glow(p, QPointF(256, 300), 250, Palette::kWarm, 60);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(Palette::kMist, 90), 6));
    p.drawRoundedRect(tile.adjusted(3, 3, -3, -3), 93, 93);
}

void Antennas(QPainter& p) {
    p.setPen(QPen(Palette::kMist, 18, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(236, 170), QPointF(160, 76));
    p.drawLine(QPointF(276, 170), QPointF(352, 76));
    p.setPen(Qt::NoPen);
    for (const QPointF tip : {QPointF(160, 76), QPointF(352, 76)}) {
        Glow(p, tip, 44, Palette::kWarm, 200);
        p.setBrush(Palette::kWarm);
        p.drawEllipse(tip, 22, 22);
    }
}

void Set(QPainter& p) {
    // Feet, then the cabinet with a soft shadow and a light top edge.
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kSteel);
    p.drawRoundedRect(QRectF(150, 396, 46, 48), 12, 12);
    p.drawRoundedRect(QRectF(316, 396, 46, 48), 12, 12);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRoundedRect(QRectF(70, 174, 372, 240), 44, 44);
    const QRectF cabinet(66, 160, 380, 244);
    QLinearGradient body(cabinet.topLeft(), cabinet.bottomLeft());
    body.setColorAt(0, Palette::kAmber);
    body.setColorAt(1, Mix(Palette::kAmber, Palette::kNight0, 0.35));
    p.setBrush(body);
    p.drawRoundedRect(cabinet, 44, 44);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(Palette::kWarm, 200), 6));
    p.drawRoundedRect(cabinet.adjusted(3, 3, -3, -3), 41, 41);

    // The screen: four broad channel bars, a sheen and a dark rim.
    const QRectF screen(96, 188, 320, 188);
    QPainterPath glass;
    glass.addRoundedRect(screen, 28, 28);
    p.save();
    p.setClipPath(glass);
    const qreal bar = screen.width() / 4;
    for (int c = 1; c <= 4; ++c)
        p.fillRect(QRectF(screen.left() + (c - 1) * bar, screen.top(), bar + 1, screen.height()),
                   ChannelColour(c));
    QLinearGradient sheen(screen.topLeft(), screen.bottomLeft());
    sheen.setColorAt(0, QColor(255, 255, 255, 90));
    sheen.setColorAt(0.45, QColor(255, 255, 255, 0));
    sheen.setColorAt(1, QColor(0, 0, 0, 70));
    p.fillRect(screen, sheen);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Palette::kNight0, 10));
    p.drawPath(glass);
}

}  // namespace

QImage DrawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kUnits, size / kUnits);
    Tile(p);
    Antennas(p);
    Set(p);
    p.end();
    return image;
}

Status GenerateIcons(const std::filesystem::path& dir, std::vector<std::string>& files) {
    files.clear();
    if (Status s = PrepareGui(); !s) return s;
    for (const int size : kIconSizes) {
        const std::string sized = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path folder = dir / sized / "apps";
        const QString path = QString::fromStdString((folder / "quovix2.png").string());
        if (!QDir().mkpath(QString::fromStdString(folder.string())) ||
            !DrawIcon(size).save(path, "PNG"))
            return Status::Fail("cannot write " + path.toStdString());
        files.push_back(sized + "/apps/quovix2.png");
    }
    return Status::Ok();
}

}  // namespace qvx::content::pictures
