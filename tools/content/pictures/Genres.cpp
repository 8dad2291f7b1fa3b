// What the office TV shows: one small poster per genre, the news studio, the ad break and the
// idle screen. All share the poster layout (gradient, light rays, big glyph, scan lines).
#include <QPainterPath>
#include <QRadialGradient>
#include <array>
#include <cmath>
#include <numbers>
#include <tuple>

#include "Drawings.h"
#include "PictureKit.h"

namespace qvx::content::pictures {

namespace {

constexpr int kWidth = 384;
constexpr int kHeight = 288;

enum class Sprinkle { None, Stars, Hearts, Questions, Bokeh, Pitch, Sun, Notes };

struct Genre {
    std::string_view word;
    const char* glyph;  // UTF-8 colour emoji
    QColor top, bottom;
    Sprinkle sprinkle;
};

// clang-format off
const std::array<Genre, 15> kGenres = {{
    {"action",   "\U0001F4A5", QColor(0xf2, 0x6b, 0x3a), QColor(0x7a, 0x10, 0x20), Sprinkle::Bokeh},
    {"cartoon",  "\U0001F430", QColor(0xff, 0xd1, 0x66), QColor(0xf0, 0x7b, 0x3f), Sprinkle::Stars},
    {"crime",    "\U0001F50D", QColor(0x3d, 0x5a, 0x80), QColor(0x0d, 0x1b, 0x2a), Sprinkle::Bokeh},
    {"love",     "\u2764\uFE0F", QColor(0xff, 0x8f, 0xab), QColor(0x9d, 0x1f, 0x4f), Sprinkle::Hearts},
    {"thriller", "\U0001F441\uFE0F", QColor(0x5a, 0x3d, 0x7a), QColor(0x12, 0x0b, 0x1f), Sprinkle::Bokeh},
    {"quiz",     "\u2753", QColor(0x4c, 0x6e, 0xf5), QColor(0x2b, 0x1a, 0x6b), Sprinkle::Questions},
    {"cultural", "\U0001F3DB\uFE0F", QColor(0x2a, 0x9d, 0x8f), QColor(0x12, 0x3a, 0x4a), Sprinkle::Notes},
    {"soap",     "\U0001F942", QColor(0xf4, 0xa2, 0x61), QColor(0x9a, 0x3b, 0x6e), Sprinkle::Bokeh},
    {"sport",    "\u26BD", QColor(0x52, 0xb7, 0x88), QColor(0x1b, 0x5e, 0x3a), Sprinkle::Pitch},
    {"war",      "\U0001FA96", QColor(0x7d, 0x86, 0x5a), QColor(0x26, 0x2b, 0x1c), Sprinkle::Bokeh},
    {"western",  "\U0001F920", QColor(0xf6, 0xbd, 0x60), QColor(0x8c, 0x4a, 0x22), Sprinkle::Sun},
    {"comedy",   "\U0001F602", QColor(0xff, 0xe0, 0x66), QColor(0x2a, 0x9d, 0x8f), Sprinkle::Stars},
    {"medieval", "\U0001F3F0", QColor(0x6d, 0x7f, 0xb0), QColor(0x23, 0x1f, 0x4a), Sprinkle::Stars},
    {"drama",    "\U0001F3AD", QColor(0xb5, 0x4a, 0x5f), QColor(0x2d, 0x12, 0x2a), Sprinkle::Bokeh},
    {"scifi",    "\U0001F680", QColor(0x3a, 0x2f, 0x8f), QColor(0x06, 0x0b, 0x24), Sprinkle::Stars},
}};
// clang-format on

// Faint rays from behind the glyph, as on a film poster.
void Rays(QPainter& p, const QPointF& centre, int alpha) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, alpha));
    constexpr int kRays = 16;
    for (int i = 0; i < kRays; ++i) {
        const qreal a = i * 2 * std::numbers::pi / kRays;
        const qreal w = std::numbers::pi / kRays * 0.55;
        QPolygonF ray;
        ray << centre << centre + QPointF(std::cos(a - w), std::sin(a - w)) * 420
            << centre + QPointF(std::cos(a + w), std::sin(a + w)) * 420;
        p.drawPolygon(ray);
    }
    p.restore();
}

void Heart(QPainter& p, const QPointF& c, qreal size, const QColor& colour) {
    QPainterPath heart;
    heart.moveTo(c + QPointF(0, size * 0.35));
    heart.cubicTo(c + QPointF(-size * 0.9, -size * 0.2), c + QPointF(-size * 0.35, -size * 0.85),
                  c + QPointF(0, -size * 0.3));
    heart.cubicTo(c + QPointF(size * 0.35, -size * 0.85), c + QPointF(size * 0.9, -size * 0.2),
                  c + QPointF(0, size * 0.35));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPath(heart);
}

void Sprinkles(QPainter& p, Sprinkle kind, Rng& rng) {
    p.save();
    const auto randomPoint = [&rng]() {
        return QPointF(12 + rng.Random(kWidth - 24), 10 + rng.Random(kHeight - 20));
    };
    switch (kind) {
        case Sprinkle::Stars:
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 22; ++i) {
                const QPointF at = randomPoint();
                const qreal r = 1.5 + rng.Random(4);
                p.setBrush(QColor(255, 255, 255, 90 + rng.Random(120)));
                p.drawPolygon(Star(at, r * 1.8, r * 0.6, 4));
            }
            break;
        case Sprinkle::Hearts:
            for (int i = 0; i < 14; ++i)
                Heart(p, randomPoint(), 8 + rng.Random(12),
                      QColor(255, 255, 255, 50 + rng.Random(70)));
            break;
        case Sprinkle::Questions:
            for (int i = 0; i < 12; ++i) {
                const QPointF at = randomPoint();
                p.setFont(Font(FontFace::SansBold, 14 + rng.Random(22)));
                p.setPen(QColor(255, 255, 255, 50 + rng.Random(70)));
                p.drawText(at, "?");
            }
            break;
        case Sprinkle::Notes:
            for (int i = 0; i < 10; ++i) {
                const QPointF at = randomPoint();
                p.setFont(Font(FontFace::Sans, 16 + rng.Random(16)));
                p.setPen(QColor(255, 255, 255, 50 + rng.Random(70)));
                p.drawText(at,
                           i % 2 == 0 ? QString::fromUtf8("\u266A") : QString::fromUtf8("\u266B"));
            }
            break;
        case Sprinkle::Bokeh:
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 14; ++i) {
                const qreal r = 6 + rng.Random(18);
                p.setBrush(QColor(255, 255, 255, 14 + rng.Random(26)));
                p.drawEllipse(randomPoint(), r, r);
            }
            break;
        case Sprinkle::Pitch:
            p.setPen(QPen(QColor(255, 255, 255, 70), 3));
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(kWidth / 2.0, 0), QPointF(kWidth / 2.0, kHeight));
            p.drawEllipse(QPointF(kWidth / 2.0, kHeight / 2.0), 70, 70);
            p.drawRect(QRectF(-4, 70, 60, 148));
            p.drawRect(QRectF(kWidth - 56, 70, 60, 148));
            break;
        case Sprinkle::Sun:
            Glow(p, QPointF(300, 70), 90, QColor(0xff, 0xe3, 0x9a), 170);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x8c, 0x4a, 0x22, 140));  // mesas on the horizon
            {
                QPolygonF mesas;
                mesas << QPointF(0, 250) << QPointF(0, 210) << QPointF(40, 210) << QPointF(55, 230)
                      << QPointF(300, 230) << QPointF(315, 200) << QPointF(370, 200)
                      << QPointF(384, 220) << QPointF(384, 250);
                p.drawPolygon(mesas);
            }
            break;
        case Sprinkle::None:
            break;
    }
    p.restore();
}

// The finishing touches of every TV picture: vignette, scan lines and a glass glare.
void ScreenFinish(QPainter& p) {
    const QRectF all(0, 0, kWidth, kHeight);
    QRadialGradient vignette(all.center(), kWidth * 0.7);
    vignette.setColorAt(0.6, QColor(0, 0, 0, 0));
    vignette.setColorAt(1.0, QColor(0, 0, 0, 120));
    p.fillRect(all, vignette);
    ScanLines(p, all, 26);
    QLinearGradient glare(0, 0, kWidth * 0.6, kHeight * 0.6);
    glare.setColorAt(0, QColor(255, 255, 255, 34));
    glare.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(all, glare);
}

QImage Poster(const QColor& top, const QColor& bottom, Sprinkle sprinkle, const char* glyph,
              Rng& rng) {
    QImage img = Canvas(kWidth, kHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    FillVertical(p, QRectF(0, 0, kWidth, kHeight), top, bottom);
    const QPointF centre(kWidth / 2.0, kHeight / 2.0 - 10);
    Rays(p, centre, 16);
    Sprinkles(p, sprinkle, rng);
    Glow(p, centre, 130, Palette::kWarm, 90);
    // The glyph stands on a soft floor shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(centre.x(), centre.y() + 86), 78, 12);
    Emoji(p, QRectF(centre.x() - 80, centre.y() - 80, 160, 160), glyph);
    ScreenFinish(p);
    return img;
}

}  // namespace

QImage DrawGenrePoster(std::string_view word, Rng& rng) {
    for (const Genre& g : kGenres) {
        if (g.word == word) return Poster(g.top, g.bottom, g.sprinkle, g.glyph, rng);
    }
    return Poster(Palette::kSteel, Palette::kNight0, Sprinkle::None, "\U0001F4FA", rng);
}

QImage DrawNewsShow(Rng& rng) {
    QImage img = Canvas(kWidth, kHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    FillVertical(p, QRectF(0, 0, kWidth, kHeight), QColor(0x1d, 0x4e, 0x89),
                 QColor(0x0b, 0x1d, 0x3a));
    // The studio wall: a big screen with the globe, light strips left and right.
    Panel(p, QRectF(150, 26, 210, 140), 10, QColor(0x2f, 0x6f, 0xb5), QColor(0x14, 0x3a, 0x6e));
    Emoji(p, QRectF(195, 36, 120, 120), "\U0001F30D");
    for (int i = 0; i < 6; ++i) {
        p.fillRect(QRectF(18 + i * 18, 30, 8, 130), QColor(255, 255, 255, 20 + rng.Random(25)));
    }
    // The presenter behind the desk.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x26, 0x32, 0x48));
    p.drawEllipse(QPointF(96, 226), 58, 62);
    const QColor skin(0xe8, 0xb8, 0x90), ink(0x2a, 0x1e, 0x1e);
    p.setBrush(skin.darker(108));
    for (const int side : {-1, 1})
        p.drawEllipse(QPointF(96 + side * 28, 132), 5, 7);
    p.setBrush(skin);
    p.drawEllipse(QPointF(96, 128), 28, 32);
    p.setBrush(QColor(0x3b, 0x2a, 0x20));
    p.drawChord(QRectF(66, 92, 60, 54), 0, 180 * 16);
    // A calm, trustworthy face: level brows, open eyes, a small closed smile.
    for (const int side : {-1, 1}) {
        const QPointF eye(96 + side * 10, 131);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::kWhite);
        p.drawEllipse(eye, 5, 4);
        p.setBrush(ink);
        p.drawEllipse(eye + QPointF(0, 0.4), 2.6, 2.8);
        p.setPen(QPen(QColor(0x3b, 0x2a, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(eye + QPointF(-side * 5, -8), eye + QPointF(side * 6, -9));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(skin.darker(135), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(92, 134, 8, 8), 200 * 16, 140 * 16);
    p.setPen(QPen(QColor(0x9a, 0x3a, 0x3a), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath smile;
    smile.moveTo(86, 147);
    smile.quadTo(96, 155, 106, 147);
    p.drawPath(smile);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kWhite);
    QPolygonF collar;
    collar << QPointF(80, 166) << QPointF(96, 188) << QPointF(112, 166);
    p.drawPolygon(collar);
    p.setBrush(Palette::kRed);
    QPolygonF tie;
    tie << QPointF(92, 172) << QPointF(100, 172) << QPointF(102, 200) << QPointF(96, 208)
        << QPointF(90, 200);
    p.drawPolygon(tie);
    Panel(p, QRectF(-10, 196, kWidth + 20, 60), 6, QColor(0x40, 0x55, 0x75),
          QColor(0x1b, 0x26, 0x3b), 4);
    // The lower-third band.
    p.fillRect(QRectF(0, 252, kWidth, 36), Palette::kRed);
    p.fillRect(QRectF(0, 252, 104, 36), Palette::kWhite);
    TextCentred(p, QRectF(0, 252, 104, 36), "NEWS", Font(FontFace::SansBold, 20), Palette::kRed,
                false);
    p.setPen(QColor(255, 255, 255, 200));
    for (int i = 0; i < 5; ++i) {
        p.fillRect(QRectF(118 + i * 54, 266, 38 + rng.Random(10), 6), QColor(255, 255, 255, 170));
    }
    ScreenFinish(p);
    return img;
}

QImage DrawAdBreak(Rng& rng) {
    QImage img = Poster(QColor(0xff, 0x7a, 0x59), QColor(0x7b, 0x2c, 0xbf), Sprinkle::Stars,
                        "\U0001F6CD\uFE0F", rng);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Price tags swinging in from the corners.
    for (const auto& [x, y, angle] :
         {std::tuple{70.0, 70.0, -20.0}, std::tuple{312.0, 214.0, 16.0}}) {
        p.save();
        p.translate(x, y);
        p.rotate(angle);
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::kYellow);
        QPolygonF tag;
        tag << QPointF(-34, -16) << QPointF(22, -16) << QPointF(36, 0) << QPointF(22, 16)
            << QPointF(-34, 16);
        p.drawPolygon(tag);
        p.setBrush(QColor(0x7b, 0x2c, 0xbf));
        p.drawEllipse(QPointF(24, 0), 4, 4);
        TextCentred(p, QRectF(-34, -16, 56, 32), "%", Font(FontFace::SansBold, 22),
                    QColor(0x7b, 0x2c, 0xbf), false);
        p.restore();
    }
    return img;
}

QImage DrawTvOff(Rng& rng) {
    QImage img = Canvas(kWidth, kHeight);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    FillVertical(p, QRectF(0, 0, kWidth, kHeight), QColor(0x10, 0x16, 0x20),
                 QColor(0x05, 0x08, 0x0e));
    Glow(p, QPointF(kWidth / 2.0, kHeight / 2.0), 150, QColor(0x6f, 0x8f, 0xb8), 40);
    // A few grains of static that stayed on the glass.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 160; ++i) {
        p.setBrush(QColor(255, 255, 255, 6 + rng.Random(14)));
        p.drawRect(QRectF(rng.Random(kWidth), rng.Random(kHeight), 2, 1));
    }
    p.setBrush(QColor(0xff, 0x5a, 0x5f, 200));  // the standby light
    p.drawEllipse(QPointF(kWidth - 22, kHeight - 18), 3.5, 3.5);
    Glow(p, QPointF(kWidth - 22, kHeight - 18), 14, Palette::kRed, 90);
    ScreenFinish(p);
    return img;
}

}  // namespace qvx::content::pictures
