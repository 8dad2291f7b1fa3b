#pragma once
// What the agencies offer each turn: the ad contracts drawn for every channel, the ad, movie and
// news offers. Run by the turn cycle and, for the first offers, by the new game.
#include "Catalogue.h"
#include "GameState.h"
#include "Rng.h"

namespace qvx {

// Draws every contract of every channel's ad pool anew, except the accepted ones.
void RefreshAdPool(GameState& gs, const Catalogue& cat, const Boosters& boosters, Rng& rng);
// Refills the 14 ad offers of every channel. The turn cycle makes one random probe per
// position; the new game makes up to 31, probe d drawing from 1..100 div d.
void RefreshAdOffers(GameState& gs, Rng& rng, int probesPerPosition);
// Clears and refills the 14 movie offers of every channel.
void RefreshMovieOffers(GameState& gs, const Catalogue& cat, Rng& rng);
// Clears and refills both news offer lists of every channel.
void RefreshNewsOffers(GameState& gs, const Catalogue& cat, Rng& rng);

}  // namespace qvx
