// The large backgrounds: a dark TV studio at night, calm enough for widgets to sit on. Only the
// main window and the start screen carry the game's name.
#include <QPainterPath>
#include <QRadialGradient>

#include "Drawings.h"
#include "PictureKit.h"

namespace qvx::content::pictures {

namespace {

void BackWall(QPainter& p, const QSizeF& size, Rng& rng) {
    const QRectF all(QPointF(0, 0), size);
    FillVertical(p, all, Palette::kNight1, Palette::kNight0);
    // The LED wall: tall faint panels.
    const int columns = static_cast<int>(size.width() / 90);
    for (int i = 0; i < columns; ++i) {
        const qreal x = 20 + i * 90;
        QLinearGradient g(x, 0, x, size.height() * 0.7);
        g.setColorAt(0, QColor(255, 255, 255, 10 + rng.Random(8)));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(x, 50, 70, size.height() * 0.62), g);
    }
    for (int i = 0; i < 26; ++i) {
        const QPointF at(rng.Random(static_cast<int>(size.width())),
                         rng.Random(static_cast<int>(size.height() * 0.65)));
        Glow(p, at, 10 + rng.Random(36), i % 3 == 0 ? Palette::kAmber : Palette::kBlue,
             16 + rng.Random(18));
    }
}

// The floor with its perspective seams and the reflection of the lamps.
void Floor(QPainter& p, const QSizeF& size) {
    const qreal horizon = size.height() * 0.7;
    const QRectF floor(0, horizon, size.width(), size.height() - horizon);
    FillVertical(p, floor, QColor(0x14, 0x1e, 0x2e), QColor(0x07, 0x0d, 0x16));
    p.save();
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    const QPointF vanish(size.width() / 2, horizon - size.height() * 0.5);
    for (int i = -12; i <= 12; ++i) {
        const QPointF bottom(size.width() / 2 + i * size.width() / 10, size.height());
        const qreal t = (horizon - vanish.y()) / (bottom.y() - vanish.y());
        p.drawLine(vanish + (bottom - vanish) * t, bottom);
    }
    for (int i = 1; i < 6; ++i) {
        const qreal y = horizon + (size.height() - horizon) * (i * i) / 36.0;
        p.drawLine(QPointF(0, y), QPointF(size.width(), y));
    }
    p.setPen(QPen(QColor(255, 255, 255, 40), 1.5));
    p.drawLine(QPointF(0, horizon), QPointF(size.width(), horizon));
    p.restore();
}

void Lamps(QPainter& p, const QSizeF& size, int count, Rng& rng) {
    p.save();
    p.fillRect(QRectF(0, 18, size.width(), 10), QColor(0x24, 0x30, 0x44));
    p.setPen(QPen(QColor(255, 255, 255, 30), 1));
    p.drawLine(QPointF(0, 18.5), QPointF(size.width(), 18.5));
    for (int i = 0; i < count; ++i) {
        const qreal x = size.width() * (i + 0.5) / count + rng.Random(30) - 15;
        LightCone(p, QPointF(x, 34), size.height() * 0.78, size.width() / count * 0.55, 26);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x36, 0x44, 0x5c));
        p.drawRoundedRect(QRectF(x - 14, 24, 28, 14), 4, 4);
        p.setBrush(Palette::kWarm);
        p.drawEllipse(QPointF(x, 38), 9, 3);
        // The pool of light on the floor.
        Glow(p, QPointF(x, size.height() * 0.82), size.width() / count * 0.5, Palette::kWarm, 34);
    }
    p.restore();
}

// A studio camera on its tripod, as a dark silhouette.
void Camera(QPainter& p, const QPointF& foot, qreal scale, bool facingRight) {
    p.save();
    p.translate(foot);
    p.scale(facingRight ? scale : -scale, scale);
    p.setPen(QPen(QColor(0x05, 0x0a, 0x12), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, -120), QPointF(-40, 0));
    p.drawLine(QPointF(0, -120), QPointF(40, 0));
    p.drawLine(QPointF(0, -120), QPointF(0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x07, 0x0d, 0x17));
    p.drawRoundedRect(QRectF(-50, -176, 100, 58), 10, 10);
    p.drawRoundedRect(QRectF(50, -166, 38, 38), 6, 6);
    p.drawRect(QRectF(-66, -160, 18, 26));
    p.setBrush(QColor(0xe6, 0x39, 0x46, 220));  // the tally light
    p.drawEllipse(QPointF(-36, -164), 4, 4);
    p.setPen(QPen(QColor(255, 255, 255, 30), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(-50, -176, 100, 58), 10, 10);
    p.restore();
}

void Title(QPainter& p, const QRectF& box, qreal pixelSize) {
    const QFont font = Font(FontFace::SansBold, pixelSize);
    p.save();
    Glow(p, box.center(), box.width() * 0.55, Palette::kWarm, 60);
    QPainterPath text;
    const QString name = "Quovix 2";
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(name);
    const QPointF origin(box.center().x() - width / 2,
                         box.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    text.addText(origin, font, name);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPath(text.translated(0, 4));
    QLinearGradient fill(0, box.top(), 0, box.bottom());
    fill.setColorAt(0, Palette::kWhite);
    fill.setColorAt(1, Palette::kWarm);
    p.setBrush(fill);
    p.drawPath(text);
    // The four channel colours underline the name.
    const qreal stripe = width / 4;
    for (int c = 1; c <= 4; ++c) {
        p.setBrush(ChannelColour(c));
        p.drawRoundedRect(QRectF(origin.x() + (c - 1) * stripe + 3, box.bottom() - 4, stripe - 6,
                                 pixelSize * 0.08),
                          3, 3);
    }
    p.restore();
}

void Skyline(QPainter& p, const QRectF& window, bool moon, Rng& rng) {
    p.save();
    QPainterPath frame;
    frame.addRoundedRect(window, 10, 10);
    p.setClipPath(frame);
    FillVertical(p, window, QColor(0x1f, 0x2f, 0x52), QColor(0x3a, 0x2f, 0x4f));
    if (moon) Glow(p, QPointF(window.center().x(), window.top() + 44), 22, Palette::kMist, 160);
    qreal x = window.left();
    while (x < window.right()) {
        const qreal w = 30 + rng.Random(50);
        const qreal h = window.height() * (0.25 + rng.Random(50) / 100.0);
        const QRectF building(x, window.bottom() - h, w, h);
        p.fillRect(building, QColor(0x0b, 0x12, 0x1f));
        for (qreal wy = building.top() + 8; wy < building.bottom() - 6; wy += 12)
            for (qreal wx = building.left() + 5; wx < building.right() - 6; wx += 10)
                if (rng.Random(4) == 0)
                    p.fillRect(QRectF(wx, wy, 4, 5), QColor(0xff, 0xd1, 0x8a, 150));
        x += w + 4;
    }
    p.restore();
    p.setPen(QPen(QColor(0x41, 0x5a, 0x77), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(window, 10, 10);
    p.drawLine(QPointF(window.center().x(), window.top()),
               QPointF(window.center().x(), window.bottom()));
}

void ChartLines(QPainter& p, const QSizeF& size, Rng& rng) {
    p.save();
    for (int c = 1; c <= 4; ++c) {
        QPolygonF line;
        qreal y = size.height() * (0.55 + rng.Random(20) / 100.0);
        for (qreal x = 0; x <= size.width(); x += size.width() / 16) {
            line << QPointF(x, y);
            y -= rng.Random(40) - 12;
        }
        p.setPen(
            QPen(WithAlpha(ChannelColour(c), 46), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(line);
    }
    p.restore();
}

void Sliders(QPainter& p, const QSizeF& size, Rng& rng) {
    p.save();
    const qreal top = size.height() * 0.74;
    for (int i = 0; i < 14; ++i) {
        const qreal x = size.width() * (i + 0.5) / 14;
        p.fillRect(QRectF(x - 2, top, 4, size.height() * 0.2), QColor(255, 255, 255, 22));
        const qreal knob = top + rng.Random(static_cast<int>(size.height() * 0.18));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 209, 138, 60));
        p.drawRoundedRect(QRectF(x - 12, knob, 24, 10), 3, 3);
    }
    p.restore();
}

QImage Studio(const QSize& size, Rng& rng, int lamps) {
    QImage img = Canvas(size.width(), size.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    BackWall(p, size, rng);
    Floor(p, size);
    Lamps(p, size, lamps, rng);
    return img;
}

void Vignette(QPainter& p, const QSizeF& size) {
    QRadialGradient v(QPointF(size.width() / 2, size.height() / 2), size.width() * 0.7);
    v.setColorAt(0.55, QColor(0, 0, 0, 0));
    v.setColorAt(1.0, QColor(0, 0, 0, 130));
    p.fillRect(QRectF(QPointF(0, 0), size), v);
}

}  // namespace

// The frame the 1024 x 768 screens stand on, in the middle of a 1440 x 900 canvas: darker than
// any screen and nearly empty, so that the screen in front reads as one lit panel. A soft
// shadow and a faint rim of studio light mark where the screens sit.
QImage DrawMainBackground(Rng& rng) {
    const QSize size(1440, 900);
    const QRectF screen(208, 66, 1024, 768);
    QImage img = Canvas(size.width(), size.height());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    FillVertical(p, QRectF(QPointF(0, 0), size), QColor(0x07, 0x0e, 0x18),
                 QColor(0x03, 0x06, 0x0b));
    // A few far-off studio lights, too faint to compete with the screen.
    for (int i = 0; i < 14; ++i) {
        const QPointF at(rng.Random(size.width()), rng.Random(size.height()));
        Glow(p, at, 30 + rng.Random(60), i % 3 == 0 ? Palette::kAmber : Palette::kBlue,
             6 + rng.Random(6));
    }
    for (int step = 14; step >= 1; --step) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 14));
        p.drawRoundedRect(screen.adjusted(-step * 2, -step * 2 + 6, step * 2, step * 2 + 6),
                          step * 2, step * 2);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(Palette::kMist, 34), 1));
    p.drawRect(screen.adjusted(-1.5, -1.5, 1.5, 1.5));
    // The four channel colours as a quiet signature under the screen.
    for (int c = 1; c <= 4; ++c) {
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(ChannelColour(c), 90));
        p.drawRoundedRect(
            QRectF(screen.center().x() - 118 + (c - 1) * 60, screen.bottom() + 30, 52, 4), 2, 2);
    }
    Vignette(p, size);
    return img;
}

QImage DrawScreenBackground(std::string_view kind, Rng& rng) {
    if (kind == "dialog") {
        QImage img = Canvas(520, 280);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        FillVertical(p, QRectF(0, 0, 520, 280), Palette::kNight2, Palette::kNight0);
        Glow(p, QPointF(110, 20), 260, Palette::kWarm, 30);
        Glow(p, QPointF(480, 270), 200, Palette::kBlue, 26);
        p.setPen(QPen(QColor(255, 255, 255, 60), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, 519, 279));
        p.setPen(QPen(QColor(255, 255, 255, 22), 1));
        p.drawLine(QPointF(16, 52.5), QPointF(504, 52.5));
        return img;
    }
    const QSize size(1024, 768);
    QImage img = Studio(size, rng, 4);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == "start") {
        Camera(p, QPointF(120, 740), 1.0, true);
        Camera(p, QPointF(904, 740), 1.0, false);
        // The title stays above the menu column, which starts at y 210.
        Title(p, QRectF(232, 40, 560, 130), 100);
    } else if (kind == "office") {
        // The office's panels cover the whole top; the night city shows through two tall
        // windows either side of the main buttons (x 160..864, from y 548).
        Skyline(p, QRectF(24, 516, 120, 236), true, rng);
        Skyline(p, QRectF(880, 540, 124, 212), false, rng);
    } else if (kind == "summary") {
        ChartLines(p, size, rng);
    } else if (kind == "custom") {
        Sliders(p, size, rng);
    } else if (kind == "newgame") {
        p.setPen(QPen(QColor(255, 255, 255, 16), 1.2));
        p.setBrush(Qt::NoBrush);
        const QPointF globe(820, 560);
        QPainterPath sphere;
        sphere.addEllipse(globe, 260, 260);
        p.setClipPath(sphere);
        p.drawEllipse(globe, 260, 260);
        for (int i = 1; i < 5; ++i) {
            p.drawEllipse(globe, 260 * i / 5.0, 260);
            p.drawLine(QPointF(globe.x() - 260, globe.y() - 260 + i * 104),
                       QPointF(globe.x() + 260, globe.y() - 260 + i * 104));
        }
        p.setClipping(false);
    }
    Vignette(p, size);
    return img;
}

}  // namespace qvx::content::pictures
