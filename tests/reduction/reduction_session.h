// A reduction through the real main window: the leg typed into its boxes,
// star sights stored in the log as the sight entry keeps them, "Reduce Sights
// and Plot LOP's" pressed and the assumed-position dialog accepted as filled.
//
// The sights are taken at 40 N 20 W with a bubble horizon, every altitude the
// computed one from there (an independent spherical formula here) plus 1.5'
// for the refraction the reduction takes off, so the fix lies within a few
// miles of 40 N 20 W.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/app.h"
#include "app/main_window.h"
#include "reduction/assumed_position_dialog.h"
#include "reduction/sight_log.h"
#include "tests/ui/fakes.h"
#include "tests/ui/ui_test_support.h"

namespace reductionsession {

// Sights i = 1 to count (at most 25); the sights
// in `excluded` are stored with include flag 0.
inline void reduceStarSights(app::App& app, uitest::FakeEnvironment& env, int count,
                             const std::vector<int>& excluded = {}) {
    app::Form1& main = app.form1();
    const std::vector<std::pair<platform::ui::TextBox*, std::string>> leg = {
        {&main.Text113, "40"},  {&main.Text6, "0"},     {&main.Text114, "20"}, {&main.Text7, "0"},
        {&main.Text9, "10"},    {&main.Text111, "0"},   {&main.Text10, "21"},  {&main.Text14, "6"},
        {&main.Text15, "2024"}, {&main.Text12, "12"},   {&main.Text11, "0"},   {&main.Text13, "21"},
        {&main.Text16, "6"},    {&main.Text17, "2024"}, {&main.Text2, "0"},    {&main.Text8, "0"},
        {&main.Text1, "10"},
    };
    for (const auto& [box, text] : leg) {
        box->setText(text);
    }
    uitest::userClick(main.Option1);  // North
    uitest::userClick(main.Option3);  // West

    constexpr double kRad = 3.14159265358979 / 180;
    const double lat = 40 * kRad;
    const double lon = -20;
    reduction::SightLog& log = app.Log;
    log.SightCount = count;
    for (int i = 1; i <= count; ++i) {
        // Local hour angles from 60 E to 60 W of the meridian, declinations
        // 5 to 30 N: every body 20 degrees or more above the horizon.
        const double gha = 20 - 60 + 120.0 * (i - 1) / (count > 1 ? count - 1 : 1);
        const double dec = 5 + 6.25 * ((i * 3) % 5);
        const double lha = (gha + lon) * kRad;
        const double hc = std::asin(std::sin(lat) * std::sin(dec * kRad) +
                                    std::cos(lat) * std::cos(dec * kRad) * std::cos(lha)) /
                          kRad;
        const double hs = hc + 1.5 / 60;
        auto& row = log.SightData[i];
        row = {};
        row[reduction::kFieldLimb] = 0;
        row[reduction::kFieldIncluded] = 1;
        for (const int out : excluded) {
            if (out == i) {
                row[reduction::kFieldIncluded] = 0;
            }
        }
        row[reduction::kFieldHorizon] = 2;  // bubble: no dip
        row[reduction::kFieldUTHour] = 12;
        row[reduction::kFieldUTDay] = 21;
        row[reduction::kFieldUTMonth] = 6;
        row[reduction::kFieldUTYear] = 2024;
        row[reduction::kFieldHsDegrees] = std::floor(hs);
        row[reduction::kFieldHsMinutes] = (hs - std::floor(hs)) * 60;
        row[reduction::kFieldIndexErrorSide] = -1;
        row[reduction::kFieldGHA] = gha;
        row[reduction::kFieldDec] = dec;
        row[reduction::kFieldObjectIndex] = 99;  // hand-made places: a body not in the list
    }
    main.Command1.setEnabled(true);
    env.modalRunner.expectDialog<reduction::Form3>(
        [](reduction::Form3& d) { uitest::userClick(d.Command1); });
    uitest::userClick(main.Command1);
    ASSERT_TRUE(main.Command3.enabled()) << "the reduction did not complete";
}

}  // namespace reductionsession
