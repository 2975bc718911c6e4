// Altitude corrections shown beside the almanac block before a sight is
// saved. The reduction applies its own corrections to the stored sight.
#include "reduction/correction_preview.h"

#include <cmath>
#include <limits>
#include <string>

#include "ephemeris/ephemeris.h"

namespace reduction {

namespace {

using platform::PrintItem;
using platform::PrintLine;

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();
constexpr double k = ephemeris::kRadPerDeg;

double finiteOrNoValue(double x) {
    return std::isfinite(x) ? x : kNoValue;
}

// x written to the places shown, every place; empty when its digits no
// longer reach that place.
std::string shown(double x, int places) {
    return std::fabs(x) < 1e15 ? ephemeris::RoundedText(x, places) : std::string();
}

// Label, the shown value (or "---" when there is none), unit and title.
PrintLine previewLine(const char* label, const std::string& shown, const char* title) {
    return {PrintItem::Text(label), PrintItem::Figure(shown), PrintItem::Text(" '"),
            PrintItem::Text(title)};
}

}  // namespace

CorrectionPreview correctionPreview(const CorrectionPreviewInput& input) {
    CorrectionPreview out;
    out.s = input.IndexErrorSide;

    // Dip of the sea horizon from the eye height in metres.
    out.dip = 0;
    if (input.Horizon == HorizonKind::NormalSea) {
        double h = input.EyeHeight;
        if (input.EyeHeightInFeet) {
            h = h / 3.2808;
        }
        out.dip = h >= 0 ? finiteOrNoValue(std::sqrt(h) * -0.0293 * 60) : kNoValue;
    }

    out.Hs = finiteOrNoValue(input.HsDegrees + input.HsMinutes / 60);
    out.IC = finiteOrNoValue(std::fabs(input.IndexError) * out.s);

    if (input.Horizon == HorizonKind::ReflectiveArtificial) {
        out.Ha = (out.Hs + out.IC / 60) * 0.5;
    } else {
        out.Ha = out.Hs + (out.dip + out.IC) / 60;
    }
    out.Ha = finiteOrNoValue(out.Ha);

    out.T = input.Temperature;
    out.P = input.Pressure;

    out.PA = finiteOrNoValue(std::cos(out.Ha * k) * input.HP);

    // Refraction for the air temperature and pressure; no value where the
    // formula would divide by zero.
    out.R = kNoValue;
    if (out.Ha + 4.4 != 0 && out.T + 273 != 0) {
        const double tangent = std::tan((out.Ha + 7.31 / (out.Ha + 4.4)) * k);
        if (tangent != 0) {
            out.R = finiteOrNoValue(-0.0167 / tangent * 0.28 * out.P / (out.T + 273) * 60);
        }
    }

    // Each figure rounded to the place it is shown: no dip shows 0.
    out.Lines = {
        previewLine(" IC     ", shown(out.IC, 1), " Index correction"),
        previewLine(" DipCorr ", shown(out.dip, 2), " Dip correction"),
        previewLine(" R       ", shown(out.R, 2), " Refraction correction"),
        previewLine(" PA     ", shown(out.PA, 2), " Parallax-in-altitude correction"),
    };
    return out;
}

}  // namespace reduction
