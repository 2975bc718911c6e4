// Sight reduction: dead reckoning by plane sailing, altitude corrections,
// intercepts from the assumed position and the least-squares running fix.
#include "reduction/sight_reduction.h"

#include <cmath>
#include <optional>
#include <string>

#include "ephemeris/ephemeris.h"
#include "platform/input_check.h"
#include "platform/numtext.h"
#include "reduction/detailed_output.h"

namespace reduction {

namespace {

constexpr double k = ephemeris::kRadPerDeg;

using platform::generalText;
using platform::leadingNumber;

ReductionWarning warning(std::string_view text) {
    return ReductionWarning{std::string(text), std::string(kReductionWarningTitle)};
}

std::string sightText(int i, const char* what) {
    return "Sight " + std::to_string(i) + ": " + what;
}

using platform::allFinite;

// "1 deg 30.0 min  S": degrees and minutes unsigned, rounded to 0.1' with the
// carry; the letter carries the side.
std::string drText(double angle, const char* side) {
    const ephemeris::RoundedDegMin shown = ephemeris::RoundDegMin(angle, 1);
    return generalText(shown.Deg) + " deg " + ephemeris::RoundedText(shown.Min, 1) + " min  " +
           side;
}

// The whole degrees and minutes of a pre-filled angle: the minutes rounded up
// from .6 (Int(M + 0.4), cut toward minus infinity), 60 carried into the
// degrees.
void prefillDegMin(double D, double M, std::string& degrees, std::string& minutes) {
    double wholeDegrees = std::fabs(D);
    double wholeMinutes = std::fabs(std::floor(M + 0.4));
    if (wholeMinutes >= 60) {
        wholeDegrees += 1;
        wholeMinutes -= 60;
    }
    degrees = generalText(wholeDegrees);
    minutes = generalText(wholeMinutes);
}

// The first value of sight i that is not a finite number, as a warning.
std::optional<ReductionWarning> sightWarning(int i, const SightWorking& s, double refraction) {
    if (!std::isfinite(s.UT)) {
        return warning(sightText(i,
                                 "the time of the sight cannot be used; check the watch time and "
                                 "the chronometer correction."));
    }
    if (!allFinite({s.Hs, s.Ha})) {
        return warning(sightText(i,
                                 "the apparent altitude cannot be corrected; check the sextant "
                                 "altitude, the index error, the horizon and the eye height."));
    }
    if (!std::isfinite(s.PA)) {
        return warning(sightText(i,
                                 "the parallax cannot be computed; check the horizontal "
                                 "parallax."));
    }
    if (!std::isfinite(refraction)) {
        return warning(sightText(i,
                                 "the refraction cannot be computed; check the air temperature, "
                                 "the pressure and the apparent altitude."));
    }
    if (!std::isfinite(s.SDc)) {
        return warning(sightText(i,
                                 "the semi-diameter correction cannot be computed; check the "
                                 "semi-diameter and the horizontal parallax."));
    }
    if (!std::isfinite(s.Ho)) {
        return warning(sightText(i,
                                 "the observed altitude cannot be computed; check the sextant "
                                 "altitude and its corrections."));
    }
    if (!allFinite({s.GHA, s.Dec, s.LHA, s.Hc, s.Zn, s.Intercept})) {
        return warning(sightText(i,
                                 "the altitude and azimuth from the assumed position cannot be "
                                 "computed; check the GHA, the declination and the assumed "
                                 "position."));
    }
    if (!std::isfinite(s.Run)) {
        return warning(sightText(i,
                                 "the run to the fix time cannot be computed; check the date of "
                                 "the sight, the fix times and the speed."));
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> wrappedLongitude(double Lon) {
    if (!(std::fabs(Lon) < kLongestWrappedLongitude)) {
        return std::nullopt;
    }
    // Within one turn of the range the single step is exact.
    if (Lon > 180 && Lon <= 540) {
        return Lon - 360;
    }
    if (Lon < -180 && Lon >= -540) {
        return Lon + 360;
    }
    if (Lon > 540 || Lon < -540) {
        return ephemeris::wrapLongitude(Lon);
    }
    return Lon;
}

std::optional<ReductionWarning> checkLeg(const LegSettings& leg, const GeneralSettings& general,
                                         LegUse use) {
    using platform::Empty;
    using platform::numberProblem;
    // The first checks look for empty texts only: a blank passes and reads 0.
    if (leg.LastFixHour.empty() || leg.NewFixHour.empty()) {
        return warning(kNoFixTimeMessage);
    }
    if (leg.LastFixLatDegrees.empty() || leg.LastFixLonDegrees.empty()) {
        return warning(kNoLastFixMessage);
    }
    const bool reduction = use == LegUse::Reduction;
    const auto found = [](const platform::Problem& problem) -> std::optional<ReductionWarning> {
        if (problem) {
            return warning(*problem);
        }
        return std::nullopt;
    };

    // Every box as the navigator typed it: a number as a whole text.
    if (const platform::Problem problem = platform::firstProblem({
            numberProblem("Course", leg.Course),
            numberProblem("Speed", leg.Speed),
            numberProblem("Last fix latitude degrees", leg.LastFixLatDegrees),
            numberProblem("Last fix latitude minutes", leg.LastFixLatMinutes),
            numberProblem("Last fix longitude degrees", leg.LastFixLonDegrees),
            numberProblem("Last fix longitude minutes", leg.LastFixLonMinutes),
            numberProblem("Last fix hour", leg.LastFixHour),
            numberProblem("Last fix minutes", leg.LastFixMinutes),
            numberProblem("Last fix day", leg.LastFixDay),
            numberProblem("Last fix month", leg.LastFixMonth),
            numberProblem("Last fix year", leg.LastFixYear),
            numberProblem("New fix hour", leg.NewFixHour),
            numberProblem("New fix minutes", leg.NewFixMinutes),
            numberProblem("New fix day", leg.NewFixDay),
            numberProblem("New fix month", leg.NewFixMonth),
            numberProblem("New fix year", leg.NewFixYear),
        })) {
        return found(problem);
    }
    if (reduction) {
        if (const platform::Problem problem = platform::firstProblem({
                numberProblem("Eye height", leg.EyeHeight, Empty::Refused),
                numberProblem("Plotting scale", leg.PlottingScale, Empty::Refused),
                numberProblem("Delta T", general.DeltaT, Empty::Refused),
                numberProblem("Chronometer correction", general.ChronometerCorrection),
                numberProblem("Air temperature", general.AirTemperature, Empty::Refused),
                numberProblem("Pressure", general.Pressure, Empty::Refused),
            })) {
            return found(problem);
        }
    }

    // The ranges. The last fix position is read without signs; only the
    // options count.
    const double latMinutes = std::fabs(leadingNumber(leg.LastFixLatMinutes));
    const double lonMinutes = std::fabs(leadingNumber(leg.LastFixLonMinutes));
    if (const platform::Problem problem = platform::firstProblem({
            platform::directionProblem("Course", leadingNumber(leg.Course)),
            platform::nonNegativeProblem("Speed", leadingNumber(leg.Speed)),
            platform::minutesProblem("Last fix latitude minutes", latMinutes),
            platform::minutesProblem("Last fix longitude minutes", lonMinutes),
            platform::longitudeProblem(
                "Last fix longitude",
                std::fabs(leadingNumber(leg.LastFixLonDegrees)) + lonMinutes / 60),
        })) {
        return found(problem);
    }
    if (reduction) {
        if (const platform::Problem problem = platform::firstProblem({
                platform::nonNegativeProblem("Eye height", leadingNumber(leg.EyeHeight)),
                platform::nonNegativeProblem("Plotting scale", leadingNumber(leg.PlottingScale)),
                platform::deltaTProblem(leadingNumber(general.DeltaT)),
                platform::aboveProblem("Air temperature", leadingNumber(general.AirTemperature),
                                       -273, " °C"),
                platform::aboveProblem("Pressure", leadingNumber(general.Pressure), 0,
                                       " millibars"),
            })) {
            return found(problem);
        }
    }

    const double lastLat = std::fabs(leadingNumber(leg.LastFixLatDegrees)) + latMinutes / 60;
    // Month and year as whole texts (numbers by now, see above).
    const auto whole = [](const std::string& text) {
        return platform::parseWholeText(text).value_or(std::nan(""));
    };
    return found(platform::firstProblem({
        platform::latitudeProblem("Last fix latitude", lastLat),
        platform::dateProblem(whole(leg.LastFixYear), whole(leg.LastFixMonth),
                              leadingNumber(leg.LastFixDay),
                              {"Last fix year", "Last fix month", "Last fix day"}),
        platform::hourMinuteProblem(leadingNumber(leg.LastFixHour),
                                    leadingNumber(leg.LastFixMinutes),
                                    {"Last fix hour", "Last fix minutes"}),
        platform::dateProblem(whole(leg.NewFixYear), whole(leg.NewFixMonth),
                              leadingNumber(leg.NewFixDay),
                              {"New fix year", "New fix month", "New fix day"}),
        platform::hourMinuteProblem(leadingNumber(leg.NewFixHour), leadingNumber(leg.NewFixMinutes),
                                    {"New fix hour", "New fix minutes"}),
    }));
}

LegValues legValues(const LegSettings& leg, bool Option2South, bool Option3West) {
    LegValues v;
    v.h = leadingNumber(leg.EyeHeight);
    if (leg.EyeHeightFeet) {
        v.h = v.h / 3.2808;
    }
    v.Crs = leadingNumber(leg.Course);
    v.V = leadingNumber(leg.Speed);

    // AngleEntry: the sign of a typed number is ignored, only the options count.
    v.LastLat = std::fabs(leadingNumber(leg.LastFixLatDegrees)) +
                std::fabs(leadingNumber(leg.LastFixLatMinutes)) / 60;
    if (Option2South) {
        v.LastLat = -v.LastLat;
    }
    v.LastLon = std::fabs(leadingNumber(leg.LastFixLonDegrees)) +
                std::fabs(leadingNumber(leg.LastFixLonMinutes)) / 60;
    if (Option3West) {
        v.LastLon = -v.LastLon;
    }

    // Month and year as whole texts (no value: not a number, as checkLeg says).
    const auto whole = [](const std::string& text) {
        return platform::parseWholeText(text).value_or(std::nan(""));
    };
    double T = 0;
    ephemeris::JulianDay(
        whole(leg.LastFixYear), whole(leg.LastFixMonth), leadingNumber(leg.LastFixDay),
        leadingNumber(leg.LastFixHour) + leadingNumber(leg.LastFixMinutes) / 60, v.JDLast, T);
    ephemeris::JulianDay(
        whole(leg.NewFixYear), whole(leg.NewFixMonth), leadingNumber(leg.NewFixDay),
        leadingNumber(leg.NewFixHour) + leadingNumber(leg.NewFixMinutes) / 60, v.JDNew, T);
    v.PlotScale = leadingNumber(leg.PlottingScale);
    return v;
}

void deadReckoning(const LegValues& v, double& DrLat, double& DrLon) {
    // Plane sailing with the middle latitude.
    const double d = v.V * (v.JDNew - v.JDLast) * 24;
    const double dLat = d * std::cos(v.Crs * k) / 60;
    const double dLon = d * std::sin(v.Crs * k) / (60 * std::cos((v.LastLat + dLat / 2) * k));
    DrLat = v.LastLat + dLat;
    DrLon = v.LastLon + dLon;
}

bool deadReckonedPosition(const LegValues& v, double& DrLat, double& DrLon) {
    double lon = 0;
    deadReckoning(v, DrLat, lon);
    const std::optional<double> wrapped = wrappedLongitude(lon);
    DrLon = wrapped.value_or(0);
    return wrapped && std::isfinite(DrLat) && std::fabs(DrLat) <= 90;
}

ReductionStart prepareReduction(const LegSettings& leg, bool Option2South, bool Option3West,
                                const GeneralSettings& general) {
    ReductionStart start;
    start.Warning = checkLeg(leg, general, LegUse::Reduction);
    if (start.Warning) {
        return start;
    }
    start.Leg = legValues(leg, Option2South, Option3West);
    if (!deadReckonedPosition(start.Leg, start.DrLat, start.DrLon)) {
        start.Warning = warning(kBadDeadReckoningMessage);
        return start;
    }

    double D1 = 0;
    double M1 = 0;
    double D2 = 0;
    double M2 = 0;
    ephemeris::SplitDegMin(start.DrLat, D1, M1);
    ephemeris::SplitDegMin(start.DrLon, D2, M2);
    M1 = ephemeris::FloorTo1(M1 + 0.04);
    M2 = ephemeris::FloorTo1(M2 + 0.04);
    const bool north = start.DrLat >= 0;
    const bool east = start.DrLon >= 0;

    AssumedPositionPrefill& p = start.Prefill;
    p.Option1 = north;
    p.Option2 = !north;
    p.Option4 = east;
    p.Option3 = !east;
    p.Label5 = drText(start.DrLat, north ? "N" : "S");
    p.Label6 = drText(start.DrLon, east ? "E" : "W");
    prefillDegMin(D1, M1, p.Text58, p.Text3);
    prefillDegMin(D2, M2, p.Text2, p.Text1);
    return start;
}

void assumedPositionOf(const AssumedPositionFields& fields, double& AssumedLat,
                       double& AssumedLon) {
    AssumedLat = leadingNumber(fields.Text58) + leadingNumber(fields.Text3) / 60;
    if (fields.Option2) {
        AssumedLat = -AssumedLat;
    }
    AssumedLon = leadingNumber(fields.Text2) + leadingNumber(fields.Text1) / 60;
    if (fields.Option3) {
        AssumedLon = -AssumedLon;
    }
}

ReductionInput reductionInput(const ReductionStart& start, const GeneralSettings& general,
                              double AssumedLat, double AssumedLon) {
    ReductionInput input;
    input.Leg = start.Leg;
    input.DrLat = start.DrLat;
    input.DrLon = start.DrLon;
    input.T = leadingNumber(general.AirTemperature);
    input.P = leadingNumber(general.Pressure);
    input.K = leadingNumber(general.ChronometerCorrection);
    input.AssumedLat = AssumedLat;
    // A longitude beyond 180 degrees is taken round the Earth; one that cannot
    // be wrapped stays as typed for reduceSights to refuse.
    input.AssumedLon = wrappedLongitude(AssumedLon).value_or(AssumedLon);
    return input;
}

ReductionOutcome reduceSights(const ReductionInput& input, const SightLog& log) {
    ReductionOutcome outcome;
    ReductionResult& r = outcome.Result;
    const LegValues& leg = input.Leg;
    const double AssumedLat = input.AssumedLat;
    const double AssumedLon = input.AssumedLon;

    // The fix divides by cos AssumedLat: no longitude of a fix at a pole.
    if (!(std::fabs(AssumedLat) < 90)) {
        outcome.Warning = warning(kAssumedAtPoleMessage);
        return outcome;
    }
    if (!(std::fabs(AssumedLon) <= 180)) {
        outcome.Warning = warning(kAssumedLongitudeMessage);
        return outcome;
    }

    r.SightCount = reducibleSightCount(log.SightCount);
    const double dip = -0.0293 * std::sqrt(leg.h);
    const double f = 0.28 * input.P / (273 + input.T);
    const double sinAL = std::sin(AssumedLat * k);
    const double cosAL = std::cos(AssumedLat * k);
    const double sinDrLat = std::sin(input.DrLat * k);

    for (int i = 1; i <= r.SightCount; ++i) {
        const auto& row = log.SightData[i];
        SightWorking& s = r.Sights[i];
        s.UT =
            row[kFieldUTHour] + row[kFieldUTMinute] / 60 + (row[kFieldUTSecond] + input.K) / 3600;
        s.Hs = row[kFieldHsDegrees] + row[kFieldHsMinutes] / 60;
        const double SD = row[kFieldSD] / 60;
        const double HP = row[kFieldHP] / 60;
        const double limb = row[kFieldLimb];
        s.GHA = row[kFieldGHA];
        s.Dec = row[kFieldDec];
        r.CopGha[i] = s.GHA;
        r.CopDec[i] = s.Dec;

        // Altitude corrections.
        const double IC = row[kFieldIndexError] * row[kFieldIndexErrorSide] / 60;
        const double horizon = row[kFieldHorizon];
        if (horizon == 1) {
            s.Ha = s.Hs + dip + IC;
        } else if (horizon == 2) {
            s.Ha = s.Hs + IC;
        } else {
            s.Ha = (s.Hs + IC) * 0.5;
        }
        s.PA = HP * std::cos(s.Ha * k) * (1 - sinDrLat * sinDrLat / 298.257);
        const double R = -0.0167 / std::tan((s.Ha + 7.31 / (s.Ha + 4.4)) * k);
        if (row[kFieldObjectIndex] == 1) {
            // The Moon: semi-diameter from the horizontal parallax. Its
            // augmentation is not added: the parallax taken at the limb's
            // apparent altitude already holds it.
            s.SDc = limb * 0.2724 * HP;
        } else {
            s.SDc = SD * limb;
        }
        s.Ho = s.Ha + R * f + s.PA + s.SDc;
        r.CopHo[i] = s.Ho;

        // Altitude and azimuth from the assumed position.
        s.LHA = s.GHA + AssumedLon;
        if (s.LHA > 180) {
            s.LHA = s.LHA - 360;
        }
        const double sinDec = std::sin(s.Dec * k);
        s.Hc =
            ephemeris::kDegPerRad *
            ephemeris::ArcSin(sinDec * sinAL + cosAL * std::cos(s.Dec * k) * std::cos(s.LHA * k));
        const double Z =
            ephemeris::kDegPerRad *
            ephemeris::ArcCos((sinDec - sinAL * std::sin(s.Hc * k)) / (cosAL * std::cos(s.Hc * k)));
        s.Zn = std::sin(s.LHA * k) < 0 ? Z : 360 - Z;
        r.LopAzimuth[i] = s.Zn;
        s.Intercept = (s.Ho - s.Hc) * 60;
        r.LopIntercept[i] = s.Intercept;

        double JD = 0;
        double T = 0;
        ephemeris::JulianDay(row[kFieldUTYear], row[kFieldUTMonth], row[kFieldUTDay], s.UT, JD, T);
        s.Run = (leg.JDNew - JD) * leg.V * 24;
        r.LopRun[i] = s.Run;

        if (auto w = sightWarning(i, s, R * f)) {
            outcome.Warning = std::move(w);
            return outcome;
        }
    }

    // Least squares over the included sights.
    FixResult& fix = r.Fix;
    int n = 0;
    double A = 0;
    double B = 0;
    double C = 0;
    double D = 0;
    double E = 0;
    double F = 0;
    for (int i = 1; i <= r.SightCount; ++i) {
        if (log.SightData[i][kFieldIncluded] != 1) {
            continue;
        }
        ++n;
        const double Zn = r.LopAzimuth[i];
        const double p = r.LopIntercept[i] / 60 + (r.LopRun[i] / 60) * std::cos((Zn - leg.Crs) * k);
        const double c = std::cos(Zn * k);
        const double sn = std::sin(Zn * k);
        A += c * c;
        B += c * sn;
        C += sn * sn;
        D += p * c;
        E += p * sn;
        F += p * p;
    }
    r.G = A * C - B * B;
    // G of parallel lines is a rounding residue of A * C rather than exactly 0:
    // up to 1e-9 of A * C (azimuths within about 0.002 degrees) is parallel.
    bool fixOnEarth = true;
    if (n < 2) {
        r.Status = FixStatus::FewSights;
    } else if (r.G <= kParallelResidue * (A * C)) {
        r.Status = FixStatus::ParallelLines;
    } else {
        r.Status = FixStatus::Fix;
        fix.FixDLat = (C * D - B * E) / r.G;
        fix.FixDLon = (A * E - B * D) / (r.G * cosAL);
        const std::optional<double> fixLon = wrappedLongitude(AssumedLon + fix.FixDLon);
        fix.FixLon = fixLon.value_or(0);
        fix.FixLat = AssumedLat + fix.FixDLat;
        fixOnEarth = fixLon.has_value() && std::fabs(fix.FixLat) <= 90;
        fix.FixDistance =
            60 * std::sqrt(fix.FixDLon * fix.FixDLon * (cosAL * cosAL) + fix.FixDLat * fix.FixDLat);
    }
    fix.PlotScale = leg.PlotScale;
    fix.IncludedCount = n;
    fix.Course = leg.Crs;
    fix.SumCos2 = A;
    fix.SumSinCos = B;
    fix.SumSin2 = C;
    fix.SumPCos = D;
    fix.SumPSin = E;
    fix.SumP2 = F;
    r.PlotParams = {0,
                    fix.PlotScale,
                    fix.IncludedCount,
                    fix.Course,
                    fix.FixDLat,
                    fix.FixDLon,
                    fix.FixLat,
                    fix.FixLon,
                    fix.FixDistance,
                    A,
                    B,
                    C,
                    D,
                    E,
                    F};
    for (int j = 1; j <= 14; ++j) {
        if (!std::isfinite(r.PlotParams[j])) {
            outcome.Warning = warning(kBadFixMessage);
            return outcome;
        }
    }
    if (!std::isfinite(r.G) || !fixOnEarth) {
        outcome.Warning = warning(kBadFixMessage);
        return outcome;
    }

    r.DetailedOutputLines = detailedOutput(r, log);
    return outcome;
}

namespace {

// The eigenvalues of [[A, B], [B, C]], larger first; the smaller from the
// determinant, which keeps its digits when the two are far apart.
void normalEigenvalues(double A, double B, double C, double& larger, double& smaller) {
    larger = (A + C) / 2 + std::hypot((A - C) / 2, B);
    smaller = larger > 0 ? (A * C - B * B) / larger : 0;
}

}  // namespace

double equivalentCrossingAngle(double A, double B, double C) {
    double larger = 0;
    double smaller = 0;
    normalEigenvalues(A, B, C, larger, smaller);
    if (!(larger > 0) || !std::isfinite(larger)) {
        return 0;
    }
    const double ratio = smaller > 0 ? smaller / larger : 0;
    return 2 * std::atan(std::sqrt(ratio)) * ephemeris::kDegPerRad;
}

bool isWeakFix(const FixResult& fix, FixStatus status) {
    if (status != FixStatus::Fix) {
        return false;
    }
    double larger = 0;
    double smaller = 0;
    normalEigenvalues(fix.SumCos2, fix.SumSinCos, fix.SumSin2, larger, smaller);
    const double half = std::tan(kWeakFixCrossing / 2 * k);
    return smaller < half * half * larger;
}

std::string weakFixText(const FixResult& fix, FixStatus status) {
    if (!isWeakFix(fix, status)) {
        return {};
    }
    const double N = equivalentCrossingAngle(fix.SumCos2, fix.SumSinCos, fix.SumSin2);
    return "Weak fix: as weak as two lines of position crossing at " +
           ephemeris::RoundedText(N, 1) + "°";
}

std::string noFixText(FixStatus status) {
    switch (status) {
        case FixStatus::FewSights:
            return std::string(kNoFixFewSightsText);
        case FixStatus::ParallelLines:
            return std::string(kNoFixParallelText);
        case FixStatus::Fix:
            break;
    }
    return {};
}

}  // namespace reduction
