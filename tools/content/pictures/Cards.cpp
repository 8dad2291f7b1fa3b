// The small pictures of the planning screens: booster cards, programme table tiles, programme
// row pictures and the news agency's topic pictures.
#include <QPainterPath>
#include <array>
#include <span>

#include "Drawings.h"
#include "PictureKit.h"

namespace qvx::content::pictures {

namespace {

struct Motif {
    std::string_view kind;
    const char* glyph;
    QColor colour;
};

const QColor kPurple(0x7b, 0x5c, 0xd6);
const QColor kPink(0xe0, 0x5a, 0x9b);
const QColor kOrange(0xf3, 0x72, 0x2c);
const QColor kGrey(0x4a, 0x55, 0x68);

const Motif& Find(std::span<const Motif> motifs, std::string_view kind) {
    for (const Motif& m : motifs)
        if (m.kind == kind) return m;
    return motifs.front();
}

// A tile filling the whole picture: corners in the night colour of the screens, then a rounded
// panel in the motif colour with the glyph.
QImage Tile(int w, int h, const QColor& colour, const char* glyph, qreal glyphShare, qreal radius) {
    QImage img = Canvas(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(1, 1, w - 2, h - 3);
    Panel(p, box, radius, colour.lighter(125), colour.darker(140), 2);
    Glow(p, box.center() - QPointF(0, h * 0.08), std::min(w, h) * 0.5, Palette::kWhite, 60);
    const qreal g = std::min(w, h) * glyphShare;
    Emoji(p, QRectF(box.center().x() - g / 2, box.center().y() - g / 2, g, g), glyph);
    return img;
}

}  // namespace

QImage DrawBoosterCard(std::string_view kind) {
    static const std::array<Motif, 6> kMotifs = {{
        {"News", "\U0001F4F0", Palette::kBlue},
        {"Tech", "\U0001F6E0\uFE0F", Palette::kGreen},
        {"Host", "\U0001F3A4", kPurple},
        {"Lawyer", "\u2696\uFE0F", QColor(0x9b, 0x3d, 0x5a)},
        {"Movies", "\U0001F3AC", Palette::kRed},
        {"Money", "\U0001F4B0", QColor(0xe0, 0x9b, 0x1a)},
    }};
    const Motif& m = Find(kMotifs, kind);
    constexpr int kW = 120, kH = 160;
    QImage img = Canvas(kW, kH);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A trading card: warm gold frame, the art window, a plate with three stars.
    const QRectF card(2, 2, kW - 4, kH - 6);
    Panel(p, card, 12, QColor(0xff, 0xe2, 0xa8), QColor(0xc9, 0x8a, 0x3a), 3);
    const QRectF art(9, 9, kW - 18, 104);
    Panel(p, art, 8, m.colour.lighter(130), m.colour.darker(150), 0);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(art, 8, 8);
    p.setClipPath(clip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 22));
    for (int i = 0; i < 6; ++i) {
        QPolygonF ray;
        const QPointF c = art.center();
        ray << c << c + QPointF(-120 + i * 48, -110) << c + QPointF(-100 + i * 48, -110);
        p.drawPolygon(ray);
    }
    Glow(p, art.center(), 60, Palette::kWarm, 90);
    p.restore();
    Emoji(p, QRectF(art.center().x() - 36, art.center().y() - 36, 72, 72), m.glyph);
    const QRectF plate(9, 119, kW - 18, 28);
    Panel(p, plate, 7, Palette::kNight2, Palette::kNight0, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kYellow);
    for (int i = -1; i <= 1; ++i)
        p.drawPolygon(Star(plate.center() + QPointF(i * 22, 0.5), 8, 3.4, 5));
    return img;
}

QImage DrawArchiveTile(std::string_view kind) {
    static const std::array<Motif, 5> kMotifs = {{
        {"News", "\U0001F4F0", Palette::kBlue},
        {"Movie", "\U0001F3AC", Palette::kRed},
        {"Series", "\U0001F4FA", kPurple},
        {"Ads", "\U0001F4E2", QColor(0xe0, 0x9b, 0x1a)},
        {"Empty", "", kGrey},
    }};
    const Motif& m = Find(kMotifs, kind);
    if (kind != "Empty") return Tile(72, 72, m.colour, m.glyph, 0.6, 12);
    // An empty position: a dim recess with a dashed outline, waiting for a title.
    QImage img = Canvas(72, 72);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    FillVertical(p, QRectF(0, 0, 72, 72), QColor(0x2a, 0x30, 0x3a), QColor(0x1c, 0x20, 0x27));
    p.setPen(QPen(QColor(0x8a, 0x93, 0xa3), 2, Qt::DashLine, Qt::RoundCap));
    p.setBrush(QColor(0x33, 0x39, 0x44));
    p.drawRoundedRect(QRectF(6, 6, 60, 60), 10, 10);
    p.setPen(QPen(QColor(0x6c, 0x74, 0x82), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(36, 27), QPointF(36, 45));
    p.drawLine(QPointF(27, 36), QPointF(45, 36));
    return img;
}

QImage DrawSlotPicture(std::string_view kind) {
    static const std::array<Motif, 3> kMotifs = {{
        {"News", "\U0001F4F0", Palette::kBlue},
        {"Movie", "\U0001F3AC", Palette::kRed},
        {"Ad", "\U0001F4E2", QColor(0xe0, 0x9b, 0x1a)},
    }};
    const Motif& m = Find(kMotifs, kind);
    return Tile(48, 36, m.colour, m.glyph, 0.75, 7);
}

QImage DrawNewsSpot(std::string_view colour) {
    static const std::array<Motif, 3> kMotifs = {{
        {"Blue", "\U0001F5F3\uFE0F", QColor(0x2f, 0x6f, 0xc9)},
        {"Pink", "\U0001F31F", kPink},
        {"Orange", "\U0001F3C6", kOrange},
    }};
    const Motif& m = Find(kMotifs, colour);
    constexpr int kW = 120, kH = 90;
    QImage img = Canvas(kW, kH);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    FillVertical(p, QRectF(0, 0, kW, kH), m.colour.lighter(130), m.colour.darker(160));
    Glow(p, QPointF(kW / 2.0, 36), 54, Palette::kWarm, 80);
    Emoji(p, QRectF(kW / 2.0 - 28, 8, 56, 56), m.glyph);
    // A news lower-third: the white label block and a strip of headline.
    p.fillRect(QRectF(0, 70, kW, 20), QColor(0, 0, 0, 110));
    p.fillRect(QRectF(0, 70, 26, 20), Palette::kWhite);
    p.fillRect(QRectF(6, 76, 14, 8), m.colour);
    for (int i = 0; i < 3; ++i)
        p.fillRect(QRectF(32 + i * 28, 77, 22, 5), QColor(255, 255, 255, 190));
    ScanLines(p, QRectF(0, 0, kW, kH), 24);
    return img;
}

}  // namespace qvx::content::pictures
