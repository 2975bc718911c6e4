// A straight segment between two points, for drawing many at once.
#pragma once

namespace platform {

struct LineSegment {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

}  // namespace platform
