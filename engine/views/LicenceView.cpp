#include "LicenceView.h"

#include "Boosters.h"
#include "Formatting.h"
#include "Licences.h"

namespace qvx {

namespace {

std::string Millions(int64_t n) {
    return FormatAmount(n) + " million";
}

std::string Dollars(int64_t n) {
    return "$ " + FormatAmount(n) + " millions";
}

}  // namespace

std::string MapPicture(int32_t map) {
    static constexpr const char* kMaps[] = {"QVX2_map_US.jpg", "QVX2_map_EU.jpg", "QVX2_map_GB.jpg",
                                            "QVX2_map_Germany.jpg", "QVX2_map_France.jpg"};
    return kMaps[map >= 1 && map <= 5 ? map - 1 : 0];
}

LicenceMapView BuildLicenceMapView(const GameState& gs) {
    LicenceMapView view;
    const int player = gs.PlayerChannel;
    if (ValidChannel(player)) {
        view.money = Dollars(gs.Channel[player][Ch::kMoney]);
        // Every licence of the map counts, also those of regions past the screen's nine markers.
        int stations = 0;
        int64_t costs = 0;
        for (int r = 1; r <= kRegions; ++r) {
            if (!RegionExists(gs, r) || !HoldsLicence(gs, r, player)) continue;
            ++stations;
            costs += gs.Regions[r][Reg::kRegionMonthlyCost];
        }
        view.stations = std::to_string(stations) + (stations == 1 ? " station" : " stations");
        view.stationCosts = Dollars(costs);
    }
    view.mapPicture = MapPicture(gs.GameInfo[Info::kMap]);
    for (int r = 1; r <= kMapMarkers; ++r) {
        RegionMarker& marker = view.markers[static_cast<size_t>(r - 1)];
        view.lines[static_cast<size_t>(r - 1)] = LicenceMapLine(gs, r);
        if (!RegionExists(gs, r)) continue;
        marker.shown = true;
        marker.x = gs.Regions[r][Reg::kMarkerX];
        marker.y = gs.Regions[r][Reg::kMarkerY];
        marker.name = gs.RegionNames[r];
        // A bankrupt company keeps its licences in the table, but no longer broadcasts there.
        for (int c = 1; c <= kChannels; ++c)
            marker.flags[static_cast<size_t>(c - 1)] = InBusiness(gs, c) && HoldsLicence(gs, r, c);
    }
    return view;
}

RegionPanelView BuildRegionPanelView(const GameState& gs, const Boosters& boosters, int region) {
    RegionPanelView view;
    if (region < 1 || region > kRegions) return view;
    const Record& data = gs.Regions[region];
    view.name = gs.RegionNames[region];
    view.codes = gs.RegionCodes[region];
    view.description = gs.RegionDescriptions[region];
    int64_t total = 0;
    for (int g = 0; g < kAudienceGroups; ++g) {
        const int32_t people = data[Reg::kPopulation + g];
        view.groups[static_cast<size_t>(g)] = Millions(people);
        total += people;
    }
    view.total = Millions(total);
    view.price = Dollars(PlayerLicencePrice(gs, boosters, region));
    view.monthlyCost = Dollars(data[Reg::kRegionMonthlyCost]);
    return view;
}

PanelSide RegionPanelSide(int32_t markerX) {
    if (markerX > 365) return PanelSide::Left;
    if (markerX < 261) return PanelSide::Right;
    return PanelSide::Keep;
}

}  // namespace qvx
