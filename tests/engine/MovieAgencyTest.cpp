#include "MovieAgency.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "Boosters.h"
#include "EngineTestSupport.h"

namespace qvx {
namespace {

constexpr int kPlayer = 2;
constexpr int32_t kFilm = 7;      // a movie priced 40
constexpr int32_t kSeries = 12;   // a series priced 60
constexpr int32_t kOldFilm = 33;  // a movie priced 35, recently broadcast

struct MovieWorld {
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    std::unique_ptr<Catalogue> ownedCat = std::make_unique<Catalogue>();
    GameState& gs = *owned;
    Catalogue& cat = *ownedCat;
    Boosters deck;

    MovieWorld() {
        gs.PlayerChannel = kPlayer;
        gs.Channel[kPlayer][Ch::kActive] = 1;
        gs.Channel[kPlayer][Ch::kHuman] = 1;
        gs.Channel[kPlayer][Ch::kMoney] = 1000;
        AddTitle(kFilm, "Harbour Lights", Movie::kTypeMovie, 40, 0);
        AddTitle(kSeries, "Copper Valley", Movie::kTypeSeries, 60, 0);
        AddTitle(kOldFilm, "The Long Thaw", Movie::kTypeMovie, 35, 1);
        gs.ShopOffers[kPlayer][3] = kFilm;
        gs.ShopOffers[kPlayer][9] = kSeries;
        gs.MovieArchive[kPlayer][5] = kOldFilm;
    }
    void AddTitle(int32_t m, const char* title, int32_t type, int32_t price, int32_t marker) {
        cat.MovieCatalogue[m][Movie::kType] = type;
        cat.MovieCatalogue[m][Movie::kPrice] = price;
        cat.MovieCatalogue[m][Movie::kRecentlyShown] = marker;
        cat.MovieTitles[m] = title;
    }
    void Producers(int n) {
        for (int i = 1; i <= n; ++i)
            deck.ActiveBoosters[i] = Card::kProducer;
    }
    void FillJournal() {
        for (int i = 1; i <= kJournalEntries; ++i)
            gs.ActionJournal[kPlayer][i] = {JournalKind::BuyBackBonds, 1, 1};
    }
    std::unique_ptr<GameState> Copy() const { return std::make_unique<GameState>(gs); }
};

struct PriceCase {
    int32_t price;
    int producers;
    bool human;
    int32_t expected;
};

class MovieAgencyPriceTest : public testing::TestWithParam<PriceCase> {};

TEST_P(MovieAgencyPriceTest, EachProducerTakesAQuarterOfTheFullPrice) {
    const PriceCase& p = GetParam();
    MovieWorld w;
    w.cat.MovieCatalogue[kFilm][Movie::kPrice] = p.price;
    w.gs.Channel[kPlayer][Ch::kHuman] = p.human ? 1 : 0;
    w.Producers(p.producers);
    EXPECT_EQ(PlayerMoviePrice(w.gs, w.cat, w.deck, kFilm), p.expected);
    // The question shows the same price as the info panel.
    const MovieQuote quote = CheckBuyMovie(w.gs, w.cat, w.deck, 3, 1);
    EXPECT_EQ(quote.amount, p.expected);
    EXPECT_EQ(quote.realValue, p.price);
}

INSTANTIATE_TEST_SUITE_P(Cases, MovieAgencyPriceTest,
                         testing::Values(PriceCase{40, 0, true, 40}, PriceCase{40, 1, true, 30},
                                         PriceCase{40, 2, true, 20},
                                         // 41 - 2 x 10, not 41 x 0.75 x 0.75 nor (41-10)-7.
                                         PriceCase{41, 2, true, 21}, PriceCase{3, 1, true, 3},
                                         PriceCase{40, 2, false, 40}));

struct SaleCase {
    int32_t type;
    int32_t price;
    int32_t marker;
    int32_t episodesShown;
    int32_t expected;
};

class MovieAgencySaleOfferTest : public testing::TestWithParam<SaleCase> {};

TEST_P(MovieAgencySaleOfferTest, HalfTheFullPriceThenMarkerThenEpisodes) {
    const SaleCase& s = GetParam();
    MovieWorld w;
    w.AddTitle(kFilm, "Harbour Lights", s.type, s.price, s.marker);
    w.gs.EpisodesShown[kPlayer][kFilm] = s.episodesShown;
    w.Producers(2);  // the offer ignores the buying discount
    EXPECT_EQ(MovieSaleOffer(w.gs, w.cat, kPlayer, kFilm), s.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MovieAgencySaleOfferTest,
                         testing::Values(SaleCase{Movie::kTypeMovie, 35, 0, 0, 17},
                                         SaleCase{Movie::kTypeMovie, 35, 1, 0, 8},
                                         // Episodes shown only matter for a series.
                                         SaleCase{Movie::kTypeMovie, 60, 0, 3, 30},
                                         SaleCase{Movie::kTypeShow, 60, 0, 3, 30},
                                         SaleCase{Movie::kTypeSeries, 60, 0, 0, 30},
                                         SaleCase{Movie::kTypeSeries, 60, 0, 1, 30},
                                         SaleCase{Movie::kTypeSeries, 60, 0, 2, 30},
                                         SaleCase{Movie::kTypeSeries, 60, 0, 3, 15},
                                         SaleCase{Movie::kTypeSeries, 60, 0, 5, 10},
                                         // 99 div 2 = 49, div 2 = 24, div (7+1) div 2 = 4 -> 6.
                                         SaleCase{Movie::kTypeSeries, 99, 1, 7, 6}));

TEST(MovieAgencyBuy, OccupiedPositionIsRefusedBeforeTheQuestionMoneyAfterIt) {
    MovieWorld w;
    w.gs.Channel[kPlayer][Ch::kMoney] = 39;
    w.gs.MovieArchive[kPlayer][1] = kSeries;
    const auto before = w.Copy();

    EXPECT_EQ(CheckBuyMovie(w.gs, w.cat, w.deck, 3, 1).outcome, MovieOutcome::PositionFull);
    EXPECT_EQ(BuyMovie(w.gs, w.cat, w.deck, 3, 1).outcome, MovieOutcome::PositionFull);
    // Money is not looked at before the question ...
    EXPECT_EQ(CheckBuyMovie(w.gs, w.cat, w.deck, 3, 2).outcome, MovieOutcome::Confirm);
    // ... but refuses the purchase after it.
    const MovieQuote quote = BuyMovie(w.gs, w.cat, w.deck, 3, 2);
    EXPECT_EQ(quote.outcome, MovieOutcome::NotEnoughMoney);
    EXPECT_EQ(MovieAgencyMessage(quote.outcome), (Dialog{"N/A", "You do not have enough money!"}));
    EXPECT_EQ(MovieAgencyMessage(MovieOutcome::PositionFull),
              (Dialog{"N/A", "This position in your movie archive is already full."}));
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

TEST(MovieAgencyBuy, PaysTheDiscountedPriceAndMovesTheTitle) {
    MovieWorld w;
    w.Producers(1);
    w.gs.Channel[kPlayer][Ch::kMoney] = 30;  // exactly the discounted price
    w.gs.ChannelPendingIncome[kPlayer][19] = 100;
    w.gs.ActionJournal[kPlayer][1] = {JournalKind::BuyShares, 1, 1};

    const MovieQuote quote = BuyMovie(w.gs, w.cat, w.deck, 3, 27);
    ASSERT_EQ(quote.outcome, MovieOutcome::Bought);
    EXPECT_EQ(w.gs.Channel[kPlayer][Ch::kMoney], 0);
    EXPECT_EQ(w.gs.ChannelPendingIncome[kPlayer][19], 130);
    EXPECT_EQ(w.gs.MovieArchive[kPlayer][27], kFilm);
    EXPECT_EQ(w.gs.ShopOffers[kPlayer][3], 0);
    EXPECT_EQ(w.gs.ShopOffers[kPlayer][9], kSeries);
    EXPECT_EQ(w.gs.ActionJournal[kPlayer][2], (JournalEntry{JournalKind::BuyMovie, kFilm, 27}));
    EXPECT_EQ(w.gs.ActionJournal[kPlayer][3], JournalEntry{});
    // The emptied offer cannot be bought twice.
    EXPECT_EQ(BuyMovie(w.gs, w.cat, w.deck, 3, 1).outcome, MovieOutcome::Empty);
}

TEST(MovieAgencySell, CreditsTheOfferAndEmptiesTheProgrammeSlotsOfTheTitle) {
    MovieWorld w;
    auto& programme = w.gs.Programme[kPlayer];
    programme[1][Slot::kProgramme] = kOldFilm;
    programme[1][Slot::kAd] = 4;
    programme[2][Slot::kProgramme] = kOldFilm;
    programme[3][Slot::kProgramme] = Slot::kNewsShow;
    programme[10][Slot::kProgramme] = kOldFilm;
    w.gs.Programme[1][4][Slot::kProgramme] = kOldFilm;  // another channel's plan
    w.gs.ChannelPendingIncome[kPlayer][17] = 5;

    const MovieQuote check = CheckSellMovie(w.gs, w.cat, 5);
    ASSERT_EQ(check.outcome, MovieOutcome::Confirm);
    EXPECT_EQ(check.amount, 8);
    const MovieQuote quote = SellMovie(w.gs, w.cat, 5);
    ASSERT_EQ(quote.outcome, MovieOutcome::Sold);
    EXPECT_EQ(w.gs.Channel[kPlayer][Ch::kMoney], 1008);
    EXPECT_EQ(w.gs.ChannelPendingIncome[kPlayer][17], 13);
    EXPECT_EQ(w.gs.MovieArchive[kPlayer][5], 0);
    EXPECT_EQ(w.gs.ActionJournal[kPlayer][1], (JournalEntry{JournalKind::SellMovie, kOldFilm, 0}));
    EXPECT_EQ(programme[1][Slot::kProgramme], 0);
    EXPECT_EQ(programme[1][Slot::kAd], 4);
    EXPECT_EQ(programme[2][Slot::kProgramme], 0);
    EXPECT_EQ(programme[3][Slot::kProgramme], Slot::kNewsShow);
    EXPECT_EQ(programme[10][Slot::kProgramme], 0);
    EXPECT_EQ(w.gs.Programme[1][4][Slot::kProgramme], kOldFilm);
    // The title does not return to the offers.
    for (int n = 1; n <= kShopPositions; ++n)
        EXPECT_NE(w.gs.ShopOffers[kPlayer][n], kOldFilm);
}

TEST(MovieAgencyQuestions, ShowTheTitleAndFormattedAmounts) {
    MovieWorld w;
    w.AddTitle(kFilm, "Harbour Lights", Movie::kTypeMovie, 4001, 0);
    w.gs.ShopOffers[kPlayer][3] = kFilm;
    w.gs.MovieArchive[kPlayer][6] = kFilm;
    w.Producers(1);  // 4001 - 1000
    EXPECT_EQ(BuyMovieQuestion(w.cat, CheckBuyMovie(w.gs, w.cat, w.deck, 3, 1)),
              (Dialog{"\"Harbour Lights\"",
                      "Do you really wish to buy a one-time license to broadcast his movie "
                      "for $ 3,001 millions?"}));
    EXPECT_EQ(SellMovieQuestion(w.cat, CheckSellMovie(w.gs, w.cat, 6)),
              (Dialog{"\"Harbour Lights\"",
                      "\"Rent-a-movie Ltd. is proud to offer you the fair sum of 2,000 $ "
                      "(real value: 4,001 $) for this movie.\" - Do really you wish to "
                      "sell?"}));
}

TEST(MovieAgencySwap, ExchangesAndJournalsTheNegatedPositions) {
    MovieWorld w;
    ASSERT_EQ(SwapMovieArchive(w.gs, 5, 27), MovieOutcome::Swapped);
    EXPECT_EQ(w.gs.MovieArchive[kPlayer][5], 0);
    EXPECT_EQ(w.gs.MovieArchive[kPlayer][27], kOldFilm);
    EXPECT_EQ(w.gs.ActionJournal[kPlayer][1],
              (JournalEntry{JournalKind::SwapMovieArchive, -5, -27}));

    const auto before = w.Copy();
    ASSERT_EQ(SwapMovieArchive(w.gs, 27, 27), MovieOutcome::Swapped);
    EXPECT_EQ(w.gs.ActionJournal[kPlayer][2],
              (JournalEntry{JournalKind::SwapMovieArchive, -27, -27}));
    EXPECT_EQ(w.gs.MovieArchive, before->MovieArchive);
}

TEST(MovieAgency, FullJournalRefusesEveryActionAndChangesNothing) {
    MovieWorld w;
    w.FillJournal();
    const auto before = w.Copy();
    EXPECT_EQ(CheckBuyMovie(w.gs, w.cat, w.deck, 3, 1).outcome, MovieOutcome::Confirm);
    EXPECT_EQ(BuyMovie(w.gs, w.cat, w.deck, 3, 1).outcome, MovieOutcome::JournalFull);
    EXPECT_EQ(SellMovie(w.gs, w.cat, 5).outcome, MovieOutcome::JournalFull);
    EXPECT_EQ(SwapMovieArchive(w.gs, 5, 6), MovieOutcome::JournalFull);
    EXPECT_EQ(MovieAgencyMessage(MovieOutcome::JournalFull),
              (Dialog{"N/A", "You have reached the max. number of actions this turn."}));
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

struct BadArgs {
    int offer;
    int position;
    int other;
    MovieOutcome buy;   // offer onto position
    MovieOutcome sell;  // position
    MovieOutcome swap;  // position onto other
};

class MovieAgencyBadArgsTest : public testing::TestWithParam<BadArgs> {};

TEST_P(MovieAgencyBadArgsTest, AreRefusedWithoutChange) {
    const BadArgs& a = GetParam();
    MovieWorld w;
    w.gs.ShopOffers[kPlayer][14] = kMovies + 1;  // an id no catalogue holds
    w.gs.MovieArchive[kPlayer][28] = kFilm;      // the position the screen cannot show
    w.gs.MovieArchive[kPlayer][1] = -3;
    const auto before = w.Copy();
    EXPECT_EQ(BuyMovie(w.gs, w.cat, w.deck, a.offer, a.position).outcome, a.buy);
    EXPECT_EQ(SellMovie(w.gs, w.cat, a.position).outcome, a.sell);
    EXPECT_EQ(SwapMovieArchive(w.gs, a.position, a.other), a.swap);
    EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
}

constexpr auto kInvalid = MovieOutcome::Invalid;
constexpr auto kEmpty = MovieOutcome::Empty;
INSTANTIATE_TEST_SUITE_P(Cases, MovieAgencyBadArgsTest,
                         testing::Values(BadArgs{0, 28, 28, kInvalid, kInvalid, kInvalid},
                                         BadArgs{15, 0, 2, kInvalid, kInvalid, kInvalid},
                                         BadArgs{-1, -5, 29, kInvalid, kInvalid, kInvalid},
                                         BadArgs{INT_MAX, INT_MIN, INT_MIN, kInvalid, kInvalid,
                                                 kInvalid},
                                         // Drags from an empty offer or position are ignored.
                                         BadArgs{1, 2, 0, kEmpty, kEmpty, kInvalid},
                                         // Garbled ids are never looked up.
                                         BadArgs{14, 1, 28, kInvalid, kInvalid, kInvalid}));

TEST(MovieAgency, WithoutAPlayerChannelNothingIsIndexed) {
    MovieWorld w;
    for (const int32_t player : {0, 5, -1}) {
        w.gs.PlayerChannel = player;
        const auto before = w.Copy();
        EXPECT_EQ(BuyMovie(w.gs, w.cat, w.deck, 3, 1).outcome, kInvalid);
        EXPECT_EQ(SellMovie(w.gs, w.cat, 5).outcome, kInvalid);
        EXPECT_EQ(SwapMovieArchive(w.gs, 5, 6), kInvalid);
        EXPECT_EQ(PlayerMoviePrice(w.gs, w.cat, w.deck, kFilm), 40);
        EXPECT_EQ(test::Differences(w.gs, *before), test::Names{});
    }
}

}  // namespace
}  // namespace qvx
