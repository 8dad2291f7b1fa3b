// The movie agency's wiring: each drop reaches the trade of the place where the drag started,
// with the engine's questions and refusals in their order; the hover panel and the blind twins.
#include "AgencyTestSupport.h"
#include "Boosters.h"
#include "Client_GetMovies.h"
#include "Formatting.h"
#include "InfoPanels.h"
#include "MovieAgency.h"

namespace qvx::test {
namespace {

constexpr const char* kJournalFull =
    "inform|N/A|You have reached the max. number of actions this turn.";

struct GetMoviesTest : AgencyTest<ui::TForm9> {
    int32_t Offer(int n) const { return gs.ShopOffers[player][n]; }
    int32_t Archive(int k) const { return gs.MovieArchive[player][k]; }
    int32_t& Money() { return gs.Channel[player][Ch::kMoney]; }
    std::string Title(int32_t m) const { return "\"" + cat.MovieTitles[m] + "\""; }
    std::string BuyQuestion(int32_t m, int32_t price) const {
        return "ask|" + Title(m) +
               "|Do you really wish to buy a one-time license to broadcast his movie for $ " +
               FormatAmount(price) + " millions?";
    }
    // Moves offer n into archive position k without the screen, for a test's starting state.
    void Own(int k, int n) {
        gs.MovieArchive[player][k] = Offer(n);
        gs.ShopOffers[player][n] = 0;
        screen.redraw();
    }
};

TEST_F(GetMoviesTest, ANewGameShowsItsOffersAndMoney) {
    ASSERT_GT(Offer(1), 0);
    EXPECT_EQ(W("Shop1")->property("picture").toString().toStdString(),
              cat.MovieCatalogue[Offer(1)][Movie::kType] == Movie::kTypeMovie
                  ? "MovieArchive.jpg"
                  : "SeriesArchive.jpg");
    EXPECT_EQ(TextOf(&screen, "MoneyLabel"), "$: " + FormatAmount(Money()) + " millions");
    EXPECT_EQ(TextOf(&screen, "BlindShopSlot1"), TitleBlindText(1, cat, Offer(1)));
}

TEST_F(GetMoviesTest, BuyingAsksThePriceMovesTheTitleAndStepsTheTutorial) {
    const int32_t m = Offer(2);
    const int32_t money = Money();
    const int32_t price = PlayerMoviePrice(gs, cat, ui.session.deck(), m);
    ui.dialogs.answers = {true};
    EXPECT_TRUE(DropOn("Shop2", "Archive7"));
    EXPECT_EQ(Shown(), std::vector<std::string>{BuyQuestion(m, price)});
    EXPECT_EQ(Archive(7), m);
    EXPECT_EQ(Offer(2), 0);
    EXPECT_EQ(Money(), money - price);
    EXPECT_EQ(TextOf(&screen, "MoneyLabel"), "$: " + FormatAmount(money - price) + " millions");
    EXPECT_EQ(W("Shop2")->property("picture").toString(), "MovieArchiveG.jpg");
    EXPECT_EQ(hooks, std::vector<int>{6});
}

TEST_F(GetMoviesTest, BuyingIntoAnOccupiedPositionIsRefusedBeforeTheQuestion) {
    Own(4, 1);
    const int32_t offer = Offer(2);
    EXPECT_TRUE(DropOn("Shop2", "Archive4"));
    EXPECT_EQ(Shown(), std::vector<std::string>{
                           "inform|N/A|This position in your movie archive is already full."});
    EXPECT_EQ(Offer(2), offer);
    EXPECT_EQ(JournalUsed(), 0);
    EXPECT_TRUE(hooks.empty());
}

TEST_F(GetMoviesTest, BuyingWithoutTheMoneyIsRefusedAfterTheQuestion) {
    const int32_t m = Offer(3);
    const int32_t price = PlayerMoviePrice(gs, cat, ui.session.deck(), m);
    Money() = price - 1;
    ui.dialogs.answers = {true};
    EXPECT_TRUE(DropOn("Shop3", "Archive1"));
    EXPECT_EQ(Shown(), (std::vector<std::string>{BuyQuestion(m, price),
                                                 "inform|N/A|You do not have enough money!"}));
    EXPECT_EQ(Archive(1), 0);
    EXPECT_EQ(Offer(3), m);
    EXPECT_EQ(Money(), price - 1);
    EXPECT_EQ(JournalUsed(), 0);
}

TEST_F(GetMoviesTest, AnsweringNoChangesNothing) {
    const int32_t m = Offer(1);
    ui.dialogs.answers = {false};
    EXPECT_TRUE(DropOn("Shop1", "Archive1"));
    EXPECT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(Archive(1), 0);
    EXPECT_EQ(Offer(1), m);
}

// Each Producer card takes a quarter of the catalogue price off, and the panel shows what the
// question asks.
struct ProducerPrice : GetMoviesTest, ::testing::WithParamInterface<int> {};

TEST_P(ProducerPrice, IsTheSameInThePanelAndTheQuestion) {
    const int cards = GetParam();
    for (int s = 1; s <= cards; ++s)
        ui.session.settings().Deck.ActiveBoosters[s] = Card::kProducer;
    ASSERT_EQ(gs.Channel[player][Ch::kHuman], 1);
    const int32_t m = Offer(5);
    const int32_t base = cat.MovieCatalogue[m][Movie::kPrice];
    const int32_t price = base - cards * (base / 4);
    Hover("Shop5");
    ASSERT_TRUE(W("Panel1")->isVisible());
    EXPECT_EQ(TextOf(W("Panel1"), "InfoPrice"), "Price: $ " + FormatAmount(price) + " millions");
    ui.dialogs.answers = {false};
    DropOn("Shop5", "Archive2");
    EXPECT_EQ(Shown(), std::vector<std::string>{BuyQuestion(m, price)});
}

INSTANTIATE_TEST_SUITE_P(GetMovies, ProducerPrice, ::testing::Values(0, 1, 2));

TEST_F(GetMoviesTest, ASaleEmptiesTheTitlesHoursAndCreditsTheOffer) {
    Own(3, 4);
    const int32_t m = Archive(3);
    gs.Programme[player][2][Slot::kProgramme] = m;
    gs.Programme[player][6][Slot::kProgramme] = m;
    const int32_t money = Money();
    const int32_t offer = MovieSaleOffer(gs, cat, player, m);
    ui.dialogs.answers = {true};
    EXPECT_TRUE(DropOn("Archive3", "Shop9"));
    ASSERT_EQ(ui.dialogs.shown.size(), 1u);
    EXPECT_EQ(ui.dialogs.shown[0].title, Title(m));
    EXPECT_EQ(ui.dialogs.shown[0].text,
              "\"Rent-a-movie Ltd. is proud to offer you the fair sum of " + FormatAmount(offer) +
                  " $ (real value: " + FormatAmount(cat.MovieCatalogue[m][Movie::kPrice]) +
                  " $) for this movie.\" - Do really you wish to sell?");
    EXPECT_EQ(Archive(3), 0);
    EXPECT_EQ(gs.Programme[player][2][Slot::kProgramme], 0);
    EXPECT_EQ(gs.Programme[player][6][Slot::kProgramme], 0);
    EXPECT_EQ(Money(), money + offer);
    EXPECT_EQ(Offer(4), 0);  // a sold title does not come back to the offers
    EXPECT_EQ(W("Archive3")->property("picture").toString(), "MovieArchiveG.jpg");
}

TEST_F(GetMoviesTest, ReorderingExchangesPositionsAndASelfSwapCostsAJournalEntry) {
    Own(1, 1);
    const int32_t m = Archive(1);
    EXPECT_TRUE(DropOn("Archive1", "Archive1"));
    EXPECT_EQ(JournalUsed(), 1);
    EXPECT_EQ(Archive(1), m);
    EXPECT_TRUE(DropOn("Archive1", "Archive20"));
    EXPECT_EQ(JournalUsed(), 2);
    EXPECT_EQ(Archive(1), 0);
    EXPECT_EQ(Archive(20), m);
    EXPECT_TRUE(ui.dialogs.shown.empty());
}

TEST_F(GetMoviesTest, DragsFromEmptyPlacesAndOfferOnOfferDoNothing) {
    EXPECT_FALSE(DropOn("Archive5", "Shop1"));
    EXPECT_FALSE(DropOn("Archive5", "Archive6"));
    EXPECT_TRUE(DropOn("Shop1", "Shop2"));
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_EQ(JournalUsed(), 0);
}

struct JournalCase {
    const char* name;
    const char* from;
    const char* to;
    std::deque<bool> answers;
    size_t dialogs;
};
struct MovieJournalFull : GetMoviesTest, ::testing::WithParamInterface<JournalCase> {};

TEST_P(MovieJournalFull, RefusesEveryTradeWithTheSameText) {
    const JournalCase& c = GetParam();
    Own(1, 1);
    FillJournal();
    const auto archive = gs.MovieArchive[player];
    const auto offers = gs.ShopOffers[player];
    const int32_t money = Money();
    ui.dialogs.answers = c.answers;
    EXPECT_TRUE(DropOn(c.from, c.to));
    ASSERT_EQ(ui.dialogs.shown.size(), c.dialogs);
    EXPECT_EQ(Shown().back(), kJournalFull);
    EXPECT_EQ(gs.MovieArchive[player], archive);
    EXPECT_EQ(gs.ShopOffers[player], offers);
    EXPECT_EQ(Money(), money);
}

INSTANTIATE_TEST_SUITE_P(GetMovies, MovieJournalFull,
                         ::testing::Values(JournalCase{"Buy", "Shop2", "Archive2", {true}, 2},
                                           JournalCase{"Sell", "Archive1", "Shop2", {true}, 2},
                                           JournalCase{"Swap", "Archive1", "Archive2", {}, 1}),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST_F(GetMoviesTest, TheBackgroundAndADragHideThePanel) {
    Hover("Shop1");
    EXPECT_TRUE(W("Panel1")->isVisible());
    EXPECT_EQ(TextOf(W("Panel1"), "InfoTitle"), Title(Offer(1)));
    Hover("Image1");
    EXPECT_FALSE(W("Panel1")->isVisible());
    Hover("Shop1");
    ui.dialogs.answers = {false};
    DropOn("Shop1", "Archive1");
    EXPECT_FALSE(W("Panel1")->isVisible());
}

TEST_F(GetMoviesTest, BlindTwinsOpenTheBlindPanelTradeAndClose) {
    ui.session.setBlindMode(true);
    Hover("Shop1");
    EXPECT_FALSE(W("Panel1")->isVisible());
    Click("BlindArchiveSlot1");  // an empty position has nothing to tell
    EXPECT_FALSE(W("BlindInfoPanel1")->isVisible());
    Click("BlindShopSlot1");
    EXPECT_TRUE(W("BlindInfoPanel1")->isVisible());
    EXPECT_EQ(TextOf(W("BlindInfoPanel1"), "InfoTitle"), Title(Offer(1)));

    const int32_t m = Offer(1);
    ui.dialogs.answers = {true};
    EXPECT_TRUE(DropOn("BlindShopSlot1", "BlindArchiveSlot2"));
    EXPECT_EQ(Archive(2), m);
    EXPECT_EQ(TextOf(&screen, "BlindArchiveSlot2"), TitleBlindText(2, cat, m));

    ui.sounds.played.clear();
    hooks.clear();
    Click("BlindButton4");
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(ui.sounds.Count("click"), 1);
    EXPECT_EQ(hooks, std::vector<int>{7});
}

}  // namespace
}  // namespace qvx::test
