// Button faces. The screens draw the labels, so a face carries only its shape, its light and,
// for the office and playback buttons, an icon. The hover or pressed face is the same shape,
// lit by the warm studio light.
#include <QPainterPath>
#include <QRadialGradient>

#include "Drawings.h"
#include "PictureKit.h"

namespace qvx::content::pictures {

namespace {

const QColor kSteelTop(0x3a, 0x51, 0x75);
const QColor kSteelBottom(0x1f, 0x2c, 0x42);
const QColor kLitTop(0x58, 0x7a, 0xaa);
const QColor kLitBottom(0x2e, 0x43, 0x66);

// The warm rim and halo that make a lit face read as lit at a glance.
void LitRim(QPainter& p, const QRectF& r, qreal radius) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(WithAlpha(Palette::kWarm, 230), 2.0));
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    QLinearGradient top(r.topLeft(), QPointF(r.left(), r.center().y()));
    top.setColorAt(0, QColor(255, 240, 210, 70));
    top.setColorAt(1, QColor(255, 240, 210, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(top);
    p.drawRoundedRect(r.adjusted(2, 2, -2, 0), radius - 2, radius - 2);
    p.restore();
}

QImage Face(int w, int h, qreal radius, bool lit) {
    QImage img = Canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 1, w - 4, h - 5);
    if (lit) Glow(p, r.center(), std::max(w, h) * 0.6, Palette::kWarm, 50);
    Panel(p, r, radius, lit ? kLitTop : kSteelTop, lit ? kLitBottom : kSteelBottom, 3);
    if (lit) LitRim(p, r, radius);
    return img;
}

QPainterPath TvShape(const QRectF& r) {
    QPainterPath tv;
    tv.addRoundedRect(r, r.height() * 0.18, r.height() * 0.18);
    return tv;
}

}  // namespace

QImage DrawWideButton(int width, int height, bool lit) {
    return Face(width, height, height * 0.32, lit);
}

QImage DrawOfficeButton(int k, bool lit) {
    QImage img = Face(128, 96, 14, lit);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A small icon in the top half: the lower half stays free for a label of two lines,
    // which the office lays out there (y 46..90).
    DrawOfficeIcon(p, k, QRectF(45, 6, 38, 38));
    if (lit) Glow(p, QPointF(64, 25), 26, Palette::kWarm, 40);
    return img;
}

QImage DrawWatchButton(int channel, bool pressed) {
    const QColor colour = ChannelColour(channel);
    QImage img = Canvas(48, 36);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = pressed ? QRectF(2, 3, 44, 30) : QRectF(2, 1, 44, 30);
    Panel(p, r, 7, pressed ? colour.darker(125) : colour.lighter(115),
          pressed ? colour.darker(175) : colour.darker(130), pressed ? 1 : 3);
    // A small TV: on a pressed (watched) button its screen glows.
    const QRectF tv(14, r.top() + 7, 20, 14);
    p.setPen(QPen(Palette::kWhite, 2));
    p.setBrush(pressed ? Palette::kWarm : QColor(0, 0, 0, 60));
    p.drawPath(TvShape(tv));
    p.drawLine(QPointF(20, tv.bottom() + 3), QPointF(28, tv.bottom() + 3));
    if (pressed) {
        p.setPen(QPen(QColor(0, 0, 0, 90), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 6, 6);
    }
    return img;
}

QImage DrawTransportButton(bool play, bool pressed) {
    QImage img = Face(48, 36, 8, pressed);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(pressed ? Palette::kWarm : Palette::kWhite);
    const QPointF c(24, 16);
    if (play) {
        QPolygonF triangle;
        triangle << c + QPointF(-6, -8) << c + QPointF(9, 0) << c + QPointF(-6, 8);
        p.drawPolygon(triangle);
    } else {
        p.drawRoundedRect(QRectF(c.x() - 8, c.y() - 8, 5.5, 16), 1.5, 1.5);
        p.drawRoundedRect(QRectF(c.x() + 2.5, c.y() - 8, 5.5, 16), 1.5, 1.5);
    }
    return img;
}

QImage DrawBubble(int channel) {
    const QColor colour = ChannelColour(channel);
    QImage img = ClearCanvas(40, 40);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(20, 19.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawEllipse(c + QPointF(0, 1.5), 17, 17);
    QRadialGradient fill(c + QPointF(-5, -6), 22);
    fill.setColorAt(0, colour.lighter(145));
    fill.setColorAt(1, colour.darker(130));
    p.setBrush(fill);
    p.drawEllipse(c, 17, 17);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
    p.drawEllipse(c, 15.5, 15.5);
    p.setPen(QPen(Palette::kWhite, 2));
    p.drawPath(TvShape(QRectF(12, 13, 16, 11)));
    p.drawLine(QPointF(17, 27.5), QPointF(23, 27.5));
    return img;
}

}  // namespace qvx::content::pictures
