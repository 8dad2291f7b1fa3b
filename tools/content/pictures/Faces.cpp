// The five viewers of the playback and statistics screens. Each is one fixed character; only
// eyes, brows, mouth, cheeks and the background tint change with the mood, so the same person
// reads across all six pictures. The office shows them at 56 px, so the head fills about three
// quarters of the frame and brows and mouth are drawn bold enough to read at that size.
#include <QPainterPath>
#include <array>

#include "Drawings.h"
#include "PictureKit.h"

namespace qvx::content::pictures {

namespace {

constexpr int kSize = 96;

enum class Hair { Pigtails, Spiky, Long, Short, Bun };

struct Character {
    QColor skin, hair, shirt, trim;
    Hair hairStyle;
    qreal rx, ry, cy;  // head ellipse
    qreal eyeRy;       // children have bigger eyes
};

// Kids, Teens, Women, Men, Seniors.
const std::array<Character, 5> kCharacters = {{
    {QColor(0xf6, 0xcf, 0xae), QColor(0xe0, 0x6c, 0x2c), QColor(0xff, 0xb7, 0x03),
     QColor(0xe6, 0x39, 0x46), Hair::Pigtails, 24, 25, 49, 5.6},
    {QColor(0xa8, 0x6b, 0x4c), QColor(0x1f, 0x1a, 0x1a), QColor(0x2a, 0x9d, 0x8f),
     QColor(0xff, 0xb7, 0x03), Hair::Spiky, 23, 28, 48, 4.8},
    {QColor(0xea, 0xb8, 0x90), QColor(0x6b, 0x3a, 0x22), QColor(0xd1, 0x49, 0x5b),
     QColor(0xff, 0xd1, 0x8a), Hair::Long, 23, 28, 45, 4.8},
    {QColor(0xd6, 0x9c, 0x66), QColor(0x3a, 0x2a, 0x20), QColor(0x21, 0x9e, 0xbc),
     QColor(0xf1, 0xfa, 0xee), Hair::Short, 25, 29, 45, 4.6},
    {QColor(0xf2, 0xcc, 0xb0), QColor(0xdc, 0xde, 0xe4), QColor(0x8e, 0x7d, 0xbe),
     QColor(0xf8, 0xf4, 0xe8), Hair::Bun, 24, 27, 49, 4.6},
}};

// Mood 1..6 tints the backdrop: warm gold when delighted down to alarm red when appalled.
const std::array<QColor, 6> kMoodTint = {QColor(0xff, 0xb7, 0x03), QColor(0x52, 0xb7, 0x88),
                                         QColor(0x21, 0x9e, 0xbc), QColor(0x6b, 0x7f, 0x99),
                                         QColor(0x7a, 0x6a, 0x8e), QColor(0xe6, 0x39, 0x46)};

const QColor kInk(0x2a, 0x1e, 0x1e);
const QColor kMouth(0x7a, 0x1f, 0x2b);

QPen Stroke(const QColor& c, qreal width) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Backdrop(QPainter& p, int mood) {
    const QColor tint = kMoodTint[static_cast<size_t>(mood - 1)];
    FillVertical(p, QRectF(0, 0, kSize, kSize), Mix(Palette::kNight1, tint, 0.6),
                 Mix(Palette::kNight0, tint, 0.25));
    Glow(p, QPointF(48, 40), 46, Mix(tint, Palette::kWhite, 0.4), 110);
}

void Body(QPainter& p, const Character& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c.skin.darker(112));
    p.drawRect(QRectF(48 - 8, c.cy + c.ry - 10, 16, 18));
    QPainterPath body;
    body.addEllipse(QPointF(48, 104), 38, 24);
    p.setBrush(c.shirt);
    p.drawPath(body);
    // Collar / neckline in the character's trim colour.
    p.setBrush(c.trim);
    QPainterPath collar;
    const qreal top = 104 - 24 + 1;
    collar.moveTo(40, top);
    collar.lineTo(48, top + 9);
    collar.lineTo(56, top);
    collar.lineTo(52, top - 1);
    collar.lineTo(48, top + 4);
    collar.lineTo(44, top - 1);
    collar.closeSubpath();
    p.drawPath(collar);
}

void BackHair(QPainter& p, const Character& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c.hair);
    const qreal cx = 48, cy = c.cy, rx = c.rx, ry = c.ry;
    switch (c.hairStyle) {
        case Hair::Pigtails:
            for (const int side : {-1, 1}) {
                p.save();
                p.translate(cx + side * (rx + 6), cy - 2);
                p.rotate(side * -18);
                p.drawEllipse(QPointF(0, 8), 8, 14);
                p.restore();
            }
            break;
        case Hair::Long: {
            // A bob that falls to the chin and curls out at the ends.
            QPainterPath back;
            back.moveTo(cx - rx - 4, cy);
            back.cubicTo(cx - rx - 6, cy - ry - 12, cx + rx + 6, cy - ry - 12, cx + rx + 4, cy);
            back.cubicTo(cx + rx + 5, cy + 14, cx + rx + 9, cy + 22, cx + rx + 8, cy + 27);
            back.quadTo(cx, cy + 33, cx - rx - 8, cy + 27);
            back.cubicTo(cx - rx - 9, cy + 22, cx - rx - 5, cy + 14, cx - rx - 4, cy);
            back.closeSubpath();
            p.drawPath(back);
            break;
        }
        case Hair::Bun:
            p.drawEllipse(QPointF(cx, cy - ry - 6), 11, 9);
            p.setBrush(c.hair.darker(115));
            p.drawEllipse(QPointF(cx, cy - ry - 6), 5, 4);
            break;
        default:
            break;
    }
}

void Head(QPainter& p, const Character& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c.skin.darker(108));
    for (const int side : {-1, 1})
        p.drawEllipse(QPointF(48 + side * c.rx, c.cy + 3), 4.5, 6);
    p.setBrush(c.skin);
    p.drawEllipse(QPointF(48, c.cy), c.rx, c.ry);
}

void FrontHair(QPainter& p, const Character& c) {
    const qreal cx = 48, cy = c.cy, rx = c.rx, ry = c.ry;
    p.setPen(Qt::NoPen);
    p.setBrush(c.hair);
    QPainterPath cap;
    switch (c.hairStyle) {
        case Hair::Pigtails: {
            // A rounded cap with a straight fringe.
            cap.moveTo(cx - rx - 1, cy + 2);
            cap.cubicTo(cx - rx - 2, cy - ry - 8, cx + rx + 2, cy - ry - 8, cx + rx + 1, cy + 2);
            cap.lineTo(cx + rx - 4, cy - 4);
            cap.lineTo(cx + 12, cy - 11);
            cap.lineTo(cx - 12, cy - 11);
            cap.lineTo(cx - rx + 4, cy - 4);
            cap.closeSubpath();
            p.drawPath(cap);
            p.setBrush(c.trim);  // hair bows
            for (const int side : {-1, 1}) {
                const QPointF knot(cx + side * (rx + 2), cy - 12);
                QPolygonF bow;
                bow << knot << knot + QPointF(-6, -5) << knot + QPointF(-6, 5) << knot
                    << knot + QPointF(6, -5) << knot + QPointF(6, 5);
                p.drawPolygon(bow);
                p.drawEllipse(knot, 2.2, 2.2);
            }
            break;
        }
        case Hair::Spiky: {
            cap.moveTo(cx - rx - 1, cy - 2);
            const qreal base = cy - ry + 8;
            const std::array<QPointF, 9> tips = {
                QPointF(cx - rx - 3, base - 14), QPointF(cx - 15, base - 10),
                QPointF(cx - 12, base - 24),     QPointF(cx - 4, base - 13),
                QPointF(cx + 2, base - 27),      QPointF(cx + 8, base - 13),
                QPointF(cx + 16, base - 23),     QPointF(cx + 17, base - 9),
                QPointF(cx + rx + 4, base - 12)};
            cap.lineTo(tips[0]);
            for (size_t i = 1; i < tips.size(); ++i)
                cap.lineTo(tips[i]);
            cap.lineTo(cx + rx + 1, cy - 2);
            cap.lineTo(cx + rx - 3, cy - 8);
            cap.quadTo(cx, cy - 22, cx - rx + 3, cy - 8);
            cap.closeSubpath();
            p.drawPath(cap);
            // A dyed streak and the headphones that never leave his head.
            p.setBrush(Palette::kBlue);
            QPolygonF streak;
            streak << QPointF(cx + 2, base - 27) << QPointF(cx + 8, base - 13)
                   << QPointF(cx + 2, cy - 16) << QPointF(cx - 2, base - 12);
            p.drawPolygon(streak);
            p.setBrush(Qt::NoBrush);
            p.setPen(Stroke(QColor(0x33, 0x33, 0x3d), 4));
            p.drawArc(QRectF(cx - rx - 5, cy - ry - 10, (rx + 5) * 2, (ry + 10) * 2), 10 * 16,
                      160 * 16);
            p.setPen(Qt::NoPen);
            for (const int side : {-1, 1}) {
                p.setBrush(QColor(0x33, 0x33, 0x3d));
                p.drawRoundedRect(QRectF(cx + side * (rx + 1) - 5, cy - 6, 10, 15), 4, 4);
                p.setBrush(Palette::kYellow);
                p.drawRoundedRect(QRectF(cx + side * (rx + 1) - 3, cy - 3, 6, 9), 2.5, 2.5);
            }
            break;
        }
        case Hair::Long: {
            // A side-swept fringe over a rounded crown.
            cap.moveTo(cx - rx - 3, cy + 10);
            cap.cubicTo(cx - rx - 6, cy - ry - 16, cx + rx + 6, cy - ry - 16, cx + rx + 3, cy + 10);
            cap.lineTo(cx + rx - 2, cy + 2);
            cap.cubicTo(cx + rx - 3, cy - 12, cx + 10, cy - 19, cx - 4, cy - 17);
            cap.cubicTo(cx - 12, cy - 16, cx - rx + 1, cy - 10, cx - rx + 2, cy + 4);
            cap.closeSubpath();
            p.drawPath(cap);
            p.setBrush(Palette::kWarm);  // earrings
            for (const int side : {-1, 1})
                p.drawEllipse(QPointF(cx + side * (rx + 0.5), cy + 11), 2.2, 2.2);
            break;
        }
        case Hair::Short: {
            cap.moveTo(cx - rx - 0.5, cy - 1);
            cap.cubicTo(cx - rx - 3, cy - ry - 12, cx + rx + 3, cy - ry - 12, cx + rx + 0.5,
                        cy - 1);
            cap.lineTo(cx + rx - 3, cy - 9);
            cap.quadTo(cx + 10, cy - 19, cx - 4, cy - 16);  // side parting
            cap.quadTo(cx - 16, cy - 15, cx - rx + 3, cy - 9);
            cap.closeSubpath();
            p.drawPath(cap);
            // A trimmed chin beard below the mouth and a moustache above it.
            const QColor beardColour = c.hair.lighter(150);
            QPainterPath beard;
            beard.moveTo(cx - rx + 1, cy + 4);
            beard.cubicTo(cx - rx + 3, cy + ry + 5, cx + rx - 3, cy + ry + 5, cx + rx - 1, cy + 4);
            beard.lineTo(cx + rx - 4, cy + 8);
            beard.cubicTo(cx + rx - 6, cy + 22, cx + 8, cy + 22, cx, cy + 22);
            beard.cubicTo(cx - 8, cy + 22, cx - rx + 6, cy + 22, cx - rx + 4, cy + 8);
            beard.closeSubpath();
            p.setBrush(beardColour);
            p.drawPath(beard);
            // Shaved clear around the lips, so the mouth (cy + 16) reads on skin.
            p.setBrush(c.skin);
            p.drawEllipse(QPointF(cx, cy + 19), 12, 7.5);
            QPainterPath moustache;
            moustache.moveTo(cx, cy + 10);
            moustache.cubicTo(cx - 5, cy + 7.5, cx - 10, cy + 9, cx - 10.5, cy + 12.5);
            moustache.cubicTo(cx - 6, cy + 11, cx - 3, cy + 12, cx, cy + 11.5);
            moustache.cubicTo(cx + 3, cy + 12, cx + 6, cy + 11, cx + 10.5, cy + 12.5);
            moustache.cubicTo(cx + 10, cy + 9, cx + 5, cy + 7.5, cx, cy + 10);
            p.setBrush(c.hair);
            p.drawPath(moustache);
            break;
        }
        case Hair::Bun: {
            // Soft grey curls around the face.
            cap.moveTo(cx - rx - 3, cy + 2);
            cap.cubicTo(cx - rx - 5, cy - ry - 8, cx + rx + 5, cy - ry - 8, cx + rx + 3, cy + 2);
            cap.lineTo(cx + rx - 3, cy - 6);
            cap.quadTo(cx, cy - 20, cx - rx + 3, cy - 6);
            cap.closeSubpath();
            p.drawPath(cap);
            for (int i = 0; i < 7; ++i) {
                const qreal t = -0.9 + i * 0.3;
                p.drawEllipse(QPointF(cx + std::sin(t) * (rx + 1), cy - std::cos(t) * (ry - 2)),
                              5.5, 5);
            }
            p.setBrush(Qt::NoBrush);
            p.setPen(Stroke(c.hair.darker(125), 1.0));
            for (int i = 0; i < 6; ++i) {
                const qreal t = -0.75 + i * 0.3;
                const QPointF at(cx + std::sin(t) * (rx - 2), cy - std::cos(t) * (ry - 1));
                p.drawArc(QRectF(at.x() - 3, at.y() - 3, 6, 6), 20 * 16, 140 * 16);
            }
            break;
        }
    }
}

struct Features {
    qreal cx, eyeY, eyeDx, eyeRx, eyeRy, browY, mouthY;
};

void Eyes(QPainter& p, const Character& c, const Features& f, int mood) {
    for (const int side : {-1, 1}) {
        const QPointF centre(f.cx + side * f.eyeDx, f.eyeY);
        if (mood == 1) {
            // Laughing eyes: closed arches.
            p.setPen(Stroke(kInk, 2.4));
            p.setBrush(Qt::NoBrush);
            QPainterPath arch;
            arch.moveTo(centre + QPointF(-f.eyeRx - 0.5, 1.5));
            arch.quadTo(centre + QPointF(0, -f.eyeRy - 1.5), centre + QPointF(f.eyeRx + 0.5, 1.5));
            p.drawPath(arch);
            continue;
        }
        const qreal rx = mood == 6 ? f.eyeRx + 1.0 : f.eyeRx;
        const qreal ry = mood == 6 ? f.eyeRy + 1.4 : f.eyeRy;
        p.setPen(Stroke(kInk.lighter(140), 0.8));
        p.setBrush(Palette::kWhite);
        p.drawEllipse(centre, rx, ry);
        QPointF look(0, 0.6);
        if (mood == 5) look = QPointF(1.6, 1.8);  // both eyes drift aside and down
        const qreal pupil = mood == 6 ? 1.8 : 2.8;
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(centre + look, pupil, pupil + 0.3);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(centre + look + QPointF(-0.9, -1.1), 0.9, 0.9);
        if (mood == 5) {
            // Heavy lids cover the upper half.
            p.setBrush(c.skin.darker(110));
            p.drawChord(
                QRectF(centre.x() - rx - 1, centre.y() - ry - 1, (rx + 1) * 2, (ry + 1) * 2), 0,
                180 * 16);
            p.setPen(Stroke(kInk, 1.6));
            p.drawLine(centre + QPointF(-rx - 0.5, 0.2), centre + QPointF(rx + 0.5, 0.2));
        }
    }
}

void Brows(QPainter& p, const Character& c, const Features& f, int mood) {
    const QColor colour = c.hairStyle == Hair::Bun ? QColor(0x9a, 0x96, 0x90) : c.hair.darker(130);
    p.setPen(Stroke(colour, 3.4));
    p.setBrush(Qt::NoBrush);
    for (const int side : {-1, 1}) {
        const qreal x = f.cx + side * f.eyeDx;
        qreal y = f.browY, inner = 0, outer = 0, arch = -1.5;
        switch (mood) {
            case 1:
                y -= 2.5;
                arch = -3;
                break;
            case 2:
                y -= 1.5;
                arch = -2.5;
                break;
            case 3:
                y -= 0.5;
                arch = -2.5;
                break;
            case 4:
                y += 0.5;
                arch = 0.3;
                break;
            case 5:
                y += 1.5;
                inner = 0.8;
                outer = 1.5;
                arch = 0;
                break;
            case 6:
                y -= 3.5;
                inner = -3.5;
                outer = 1.5;
                arch = -0.5;
                break;  // alarmed
            default:
                break;
        }
        const QPointF in(x - side * 4.5, y + inner), out(x + side * 5.5, y + outer);
        QPainterPath brow;
        brow.moveTo(in);
        brow.quadTo((in + out) / 2 + QPointF(0, arch), out);
        p.drawPath(brow);
    }
}

void Mouth(QPainter& p, const Features& f, int mood) {
    const qreal x = f.cx, y = f.mouthY;
    QPainterPath mouth;
    switch (mood) {
        case 1:
        case 2: {
            const qreal w = mood == 1 ? 11 : 8.5, depth = mood == 1 ? 12 : 8;
            mouth.moveTo(x - w, y - 1);
            mouth.quadTo(x, y + 1.5, x + w, y - 1);
            mouth.cubicTo(x + w - 1, y + depth * 0.9, x - w + 1, y + depth * 0.9, x - w, y - 1);
            p.setPen(Stroke(kInk, 1.2));
            p.setBrush(kMouth);
            p.drawPath(mouth);
            p.save();
            p.setClipPath(mouth);
            p.setPen(Qt::NoPen);
            p.setBrush(Palette::kWhite);
            p.drawRect(QRectF(x - w, y - 2, w * 2, depth * 0.28 + 1.5));
            p.setBrush(QColor(0xf0, 0x7c, 0x84));
            p.drawEllipse(QPointF(x, y + depth * 0.75), w * 0.55, depth * 0.3);
            p.restore();
            return;
        }
        case 3:
            // Corners turned up: at 56 px this must not read as the neutral line.
            mouth.moveTo(x - 9, y - 1.5);
            mouth.quadTo(x, y + 9, x + 9, y - 1.5);
            break;
        case 4:
            mouth.moveTo(x - 6.5, y + 2.5);
            mouth.lineTo(x + 6.5, y + 2.5);
            break;
        case 5:
            // A lopsided, drooping line.
            mouth.moveTo(x - 6, y + 2);
            mouth.quadTo(x + 1, y + 1, x + 7, y + 5.5);
            break;
        default: {
            // Appalled: an open, down-turned grimace.
            mouth.moveTo(x - 8, y + 6);
            mouth.cubicTo(x - 6, y - 3, x + 6, y - 3, x + 8, y + 6);
            mouth.quadTo(x, y + 3, x - 8, y + 6);
            p.setPen(Stroke(kInk, 1.2));
            p.setBrush(kMouth);
            p.drawPath(mouth);
            p.setPen(Qt::NoPen);
            p.setBrush(Palette::kWhite);
            p.save();
            p.setClipPath(mouth);
            p.drawRect(QRectF(x - 8, y - 1, 16, 2.5));
            p.restore();
            return;
        }
    }
    p.setPen(Stroke(kInk, 3.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
}

void Details(QPainter& p, const Character& c, const Features& f, int mood, int group) {
    // The nose: a soft shadow arc.
    p.setPen(Stroke(c.skin.darker(130), 1.4));
    p.drawArc(QRectF(f.cx - 3, f.eyeY + 4, 6, 6), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    if (mood <= 2) {
        p.setBrush(QColor(0xff, 0x6b, 0x6b, mood == 1 ? 120 : 80));
        for (const int side : {-1, 1})
            p.drawEllipse(QPointF(f.cx + side * (f.eyeDx + 5), f.mouthY - 4), 4.5, 3);
    }
    if (mood == 6) {  // a bead of cold sweat
        QPainterPath drop;
        const QPointF top(f.cx + c.rx - 4, f.browY - 6);
        drop.moveTo(top);
        drop.cubicTo(top + QPointF(4, 6), top + QPointF(3, 9), top + QPointF(0, 9));
        drop.cubicTo(top + QPointF(-3, 9), top + QPointF(-4, 6), top);
        p.setBrush(QColor(0x9b, 0xd7, 0xf0));
        p.drawPath(drop);
    }
    if (group == 1) {  // freckles
        p.setBrush(c.skin.darker(135));
        for (const int side : {-1, 1})
            for (int i = 0; i < 3; ++i)
                p.drawEllipse(QPointF(f.cx + side * (f.eyeDx + 1 + i * 2.5), f.eyeY + 7 + (i % 2)),
                              0.8, 0.8);
    }
    if (group == 5) {
        // Round glasses, and the lines of a life of laughing.
        p.setBrush(Qt::NoBrush);
        p.setPen(Stroke(c.skin.darker(135), 1.0));
        for (const int side : {-1, 1}) {
            p.drawArc(QRectF(f.cx + side * (f.eyeDx + 8) - 3, f.eyeY - 2, 6, 6),
                      side < 0 ? 90 * 16 : -90 * 16, 180 * 16);
            p.drawArc(QRectF(f.cx + side * 9 - 4, f.mouthY - 6, 8, 10),
                      side < 0 ? 110 * 16 : 20 * 16, 50 * 16);
        }
        p.setPen(Stroke(QColor(0x8a, 0x5a, 0x3c), 1.6));
        for (const int side : {-1, 1})
            p.drawEllipse(QPointF(f.cx + side * f.eyeDx, f.eyeY), 7.5, 7);
        p.drawLine(QPointF(f.cx - f.eyeDx + 7.5, f.eyeY - 1),
                   QPointF(f.cx + f.eyeDx - 7.5, f.eyeY - 1));
        // A string of pearls.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xfb, 0xf6, 0xee));
        for (int i = -4; i <= 4; ++i)
            p.drawEllipse(QPointF(48 + i * 3.2, 84 + 0.35 * i * i), 1.5, 1.5);
    }
}

}  // namespace

QImage DrawFace(int group, int mood) {
    const Character& c = kCharacters[static_cast<size_t>(std::clamp(group, 1, 5) - 1)];
    mood = std::clamp(mood, 1, 6);
    QImage img = Canvas(kSize, kSize);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Backdrop(p, mood);
    // A tight crop around the head; the backdrop stays full size.
    p.translate(48, 50);
    p.scale(1.25, 1.25);
    p.translate(-48, -(c.cy + 2));
    Body(p, c);
    BackHair(p, c);
    Head(p, c);
    // A child's features sit lower in a rounder face; the father's mouth clears his moustache.
    const bool child = group == 1;
    const qreal eyeY = c.cy + (child ? 3 : 1);
    const qreal mouthY = c.cy + (child ? 14 : group == 4 ? 16 : 15);
    const Features f{48, eyeY, 9.5, child ? 4.6 : 4.2, c.eyeRy, eyeY - 9.5, mouthY};
    FrontHair(p, c);
    Details(p, c, f, mood, group);
    Eyes(p, c, f, mood);
    Brows(p, c, f, mood);
    Mouth(p, f, mood);
    return img;
}

}  // namespace qvx::content::pictures
