#pragma once
// The computer companies' decisions at the end of a turn: the day's programme with the titles
// it needs, one broadcasting licence now and then, and trades in their own shares.
#include <array>
#include <bitset>

#include "Catalogue.h"
#include "GameState.h"
#include "Rng.h"

namespace qvx {

// A channel plans its own day when it is in business, not shut down, and either computer-run
// or auto-played.
bool IsEligibleForCompetitorTurn(const GameState& gs, int c);

// Plans channel c's ten hours, buying the titles it needs; a slot it cannot fill gets news.
void PlanCompetitorProgramme(GameState& gs, const Catalogue& cat, Rng& rng, int c);
// May buy channel c one broadcasting licence, aiming at the leader's regions when behind.
void DecideCompetitorLicence(GameState& gs, const Catalogue& cat, Rng& rng, int c);
// Buys back a block of channel c's own shares when threatened or cheap, else may sell holdings.
void DecideCompetitorStock(GameState& gs, Rng& rng, int c);

// Titles no agency may offer the computer: owned by any company or on any offer list. Built
// once per planner run so that the candidate scans stay linear in the catalogue.
using TakenTitles = std::bitset<kMovies + 1>;
TakenTitles TitlesTaken(const GameState& gs);

// Genre lists of the planner hold up to nine genres; 0 matches no title.
using GenreList = std::array<int32_t, 9>;
// A title of the given length (not a series) the budget buys, chosen at random among the
// candidates; a candidate priced in the budget's upper three quarters appears twice when the
// cheap ones are needed to make ten. 0 when there is none.
int32_t PickMovieOffer(const Catalogue& cat, const TakenTitles& taken, Rng& rng, int32_t hours,
                       int64_t budget, const GenreList& genres);
int32_t PickSeriesOffer(const Catalogue& cat, const TakenTitles& taken, Rng& rng, int32_t hours,
                        int64_t budget, const GenreList& genres);
// Buys the title for company c into its lowest free archive position; the title, or 0 when
// there is none, no free position, or not enough money.
int32_t AiBuyTitle(GameState& gs, const Catalogue& cat, int c, int32_t title);

}  // namespace qvx
