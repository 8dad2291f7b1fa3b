// The ad agency's wiring: accepting, reordering and the refusal to cancel, each reached by a real
// drop with the engine's dialogs in order; the info panel's deadline and the blind twins.
#include "AdAgency.h"
#include "AgencyTestSupport.h"
#include "Client_GetAds.h"
#include "Formatting.h"
#include "TitleInfo.h"

namespace qvx::test {
namespace {

constexpr const char* kQuestion = "Do you really wish to accept this advertising contract?";

struct GetAdsTest : AgencyTest<ui::TForm10> {
    int32_t Offer(int n) const { return gs.AdOffers[player][n]; }
    int32_t Archive(int k) const { return gs.AcceptedAds[player][k]; }
    std::string Name(int32_t c) const { return "\"" + cat.AdNames[c] + "\""; }
    void Own(int k, int n) {
        gs.AcceptedAds[player][k] = Offer(n);
        gs.AdOffers[player][n] = 0;
        screen.redraw();
    }
};

TEST_F(GetAdsTest, TwoAcceptsIntoDifferentPositionsLeaveBothOffersEmpty) {
    const int32_t first = Offer(1);
    const int32_t second = Offer(4);
    ASSERT_GT(first, 0);
    ASSERT_GT(second, 0);
    ui.dialogs.answers = {true, true};
    EXPECT_TRUE(DropOn("Shop1", "Archive3"));
    EXPECT_TRUE(DropOn("Shop4", "Archive9"));
    EXPECT_EQ(Shown(), (std::vector<std::string>{"ask|" + Name(first) + "|" + kQuestion,
                                                 "ask|" + Name(second) + "|" + kQuestion}));
    EXPECT_EQ(Archive(3), first);
    EXPECT_EQ(Archive(9), second);
    EXPECT_EQ(Offer(1), 0);
    EXPECT_EQ(Offer(4), 0);
    EXPECT_EQ(JournalUsed(), 2);
    EXPECT_EQ(hooks, (std::vector<int>{9, 9}));
    EXPECT_EQ(W("Archive3")->property("picture").toString(), "AdsArchive.jpg");
    EXPECT_EQ(W("Shop1")->property("picture").toString(), "MovieArchiveG.jpg");
    EXPECT_EQ(TextOf(&screen, "BlindArchiveSlot9"), ContractBlindText(9, gs, cat, second));
}

TEST_F(GetAdsTest, AcceptingIntoAFullPositionIsRefusedBeforeTheQuestion) {
    Own(2, 1);
    const int32_t offer = Offer(3);
    EXPECT_TRUE(DropOn("Shop3", "Archive2"));
    EXPECT_EQ(Shown(), std::vector<std::string>{
                           "inform|N/A|This position in your ads archive is already full."});
    EXPECT_EQ(Offer(3), offer);
    EXPECT_EQ(JournalUsed(), 0);
    EXPECT_TRUE(hooks.empty());
}

// An accepted contract dragged onto an offer or onto the background is never given back.
struct NoCancel : GetAdsTest, ::testing::WithParamInterface<const char*> {};

TEST_P(NoCancel, AnswersWithTheAgencysTextAndChangesNothing) {
    Own(5, 2);
    const int32_t c = Archive(5);
    const auto archive = gs.AcceptedAds[player];
    const auto offers = gs.AdOffers[player];
    EXPECT_TRUE(DropOn("Archive5", GetParam()));
    EXPECT_EQ(Shown(), std::vector<std::string>{
                           "inform|" + Name(c) +
                           "|\"We are sorry, but we do not cancel commercial contracts. Please "
                           "fulfill the contract or let it run out.\""});
    EXPECT_EQ(gs.AcceptedAds[player], archive);
    EXPECT_EQ(gs.AdOffers[player], offers);
    EXPECT_EQ(JournalUsed(), 0);
}

INSTANTIATE_TEST_SUITE_P(GetAds, NoCancel,
                         ::testing::Values("Shop2", "Shop14", "Interface1", "Interface4"));

TEST_F(GetAdsTest, OffersDroppedOnOffersOrTheBackgroundAndEmptyPlacesDoNothing) {
    EXPECT_TRUE(DropOn("Shop1", "Shop2"));
    EXPECT_TRUE(DropOn("Shop1", "Interface2"));
    EXPECT_FALSE(DropOn("Archive1", "Shop2"));
    EXPECT_TRUE(ui.dialogs.shown.empty());
    EXPECT_EQ(JournalUsed(), 0);
}

TEST_F(GetAdsTest, ReorderingExchangesPositions) {
    Own(1, 1);
    const int32_t c = Archive(1);
    EXPECT_TRUE(DropOn("Archive1", "Archive14"));
    EXPECT_EQ(Archive(1), 0);
    EXPECT_EQ(Archive(14), c);
    EXPECT_EQ(JournalUsed(), 1);
    EXPECT_TRUE(ui.dialogs.shown.empty());
}

struct AdJournalCase {
    const char* name;
    const char* from;
    const char* to;
    std::deque<bool> answers;
    size_t dialogs;
};
struct AdJournalFull : GetAdsTest, ::testing::WithParamInterface<AdJournalCase> {};

TEST_P(AdJournalFull, RefusesWithTheSameText) {
    const AdJournalCase& c = GetParam();
    Own(1, 1);
    FillJournal();
    const auto archive = gs.AcceptedAds[player];
    const auto offers = gs.AdOffers[player];
    ui.dialogs.answers = c.answers;
    EXPECT_TRUE(DropOn(c.from, c.to));
    ASSERT_EQ(ui.dialogs.shown.size(), c.dialogs);
    EXPECT_EQ(Shown().back(), "inform|N/A|You have reached the max. number of actions this turn.");
    EXPECT_EQ(gs.AcceptedAds[player], archive);
    EXPECT_EQ(gs.AdOffers[player], offers);
    EXPECT_TRUE(hooks.empty());
}

INSTANTIATE_TEST_SUITE_P(GetAds, AdJournalFull,
                         ::testing::Values(AdJournalCase{"Accept", "Shop2", "Archive2", {true}, 2},
                                           AdJournalCase{"Swap", "Archive1", "Archive2", {}, 1}),
                         [](const auto& tp) { return std::string(tp.param.name); });

TEST_F(GetAdsTest, ThePanelShowsTheDaysLeftOnlyOnceAccepted) {
    const int32_t c = Offer(6);
    const std::string deadline = std::to_string(gs.AdPool[player][c][Ad::kDeadline]);
    Hover("Shop6");
    ASSERT_TRUE(W("Panel1")->isVisible());
    EXPECT_EQ(W("Panel1")->pos(), QPoint(322, 141));
    EXPECT_EQ(TextOf(W("Panel1"), "InfoDeadline"), "Deadline: " + deadline + " days");
    ui.dialogs.answers = {true};
    DropOn("Shop6", "Archive1");
    gs.AdDaysLeft[player][c] = 3;
    Hover("Archive1");
    EXPECT_EQ(TextOf(W("Panel1"), "InfoDeadline"), "Deadline: 3 / " + deadline + " days left");
    Hover("Interface3");
    EXPECT_FALSE(W("Panel1")->isVisible());
}

TEST_F(GetAdsTest, BlindTwinsOpenTheBlindPanelAcceptAndClose) {
    ui.session.setBlindMode(true);
    Click("BlindShopSlot2");
    EXPECT_TRUE(W("BlindInfoPanel1")->isVisible());
    EXPECT_EQ(TextOf(W("BlindInfoPanel1"), "InfoTitle"), Name(Offer(2)));
    EXPECT_FALSE(W("Panel1")->isVisible());

    const int32_t c = Offer(2);
    ui.dialogs.answers = {true};
    EXPECT_TRUE(DropOn("BlindShopSlot2", "BlindArchiveSlot6"));
    EXPECT_EQ(Archive(6), c);

    ui.sounds.played.clear();
    hooks.clear();
    Click("BlindButton4");
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(ui.sounds.Count("click"), 1);
    EXPECT_EQ(hooks, std::vector<int>{10});
}

}  // namespace
}  // namespace qvx::test
