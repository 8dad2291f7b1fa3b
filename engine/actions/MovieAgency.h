#pragma once
// The player's trades at the movie agency: buying an offered title into a position of the movie
// archive, selling an archived title, and exchanging two archive positions. A buy and a sale
// are split around the confirmation question: the check never changes the game, the apply step
// checks again and then changes everything or nothing.
#include <cstdint>
#include <string>

#include "Catalogue.h"
#include "Dialog.h"
#include "GameState.h"

namespace qvx {

// The agency screen shows archive positions 1..27 only; position 28 has no image, so the player
// can never act on it.
constexpr int kAgencyArchivePositions = 27;

enum class MovieOutcome {
    Confirm,  // the check passed: the screen asks the question next
    Bought,
    Sold,
    Swapped,
    // The screen shows nothing for these two: an argument no screen could produce, or a drag
    // that started on an empty position (the game would ask about title 0 at price 0).
    Invalid,
    Empty,
    // Each of these is one "N/A" dialog.
    PositionFull,
    NotEnoughMoney,
    JournalFull,
};

struct MovieQuote {
    MovieOutcome outcome = MovieOutcome::Invalid;
    int32_t movie = 0;
    int32_t amount = 0;     // buying price after the Producer discount, or the sale offer
    int32_t realValue = 0;  // the undiscounted catalogue price (sale question)
};

// The price the player pays for title m, as the question and the info panel show it.
int32_t PlayerMoviePrice(const GameState& gs, const Catalogue& cat, const Boosters& boosters,
                         int32_t movie);
// What the agency offers channel c for title m.
int32_t MovieSaleOffer(const GameState& gs, const Catalogue& cat, int c, int32_t movie);

// Offer n dragged onto archive position k. The check refuses an occupied position before the
// question; money is tested only by the apply step, after the question.
MovieQuote CheckBuyMovie(const GameState& gs, const Catalogue& cat, const Boosters& boosters,
                         int offer, int position);
MovieQuote BuyMovie(GameState& gs, const Catalogue& cat, const Boosters& boosters, int offer,
                    int position);
// The title at archive position k dragged onto the offers.
MovieQuote CheckSellMovie(const GameState& gs, const Catalogue& cat, int position);
MovieQuote SellMovie(GameState& gs, const Catalogue& cat, int position);
// Archive position k dragged onto archive position j; k == j still uses a journal entry.
MovieOutcome SwapMovieArchive(GameState& gs, int from, int to);

// The "N/A" dialog of a refusal; empty for every other outcome.
Dialog MovieAgencyMessage(MovieOutcome outcome);
// The questions asked between check and apply, for a quote whose outcome is Confirm.
Dialog BuyMovieQuestion(const Catalogue& cat, const MovieQuote& quote);
Dialog SellMovieQuestion(const Catalogue& cat, const MovieQuote& quote);

}  // namespace qvx
