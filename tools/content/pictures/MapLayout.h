#pragma once
// The geometry of the five licence maps in picture pixels. The outlines are projected from
// degrees and then bent gently (a smooth warp) so that each region's marker point from the
// region table lands inside its own part of the country. A region that is a country of its
// own (the Union's members, Scotland) is that country's outline; the others share what is left
// of the land as the Voronoi cells of their marker centres. No sea or foreign land is a region's.
#include <QColor>
#include <QPainterPath>
#include <QPointF>
#include <functional>
#include <vector>

#include "MapGeo.h"

namespace qvx::content::pictures {

constexpr int kMapWidth = 840;
constexpr int kMapHeight = 600;
constexpr int kMarkerSize = 32;

struct MapRegionArea {
    QPointF markerCentre;  // (map x + 16, map y + 16)
    int population = 0;    // the sum of the five groups
    QPainterPath area;
    QColor colour;
};

struct MapLayout {
    QPainterPath land;     // every region together
    QPainterPath context;  // all land in the picture, drawn dim under the regions
    std::vector<QPolygonF> graticule;
    std::vector<MapRegionArea> regions;  // region 1 at index 0

    // Where a place on Earth lands in the picture.
    std::function<QPointF(const GeoPoint&)> project;

    // The region (1-based) a point of the picture belongs to, 0 for sea or foreign land.
    int RegionAt(const QPointF& point) const;
};

// Map 1..5 as in the scenario table: USA, European Union, Great Britain, Germany, France.
// Built once per map and kept.
const MapLayout& GetMapLayout(int map);

}  // namespace qvx::content::pictures
