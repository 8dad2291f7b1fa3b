#pragma once
// The twenty advantage cards. Only a human-run channel ever benefits from them.
#include <cstdint>

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

}  // namespace qvx
