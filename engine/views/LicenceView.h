#pragma once
// What the licence map shows: the map picture, the nine markers with their holders' flags, the
// territory lines and the region panel's texts, built from the game state.
#include <array>
#include <string>

#include "GameState.h"

namespace qvx {

// The map screen has places for the first nine regions of a map.
constexpr int kMapMarkers = 9;

struct RegionMarker {
    bool shown = false;    // false for a region that is not on this map
    int32_t x = 0, y = 0;  // the marker's top-left corner on the map picture
    // Flag k-1 for company k: up while the company is in business and holds the licence.
    std::array<bool, kChannels> flags{};
    std::string name;
};

struct LicenceMapView {
    std::string money;       // "$ 1,250 millions"
    std::string mapPicture;  // "QVX2_map_US.jpg"
    std::array<RegionMarker, kMapMarkers> markers{};
    std::array<std::string, kMapMarkers> lines{};  // LicenceMapLine of regions 1..9
    // The player's own network: "3 stations" and what they cost each turn, "$ 102 millions".
    std::string stations;
    std::string stationCosts;
};
LicenceMapView BuildLicenceMapView(const GameState& gs);

struct RegionPanelView {
    std::string name, codes, description;
    std::array<std::string, kAudienceGroups> groups{};  // "<n> million", Kids .. Seniors
    std::string total;                                  // "<n> million"
    std::string price;        // "$ <price> millions", the player's price after Lawyer cards
    std::string monthlyCost;  // "$ <cost> millions"
};
RegionPanelView BuildRegionPanelView(const GameState& gs, const Boosters& boosters, int region);

// Where the region panel goes for a marker at map x: out of the way of the marker, or where it
// was when the marker is near the middle.
enum class PanelSide { Left, Right, Keep };
PanelSide RegionPanelSide(int32_t markerX);

// The map picture of map 1..5 (the US map for anything else).
std::string MapPicture(int32_t map);

}  // namespace qvx
