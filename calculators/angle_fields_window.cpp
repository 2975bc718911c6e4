#include "calculators/angle_fields_window.h"

namespace calculators {

namespace {

using platform::ui::pixelRect;

constexpr double kBoxHeight = 21;

}  // namespace

AngleBoxes::AngleBoxes(platform::ui::Host host, double left, double top)
    : degrees{host, pixelRect(left, top, 44, kBoxHeight)},
      degreeMark{host, pixelRect(left + 46, top, 10, 18), "°"},
      minutes{host, pixelRect(left + 58, top, 60, kBoxHeight)},
      minuteMark{host, pixelRect(left + 120, top, 10, 18), "'"} {}

AngleField AngleBoxes::field(bool negative) const {
    return {degrees.text(), minutes.text(), negative};
}

void AngleBoxes::onChange(const std::function<void()>& handler) {
    degrees.onChange(handler);
    minutes.onChange(handler);
}

SignOptions::SignOptions(platform::ui::Host host, double left, double top,
                         const std::string& caption, const std::string& positiveCaption,
                         const std::string& negativeCaption, bool negativeSelected)
    : frame{host, pixelRect(left, top, 150, 44), caption},
      positive{frame, pixelRect(8, 16, 68, 22), positiveCaption, group},
      negative{frame, pixelRect(78, 16, 68, 22), negativeCaption, group} {
    (negativeSelected ? negative : positive).setValue(true);
}

}  // namespace calculators
