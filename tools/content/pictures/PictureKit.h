#pragma once
// The shared look of every generated picture: the palette, the fonts, and the few drawing moves
// (panels, gradients, studio light, scan lines, emoji) that make the pictures one family.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <cstdint>
#include <string>
#include <string_view>

#include "Rng.h"
#include "Status.h"

namespace qvx::content::pictures {

namespace Palette {
inline const QColor kNight0{0x0d, 0x1b, 0x2a};
inline const QColor kNight1{0x1b, 0x26, 0x3b};
inline const QColor kNight2{0x2c, 0x3e, 0x5a};
inline const QColor kSteel{0x41, 0x5a, 0x77};
inline const QColor kMist{0xc9, 0xd6, 0xe3};
inline const QColor kWarm{0xff, 0xd1, 0x8a};
inline const QColor kAmber{0xf4, 0xa2, 0x61};
inline const QColor kRed{0xe6, 0x39, 0x46};
inline const QColor kYellow{0xff, 0xb7, 0x03};
inline const QColor kGreen{0x2a, 0x9d, 0x8f};
inline const QColor kBlue{0x21, 0x9e, 0xbc};
inline const QColor kWhite{0xff, 0xff, 0xff};
}  // namespace Palette

// Channel c = 1..4: Red, Yellow, Green, Blue.
QColor ChannelColour(int channel);

enum class FontFace { Sans, SansBold, Condensed, Serif, Emoji };

// Creates the offscreen QGuiApplication when the process has none and loads our fonts from
// their files, so the pictures do not depend on the machine's font configuration.
Status PrepareGui();
QFont Font(FontFace face, qreal pixelSize);

QImage Canvas(int width, int height);
// The small pictures shown over many backdrops are drawn on a clear canvas and saved on one
// flat key colour, which the game's picture cache makes transparent again (magenta, as the
// cache expects).
inline const QColor kColourKey{0xff, 0x00, 0xff};
QImage ClearCanvas(int width, int height);
// Opaque where the art covers at least half a pixel, the exact key colour elsewhere.
QImage OnColourKey(const QImage& art);
// Grey with its contrast kept (the bankrupt look that still shows its mark); alpha is kept.
QImage GreyedKeepingContrast(const QImage& art);
QColor Mix(const QColor& a, const QColor& b, qreal t);
QColor WithAlpha(QColor c, int alpha);

// A picture's own random stream: the seed of the run mixed with the picture's name, so that
// adding a picture never changes the others.
Rng PictureRng(uint64_t seed, std::string_view name);

void FillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom);
// The night-blue backdrop with a soft vignette.
void FillNight(QPainter& p, const QRectF& r);
// A rounded panel: soft shadow (at most 4 px), vertical gradient, thin light edge.
void Panel(QPainter& p, const QRectF& r, qreal radius, const QColor& top, const QColor& bottom,
           int shadow = 3);
// A warm radial pool of studio light.
void Glow(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour, int alpha);
// A cone of light from a ceiling lamp at apex towards the floor.
void LightCone(QPainter& p, const QPointF& apex, qreal length, qreal halfWidth, int alpha);
// The faint horizontal lines of a TV picture.
void ScanLines(QPainter& p, const QRectF& r, int alpha, int spacing = 3);
// One colour emoji (UTF-8) scaled into the target box, keeping its aspect.
void Emoji(QPainter& p, const QRectF& target, std::string_view utf8);
void TextCentred(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                 const QColor& colour, bool shadow = true);
// Grey (luma) and darker: the bankrupt look.
QImage Greyed(const QImage& image, qreal brightness);
QImage Scaled(const QImage& image, int width, int height);
// A regular star polygon with n points.
QPolygonF Star(const QPointF& centre, qreal outer, qreal inner, int points);

}  // namespace qvx::content::pictures
