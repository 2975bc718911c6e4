// Colours as the program sets them: red, green and blue from 0 to 255.
#pragma once

class QColor;

namespace platform::ui {

struct Color {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Color& a, const Color& b) {
        return a.red == b.red && a.green == b.green && a.blue == b.blue;
    }
    friend bool operator!=(const Color& a, const Color& b) { return !(a == b); }
};

// A colour from its components; each is clamped to 0..255.
Color rgb(int red, int green, int blue);

QColor toQColor(const Color& c);
Color fromQColor(const QColor& c);

}  // namespace platform::ui
