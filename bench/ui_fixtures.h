// Window states the UI benchmarks start from.
#pragma once

#include <cmath>

#include "app/app.h"
#include "planner/planner_window.h"
#include "reduction/reduction.h"

namespace bench {

// Sights in the results of a reduction: enough to fill every table.
inline constexpr int kSights = 25;

// 25 sights around a fix near 40 N, 30 W, as a reduction leaves their
// circles of position for the globe.
inline void reduceSightsForGlobe(app::App& app) {
    app.form1();  // its load starts the sight log
    app.Log.SightCount = kSights;
    for (int i = 1; i <= kSights; ++i) {
        app.Log.SightData[i][reduction::kFieldIncluded] = 1;
        app.Reduction.CopGha[i] = 14.4 * i + 3;
        app.Reduction.CopDec[i] = 50 * std::sin(0.9 * i);
        app.Reduction.CopHo[i] = 10 + 3 * i;
    }
}

// The planner typed for a January night at 40 N, 70 W, with 58 stars.
inline planner::Form11& plannerOnAJanuaryNight(app::App& app) {
    planner::Form11& f = app.form11();
    f.Text1.setText("2024");
    f.Text2.setText("1");
    f.Text3.setText("15");
    f.Text4.setText("2");
    f.Text113.setText("40");
    f.Text114.setText("70");
    f.Text9.setText("58");
    return f;
}

}  // namespace bench
