#pragma once
// What the news agency shows: tomorrow's three show positions, the five articles on offer and
// the money, as texts and pictures built from the game state.
#include <array>
#include <string>

#include "Catalogue.h"
#include "GameState.h"

namespace qvx {

struct NewsCard {
    // Empty show positions stay visible in blind mode only, so their hint can be read out;
    // an empty offer, or an article of an unknown category, is hidden.
    enum class Shown { Always, BlindOnly, Never };
    Shown shown = Shown::Never;
    int32_t article = 0;
    std::string topic;    // "Politics", "Stars & Lifestyle": one ampersand, as the player reads it
    std::string text;     // the article, or the hint of an empty show position
    std::string picture;  // "QVX2_BlueNewsspot.jpg"; empty without an article
    bool inShow = false;  // an offer already chosen for the show
};

struct NewsAgencyView {
    std::string money;  // "$ 1,250 millions"
    std::array<NewsCard, kNewsShowPositions> show{};
    std::array<NewsCard, kNewsOfferPositions> offers{};
};
NewsAgencyView BuildNewsAgencyView(const GameState& gs, const Catalogue& cat);

}  // namespace qvx
