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
    // Territories: exact along their land borders, loose over the sea, so that cut with the
    // coastlines above they give a country (or Scotland) and nothing of its neighbours.
    ItalyTerritory,
    SpainTerritory,
    PortugalTerritory,
    GreeceTerritory,
    PolandTerritory,
    NordicTerritory,  // Denmark, Norway, Sweden and Finland
    ScotlandTerritory,
};

std::span<const GeoPoint> Shape(GeoShape shape);

}  // namespace qvx::content::pictures
