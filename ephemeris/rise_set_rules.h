// The small rules of the rise, set and meridian-passage search that the Sun's
// and the Moon's procedures share, exposed so that each can be checked alone.
#pragma once

#include <string>

namespace ephemeris {

// The GHA that puts a body on the meridian of Lon (east positive): 360 - Lon
// for Lon >= 0, -Lon for Lon < 0, so it lies in (0, 360].
double meridianGha(double Lon);

// G - GHA in degrees, taken across the 0/360 seam when one of the two lies
// within 90 degrees below 360 and the other within 90 degrees above 0.
double hourAngleDifference(double G, double GHA);

// The Moon's GHA rate measured between 0 h (GHA0) and the transit estimate
// (GHA), degrees per hour. A rate outside 14.0 to 15.0, a transit estimate of
// 0 h or a quotient that is not finite falls back to the mean 14.3167.
double moonHourlyRate(double GHA, double GHA0, double Transit);

// The secant step of the crossing search: the straight line through the
// previous point (tPrev, hPrev) and this one (t, h) taken to the threshold
// altitude, with hAboveThreshold = h - h0. Two points of equal altitude give
// this point's own time.
double crossingTime(double t, double hAboveThreshold, double h, double tPrev, double hPrev);

// A time before 0 h UT moves to the previous day: Hours + 24 and Flag "P".
void flagPreviousDay(double& Hours, std::string& Flag);

// A time after 24 h UT moves to the next day: Hours - 24 and Flag "N".
void flagNextDay(double& Hours, std::string& Flag);

}  // namespace ephemeris
