#include "Boosters.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace qvx {
namespace {

using Deck = Table<int32_t, kBoosterSlots>;

Deck Place(Deck start, int slot, int32_t card) {
    Boosters b{start};
    PlaceCard(b, slot, card);
    return b.ActiveBoosters;
}

TEST(BoosterCards, TableIsIndexedByIdWithOnlyThreeStackableCards) {
    std::set<int32_t> stackable;
    for (int32_t id = 1; id <= kBoosterIds; ++id) {
        const BoosterCard* card = FindBoosterCard(id);
        ASSERT_NE(card, nullptr) << id;
        EXPECT_EQ(card->id, id);
        if (card->stackable) stackable.insert(id);
    }
    EXPECT_EQ(stackable, (std::set<int32_t>{Card::kPaparazzi, Card::kLawyer, Card::kConnections}));
    EXPECT_EQ(FindBoosterCard(0), nullptr);
    EXPECT_EQ(FindBoosterCard(21), nullptr);
    EXPECT_EQ(FindBoosterCard(-1), nullptr);
}

TEST(BoosterCards, ShownTexts) {
    const BoosterCard& sport = *FindBoosterCard(Card::kThemingSport);
    EXPECT_STREQ(sport.name, "Theming: Sport");
    EXPECT_STREQ(sport.description,
                 "If you broadcast at least one spot of this genre during the day, all movies of "
                 "this genre will get a 10% popularity bonus.");
    const std::string genreText =
        "If you broadcast at least three movies/series of this genre during the day, all movies "
        "of this genre will get a 10% popularity bonus.";
    for (int32_t id : {13, 14, 15, 16, 17, 19, 20})
        EXPECT_EQ(FindBoosterCard(id)->description, genreText) << id;
    EXPECT_STREQ(FindBoosterCard(Card::kThemingSciFi)->name, "Theming: Sci-fi");

    const BoosterCard& producer = *FindBoosterCard(Card::kProducer);
    EXPECT_STREQ(producer.name, "Producer");
    EXPECT_EQ(BoosterPicture(producer), "QVX2_Booster_Money.jpg");
    EXPECT_STREQ(StackabilityText(producer), "[Not stackable]");
    EXPECT_EQ(BoosterPicture(*FindBoosterCard(Card::kStarModerator)), "QVX2_Booster_Host.jpg");
    EXPECT_EQ(BoosterPicture(*FindBoosterCard(Card::kMob)), "QVX2_Booster_Lawyer.jpg");
    EXPECT_STREQ(StackabilityText(*FindBoosterCard(Card::kLawyer)), "[Stackable]");
}

struct PlaceCase {
    const char* name;
    Deck start;
    int slot;
    int32_t card;
    Deck expected;
};

class PlaceCardTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceCardTest, FollowsTheStackabilityRule) {
    const PlaceCase& p = GetParam();
    EXPECT_EQ(Place(p.start, p.slot, p.card), p.expected);
}

constexpr int32_t kTech = Card::kTechnician, kLaw = Card::kLawyer, kMob = Card::kMob;

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceCardTest,
    testing::Values(
        PlaceCase{"TechnicianMovesFromSlot1To3",
                  {0, kTech, 0, 0, 0, 0},
                  3,
                  kTech,
                  {0, 0, 0, kTech, 0, 0}},
        PlaceCase{"MovingReplacesTheTargetsCard",
                  {0, kTech, kLaw, kMob, 0, 0},
                  3,
                  kTech,
                  {0, 0, kLaw, kTech, 0, 0}},
        PlaceCase{"OntoItselfStays", {0, 0, kTech, 0, 0, 0}, 2, kTech, {0, 0, kTech, 0, 0, 0}},
        PlaceCase{"StackableFillsAnotherSlot",
                  {0, kLaw, kLaw, 0, 0, 0},
                  5,
                  kLaw,
                  {0, kLaw, kLaw, 0, 0, kLaw}},
        // A duplicate can only come from an edited settings file: the last other copy goes.
        PlaceCase{"LastOtherCopyOfADuplicateGoes",
                  {0, kMob, 0, kMob, 0, 0},
                  5,
                  kMob,
                  {0, kMob, 0, 0, 0, kMob}},
        PlaceCase{"DuplicateOntoOneOfItsCopies",
                  {0, kMob, 0, kMob, 0, 0},
                  3,
                  kMob,
                  {0, 0, 0, kMob, 0, 0}},
        PlaceCase{"SlotZeroIsIgnored", {0, kTech, 0, 0, 0, 0}, 0, kTech, {0, kTech, 0, 0, 0, 0}},
        PlaceCase{"SlotSixIsIgnored", {0, kTech, 0, 0, 0, 0}, 6, kTech, {0, kTech, 0, 0, 0, 0}},
        PlaceCase{"CardTwentyOneIsIgnored", {0, kTech, 0, 0, 0, 0}, 1, 21, {0, kTech, 0, 0, 0, 0}}),
    [](const testing::TestParamInfo<PlaceCase>& p) { return p.param.name; });

TEST(BoosterDeck, FiveLawyersThenClear) {
    Boosters deck;
    for (int slot = 1; slot <= kBoosterSlots; ++slot)
        ASSERT_TRUE(PlaceCard(deck, slot, Card::kLawyer));
    EXPECT_EQ(BoosterCount(deck, Card::kLawyer), 5);
    ClearDeck(deck);
    EXPECT_EQ(deck.ActiveBoosters, Deck{});
}

struct ProducerCase {
    int32_t price;
    int cards;
    bool human;
    int32_t expected;
};

class ProducerPriceTest : public testing::TestWithParam<ProducerCase> {};

TEST_P(ProducerPriceTest, AQuarterOfTheFullPriceOffPerCard) {
    const ProducerCase& p = GetParam();
    auto gs = std::make_unique<GameState>();
    gs->Channel[2][Ch::kHuman] = p.human ? 1 : 0;
    Boosters deck;
    for (int i = 1; i <= p.cards; ++i)
        deck.ActiveBoosters[i] = Card::kProducer;
    EXPECT_EQ(ProducerPrice(*gs, deck, 2, p.price), p.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProducerPriceTest,
                         testing::Values(ProducerCase{40, 0, true, 40},
                                         ProducerCase{40, 1, true, 30},
                                         // 40 - 2 x 10, not 40 -> 30 -> 23.
                                         ProducerCase{40, 2, true, 20}, ProducerCase{3, 1, true, 3},
                                         ProducerCase{7, 1, true, 6},
                                         // 7 - 2 x (7/4), not 7 - (2 x 7)/4.
                                         ProducerCase{7, 2, true, 5},
                                         ProducerCase{40, 1, false, 40}));

}  // namespace
}  // namespace qvx
