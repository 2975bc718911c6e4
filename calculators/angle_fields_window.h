// Controls that the calculator windows repeat: an angle typed as whole
// degrees and minutes (two boxes with their "°" and "'" marks), and a pair of
// sign options in their frame. Geometry in logical pixels, relative to the
// host.
#pragma once

#include <functional>
#include <string>

#include "calculators/panel_text.h"
#include "platform/ui/controls.h"

namespace calculators {

class AngleBoxes {
  public:
    // The degrees box at (left, top), 44 px wide; the minutes box after it.
    AngleBoxes(platform::ui::Host host, double left, double top);

    // The angle the boxes hold, negated when negative is set.
    AngleField field(bool negative = false) const;
    // Runs handler after every change of either box.
    void onChange(const std::function<void()>& handler);

    platform::ui::TextBox degrees;
    platform::ui::Label degreeMark;  // "°"
    platform::ui::TextBox minutes;
    platform::ui::Label minuteMark;  // "'"
};

class SignOptions {
  public:
    // A frame of 150 x 44 px at (left, top) with the positive option (North,
    // East, "N") on the left and the negative one on the right; the one named
    // by negativeSelected is selected.
    SignOptions(platform::ui::Host host, double left, double top, const std::string& caption,
                const std::string& positiveCaption, const std::string& negativeCaption,
                bool negativeSelected);

    platform::ui::Frame frame;
    platform::ui::OptionGroup group;
    platform::ui::OptionButton positive;
    platform::ui::OptionButton negative;
};

}  // namespace calculators
