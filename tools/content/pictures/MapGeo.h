#pragma once
// Hand-simplified coastlines and borders in degrees (longitude east, latitude north), coarse on
// purpose: a few dozen points per country are enough for a recognisable outline at 840 x 600.
#include <span>

namespace qvx::content::pictures {

struct GeoPoint {
    double lon, lat;
};

enum class GeoShape {
    Usa,
    Canada,
    Mexico,
    EuropeMainland,
    EuropeWestOfRussia,  // everything west of the eastern EU border, to clip the mainland
    GreatBritain,
    Ireland,
    Sicily,
    Sardinia,
    Corsica,
    Crete,
    Zealand,
    Mallorca,
    AfricaAndAnatolia,
    Germany,
    France,
};

std::span<const GeoPoint> Shape(GeoShape shape);

}  // namespace qvx::content::pictures
