#include "MapLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "MapGeo.h"
#include "Scenarios.h"

namespace qvx::content::pictures {

namespace {

constexpr double kDeg = std::numbers::pi / 180.0;

struct MapDefinition {
    double lon0, lat0;           // centre of the conic projection (and its standard parallel)
    double rotation;             // degrees clockwise, to stand a tall country up in a wide picture
    double zoom;                 // below 1 when the fitted outline would run off the picture
    double maxStretch;           // how much wider than true the map may be drawn
    double sigma;                // the farthest reach of the warp, in pixels
    double graticuleStep;        // degrees between the faint lines of the sea
    std::vector<GeoShape> land;  // the land regions may hold
    std::vector<GeoShape> context;  // neighbouring land, never part of a region
    std::vector<GeoPoint> anchors;  // a point inside each region's real territory
    // Per region, the shapes its own country is cut from the land with; the regions without
    // one share what is left by nearness to their markers.
    std::vector<std::vector<GeoShape>> territories;
};

const MapDefinition& Definition(int map) {
    using S = GeoShape;
    // clang-format off
    static const std::array<MapDefinition, 5> kDefinitions = {{
        // USA
        {-96.0, 39.0, 0, 1.0, 1.25, 150, 5, {S::Usa}, {S::Canada, S::Mexico},
         {{-68.9, 45.7}, {-76.5, 41.5}, {-86.3, 40.2}, {-95.5, 42.0}, {-82.5, 31.2},
          {-87.2, 34.0}, {-97.5, 32.0}, {-111.0, 42.5}, {-121.0, 41.5}},
         {}},
        // European Union: every region is a whole country.
        {10.0, 50.0, 2, 1.0, 1.35, 200, 10,
         {S::EuropeMainland, S::GreatBritain, S::Ireland, S::Sicily, S::Sardinia, S::Corsica,
          S::Crete, S::Zealand, S::Mallorca},
         {S::AfricaAndAnatolia},
         {{9.8, 50.9}, {3.0, 47.6}, {-2.6, 54.6}, {14.6, 41.3}, {-3.6, 39.8}, {-8.1, 41.4},
          {22.4, 39.3}, {17.5, 51.0}, {15.0, 60.0}},
         {{S::Germany}, {S::France, S::Corsica}, {S::GreatBritain}, {S::ItalyTerritory},
          {S::SpainTerritory}, {S::PortugalTerritory}, {S::GreeceTerritory},
          {S::PolandTerritory}, {S::NordicTerritory}}},
        // Great Britain: Scotland ends at its border, the English regions share the rest.
        {-2.5, 54.5, 13, 0.95, 1.15, 150, 2, {S::GreatBritain},
         {S::Ireland, S::EuropeMainland, S::Zealand},
         {{-0.2, 51.55}, {-1.3, 51.0}, {-4.0, 50.65}, {-1.1, 54.2}, {-2.6, 54.3},
          {-3.3, 57.2}},
         {{}, {}, {}, {}, {}, {S::ScotlandTerritory}}},
        // Germany
        {10.5, 51.2, 5, 0.9, 1.15, 150, 2, {S::Germany},
         {S::EuropeMainland, S::Zealand, S::GreatBritain},
         {{9.0, 48.5}, {11.6, 48.6}, {7.4, 51.6}, {9.9, 54.1}, {9.8, 50.7}, {13.2, 52.0}},
         {}},
        // France
        {2.5, 46.5, 6, 0.88, 1.15, 150, 2, {S::France},
         {S::EuropeMainland, S::GreatBritain, S::Ireland, S::Corsica, S::Sardinia, S::Mallorca,
          S::AfricaAndAnatolia},
         {{-1.6, 48.4}, {1.6, 47.9}, {4.4, 49.4}, {-0.4, 45.4}, {4.2, 45.6}, {2.4, 43.3}},
         {}},
    }};
    // clang-format on
    return kDefinitions[static_cast<size_t>(std::clamp(map, 1, 5) - 1)];
}

// An equidistant conic with its standard parallel through the map's centre, in degree units
// (y grows southwards): the USA gets its familiar curved northern border.
QPointF Conic(const GeoPoint& g, double lon0, double lat0) {
    const double phi1 = lat0 * kDeg;
    const double n = std::sin(phi1);
    const double rho0 = 1.0 / std::tan(phi1);
    const double rho = rho0 + phi1 - g.lat * kDeg;
    const double theta = n * (g.lon - lon0) * kDeg;
    return {rho * std::sin(theta) / kDeg, (rho * std::cos(theta) - rho0) / kDeg};
}

class Projection {
  public:
    Projection(const MapDefinition& def, std::span<const QPointF> markers) : m_def(def) {
        const size_t n = def.anchors.size();
        std::vector<QPointF> unit(n);
        QPointF meanUnit, meanMarker;
        for (size_t i = 0; i < n; ++i) {
            unit[i] = Unit(def.anchors[i]);
            meanUnit += unit[i] / static_cast<double>(n);
            meanMarker += markers[i] / static_cast<double>(n);
        }
        // Scale by the spread of the points (not by regression, which would shrink the map
        // whenever the region table's layout is not quite geographic).
        double su = 0, sm = 0, tu = 0, tm = 0;
        for (size_t i = 0; i < n; ++i) {
            su += std::pow(unit[i].x() - meanUnit.x(), 2);
            sm += std::pow(markers[i].x() - meanMarker.x(), 2);
            tu += std::pow(unit[i].y() - meanUnit.y(), 2);
            tm += std::pow(markers[i].y() - meanMarker.y(), 2);
        }
        double kx = std::sqrt(sm / su), ky = std::sqrt(tm / tu);
        const double mean = std::sqrt(kx * ky);
        const double ratio = std::clamp(kx / ky, 1.0 / def.maxStretch, def.maxStretch);
        kx = mean * std::sqrt(ratio) * def.zoom;
        ky = mean / std::sqrt(ratio) * def.zoom;
        m_scale = QPointF(kx, ky);
        m_offset = meanMarker - QPointF(meanUnit.x() * kx, meanUnit.y() * ky);

        // The warp: Gaussian bumps around the anchors that carry each anchor onto its marker.
        m_centres.resize(n);
        std::vector<QPointF> residual(n);
        for (size_t i = 0; i < n; ++i) {
            m_centres[i] = Linear(unit[i]);
            residual[i] = markers[i] - m_centres[i];
        }
        // Each bump reaches about as far as the nearest other anchor, so that a lonely region
        // moves as a whole while crowded ones do not drag their neighbours along.
        m_sigma.resize(n);
        for (size_t i = 0; i < n; ++i) {
            double nearest = 1e9;
            for (size_t j = 0; j < n; ++j) {
                if (j == i) continue;
                const QPointF d = m_centres[i] - m_centres[j];
                nearest = std::min(nearest, std::hypot(d.x(), d.y()));
            }
            m_sigma[i] = std::clamp(nearest * 0.8, 60.0, def.sigma);
        }
        std::vector<std::vector<double>> a(n, std::vector<double>(n));
        for (size_t i = 0; i < n; ++i)
            for (size_t j = 0; j < n; ++j)
                a[i][j] = Kernel(m_centres[i], j) + (i == j ? 0.02 : 0.0);
        m_weights = Solve(a, residual);
    }

    QPointF operator()(const GeoPoint& g) const {
        const QPointF p = Linear(Unit(g));
        QPointF shift;
        for (size_t i = 0; i < m_centres.size(); ++i)
            shift += m_weights[i] * Kernel(p, i);
        return p + shift;
    }

  private:
    QPointF Unit(const GeoPoint& g) const {
        const QPointF c = Conic(g, m_def.lon0, m_def.lat0);
        const double a = m_def.rotation * kDeg;
        return {c.x() * std::cos(a) - c.y() * std::sin(a),
                c.x() * std::sin(a) + c.y() * std::cos(a)};
    }
    QPointF Linear(const QPointF& u) const {
        return m_offset + QPointF(u.x() * m_scale.x(), u.y() * m_scale.y());
    }
    double Kernel(const QPointF& p, size_t centre) const {
        const QPointF d = p - m_centres[centre];
        const double s = m_sigma[centre];
        return std::exp(-(d.x() * d.x() + d.y() * d.y()) / (s * s));
    }
    // Gaussian elimination with partial pivoting; the kernel matrix is positive definite.
    static std::vector<QPointF> Solve(std::vector<std::vector<double>> a, std::vector<QPointF> b) {
        const size_t n = b.size();
        for (size_t col = 0; col < n; ++col) {
            size_t pivot = col;
            for (size_t r = col + 1; r < n; ++r)
                if (std::abs(a[r][col]) > std::abs(a[pivot][col])) pivot = r;
            std::swap(a[col], a[pivot]);
            std::swap(b[col], b[pivot]);
            for (size_t r = col + 1; r < n; ++r) {
                const double f = a[r][col] / a[col][col];
                for (size_t c = col; c < n; ++c)
                    a[r][c] -= f * a[col][c];
                b[r] -= f * b[col];
            }
        }
        std::vector<QPointF> x(n);
        for (size_t i = n; i-- > 0;) {
            QPointF sum = b[i];
            for (size_t c = i + 1; c < n; ++c)
                sum -= a[i][c] * x[c];
            x[i] = sum / a[i][i];
        }
        return x;
    }

    const MapDefinition& m_def;
    QPointF m_scale, m_offset;
    std::vector<QPointF> m_centres, m_weights;
    std::vector<double> m_sigma;
};

// Long edges (the 49th parallel, the cut lines) are walked in small steps so that they follow
// the projection's curve.
QPolygonF ProjectRing(std::span<const GeoPoint> ring, const Projection& project) {
    QPolygonF out;
    for (size_t i = 0; i < ring.size(); ++i) {
        const GeoPoint a = ring[i], b = ring[(i + 1) % ring.size()];
        const double length = std::max(std::abs(b.lon - a.lon), std::abs(b.lat - a.lat));
        const int steps = std::max(1, static_cast<int>(std::ceil(length / 0.5)));
        for (int s = 0; s < steps; ++s) {
            const double t = static_cast<double>(s) / steps;
            out << project({a.lon + (b.lon - a.lon) * t, a.lat + (b.lat - a.lat) * t});
        }
    }
    return out;
}

QPainterPath PathOf(const std::vector<GeoShape>& shapes, const Projection& project) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const GeoShape shape : shapes) {
        QPolygonF ring = ProjectRing(Shape(shape), project);
        ring << ring.front();
        path.addPolygon(ring);
        path.closeSubpath();
    }
    return path;
}

// The part of the convex polygon on a's side of the bisector between a and b.
QPolygonF ClipToNearer(const QPolygonF& poly, const QPointF& a, const QPointF& b) {
    const QPointF mid = (a + b) / 2, dir = b - a;
    const auto side = [&](const QPointF& p) {
        return (p.x() - mid.x()) * dir.x() + (p.y() - mid.y()) * dir.y();
    };
    QPolygonF out;
    for (qsizetype i = 0; i < poly.size(); ++i) {
        const QPointF p = poly[i], q = poly[(i + 1) % poly.size()];
        const double sp = side(p), sq = side(q);
        if (sp <= 0) out << p;
        if ((sp < 0 && sq > 0) || (sp > 0 && sq < 0)) out << p + (q - p) * (sp / (sp - sq));
    }
    return out;
}

// More viewers, more light: a dim slate blue for the fewest, warm studio amber for the most.
QColor PopulationColour(double t, size_t index) {
    static const std::array<QColor, 3> kRamp = {QColor(0x3a, 0x52, 0x6e), QColor(0x86, 0x76, 0x7a),
                                                QColor(0xe3, 0xa8, 0x57)};
    const double scaled = std::clamp(t, 0.0, 1.0) * (kRamp.size() - 1);
    const size_t low = std::min(kRamp.size() - 2, static_cast<size_t>(scaled));
    const double u = scaled - static_cast<double>(low);
    const QColor& a = kRamp[low];
    const QColor& b = kRamp[low + 1];
    const auto lerp = [u](float from, float to) {
        return static_cast<float>(from + (to - from) * u);
    };
    const QColor mixed = QColor::fromRgbF(lerp(a.redF(), b.redF()), lerp(a.greenF(), b.greenF()),
                                          lerp(a.blueF(), b.blueF()));
    // Neighbours of equal population still need to be told apart.
    return mixed.lighter(96 + static_cast<int>((index * 7) % 5) * 2);
}

std::unique_ptr<MapLayout> Build(int map) {
    const MapDefinition& def = Definition(map);
    const std::span<const RegionData> table = MapRegions(map);
    std::vector<QPointF> markers;
    for (const RegionData& r : table)
        markers.emplace_back(r.markerX + kMarkerSize / 2.0, r.markerY + kMarkerSize / 2.0);
    const size_t n = std::min(markers.size(), def.anchors.size());
    markers.resize(n);
    const auto shared = std::make_shared<const Projection>(def, markers);
    const Projection& project = *shared;

    auto layout = std::make_unique<MapLayout>();
    layout->project = [shared](const GeoPoint& g) { return (*shared)(g); };
    const QPainterPath physical = PathOf(def.land, project);
    // Drawn dim under the regions: land that belongs to none of them shows as foreign.
    layout->context = PathOf(def.context, project).united(physical);

    // Meridians and parallels on whole multiples of the step, as on a printed map.
    const QRectF picture(0, 0, kMapWidth, kMapHeight);
    const double first = std::floor((def.lon0 - 60) / def.graticuleStep) * def.graticuleStep;
    for (double lon = first; lon <= def.lon0 + 60; lon += def.graticuleStep) {
        QPolygonF meridian;
        for (double lat = 20; lat <= 75; lat += 0.5)
            meridian << project(GeoPoint{lon, lat});
        if (meridian.boundingRect().intersects(picture)) layout->graticule.push_back(meridian);
    }
    for (double lat = 20; lat <= 75; lat += def.graticuleStep) {
        QPolygonF parallel;
        for (double lon = def.lon0 - 60; lon <= def.lon0 + 60; lon += 0.5)
            parallel << project(GeoPoint{lon, lat});
        if (parallel.boundingRect().intersects(picture)) layout->graticule.push_back(parallel);
    }

    std::vector<int> populations;
    for (size_t i = 0; i < n; ++i) {
        int sum = 0;
        for (const int32_t group : table[i].population)
            sum += group;
        populations.push_back(sum);
    }
    const int lowest = *std::min_element(populations.begin(), populations.end());
    const int highest = *std::max_element(populations.begin(), populations.end());

    std::vector<QPainterPath> own(n);
    QPainterPath remainder = physical;
    for (size_t i = 0; i < n && i < def.territories.size(); ++i) {
        if (def.territories[i].empty()) continue;
        own[i] = physical.intersected(PathOf(def.territories[i], project));
        remainder = remainder.subtracted(own[i]);
    }
    const auto shares = [&](size_t i) {
        return i >= def.territories.size() || def.territories[i].empty();
    };

    const QRectF frame(-50, -50, kMapWidth + 100, kMapHeight + 100);
    for (size_t i = 0; i < n; ++i) {
        MapRegionArea region;
        region.markerCentre = markers[i];
        region.population = populations[i];
        if (shares(i)) {
            QPolygonF cell(frame);
            for (size_t j = 0; j < n; ++j)
                if (j != i && shares(j)) cell = ClipToNearer(cell, markers[i], markers[j]);
            QPainterPath cellPath;
            cellPath.addPolygon(cell);
            cellPath.closeSubpath();
            region.area = remainder.intersected(cellPath);
        } else {
            region.area = own[i];
        }
        const double t = highest > lowest
                             ? static_cast<double>(populations[i] - lowest) / (highest - lowest)
                             : 0.5;
        region.colour = PopulationColour(t, i);
        layout->land = layout->land.united(region.area);
        layout->regions.push_back(std::move(region));
    }
    return layout;
}

}  // namespace

int MapLayout::RegionAt(const QPointF& point) const {
    for (size_t i = 0; i < regions.size(); ++i) {
        const QPainterPath& area = regions[i].area;
        if (area.boundingRect().contains(point) && area.contains(point))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

const MapLayout& GetMapLayout(int map) {
    static std::array<std::unique_ptr<MapLayout>, 5> cache;
    auto& slot = cache[static_cast<size_t>(std::clamp(map, 1, 5) - 1)];
    if (!slot) slot = Build(std::clamp(map, 1, 5));
    return *slot;
}

}  // namespace qvx::content::pictures
