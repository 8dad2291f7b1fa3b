#pragma once
// The twenty advantage cards. Only a human-run channel ever benefits from them.
#include <cstdint>
#include <string>

#include "GameState.h"

namespace qvx {

namespace Card {
constexpr int32_t kPaparazzi = 1, kTechnician = 2, kStarModerator = 3, kLawyer = 4, kHolidays = 5,
                  kConnections = 6, kProducer = 7, kHighDefinition = 8, kMob = 9, kRich = 10,
                  kTentpoling = 11, kThemingNews = 12, kThemingActionWar = 13,
                  kThemingCartoonComedy = 14, kThemingThriller = 15, kThemingLoveSoap = 16,
                  kThemingCulturalQuiz = 17, kThemingSport = 18, kThemingDrama = 19,
                  kThemingSciFi = 20;
}

// How many deck slots hold the card, for channel c: 0 for a computer-run channel.
inline int CardsOf(const GameState& gs, const Boosters& boosters, int c, int32_t card) {
    return gs.Channel[c][Ch::kHuman] == 1 ? BoosterCount(boosters, card) : 0;
}

// A card as the deck screen shows it.
struct BoosterCard {
    int32_t id;
    const char* name;
    bool stackable;
    const char* picture;  // the <picture> of "QVX2_Booster_<picture>.jpg"
    const char* description;
};
// The card with this id, or nullptr outside 1..20.
const BoosterCard* FindBoosterCard(int32_t id);
std::string BoosterPicture(const BoosterCard& card);    // "QVX2_Booster_News.jpg"
const char* StackabilityText(const BoosterCard& card);  // "[Stackable]" / "[Not stackable]"

// Drops card into deck slot 1..5, replacing what the slot held. A card that is not stackable
// first leaves the other slot holding it. False (nothing changed) for a slot or card out of range.
bool PlaceCard(Boosters& deck, int slot, int32_t card);
void ClearDeck(Boosters& deck);

// The movie agency's buying price for channel c: each Producer card takes a quarter of the
// undiscounted price off.
int32_t ProducerPrice(const GameState& gs, const Boosters& boosters, int c, int32_t price);

}  // namespace qvx
