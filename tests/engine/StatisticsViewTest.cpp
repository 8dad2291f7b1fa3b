#include "StatisticsView.h"

#include <gtest/gtest.h>

#include <string>

#include "DayTestSupport.h"
#include "Shares.h"

namespace qvx {
namespace {

using test::DayWorld;

// Company 1 with a little of everything the sheet and the statement list.
class StatisticsWorld : public testing::Test {
  protected:
    StatisticsWorld() {
        w.OpenChannel(1, true, 3500);
        w.OpenChannel(2, false, 9000);
        w.OpenChannel(3, false, 9000);
        w.gs.Channel[1][Ch::kLogo] = 6;
        w.gs.Channel[1][Ch::kTvEquipment] = 1200;
        w.gs.GameInfo[Info::kTurn] = 5;
        // Odd prices: each region's half is truncated on its own (150 + 50, not 401 / 2).
        w.AddRegion(1, "A", {1, 1, 1, 1, 1}, 30);
        w.AddRegion(2, "B", {1, 1, 1, 1, 1}, 20);
        w.gs.Regions[1][Reg::kRegionLicencePrice] = 301;
        w.gs.Regions[2][Reg::kRegionLicencePrice] = 101;
        w.GrantLicence(1, 1);
        w.GrantLicence(2, 1);
        // A licence of a region that is not on the map is worth nothing and costs nothing.
        w.gs.Licences[3][1] = 1;
        w.gs.Regions[3][Reg::kRegionLicencePrice] = 1000;
        w.gs.Regions[3][Reg::kRegionMonthlyCost] = 1000;

        Record& acc = w.gs.ChannelAccounts[1];
        Holding(w.gs, 1, 1) = 100;  // treasury stock at 50 a share
        Holding(w.gs, 1, 2) = 50;   // 5%: too small for the company's strict value, listed here
        acc[Acc::kBonds] = 5000;
        acc[Acc::kBondInterestRate] = 10;  // 50000 / 1200 = 41; dividing first would give 40
        acc[Acc::kStockholdersEquity] = 5000;
        acc[Acc::kAdIncome] = 1000;
        acc[Acc::kShareSaleIncome] = 200;
        acc[Acc::kLicenceCost] = 100;
        acc[Acc::kMovieCost] = 300;
        acc[Acc::kSharePurchaseCost] = 400;

        w.PutTitle(7, {});
        w.PutTitle(9, {});
        w.cat.MovieCatalogue[9][Movie::kPrice] = 250;
        w.gs.MovieArchive[1][1] = 7;
        w.gs.MovieArchive[1][28] = 9;  // the last position counts though no screen shows it
    }
    DayWorld w;
};

TEST_F(StatisticsWorld, BalanceSheetListsWhatTheCompanyOwnsAndOwes) {
    const BalanceSheet sheet = BuildBalanceSheet(w.gs, w.cat, 1);
    const std::array<std::string, kBalanceLines> expected = {
        "$ 3,500 millions", "$ 5,000 millions", "$ 2,000 millions",
        "$ 1,200 millions", "$ 200 millions",   "$ 350 millions",
        "$ 5,000 millions", "$ 5,000 millions", "$ 2,250 millions"};
    EXPECT_EQ(sheet.texts, expected);
    // The profit line is the company's full value, every holding counted.
    EXPECT_EQ(sheet.amounts[8], CompanyValue(w.gs, w.cat, 1, ValueVariant::Full));
    EXPECT_NE(sheet.amounts[8], CompanyValue(w.gs, w.cat, 1, ValueVariant::Strict));
}

TEST_F(StatisticsWorld, IncomeStatementOfTheLastTurn) {
    const IncomeStatement statement = BuildIncomeStatement(w.gs, 1);
    const std::array<std::string, kIncomeLines> expected = {
        "$ 1,000 millions", "$ 200 millions", "$ 41 millions",  "$ 100 millions",
        "$ 50 millions",    "$ 300 millions", "$ 400 millions", "$ 309 millions"};
    EXPECT_EQ(statement.texts, expected);

    w.gs.ChannelAccounts[1][Acc::kAdIncome] = 0;
    EXPECT_EQ(BuildIncomeStatement(w.gs, 1).texts[7], "$ -691 millions");
}

// Before the first month is over nothing was earned or paid: the statement's lines and its
// total all read 0, though the company carries bonds and stations.
TEST_F(StatisticsWorld, FirstTurnStatementIsAllZero) {
    w.gs.GameInfo[Info::kTurn] = 1;
    for (int f : {Acc::kAdIncome, Acc::kShareSaleIncome, Acc::kLicenceCost, Acc::kMovieCost,
                  Acc::kSharePurchaseCost})
        w.gs.ChannelAccounts[1][f] = 0;
    const IncomeStatement statement = BuildIncomeStatement(w.gs, 1);
    for (const std::string& text : statement.texts)
        EXPECT_EQ(text, "$ 0 millions");
    EXPECT_EQ(statement.amounts[7], 0);
}

TEST_F(StatisticsWorld, HeaderCountsLicencesAndGreysAClosedCompany) {
    StatisticsHeader header = BuildStatisticsHeader(w.gs, 1);
    EXPECT_EQ(header.name, "Red TV");
    EXPECT_FALSE(header.bankrupt);
    EXPECT_EQ(header.logoPicture, "QVX2_complogo6_sm.jpg");
    EXPECT_EQ(header.funds, "$ 3,500 millions");
    EXPECT_EQ(header.licences, "2");

    w.gs.Channel[1][Ch::kActive] = 0;
    w.gs.Channel[1][Ch::kMoney] = -2500;
    header = BuildStatisticsHeader(w.gs, 1);
    EXPECT_TRUE(header.bankrupt);
    EXPECT_EQ(header.logoPicture, "QVX2_complogo6_sm_g.jpg");
    EXPECT_EQ(header.funds, "$ 0 millions");
    for (const std::string& text : BuildBalanceSheet(w.gs, w.cat, 1).texts)
        EXPECT_EQ(text, "$ 0 millions");
    for (const std::string& text : BuildIncomeStatement(w.gs, 1).texts)
        EXPECT_EQ(text, "$ 0 millions");
}

TEST(StatisticsView, OtherCompanyNumbersGiveEmptyFigures) {
    DayWorld w;
    EXPECT_EQ(BuildStatisticsHeader(w.gs, 0).name, "");
    EXPECT_EQ(BuildBalanceSheet(w.gs, w.cat, 5).texts[8], "$ 0 millions");
    EXPECT_EQ(BuildIncomeStatement(w.gs, -1).texts[7], "$ 0 millions");
}

}  // namespace
}  // namespace qvx
