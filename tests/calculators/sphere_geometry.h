// Independent spherical geometry for the coastal-fix tests: positions made
// from an observer by bearing and distance, and great-circle distances, on a
// sphere on which one minute of arc is one nautical mile. Written with the
// standard library's functions and the full value of pi, independent of the
// program's own angle helpers.
#pragma once

#include <cmath>

namespace spheretest {

inline const double kTruePi = std::acos(-1.0);
inline const double kTrueRad = kTruePi / 180;
inline const double kEarthNm = 60 * 180 / kTruePi;

struct LatLon {
    double Lat = 0;  // degrees, north positive
    double Lon = 0;  // degrees, east positive, -180..180
};

// The point at a bearing (degrees from north) and distance (n.mi.) from a
// start point: the direct problem of spherical trigonometry.
inline LatLon destination(LatLon from, double bearing, double distanceNm) {
    const double d = distanceNm / kEarthNm;
    const double lat1 = from.Lat * kTrueRad;
    const double brg = bearing * kTrueRad;
    const double lat2 =
        std::asin(std::sin(lat1) * std::cos(d) + std::cos(lat1) * std::sin(d) * std::cos(brg));
    const double dLon = std::atan2(std::sin(brg) * std::sin(d) * std::cos(lat1),
                                   std::cos(d) - std::sin(lat1) * std::sin(lat2));
    double lon = from.Lon + dLon / kTrueRad;
    if (lon > 180) {
        lon -= 360;
    } else if (lon < -180) {
        lon += 360;
    }
    return {lat2 / kTrueRad, lon};
}

// Initial great-circle bearing (degrees from north, -180..180) from one
// point to another.
inline double bearingDeg(LatLon from, LatLon to) {
    const double lat1 = from.Lat * kTrueRad;
    const double lat2 = to.Lat * kTrueRad;
    const double dLon = (to.Lon - from.Lon) * kTrueRad;
    return std::atan2(
               std::sin(dLon) * std::cos(lat2),
               std::cos(lat1) * std::sin(lat2) - std::sin(lat1) * std::cos(lat2) * std::cos(dLon)) /
           kTrueRad;
}

// The horizontal angle (degrees, -180..180) from landmark 1 clockwise to
// landmark 2 as seen from an observer.
inline double seenAngleDeg(LatLon observer, LatLon one, LatLon two) {
    double a = bearingDeg(observer, two) - bearingDeg(observer, one);
    if (a > 180) {
        a -= 360;
    } else if (a < -180) {
        a += 360;
    }
    return a;
}

// Great-circle distance by the haversine formula, nautical miles.
inline double haversineNm(LatLon a, LatLon b) {
    const double dLat = (b.Lat - a.Lat) * kTrueRad;
    const double dLon = (b.Lon - a.Lon) * kTrueRad;
    const double s = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(a.Lat * kTrueRad) * std::cos(b.Lat * kTrueRad) * std::sin(dLon / 2) *
                         std::sin(dLon / 2);
    return 2 * kEarthNm * std::asin(std::sqrt(s));
}

}  // namespace spheretest
