// The licence maps: every marker of the region tables must sit inside its own region, every
// region must own a real piece of the country, and the written picture must show it there.
#include <gtest/gtest.h>

#include "ContentTestSupport.h"
#include "PictureTestSupport.h"
#include "Scenarios.h"
#include "pictures/Drawings.h"
#include "pictures/JpegWriter.h"
#include "pictures/MapLayout.h"
#include "pictures/PictureKit.h"

namespace qvx::content {
namespace {

using pictures::GetMapLayout;
using pictures::kMapHeight;
using pictures::kMapWidth;
using pictures::kMarkerSize;
using pictures::MapLayout;
using testing::ColourDistance;

constexpr const char* kMapFiles[] = {"QVX2_map_US.jpg", "QVX2_map_EU.jpg", "QVX2_map_GB.jpg",
                                     "QVX2_map_Germany.jpg", "QVX2_map_France.jpg"};

class PictureMap : public ::testing::TestWithParam<int> {};

TEST_P(PictureMap, EveryMarkerSitsWellInsideItsOwnRegion) {
    const int map = GetParam();
    const MapLayout& layout = GetMapLayout(map);
    const auto regions = MapRegions(map);
    ASSERT_EQ(layout.regions.size(), regions.size());
    for (size_t i = 0; i < regions.size(); ++i) {
        const RegionData& r = regions[i];
        SCOPED_TRACE(r.name);
        EXPECT_GE(r.markerX, 0);
        EXPECT_GE(r.markerY, 0);
        EXPECT_LE(r.markerX + kMarkerSize, kMapWidth);
        EXPECT_LE(r.markerY + kMarkerSize, kMapHeight);
        // Not merely the centre: the marker's middle must not straddle a border or a coast.
        const int region = static_cast<int>(i) + 1;
        for (int dy = -6; dy <= 6; dy += 3)
            for (int dx = -6; dx <= 6; dx += 3)
                EXPECT_EQ(layout.RegionAt(QPointF(r.markerX + 16 + dx, r.markerY + 16 + dy)),
                          region)
                    << "offset " << dx << "," << dy;
    }
}

TEST_P(PictureMap, EveryRegionOwnsAPieceOfTheCountryInsideThePicture) {
    const MapLayout& layout = GetMapLayout(GetParam());
    std::vector<int> area(layout.regions.size() + 1, 0);
    for (int y = 0; y < kMapHeight; y += 3)
        for (int x = 0; x < kMapWidth; x += 3)
            area[static_cast<size_t>(layout.RegionAt(QPointF(x + 0.5, y + 0.5)))] += 9;
    int land = 0;
    for (size_t i = 1; i < area.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(area[i], 2 * kMarkerSize * kMarkerSize) << "a region with hardly any land";
        land += area[i];
    }
    // The country fills a fair part of the picture rather than a corner of it.
    EXPECT_GT(land, kMapWidth * kMapHeight / 8);
    const QRectF bounds = layout.land.boundingRect();
    EXPECT_GT(bounds.width(), kMapWidth / 3.0);
    EXPECT_GT(bounds.height(), kMapHeight / 2.0);
}

TEST_P(PictureMap, ThePictureShowsEachRegionInItsColourUnderItsMarker) {
    ASSERT_TRUE(pictures::PrepareGui().ok());
    const int map = GetParam();
    testing::TempDir dir;
    Rng rng(1);
    ASSERT_TRUE(pictures::WriteJpeg(pictures::DrawMap(map, rng), dir / kMapFiles[map - 1]).ok());
    const QImage picture = testing::DecodeJpeg(dir / kMapFiles[map - 1]);
    ASSERT_FALSE(picture.isNull());
    const MapLayout& layout = GetMapLayout(map);
    for (size_t i = 0; i < layout.regions.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const QPointF c = layout.regions[i].markerCentre;
        const QRgb seen = picture.pixel(static_cast<int>(c.x()), static_cast<int>(c.y()));
        const QRgb own = layout.regions[i].colour.rgb();
        EXPECT_LE(ColourDistance(seen, own), 12);
    }
}

TEST_P(PictureMap, MorePeopleNeverMeansADimmerRegion) {
    const MapLayout& layout = GetMapLayout(GetParam());
    for (const auto& a : layout.regions) {
        for (const auto& b : layout.regions) {
            // Allow the small lightness step that keeps equal neighbours apart.
            if (a.population > b.population + 2) {
                EXPECT_GT(a.colour.lightness(), b.colour.lightness() - 12)
                    << a.population << " vs " << b.population;
            }
        }
    }
}

// Places whose owner a Voronoi split of the land got wrong: each must lie in its own country's
// region, and neighbours that are no region (Ireland, the Low Countries, Austria) in none.
struct Place {
    int map;
    const char* name;
    pictures::GeoPoint where;
    int region;  // 0 = sea or foreign land
};

constexpr Place kPlaces[] = {
    {Map::kEu, "Dublin", {-6.5, 53.3}, 0},
    {Map::kEu, "Galway", {-8.8, 53.4}, 0},
    {Map::kEu, "central Jutland", {9.2, 56.2}, 9},
    {Map::kEu, "Jutland by the border", {9.3, 55.2}, 9},
    {Map::kEu, "Schleswig", {9.6, 54.5}, 1},
    {Map::kEu, "Amsterdam", {5.0, 52.3}, 0},
    {Map::kEu, "Vienna", {16.3, 48.2}, 0},
    {Map::kEu, "Prague", {14.4, 50.1}, 0},
    {Map::kEu, "Zurich", {8.5, 47.3}, 0},
    {Map::kEu, "Corsica", {9.1, 42.1}, 2},
    {Map::kEu, "Sicily", {14.0, 37.5}, 4},
    {Map::kEu, "Mallorca", {2.9, 39.6}, 5},
    {Map::kEu, "Lisbon's hinterland", {-8.5, 39.0}, 6},
    {Map::kEu, "Badajoz", {-6.5, 38.8}, 5},
    {Map::kEu, "Crete", {24.9, 35.2}, 7},
    {Map::kEu, "Bulgaria", {25.0, 42.5}, 0},
    {Map::kEu, "Lithuania", {24.5, 55.0}, 0},
    {Map::kEu, "Estonia", {25.5, 58.8}, 0},
    {Map::kEu, "Helsinki's hinterland", {25.0, 60.6}, 9},
    {Map::kEu, "the North Sea", {3.0, 56.0}, 0},
    {Map::kEu, "the Bay of Biscay", {-4.0, 45.0}, 0},
    {Map::kGreatBritain, "Dumfries", {-3.6, 55.1}, 6},
    {Map::kGreatBritain, "Galloway", {-4.5, 54.95}, 6},
    {Map::kGreatBritain, "the Borders", {-2.7, 55.5}, 6},
    {Map::kGreatBritain, "Carlisle", {-2.9, 54.85}, 5},
    {Map::kGreatBritain, "the Solway Firth", {-3.5, 54.85}, 0},
    {Map::kGreatBritain, "Belfast", {-6.0, 54.6}, 0},
};

TEST(PictureMapPlaces, EveryPlaceBelongsToItsOwnCountrysRegion) {
    for (const Place& place : kPlaces) {
        SCOPED_TRACE(place.name);
        const MapLayout& layout = GetMapLayout(place.map);
        const QPointF at = layout.project(place.where);
        ASSERT_TRUE(QRectF(0, 0, kMapWidth, kMapHeight).contains(at));
        EXPECT_EQ(layout.RegionAt(at), place.region);
    }
}

TEST(PictureMapPlaces, RegionsNeitherOverlapNorReachBeyondTheLand) {
    for (int map = 1; map <= kMaps; ++map) {
        SCOPED_TRACE(map);
        const MapLayout& layout = GetMapLayout(map);
        for (int y = 2; y < kMapHeight; y += 9) {
            for (int x = 2; x < kMapWidth; x += 9) {
                const QPointF p(x + 0.5, y + 0.5);
                int owners = 0;
                for (const auto& region : layout.regions)
                    owners += region.area.contains(p) ? 1 : 0;
                ASSERT_LE(owners, 1) << x << "," << y;
                if (owners == 1) {
                    ASSERT_TRUE(layout.context.contains(p)) << x << "," << y;
                }
            }
        }
    }
}

std::string MapTestName(const ::testing::TestParamInfo<int>& param) {
    constexpr const char* kNames[] = {"Usa", "Eu", "GreatBritain", "Germany", "France"};
    return kNames[param.param - 1];
}

INSTANTIATE_TEST_SUITE_P(AllMaps, PictureMap, ::testing::Range(1, 6), MapTestName);

}  // namespace
}  // namespace qvx::content
