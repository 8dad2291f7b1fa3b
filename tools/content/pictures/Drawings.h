#pragma once
// Every drawing of the picture set, each returning a finished picture at its screen size.
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <string_view>

#include "Rng.h"

namespace qvx::content::pictures {

// Faces: group 1..5 = Kids, Teens, Women, Men, Seniors; mood 1..6 = delighted .. appalled.
QImage DrawFace(int group, int mood);

// Company logo k = 1..8 at size x size (the big one 200 x 200 on its night backdrop); clear =
// the mark alone on a clear canvas, for the pictures saved on the key colour.
QImage DrawLogo(int logo, int size = 200, bool clear = false);

// The licence map of map 1..5 (840 x 600) and the region marker (32 x 32, on a clear canvas).
QImage DrawMap(int map, Rng& rng);
QImage DrawRegionMarker(bool lit);
// The small poster of a scenario's map (320 x 240).
QImage DrawScenarioPoster(int map, Rng& rng);

// TV pictures, 384 x 288.
QImage DrawGenrePoster(std::string_view word, Rng& rng);
QImage DrawNewsShow(Rng& rng);
QImage DrawAdBreak(Rng& rng);
QImage DrawTvOff(Rng& rng);

// Booster cards (120 x 160): News, Tech, Host, Lawyer, Movies, Money.
QImage DrawBoosterCard(std::string_view kind);
// Programme table tiles (72 x 72): News, Movie, Series, Ads, Empty.
QImage DrawArchiveTile(std::string_view kind);
// Programme row pictures (48 x 36): News, Movie, Ad.
QImage DrawSlotPicture(std::string_view kind);
// News agency pictures (120 x 90): Blue (politics), Pink (stars), Orange (sport).
QImage DrawNewsSpot(std::string_view colour);

// Buttons: the label is drawn by the screen, so none carries text.
QImage DrawWideButton(int width, int height, bool lit);
QImage DrawOfficeButton(int k, bool lit);
void DrawOfficeIcon(QPainter& p, int k, const QRectF& box);
QImage DrawWatchButton(int channel, bool pressed);
QImage DrawTransportButton(bool play, bool pressed);
// A company bubble (40 x 40) on a clear canvas.
QImage DrawBubble(int channel);

// Screen backgrounds.
QImage DrawMainBackground(Rng& rng);
// kind: start, newgame, office, summary, screen, custom (1024 x 768) or dialog (520 x 280).
QImage DrawScreenBackground(std::string_view kind, Rng& rng);

}  // namespace qvx::content::pictures
