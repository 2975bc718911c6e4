#include "platform/ui/color.h"

#include <QColor>
#include <algorithm>

namespace platform::ui {

Color rgb(int red, int green, int blue) {
    return {std::clamp(red, 0, 255), std::clamp(green, 0, 255), std::clamp(blue, 0, 255)};
}

QColor toQColor(const Color& c) {
    const Color k = rgb(c.red, c.green, c.blue);
    return QColor(k.red, k.green, k.blue);
}

Color fromQColor(const QColor& c) {
    return {c.red(), c.green(), c.blue()};
}

}  // namespace platform::ui
