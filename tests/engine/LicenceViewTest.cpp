#include "LicenceView.h"

#include <gtest/gtest.h>

#include <memory>

#include "Boosters.h"

namespace qvx {
namespace {

// A human Blue player on a map of two regions: 2 (large, held by Red and Blue) and 7.
struct MapWorld {
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    GameState& gs = *owned;
    Boosters deck;

    MapWorld() {
        gs.PlayerChannel = 4;
        for (int c = 1; c <= kChannels; ++c)
            gs.Channel[c][Ch::kActive] = 1;
        gs.Channel[4][Ch::kHuman] = 1;
        gs.Channel[4][Ch::kMoney] = 1234567;
        gs.GameInfo[Info::kMap] = 3;
        Region(2, "Harbour Coast", 4000, {1200, 0, 3, 40, 800}, 300, 120);
        Region(7, "Fen Country", 19, {1, 1, 1, 1, 1}, 700, 410);
        gs.Regions[2][Reg::kRegionMonthlyCost] = 1500;
        gs.RegionCodes[2] = "(HB, CO)";
        gs.Licences[2][1] = 1;
        gs.Licences[2][4] = 1;
    }
    void Region(int r, const char* name, int32_t price, std::array<int32_t, 5> population,
                int32_t x, int32_t y) {
        gs.Regions[r][Reg::kExists] = 1;
        gs.Regions[r][Reg::kRegionLicencePrice] = price;
        gs.Regions[r][Reg::kMarkerX] = x;
        gs.Regions[r][Reg::kMarkerY] = y;
        for (int g = 0; g < 5; ++g)
            gs.Regions[r][Reg::kPopulation + g] = population[static_cast<size_t>(g)];
        gs.RegionNames[r] = name;
    }
};

TEST(LicenceViewTest, MarkersShowTheMapsRegionsAndTheFlagsOfCompaniesStillInBusiness) {
    MapWorld w;
    w.gs.Channel[1][Ch::kActive] = 0;  // Red went bankrupt but keeps its licence in the table
    const LicenceMapView view = BuildLicenceMapView(w.gs);
    EXPECT_EQ(view.money, "$ 1,234,567 millions");
    EXPECT_EQ(view.stations, "1 station");
    EXPECT_EQ(view.stationCosts, "$ 1,500 millions");
    EXPECT_EQ(view.mapPicture, "QVX2_map_GB.jpg");
    const RegionMarker& held = view.markers[1];
    EXPECT_TRUE(held.shown);
    EXPECT_EQ(held.x, 300);
    EXPECT_EQ(held.y, 120);
    EXPECT_EQ(held.flags, (std::array<bool, 4>{false, false, false, true}));
    // The line still names the bankrupt holder.
    EXPECT_EQ(view.lines[1], "Harbour Coast, 2,043 million people, Licensed by: Red Blue ");
    EXPECT_TRUE(view.markers[6].shown);
    EXPECT_EQ(view.markers[6].flags, (std::array<bool, 4>{}));
    EXPECT_EQ(view.lines[6], "Fen Country, 5 million people, Licensed by: None");
    for (int i : {0, 2, 3, 4, 5, 7, 8}) {
        EXPECT_FALSE(view.markers[static_cast<size_t>(i)].shown) << i;
        EXPECT_EQ(view.lines[static_cast<size_t>(i)], "Not available on this map.") << i;
    }
}

TEST(LicenceViewTest, StationsCountEveryRegionOfTheMapPastTheNineMarkers) {
    MapWorld w;
    w.Region(12, "Far Isles", 100, {1, 1, 1, 1, 1}, 10, 10);
    w.gs.Regions[12][Reg::kRegionMonthlyCost] = 7;
    w.gs.Licences[12][4] = 1;
    w.gs.Licences[13][4] = 1;  // a region not on this map
    w.gs.Licences[7][3] = 1;   // someone else's
    const LicenceMapView view = BuildLicenceMapView(w.gs);
    EXPECT_EQ(view.stations, "2 stations");
    EXPECT_EQ(view.stationCosts, "$ 1,507 millions");
    w.gs.Licences[2][4] = 0;
    w.gs.Licences[12][4] = 0;
    EXPECT_EQ(BuildLicenceMapView(w.gs).stations, "0 stations");
}

TEST(LicenceViewTest, PanelShowsThousandsAndThePlayersPriceAfterLawyers) {
    MapWorld w;
    w.deck.ActiveBoosters[1] = Card::kLawyer;
    w.deck.ActiveBoosters[3] = Card::kLawyer;
    const RegionPanelView panel = BuildRegionPanelView(w.gs, w.deck, 2);
    EXPECT_EQ(panel.name, "Harbour Coast");
    EXPECT_EQ(panel.codes, "(HB, CO)");
    EXPECT_EQ(panel.groups, (std::array<std::string, 5>{"1,200 million", "0 million", "3 million",
                                                        "40 million", "800 million"}));
    EXPECT_EQ(panel.total, "2,043 million");
    EXPECT_EQ(panel.price, "$ 3,600 millions");
    EXPECT_EQ(panel.monthlyCost, "$ 1,500 millions");
    // A twentieth of 19 is nothing.
    EXPECT_EQ(BuildRegionPanelView(w.gs, w.deck, 7).price, "$ 19 millions");
    // A computer-run player gets no discount.
    w.gs.Channel[4][Ch::kHuman] = 0;
    EXPECT_EQ(BuildRegionPanelView(w.gs, w.deck, 2).price, "$ 4,000 millions");
}

TEST(LicenceViewTest, PanelGoesLeftOfEasternMarkersRightOfWesternOnesAndStaysForTheMiddle) {
    EXPECT_EQ(RegionPanelSide(366), PanelSide::Left);
    EXPECT_EQ(RegionPanelSide(365), PanelSide::Keep);
    EXPECT_EQ(RegionPanelSide(261), PanelSide::Keep);
    EXPECT_EQ(RegionPanelSide(260), PanelSide::Right);
}

TEST(LicenceViewTest, EveryMapHasItsPictureAndAnUnknownMapShowsTheFirst) {
    EXPECT_EQ(MapPicture(1), "QVX2_map_US.jpg");
    EXPECT_EQ(MapPicture(2), "QVX2_map_EU.jpg");
    EXPECT_EQ(MapPicture(4), "QVX2_map_Germany.jpg");
    EXPECT_EQ(MapPicture(5), "QVX2_map_France.jpg");
    EXPECT_EQ(MapPicture(0), "QVX2_map_US.jpg");
    EXPECT_EQ(MapPicture(6), "QVX2_map_US.jpg");
}

}  // namespace
}  // namespace qvx
