// The eight company marks: logos 1..4 are round badges, 5..8 rounded TV screens, each in its
// channel colour with a white symbol of the default company name.
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "Drawings.h"
#include "PictureKit.h"

namespace qvx::content::pictures {

namespace {

constexpr int kSize = 200;

QPen WhitePen(qreal width) {
    return QPen(Palette::kWhite, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Hollyfilms TV: a star over an H.
void HollyfilmsMark(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kWarm);
    p.drawPolygon(Star(QPointF(100, 58), 22, 9, 5));
    TextCentred(p, QRectF(40, 70, 120, 90), "H", Font(FontFace::Serif, 86), Palette::kWhite);
}

// Banana TV: a banana crescent.
void BananaMark(QPainter& p) {
    QPainterPath banana;
    banana.moveTo(58, 62);
    banana.cubicTo(52, 120, 100, 160, 150, 132);
    banana.cubicTo(118, 138, 78, 116, 72, 60);
    banana.closeSubpath();
    p.setPen(WhitePen(3));
    p.setBrush(QColor(0xff, 0xf3, 0xc4));
    p.drawPath(banana);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x3e, 0x1b));
    p.drawRoundedRect(QRectF(58, 50, 13, 14), 3, 3);
    p.drawEllipse(QPointF(150, 132), 4, 4);
}

// Palm TV: a palm tree on a small island.
void PalmMark(QPainter& p) {
    QPainterPath trunk;
    trunk.moveTo(92, 152);
    trunk.cubicTo(96, 120, 104, 96, 112, 72);
    trunk.lineTo(120, 74);
    trunk.cubicTo(112, 98, 106, 122, 106, 152);
    trunk.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kWhite);
    p.drawPath(trunk);
    const QPointF crown(116, 70);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = (-170 + i * 40) * std::numbers::pi / 180;
        const QPointF tip = crown + QPointF(std::cos(angle) * 52, std::sin(angle) * 30 + 12);
        QPainterPath leaf;
        leaf.moveTo(crown);
        leaf.quadTo(crown + (tip - crown) * 0.5 + QPointF(0, -20), tip);
        leaf.quadTo(crown + (tip - crown) * 0.5 + QPointF(0, -4), crown);
        p.drawPath(leaf);
    }
    p.drawChord(QRectF(58, 142, 90, 30), 0, 180 * 16);
}

// WaveNow TV: three waves.
void WaveMark(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    for (int row = 0; row < 3; ++row) {
        QPainterPath wave;
        const qreal y = 72 + row * 28;
        wave.moveTo(48, y);
        for (int k = 0; k < 4; ++k) {
            const qreal x = 48 + k * 26;
            wave.cubicTo(x + 8, y - 14, x + 18, y - 14, x + 26, y);
        }
        p.setPen(WhitePen(row == 1 ? 11 : 8));
        p.drawPath(wave);
    }
}

// Film TV: a film reel.
void ReelMark(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kWhite);
    p.drawEllipse(QPointF(100, 100), 50, 50);
    p.setBrush(Palette::kRed.darker(130));
    p.drawEllipse(QPointF(100, 100), 8, 8);
    for (int i = 0; i < 6; ++i) {
        const qreal a = i * std::numbers::pi / 3;
        p.drawEllipse(QPointF(100 + std::cos(a) * 29, 100 + std::sin(a) * 29), 12, 12);
    }
    p.setBrush(Palette::kWhite);
    p.drawRect(QRectF(100, 140, 56, 10));  // the film running off the reel
}

// Fruit TV: a pair of cherries.
void FruitMark(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Palette::kWhite, 6, Qt::SolidLine, Qt::RoundCap));
    QPainterPath stems;
    stems.moveTo(70, 122);
    stems.quadTo(84, 80, 118, 52);
    stems.moveTo(132, 132);
    stems.quadTo(124, 88, 118, 52);
    p.drawPath(stems);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kWhite);
    p.drawEllipse(QPointF(68, 134), 26, 26);
    p.drawEllipse(QPointF(134, 142), 26, 26);
    p.setBrush(Palette::kYellow.darker(115));
    p.drawEllipse(QPointF(60, 126), 6, 6);
    p.drawEllipse(QPointF(126, 134), 6, 6);
    QPainterPath leaf;
    leaf.moveTo(118, 54);
    leaf.cubicTo(130, 34, 152, 36, 160, 42);
    leaf.cubicTo(148, 58, 130, 62, 118, 54);
    p.setBrush(QColor(0x9b, 0xe5, 0x64));
    p.drawPath(leaf);
}

// Green TV: a G in a ring.
void GreenMark(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.setPen(WhitePen(9));
    p.drawEllipse(QPointF(100, 100), 52, 52);
    TextCentred(p, QRectF(40, 36, 120, 124), "G", Font(FontFace::SansBold, 84), Palette::kWhite);
}

// Blue TV: a B.
void BlueMark(QPainter& p) {
    TextCentred(p, QRectF(40, 36, 120, 124), "B", Font(FontFace::SansBold, 96), Palette::kWhite);
}

}  // namespace

QImage DrawLogo(int logo, int size, bool clear) {
    logo = std::clamp(logo, 1, 8);
    const QColor colour = ChannelColour((logo - 1) % 4 + 1);
    QImage img = clear ? ClearCanvas(size, size) : Canvas(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Drawn at the size it is shown: a scaled-down or scaled-up copy blurs the mark.
    p.scale(static_cast<qreal>(size) / kSize, static_cast<qreal>(size) / kSize);
    if (!clear) {
        FillNight(p, QRectF(0, 0, kSize, kSize));
        Glow(p, QPointF(100, 90), 110, colour, 70);
    }
    const QColor top = colour.lighter(118), bottom = colour.darker(135);
    if (logo <= 4) {
        p.setPen(Qt::NoPen);
        for (int i = 3; i >= 1; --i) {
            p.setBrush(QColor(0, 0, 0, 40));
            p.drawEllipse(QPointF(100, 100 + i), 84, 84);
        }
        QLinearGradient g(0, 16, 0, 184);
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        p.setBrush(g);
        p.drawEllipse(QPointF(100, 100), 84, 84);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 90), 2));
        p.drawEllipse(QPointF(100, 100), 77, 77);
    } else {
        Panel(p, QRectF(18, 26, 164, 140), 30, top, bottom, 4);
        p.setPen(QPen(QColor(255, 255, 255, 200), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(76, 178), QPointF(124, 178));  // the TV's stand
        p.drawLine(QPointF(100, 166), QPointF(100, 178));
    }
    p.save();
    if (logo > 4) p.translate(0, -4);
    switch (logo) {
        case 1:
            HollyfilmsMark(p);
            break;
        case 2:
            BananaMark(p);
            break;
        case 3:
            PalmMark(p);
            break;
        case 4:
            WaveMark(p);
            break;
        case 5:
            ReelMark(p);
            break;
        case 6:
            FruitMark(p);
            break;
        case 7:
            GreenMark(p);
            break;
        default:
            BlueMark(p);
            break;
    }
    p.restore();
    return img;
}

}  // namespace qvx::content::pictures
