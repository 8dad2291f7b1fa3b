#include "StockBroker.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "EngineTestSupport.h"
#include "MarketTestSupport.h"
#include "Shares.h"

namespace qvx {
namespace {

using O = BrokerOutcome;

// Four companies with the values a new game starts from; the player runs company 1, which
// holds one licence worth 3000, so its security is 3500.
struct Broker {
    std::unique_ptr<GameState> gs = std::make_unique<GameState>();

    Broker() {
        test::OpenStartMarket(*gs);
        gs->Channel[1][Ch::kHuman] = 1;
        gs->PlayerChannel = 1;
        gs->Regions[2][Reg::kExists] = 1;
        gs->Regions[2][Reg::kRegionLicencePrice] = 3000;
        gs->Licences[2][1] = 1;
    }
    Record& Acc(int c) { return gs->ChannelAccounts[c]; }
    int32_t& Money(int c) { return gs->Channel[c][Ch::kMoney]; }
    int32_t& Held(int owner, int t) { return Holding(*gs, owner, t); }
    void Close(int c) { gs->Channel[c][Ch::kActive] = 0; }
    void SetLicencePrice(int32_t price) { gs->Regions[2][Reg::kRegionLicencePrice] = price; }
};

// ---- the screen's figures ----

TEST(BrokerFigures, StartValues) {
    Broker b;
    const BrokerFigures f = ComputeBrokerFigures(*b.gs, 1, 2);
    EXPECT_FALSE(f.bankrupt);
    EXPECT_EQ(f.buyPrice, 60);
    EXPECT_EQ(f.sellPrice, 40);
    EXPECT_TRUE(f.shareButtons);
    EXPECT_FALSE(f.bondButtons);  // not the player's company
    const BrokerLabels l = FormatBrokerLabels(f);
    EXPECT_EQ(l.money, "$: 3,500 millions");
    EXPECT_EQ(l.treasury, "0 million (0%)");
    EXPECT_EQ(l.others, "0 million (0%)");
    EXPECT_EQ(l.publicShares, "1000 million (100%)");
    EXPECT_EQ(l.total, "1000 million shares");
    EXPECT_EQ(l.buyPrice, "$ 60");
    EXPECT_EQ(l.sellPrice, "$ 40");
    EXPECT_EQ(l.security, "$ 500 millions");  // company 2 holds no licence
    EXPECT_EQ(l.bonds, "$ 5,000 millions");
    EXPECT_EQ(l.interestRate, "10%");
    EXPECT_EQ(l.availableBonds, "$ -4,500 millions");
    EXPECT_EQ(l.tradeable, "$ 125 millions");
    EXPECT_EQ(l.bankrupt, "");
}

TEST(BrokerFigures, OwnCompanyWithSecurityBelowBonds) {
    Broker b;
    const BrokerFigures f = ComputeBrokerFigures(*b.gs, 1, 1);
    EXPECT_EQ(f.security, 3500);
    EXPECT_EQ(f.availableBonds, -1500);
    EXPECT_EQ(f.tradeable, 875);
    EXPECT_TRUE(f.bondButtons);
    EXPECT_EQ(CheckIssueBonds(*b.gs, 1, 1).outcome, O::NoBonds);
}

TEST(BrokerFigures, PublicPercentIsWhatTheOtherTwoLeave) {
    Broker b;
    b.Held(2, 2) = 333;
    b.Held(3, 2) = 200;
    b.Held(4, 2) = 133;
    b.Held(1, 2) = 70;  // a closed company's holding counts as public
    b.Close(1);
    const BrokerFigures f = ComputeBrokerFigures(*b.gs, 1, 2);
    EXPECT_EQ(f.treasury, 333);
    EXPECT_EQ(f.treasuryPercent, 33);
    EXPECT_EQ(f.others, 333);
    EXPECT_EQ(f.othersPercent, 33);
    EXPECT_EQ(f.publicShares, 334);
    EXPECT_EQ(f.publicPercent, 34);
}

TEST(BrokerFigures, ClosedCompanyShowsZerosAndNoButtons) {
    Broker b;
    b.Held(3, 3) = 200;
    b.Close(3);
    const BrokerFigures f = ComputeBrokerFigures(*b.gs, 1, 3);
    EXPECT_EQ(f.treasury, 0);
    EXPECT_EQ(f.total, 0);
    EXPECT_EQ(f.buyPrice, 0);
    EXPECT_EQ(f.bonds, 0);
    EXPECT_EQ(f.availableBonds, 0);
    EXPECT_FALSE(f.shareButtons);
    EXPECT_FALSE(f.bondButtons);
    const BrokerLabels l = FormatBrokerLabels(f);
    EXPECT_EQ(l.bankrupt, "BANKRUPT");
    EXPECT_EQ(l.money, "$: 3,500 millions");
    for (const std::string* amount : {&l.treasury, &l.others, &l.publicShares, &l.total,
                                      &l.security, &l.bonds, &l.availableBonds, &l.tradeable})
        EXPECT_EQ(*amount, "0 millions");
    EXPECT_EQ(l.buyPrice, "0");
    EXPECT_EQ(l.sellPrice, "0");
}

// ---- trades ----

enum class Op { BuyShares, SellShares, BuyBackBonds, IssueBonds };

BrokerQuote Check(const GameState& gs, Op op, int t) {
    switch (op) {
        case Op::BuyShares:
            return CheckBuyShares(gs, 1, t);
        case Op::SellShares:
            return CheckSellShares(gs, 1, t);
        case Op::BuyBackBonds:
            return CheckBuyBackBonds(gs, 1, t);
        case Op::IssueBonds:
            return CheckIssueBonds(gs, 1, t);
    }
    return {};
}

BrokerQuote Apply(GameState& gs, Op op, int t) {
    switch (op) {
        case Op::BuyShares:
            return BuyShares(gs, 1, t);
        case Op::SellShares:
            return SellShares(gs, 1, t);
        case Op::BuyBackBonds:
            return BuyBackBonds(gs, 1, t);
        case Op::IssueBonds:
            return IssueBonds(gs, 1, t);
    }
    return {};
}

struct TradeCase {
    const char* name;
    Op op;
    int t;
    std::function<void(Broker&)> setup;
    O outcome;
    int32_t shares;
    int64_t amount;
};

class Trade : public testing::TestWithParam<TradeCase> {};

// The check quotes the figures; applying changes exactly money, the holding or the bonds and
// the journal, or nothing at all when the trade is refused.
TEST_P(Trade, QuotesThenAppliesAllOrNothing) {
    const TradeCase& tc = GetParam();
    Broker b;
    tc.setup(b);
    const BrokerQuote quote = Check(*b.gs, tc.op, tc.t);
    EXPECT_EQ(quote.outcome, tc.outcome);
    EXPECT_EQ(quote.shares, tc.shares);
    EXPECT_EQ(quote.amount, tc.amount);

    auto expected = std::make_unique<GameState>(*b.gs);
    const BrokerQuote applied = Apply(*b.gs, tc.op, tc.t);
    EXPECT_EQ(applied.outcome, tc.outcome);
    EXPECT_FALSE(applied.boughtOut);
    if (tc.outcome == O::Ok) {
        int32_t& money = expected->Channel[1][Ch::kMoney];
        int32_t& held = Holding(*expected, 1, tc.t);
        int32_t& bonds = expected->ChannelAccounts[1][Acc::kBonds];
        const auto amount = static_cast<int32_t>(tc.amount);
        switch (tc.op) {
            case Op::BuyShares:
                money -= amount;
                held += tc.shares;
                expected->ActionJournal[1][1] = {JournalKind::BuyShares, tc.t, tc.shares};
                break;
            case Op::SellShares:
                money += amount;
                held -= tc.shares;
                expected->ActionJournal[1][1] = {JournalKind::SellShares, tc.t, tc.shares};
                break;
            case Op::BuyBackBonds:
                money -= amount;
                bonds -= amount;
                expected->ActionJournal[1][1] = {JournalKind::BuyBackBonds, tc.t, amount};
                break;
            case Op::IssueBonds:
                money += amount;
                bonds += amount;
                expected->ActionJournal[1][1] = {JournalKind::IssueBonds, tc.t, amount};
                break;
        }
    }
    EXPECT_EQ(test::Differences(*b.gs, *expected), test::Names{});
}

const auto kNone = [](Broker&) {};
const auto kRich = [](Broker& b) { b.Money(1) = 10000; };

// Share prices with the start values: buy 60, sell 40.
INSTANTIATE_TEST_SUITE_P(
    Shares, Trade,
    testing::Values(
        TradeCase{"BuyBlock", Op::BuyShares, 2, kRich, O::Ok, 100, 6000},
        TradeCase{"BuyWithPremium", Op::BuyShares, 2,
                  [](Broker& b) {
                      b.Money(1) = 10000;
                      b.Acc(2)[Acc::kBuyPremium] = 15;
                  },
                  O::Ok, 100, 7500},
        TradeCase{"BuyMoneyShort", Op::BuyShares, 2, [](Broker& b) { b.Money(1) = 5999; },
                  O::NotEnoughMoney, 100, 6000},
        TradeCase{"BuyExactMoney", Op::BuyShares, 2, [](Broker& b) { b.Money(1) = 6000; }, O::Ok,
                  100, 6000},
        // 39% + 10% = 49%: no shrink.
        TradeCase{"OwnAt39", Op::BuyShares, 1,
                  [](Broker& b) {
                      b.Money(1) = 10000;
                      b.Held(1, 1) = 390;
                  },
                  O::Ok, 100, 6000},
        // 40% + 10% = 50%: (49 - 40) x 1000 / 100 = 90.
        TradeCase{"OwnAt40", Op::BuyShares, 1,
                  [](Broker& b) {
                      b.Money(1) = 10000;
                      b.Held(1, 1) = 400;
                  },
                  O::Ok, 90, 5400},
        TradeCase{"OwnAt45", Op::BuyShares, 1,
                  [](Broker& b) {
                      b.Money(1) = 10000;
                      b.Held(1, 1) = 450;
                  },
                  O::Ok, 40, 2400},
        // The percentage truncates before the block is worked out: 45% leaves 40, not 35.
        TradeCase{"OwnAt45Point5", Op::BuyShares, 1,
                  [](Broker& b) {
                      b.Money(1) = 10000;
                      b.Held(1, 1) = 455;
                  },
                  O::Ok, 40, 2400},
        // The block shrinks to 0, which is refused before the money is looked at.
        TradeCase{"OwnAt49", Op::BuyShares, 1,
                  [](Broker& b) {
                      b.Money(1) = 0;
                      b.Held(1, 1) = 495;
                  },
                  O::NoShares, 0, 0},
        // Public 1000 - 450 - 460 = 90; reported before the missing money.
        TradeCase{"FewPublicShares", Op::BuyShares, 2,
                  [](Broker& b) {
                      b.Held(3, 2) = 450;
                      b.Held(2, 2) = 460;
                  },
                  O::NotEnoughPublicShares, 100, 6000},
        TradeCase{"SellBlock", Op::SellShares, 2, [](Broker& b) { b.Held(1, 2) = 150; }, O::Ok, 100,
                  4000},
        TradeCase{"SellRest", Op::SellShares, 2, [](Broker& b) { b.Held(1, 2) = 30; }, O::Ok, 30,
                  1200},
        TradeCase{"SellTreasury", Op::SellShares, 1,
                  [](Broker& b) {
                      b.Held(1, 1) = 200;
                      b.Acc(1)[Acc::kSellPremium] = 5;
                  },
                  O::Ok, 100, 4500},
        TradeCase{"SellNothing", Op::SellShares, 2, kNone, O::NoSharesToSell, 0, 0},
        TradeCase{"BuyClosed", Op::BuyShares, 3,
                  [](Broker& b) {
                      b.Money(1) = 10000;
                      b.Close(3);
                  },
                  O::CompanyInactive, 0, 0},
        TradeCase{"SellClosed", Op::SellShares, 3,
                  [](Broker& b) {
                      b.Held(1, 3) = 200;
                      b.Close(3);
                  },
                  O::CompanyInactive, 0, 0}),
    [](const testing::TestParamInfo<TradeCase>& p) { return p.param.name; });

// The player's security is 500 + the licence price (3000 unless set).
INSTANTIATE_TEST_SUITE_P(
    Bonds, Trade,
    testing::Values(TradeCase{"BuyBackQuarter", Op::BuyBackBonds, 1, kNone, O::Ok, 0, 875},
                    TradeCase{"BuyBackTruncates", Op::BuyBackBonds, 1,
                              [](Broker& b) { b.SetLicencePrice(3); }, O::Ok, 0, 125},
                    TradeCase{"BuyBackAllBonds", Op::BuyBackBonds, 1,
                              [](Broker& b) { b.Acc(1)[Acc::kBonds] = 100; }, O::Ok, 0, 100},
                    TradeCase{"BuyBackNoBonds", Op::BuyBackBonds, 1,
                              [](Broker& b) { b.Acc(1)[Acc::kBonds] = 0; }, O::NoBonds, 0, 0},
                    TradeCase{"BuyBackMoneyShort", Op::BuyBackBonds, 1,
                              [](Broker& b) { b.Money(1) = 874; }, O::NotEnoughMoneyAvailable, 0,
                              875},
                    TradeCase{"BuyBackOther", Op::BuyBackBonds, 2, kNone, O::NotOwnCompany, 0, 0},
                    TradeCase{"IssueQuarter", Op::IssueBonds, 1,
                              [](Broker& b) { b.SetLicencePrice(9500); }, O::Ok, 0, 2500},
                    TradeCase{"IssueUpToSecurity", Op::IssueBonds, 1,
                              [](Broker& b) {
                                  b.SetLicencePrice(9500);
                                  b.Acc(1)[Acc::kBonds] = 8000;
                              },
                              O::Ok, 0, 2000},
                    TradeCase{"IssueAtSecurity", Op::IssueBonds, 1,
                              [](Broker& b) {
                                  b.SetLicencePrice(9500);
                                  b.Acc(1)[Acc::kBonds] = 10000;
                              },
                              O::NoBonds, 0, 0},
                    TradeCase{"IssueAboveSecurity", Op::IssueBonds, 1, kNone, O::NoBonds, 0, -1500},
                    TradeCase{"IssueOther", Op::IssueBonds, 2, kNone, O::NotOwnCompany, 0, 0},
                    TradeCase{"IssueClosed", Op::IssueBonds, 1,
                              [](Broker& b) {
                                  b.SetLicencePrice(9500);
                                  b.Close(1);
                              },
                              O::CompanyInactive, 0, 0}),
    [](const testing::TestParamInfo<TradeCase>& p) { return p.param.name; });

// ---- buy-out ----

TEST(BuyOut, MoreThanFortyNinePercentClosesTheCompanyAtOnce) {
    Broker b;
    b.Money(1) = 10000;
    b.Held(1, 2) = 400;
    const BrokerQuote quote = BuyShares(*b.gs, 1, 2);
    EXPECT_EQ(quote.outcome, O::Ok);
    EXPECT_TRUE(quote.boughtOut);
    EXPECT_EQ(b.gs->Channel[2][Ch::kActive], 0);
    EXPECT_EQ(b.Held(1, 2), 500);
    EXPECT_EQ(BuyOutText(*b.gs, 2),
              "You have reached more than 50% of the shares of Yellow Star. You will take over "
              "this company until the end of the day!");
    EXPECT_TRUE(ComputeBrokerFigures(*b.gs, 1, 2).bankrupt);
}

TEST(BuyOut, FortyNinePercentIsNoBuyOut) {
    Broker b;
    b.Money(1) = 10000;
    b.Held(1, 2) = 390;
    EXPECT_FALSE(BuyShares(*b.gs, 1, 2).boughtOut);
    EXPECT_EQ(b.gs->Channel[2][Ch::kActive], 1);
}

// ---- one transaction per turn and the journal ----

TEST(OneTradePerTurn, AfterATradeEveryTradeIsRefusedUntilTheJournalIsEmptied) {
    Broker b;
    b.Money(1) = 100000;
    b.Held(1, 2) = 200;
    b.SetLicencePrice(9500);
    EXPECT_FALSE(StockTradedThisTurn(*b.gs, 1));
    ASSERT_EQ(SellShares(*b.gs, 1, 2).outcome, O::Ok);
    EXPECT_TRUE(StockTradedThisTurn(*b.gs, 1));
    EXPECT_FALSE(StockTradedThisTurn(*b.gs, 2));
    const auto before = std::make_unique<GameState>(*b.gs);
    for (Op op : {Op::BuyShares, Op::SellShares, Op::BuyBackBonds, Op::IssueBonds}) {
        EXPECT_EQ(Check(*b.gs, op, 1).outcome, O::AlreadyTraded);
        EXPECT_EQ(Apply(*b.gs, op, 1).outcome, O::AlreadyTraded);
    }
    EXPECT_EQ(test::Differences(*b.gs, *before), test::Names{});
    const BrokerFigures f = ComputeBrokerFigures(*b.gs, 1, 1);
    EXPECT_FALSE(f.shareButtons);
    EXPECT_FALSE(f.bondButtons);

    ClearActionJournals(*b.gs);
    EXPECT_EQ(IssueBonds(*b.gs, 1, 1).outcome, O::Ok);
}

class TurnsTrade : public testing::TestWithParam<std::pair<JournalKind, bool>> {};

TEST_P(TurnsTrade, OnlyBrokerActionsCountAsTheTurnsTrade) {
    Broker b;
    RecordAction(*b.gs, 1, JournalKind::SellMovie, 0, 0);
    RecordAction(*b.gs, 1, GetParam().first, 2, 100);
    EXPECT_EQ(StockTradedThisTurn(*b.gs, 1), GetParam().second);
}

// Every kind of the journal table: an agency, licence or office action never closes the broker.
using K = JournalKind;
INSTANTIATE_TEST_SUITE_P(
    Kinds, TurnsTrade,
    testing::Values(std::pair{K::SellMovie, false}, std::pair{K::BuyMovie, false},
                    std::pair{K::AcceptAd, false}, std::pair{K::SwapMovieArchive, false},
                    std::pair{K::SwapAdArchive, false}, std::pair{K::BuyShares, true},
                    std::pair{K::SellShares, true}, std::pair{K::IssueBonds, true},
                    std::pair{K::BuyBackBonds, true}, std::pair{K::BuyLicence, false},
                    std::pair{K::BuyNewsSet, false}, std::pair{K::CheatMoney10k, false},
                    std::pair{K::CheatMoney100k, false}, std::pair{K::CheatPopularity, false},
                    std::pair{K::CancelLicence, false}, std::pair{K::DeclareBankruptcy, false}));

TEST(JournalFull, EveryTradeIsRefusedAndNothingChanges) {
    Broker b;
    b.Money(1) = 100000;
    b.Held(1, 2) = 200;
    b.SetLicencePrice(9500);
    for (int i = 1; i <= kJournalEntries; ++i)
        b.gs->ActionJournal[1][i] = {JournalKind::SellMovie, 7, 1};
    const auto before = std::make_unique<GameState>(*b.gs);
    for (Op op : {Op::BuyShares, Op::SellShares, Op::BuyBackBonds, Op::IssueBonds}) {
        const int t = op == Op::BuyShares || op == Op::SellShares ? 2 : 1;
        EXPECT_EQ(Check(*b.gs, op, t).outcome, O::JournalFull);
        EXPECT_EQ(Apply(*b.gs, op, t).outcome, O::JournalFull);
    }
    EXPECT_EQ(test::Differences(*b.gs, *before), test::Names{});
    EXPECT_EQ(BrokerMessage(O::JournalFull),
              (Dialog{"N/A", "You have reached the max. number of actions this turn."}));
}

// The soak's random player found this: a company number from outside the table used to index
// past the accounts.
TEST(NoSuchCompany, IsRefusedLikeAClosedOneAndChangesNothing) {
    Broker b;
    b.Money(1) = 100000;
    const auto before = std::make_unique<GameState>(*b.gs);
    for (Op op : {Op::BuyShares, Op::SellShares, Op::BuyBackBonds, Op::IssueBonds}) {
        for (const int t : {-1, 0, 5, 1000}) {
            EXPECT_EQ(Check(*b.gs, op, t).outcome, O::CompanyInactive) << t;
            EXPECT_EQ(Apply(*b.gs, op, t).outcome, O::CompanyInactive) << t;
        }
    }
    EXPECT_EQ(BuyShares(*b.gs, 0, 2).outcome, O::CompanyInactive);
    EXPECT_EQ(SellShares(*b.gs, 9, 2).outcome, O::CompanyInactive);
    EXPECT_EQ(test::Differences(*b.gs, *before), test::Names{});
}

TEST(JournalFull, ARuleRefusalIsReportedFirst) {
    Broker b;
    for (int i = 1; i <= kJournalEntries; ++i)
        b.gs->ActionJournal[1][i] = {JournalKind::SellMovie, 7, 1};
    EXPECT_EQ(CheckBuyShares(*b.gs, 1, 2).outcome, O::NotEnoughMoney);
}

// ---- dialog texts ----

TEST(BrokerTexts, RefusalsAndOffers) {
    EXPECT_EQ(BrokerMessage(O::NoShares), (Dialog{"N/A", "There are no shares available."}));
    EXPECT_EQ(BrokerMessage(O::NotEnoughPublicShares),
              (Dialog{"N/A", "There are not enough public shares available."}));
    EXPECT_EQ(
        BrokerMessage(O::LawForbids),
        (Dialog{"N/A", "The law forbids that a company owns more than 49% of its own shares."}));
    EXPECT_EQ(BrokerMessage(O::NotEnoughMoney), (Dialog{"N/A", "You do not have enough money."}));
    EXPECT_EQ(BrokerMessage(O::NoSharesToSell),
              (Dialog{"N/A", "You do not own any shares to sell."}));
    EXPECT_EQ(BrokerMessage(O::NoBonds), (Dialog{"N/A", "There are no bonds vailable."}));
    EXPECT_EQ(BrokerMessage(O::NotEnoughMoneyAvailable),
              (Dialog{"N/A", "You do not have enough money available."}));
    for (O o : {O::Ok, O::CompanyInactive, O::AlreadyTraded, O::NotOwnCompany})
        EXPECT_EQ(BrokerMessage(o), Dialog{});

    Broker b;
    b.Money(1) = 100000;
    b.Acc(2)[Acc::kBuyPremium] = 40;  // buy price 100
    EXPECT_EQ(BuyOfferText(CheckBuyShares(*b.gs, 1, 2)),
              "\"Okay, I offer you 100 million shares for $ 10,000 millions. Time is money. "
              "Decide fast. Do you wish to buy or not?\"");
    b.Held(1, 2) = 100;
    b.Acc(2)[Acc::kSellPremium] = 1000;  // sell price 1040
    EXPECT_EQ(SellOfferText(CheckSellShares(*b.gs, 1, 2)),
              "\"I could offer you $ 104,000 millions for 100 million shares. Sorry, but the "
              "market is tight. Do you wish to sell?\"");
}

}  // namespace
}  // namespace qvx
