// The licence maps, their markers and the scenario posters built from the same outlines.
#include <QPainterPath>
#include <QRadialGradient>

#include "Drawings.h"
#include "MapLayout.h"
#include "PictureKit.h"
#include "Scenarios.h"

namespace qvx::content::pictures {

namespace {

const QColor kSeaTop(0x10, 0x24, 0x3a);
const QColor kSeaBottom(0x0b, 0x17, 0x26);
const QColor kForeignLand(0x24, 0x34, 0x4a);

void DrawSea(QPainter& p, const QRectF& r, const MapLayout& layout, Rng& rng) {
    FillVertical(p, r, kSeaTop, kSeaBottom);
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 16), 1.0));
    for (const QPolygonF& line : layout.graticule)
        p.drawPolyline(line);
    // A few soft swells of light on the water.
    for (int i = 0; i < 5; ++i) {
        const QPointF at(r.left() + rng.Random(static_cast<int>(r.width())),
                         r.top() + rng.Random(static_cast<int>(r.height())));
        Glow(p, at, 120 + rng.Random(80), Palette::kBlue, 14);
    }
    p.restore();
}

}  // namespace

QImage DrawMap(int map, Rng& rng) {
    const MapLayout& layout = GetMapLayout(map);
    QImage img = Canvas(kMapWidth, kMapHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF all(0, 0, kMapWidth, kMapHeight);
    DrawSea(p, all, layout, rng);

    p.setPen(QPen(QColor(255, 255, 255, 40), 1.0));
    p.setBrush(kForeignLand);
    p.drawPath(layout.context);

    // A short shadow lifts the licensed land off the sea and the neighbours.
    p.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        p.setBrush(QColor(0, 0, 0, 45));
        p.drawPath(layout.land.translated(0, i));
    }
    // Flat fills: a region's colour says its population, the same all over it.
    for (const MapRegionArea& region : layout.regions) {
        p.setBrush(region.colour);
        p.drawPath(region.area);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 225), 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const MapRegionArea& region : layout.regions)
        p.drawPath(region.area);
    p.setPen(QPen(QColor(0xe8, 0xf4, 0xff), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(layout.land);
    return img;
}

QImage DrawRegionMarker(bool lit) {
    QImage img = ClearCanvas(kMarkerSize, kMarkerSize);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF badge(0.5, 0.5, kMarkerSize - 1, kMarkerSize - 1);
    Panel(p, badge, 8, lit ? QColor(0x5a, 0x7c, 0xad) : Palette::kNight2,
          lit ? QColor(0x2e, 0x43, 0x66) : Palette::kNight1, 0);
    const QPointF c(16, 16);
    if (lit) Glow(p, c, 15, Palette::kWarm, 170);
    p.setPen(Qt::NoPen);
    p.setBrush(lit ? Palette::kWhite : Palette::kMist);
    p.drawEllipse(c, 10, 10);
    QRadialGradient core(c + QPointF(-2, -2), 8);
    core.setColorAt(0, lit ? Palette::kYellow.lighter(130) : Palette::kAmber.lighter(110));
    core.setColorAt(1, lit ? Palette::kYellow : Palette::kAmber.darker(130));
    p.setBrush(core);
    p.drawEllipse(c, 7, 7);
    p.setBrush(QColor(255, 255, 255, lit ? 230 : 170));
    p.drawEllipse(c + QPointF(-2.3, -2.3), 2, 2);
    if (lit) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Palette::kWarm, 1.5));
        p.drawRoundedRect(badge.adjusted(0.75, 0.75, -0.75, -0.75), 7.5, 7.5);
    }
    return img;
}

QImage DrawScenarioPoster(int map, Rng& rng) {
    const MapLayout& layout = GetMapLayout(map);
    QImage img = Canvas(320, 240);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    FillNight(p, QRectF(0, 0, 320, 240));
    LightCone(p, QPointF(60 + rng.Random(20), 0), 230, 90, 40);
    LightCone(p, QPointF(250 + rng.Random(20), 0), 230, 90, 34);

    // The map on a studio screen.
    const QRectF screen(34, 18, 252, 160);
    Panel(p, screen.adjusted(-7, -7, 7, 7), 14, QColor(0x3a, 0x45, 0x5c), QColor(0x22, 0x2b, 0x3c));
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(screen, 8, 8);
    p.setClipPath(clip);
    FillVertical(p, screen, kSeaTop.lighter(130), kSeaBottom);
    const QRectF bounds = layout.land.boundingRect();
    const qreal scale =
        std::min((screen.width() - 24) / bounds.width(), (screen.height() - 20) / bounds.height());
    p.translate(screen.center());
    p.scale(scale, scale);
    p.translate(-bounds.center());
    p.setPen(Qt::NoPen);
    p.setBrush(kForeignLand.lighter(115));
    p.drawPath(layout.context);
    for (size_t i = 0; i < layout.regions.size(); ++i) {
        p.setBrush(ChannelColour(static_cast<int>(i % 4) + 1).lighter(105));
        p.drawPath(layout.regions[i].area);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.4 / scale));
    for (const MapRegionArea& region : layout.regions)
        p.drawPath(region.area);
    p.restore();
    ScanLines(p, screen, 40);
    // A broadcast tower with its signal over the map.
    p.setPen(QPen(Palette::kWarm, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QPointF tower(268, 40);
    for (int i = 1; i <= 3; ++i)
        p.drawArc(QRectF(tower.x() - i * 7, tower.y() - i * 7, i * 14, i * 14), 30 * 16, 120 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kWarm);
    p.drawEllipse(tower, 3, 3);

    TextCentred(p, QRectF(0, 190, 320, 40), QString::fromUtf8(MapName(map)),
                Font(FontFace::SansBold, 24), Palette::kWhite);
    return img;
}

}  // namespace qvx::content::pictures
