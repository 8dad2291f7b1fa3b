// The ten office icons, drawn in a 48 x 48 box: white shapes with warm accents, one line width.
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "Drawings.h"
#include "PictureKit.h"

namespace qvx::content::pictures {

namespace {

constexpr qreal kLine = 3.2;

QPen Line(const QColor& c = Palette::kWhite, qreal width = kLine) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void ProgrammeTable(QPainter& p) {
    p.setPen(Line());
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(QRectF(3, 5, 42, 31), 5, 5);
    p.drawLine(QPointF(17, 42), QPointF(31, 42));
    p.drawLine(QPointF(24, 36), QPointF(24, 42));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        const qreal y = 10 + row * 8;
        p.setBrush(Palette::kWarm);
        p.drawRoundedRect(QRectF(8, y, 7, 5), 1.5, 1.5);
        p.setBrush(Palette::kWhite);
        p.drawRoundedRect(QRectF(18, y, 22 - row * 5, 5), 1.5, 1.5);
    }
}

void FilmReel(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kWhite);
    p.drawEllipse(QPointF(22, 22), 18, 18);
    p.setBrush(Palette::kNight1);
    p.drawEllipse(QPointF(22, 22), 3, 3);
    for (int i = 0; i < 5; ++i) {
        const qreal a = -std::numbers::pi / 2 + i * 2 * std::numbers::pi / 5;
        p.drawEllipse(QPointF(22 + std::cos(a) * 10, 22 + std::sin(a) * 10), 4.2, 4.2);
    }
    p.setBrush(Palette::kWarm);
    p.drawRect(QRectF(22, 38, 24, 6));
    p.setBrush(Palette::kNight1);
    for (int i = 0; i < 4; ++i)
        p.drawRect(QRectF(25 + i * 5.5, 40, 2.5, 2));
}

void Megaphone(QPainter& p) {
    QPainterPath cone;
    cone.moveTo(6, 18);
    cone.lineTo(30, 8);
    cone.lineTo(30, 38);
    cone.lineTo(6, 28);
    cone.closeSubpath();
    p.setPen(Line());
    p.setBrush(Palette::kWhite);
    p.drawPath(cone);
    p.setBrush(Palette::kWarm);
    p.drawRoundedRect(QRectF(3, 17, 6, 12), 2, 2);
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(13, 28), QPointF(16, 40));
    p.setPen(Line(Palette::kWarm, 2.6));
    p.drawArc(QRectF(30, 14, 10, 18), -50 * 16, 100 * 16);
    p.drawArc(QRectF(30, 8, 16, 30), -50 * 16, 100 * 16);
}

void Newspaper(QPainter& p) {
    p.setPen(Line());
    p.setBrush(QColor(0, 0, 0, 50));
    QPainterPath sheet;
    sheet.moveTo(6, 6);
    sheet.lineTo(42, 6);
    sheet.lineTo(42, 38);
    sheet.quadTo(42, 43, 37, 43);
    sheet.lineTo(10, 43);
    sheet.quadTo(6, 43, 6, 39);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kWarm);
    p.drawRect(QRectF(11, 11, 26, 6));
    p.setBrush(Palette::kWhite);
    p.drawRect(QRectF(11, 21, 11, 10));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(25, 21 + i * 4.5, 12, 2.2));
    p.drawRect(QRectF(11, 35, 26, 2.2));
}

void ClockArrow(QPainter& p) {
    p.setPen(Line());
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(QPointF(22, 25), 15, 15);
    p.drawLine(QPointF(22, 25), QPointF(22, 16));
    p.drawLine(QPointF(22, 25), QPointF(29, 28));
    p.setPen(Line(Palette::kWarm, 3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2, 5, 40, 40), 100 * 16, -150 * 16);
    QPolygonF head;
    head << QPointF(40, 34) << QPointF(46, 26) << QPointF(36, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kWarm);
    p.drawPolygon(head);
}

void BarChart(QPainter& p) {
    p.setPen(Qt::NoPen);
    const qreal heights[] = {12, 20, 16, 30};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(i == 3 ? Palette::kWarm : Palette::kWhite);
        p.drawRoundedRect(QRectF(7 + i * 9.5, 41 - heights[i], 7, heights[i]), 1.5, 1.5);
    }
    p.setPen(Line());
    p.drawLine(QPointF(4, 43), QPointF(44, 43));
    p.setPen(Line(Palette::kWarm, 2.4));
    p.drawPolyline(QPolygonF({QPointF(8, 24), QPointF(18, 16), QPointF(28, 20), QPointF(40, 6)}));
}

void MapPin(QPainter& p) {
    QPainterPath pin;
    pin.moveTo(24, 44);
    pin.cubicTo(12, 30, 11, 24, 11, 19);
    pin.arcTo(QRectF(11, 6, 26, 26), 180, -180);
    pin.cubicTo(37, 24, 36, 30, 24, 44);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kWhite);
    p.drawPath(pin);
    p.setBrush(Palette::kWarm);
    p.drawEllipse(QPointF(24, 19), 5.5, 5.5);
    p.setPen(Line(Palette::kWarm, 2.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(2, 4, 12, 24), 110 * 16, 140 * 16);
    p.drawArc(QRectF(34, 4, 12, 24), -70 * 16, 140 * 16);
}

void Phone(QPainter& p) {
    QPainterPath handset;
    handset.moveTo(10, 8);
    handset.cubicTo(4, 10, 4, 20, 12, 30);
    handset.cubicTo(20, 40, 30, 44, 38, 40);
    handset.lineTo(40, 34);
    handset.lineTo(32, 29);
    handset.lineTo(27, 33);
    handset.cubicTo(22, 30, 18, 26, 15, 21);
    handset.lineTo(19, 16);
    handset.lineTo(14, 7);
    handset.closeSubpath();
    p.setPen(Line(Palette::kWhite, 2));
    p.setBrush(Palette::kWhite);
    p.drawPath(handset);
    p.setPen(Line(Palette::kWarm, 2.6));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(24, 4, 20, 20), 0, 90 * 16);
    p.drawArc(QRectF(28, 10, 10, 10), 0, 90 * 16);
}

void Disk(QPainter& p) {
    QPainterPath body;
    body.moveTo(6, 8);
    body.lineTo(36, 8);
    body.lineTo(42, 14);
    body.lineTo(42, 40);
    body.quadTo(42, 42, 40, 42);
    body.lineTo(8, 42);
    body.quadTo(6, 42, 6, 40);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kWhite);
    p.drawPath(body);
    p.setBrush(Palette::kNight1);
    p.drawRect(QRectF(13, 8, 18, 11));
    p.setBrush(Palette::kWhite);
    p.drawRect(QRectF(24, 10, 4, 7));
    p.setBrush(Palette::kWarm);
    p.drawRoundedRect(QRectF(11, 25, 26, 14), 2, 2);
}

void Door(QPainter& p) {
    p.setPen(Line());
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(6, 44), QPointF(30, 44));
    p.drawPolyline(QPolygonF({QPointF(10, 44), QPointF(10, 5), QPointF(30, 5), QPointF(30, 14)}));
    p.drawLine(QPointF(30, 34), QPointF(30, 44));
    QPolygonF leaf;
    leaf << QPointF(10, 5) << QPointF(22, 9) << QPointF(22, 48) << QPointF(10, 44);
    p.setBrush(Palette::kWhite);
    p.drawPolygon(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kNight1);
    p.drawEllipse(QPointF(19, 26), 1.8, 1.8);
    p.setPen(Line(Palette::kWarm, 3));
    p.drawLine(QPointF(28, 24), QPointF(44, 24));
    p.drawPolyline(QPolygonF({QPointF(38, 18), QPointF(44, 24), QPointF(38, 30)}));
}

}  // namespace

void DrawOfficeIcon(QPainter& p, int k, const QRectF& box) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 48.0, box.height() / 48.0);
    p.setRenderHint(QPainter::Antialiasing);
    switch (k) {
        case 1:
            ProgrammeTable(p);
            break;
        case 2:
            FilmReel(p);
            break;
        case 3:
            Megaphone(p);
            break;
        case 4:
            Newspaper(p);
            break;
        case 5:
            ClockArrow(p);
            break;
        case 6:
            BarChart(p);
            break;
        case 7:
            MapPin(p);
            break;
        case 8:
            Phone(p);
            break;
        case 9:
            Disk(p);
            break;
        default:
            Door(p);
            break;
    }
    p.restore();
}

}  // namespace qvx::content::pictures
