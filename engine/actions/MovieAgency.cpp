#include "MovieAgency.h"

#include <algorithm>

#include "Boosters.h"
#include "Formatting.h"

namespace qvx {

namespace {

// The turn's pending figures the agency books; moved into the accounts by the next turn cycle.
constexpr int kPendingMovieSales = 17;
constexpr int kPendingMoviePurchases = Acc::kMovieCost;

bool ValidArchivePosition(int k) {
    return k >= 1 && k <= kAgencyArchivePositions;
}
bool ValidOffer(int n) {
    return n >= 1 && n <= kShopPositions;
}

MovieQuote With(MovieQuote quote, MovieOutcome outcome) {
    quote.outcome = outcome;
    return quote;
}

std::string Quoted(const std::string& s) {
    return "\"" + s + "\"";
}

}  // namespace

int32_t PlayerMoviePrice(const GameState& gs, const Catalogue& cat, const Boosters& boosters,
                         int32_t movie) {
    if (!ValidMovie(movie)) return 0;
    return ProducerPrice(gs, boosters, gs.PlayerChannel, cat.MovieCatalogue[movie][Movie::kPrice]);
}

int32_t MovieSaleOffer(const GameState& gs, const Catalogue& cat, int c, int32_t movie) {
    if (!ValidMovie(movie) || !ValidChannel(c)) return 0;
    const Record& rec = cat.MovieCatalogue[movie];
    int32_t offer = rec[Movie::kPrice] / 2;
    if (rec[Movie::kRecentlyShown] > 0) offer /= 2;
    if (rec[Movie::kType] == Movie::kTypeSeries) {
        const int64_t halves = (int64_t{gs.EpisodesShown[c][movie]} + 1) / 2;
        offer = static_cast<int32_t>(offer / std::max<int64_t>(halves, 1));
    }
    return offer;
}

MovieQuote CheckBuyMovie(const GameState& gs, const Catalogue& cat, const Boosters& boosters,
                         int offer, int position) {
    MovieQuote quote;
    if (!ValidChannel(gs.PlayerChannel) || !ValidOffer(offer) || !ValidArchivePosition(position))
        return quote;
    const int c = gs.PlayerChannel;
    quote.movie = gs.ShopOffers[c][offer];
    if (quote.movie == 0) return With(quote, MovieOutcome::Empty);
    if (!ValidMovie(quote.movie)) return With(quote, MovieOutcome::Invalid);
    quote.amount = PlayerMoviePrice(gs, cat, boosters, quote.movie);
    quote.realValue = cat.MovieCatalogue[quote.movie][Movie::kPrice];
    if (gs.MovieArchive[c][position] != 0) return With(quote, MovieOutcome::PositionFull);
    return With(quote, MovieOutcome::Confirm);
}

MovieQuote BuyMovie(GameState& gs, const Catalogue& cat, const Boosters& boosters, int offer,
                    int position) {
    MovieQuote quote = CheckBuyMovie(gs, cat, boosters, offer, position);
    if (quote.outcome != MovieOutcome::Confirm) return quote;
    const int c = gs.PlayerChannel;
    if (!CanAfford(gs, c, quote.amount)) return With(quote, MovieOutcome::NotEnoughMoney);
    if (!RecordAction(gs, c, JournalKind::BuyMovie, quote.movie, position))
        return With(quote, MovieOutcome::JournalFull);
    Pay(gs, c, quote.amount);
    int32_t& purchases = gs.ChannelPendingIncome[c][kPendingMoviePurchases];
    purchases = AddSaturated(purchases, quote.amount);
    gs.MovieArchive[c][position] = quote.movie;
    gs.ShopOffers[c][offer] = 0;
    return With(quote, MovieOutcome::Bought);
}

MovieQuote CheckSellMovie(const GameState& gs, const Catalogue& cat, int position) {
    MovieQuote quote;
    if (!ValidChannel(gs.PlayerChannel) || !ValidArchivePosition(position)) return quote;
    const int c = gs.PlayerChannel;
    quote.movie = gs.MovieArchive[c][position];
    if (quote.movie == 0) return With(quote, MovieOutcome::Empty);
    if (!ValidMovie(quote.movie)) return With(quote, MovieOutcome::Invalid);
    quote.amount = MovieSaleOffer(gs, cat, c, quote.movie);
    quote.realValue = cat.MovieCatalogue[quote.movie][Movie::kPrice];
    return With(quote, MovieOutcome::Confirm);
}

MovieQuote SellMovie(GameState& gs, const Catalogue& cat, int position) {
    MovieQuote quote = CheckSellMovie(gs, cat, position);
    if (quote.outcome != MovieOutcome::Confirm) return quote;
    const int c = gs.PlayerChannel;
    if (!RecordAction(gs, c, JournalKind::SellMovie, quote.movie, 0))
        return With(quote, MovieOutcome::JournalFull);
    // A sold title may not stay planned: its hours fall back to no programme, ads stay.
    for (int slot = 1; slot <= kSlots; ++slot) {
        int32_t& programme = gs.Programme[c][slot][Slot::kProgramme];
        if (programme == quote.movie) programme = 0;
    }
    Credit(gs, c, quote.amount);
    int32_t& sales = gs.ChannelPendingIncome[c][kPendingMovieSales];
    sales = AddSaturated(sales, quote.amount);
    gs.MovieArchive[c][position] = 0;
    return With(quote, MovieOutcome::Sold);
}

MovieOutcome SwapMovieArchive(GameState& gs, int from, int to) {
    if (!ValidChannel(gs.PlayerChannel) || !ValidArchivePosition(from) || !ValidArchivePosition(to))
        return MovieOutcome::Invalid;
    const int c = gs.PlayerChannel;
    // The journal keeps the screen's drag codes, where archive positions are negative.
    if (!RecordAction(gs, c, JournalKind::SwapMovieArchive, -from, -to))
        return MovieOutcome::JournalFull;
    std::swap(gs.MovieArchive[c][from], gs.MovieArchive[c][to]);
    return MovieOutcome::Swapped;
}

Dialog MovieAgencyMessage(MovieOutcome outcome) {
    switch (outcome) {
        case MovieOutcome::PositionFull:
            return Refusal("This position in your movie archive is already full.");
        case MovieOutcome::NotEnoughMoney:
            return Refusal("You do not have enough money!");
        case MovieOutcome::JournalFull:
            return Refusal(kJournalFullText);
        case MovieOutcome::Confirm:
        case MovieOutcome::Bought:
        case MovieOutcome::Sold:
        case MovieOutcome::Swapped:
        case MovieOutcome::Invalid:
        case MovieOutcome::Empty:
            break;
    }
    return {};
}

Dialog BuyMovieQuestion(const Catalogue& cat, const MovieQuote& quote) {
    if (!ValidMovie(quote.movie)) return {};
    // "his movie" is the game's own wording.
    return {Quoted(cat.MovieTitles[quote.movie]),
            "Do you really wish to buy a one-time license to broadcast his movie for $ " +
                FormatAmount(quote.amount) + " millions?"};
}

Dialog SellMovieQuestion(const Catalogue& cat, const MovieQuote& quote) {
    if (!ValidMovie(quote.movie)) return {};
    return {Quoted(cat.MovieTitles[quote.movie]),
            "\"Rent-a-movie Ltd. is proud to offer you the fair sum of " +
                FormatAmount(quote.amount) + " $ (real value: " + FormatAmount(quote.realValue) +
                " $) for this movie.\" - Do really you wish to sell?"};
}

}  // namespace qvx
