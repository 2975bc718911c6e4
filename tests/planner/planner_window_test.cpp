// The sight planner window offscreen: the refresh through its button (rise
// and set lines, twilight text, chart display list, object list), the
// pointer read-outs and arcs through real mouse events, the clock button,
// placement and resizing, closing, printing, the instructions, and the
// settings file read at start-up and written by its button.
#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QListWidget>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "almanac/almanac_window.h"
#include "app/app.h"
#include "app/main_window.h"
#include "app/settings_window.h"
#include "planner/planner_window.h"
#include "platform/input_check.h"
#include "platform/numtext.h"
#include "tests/ui/fakes.h"
#include "tests/ui/temp_folder.h"
#include "tests/ui/ui_test_support.h"

namespace {

namespace fs = std::filesystem;
using planner::Form11;
using platform::ui::Color;
using platform::ui::DrawItem;
using platform::ui::rgb;

using uitest::readBytes;
using uitest::writeBytes;

// The time zone before any file or the navigator sets it: the computer's.
std::string computerZone() {
    return platform::generalText(platform::computerZoneHours());
}

std::string lines(const std::vector<std::string>& items) {
    std::string bytes;
    for (const std::string& item : items) {
        bytes += item + "\r\n";
    }
    return bytes;
}

int countItems(const std::vector<DrawItem>& list, DrawItem::Kind kind, const Color& color) {
    return static_cast<int>(std::count_if(list.begin(), list.end(), [&](const DrawItem& d) {
        return d.kind == kind && d.color == color;
    }));
}

class PlannerWindowTest : public ::testing::Test {
  protected:
    PlannerWindowTest() {
        app.SettingsFile = folder / "WendrelNav.nv1";
        // No settings file yet: the start-up says so.
        env.messages.expect(planner::kSettingsReadProblem);
    }
    Form11& form() { return app.form11(); }

    // 2024 January 15 at 40 N, 70 W: at 2h UT full night, at 22h20 the Sun
    // 8 degrees down (nautical twilight, PyEphem 4.1.4: -8.04).
    Form11& planner(const std::string& hour, const std::string& minute) {
        app.form1();
        Form11& f = form();
        f.Text1.setText("2024");
        f.Text2.setText("1");
        f.Text3.setText("15");
        f.Text4.setText(hour);
        f.Text5.setText(minute);
        f.Text113.setText("40");
        f.Text114.setText("70");
        f.Text8.setText("69");
        return f;
    }

    uitest::TempFolder temp{"planner-window"};
    const fs::path folder = temp.path();
    uitest::FakeEnvironment env;
    app::App app{env.services()};
};

TEST_F(PlannerWindowTest, OpensFromTheMainWindowWithItsDefaults) {
    app.form1().menuPlanner.click();
    Form11& f = form();
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.caption(), "Sight Planner  Star, Moon, Sun, Planet Finder  by Wendrel Navigation");
    EXPECT_EQ(f.Text8.text(), "67");
    EXPECT_EQ(f.Text9.text(), "20");
    EXPECT_EQ(f.Text10.text(), computerZone());
    EXPECT_TRUE(f.Option1.value());
    EXPECT_TRUE(f.Option3.value());
    EXPECT_EQ(f.Check2.value(), 0);
    EXPECT_EQ(f.Command3.caption(), "SHOW OBJECTS / refresh");
    EXPECT_EQ(f.Command7.caption(), "Remember these settings as my default");
    // The first display runs the resize and with it a refresh: the empty
    // date is refused without a word (the fake fails on any message), and
    // nothing is drawn or listed.
    EXPECT_EQ(f.List1.count(), 0);
    EXPECT_EQ(f.Label23.caption(), "");
    EXPECT_TRUE(f.Picture1.displayList().empty());
}

TEST_F(PlannerWindowTest, RefreshAtNightDrawsTheChartAndListsTheSky) {
    Form11& f = planner("2", "0");
    f.Command3.click();
    EXPECT_EQ(f.Label21.caption(), "FULL NIGHT, HORIZON NOT VIEWABLE");
    EXPECT_EQ(f.Label23.caption().rfind("Sunrise ", 0), 0u);
    EXPECT_NE(f.Label23.caption().find(" UT "), std::string::npos);
    EXPECT_EQ(f.Label24.caption().rfind("Moonrise ", 0), 0u);
    EXPECT_LT(f.SunElevation, -12);
    EXPECT_EQ(f.SkyRed, 0);

    const std::vector<DrawItem>& list = f.Picture1.displayList();
    const Color grid = rgb(80, 80, 80);
    EXPECT_EQ(f.Picture1.backColor(), rgb(0, 0, 0));
    // Nine rings and 36 spokes in the grid colour; the ecliptic's points too.
    EXPECT_EQ(countItems(list, DrawItem::Kind::Circle, grid), 9);
    EXPECT_EQ(countItems(list, DrawItem::Kind::Line, grid), 36);
    EXPECT_GT(countItems(list, DrawItem::Kind::Point, grid), 100);
    // 48 labels, each after an invisible point in the sky colour.
    EXPECT_EQ(countItems(list, DrawItem::Kind::Text, rgb(160, 160, 160)), 48);
    EXPECT_EQ(countItems(list, DrawItem::Kind::Point, rgb(0, 0, 0)), 48);
    // Twenty stars (the count asked for) as white-rimmed blue discs.
    const int stars = countItems(list, DrawItem::Kind::Circle, rgb(255, 255, 255));
    EXPECT_EQ(stars, 20);
    // The chart arrays hold the stars, then the bodies drawn: at 21h local
    // in January, Jupiter high in the south-west; no Sun, Saturn set.
    std::vector<std::string> bodies;
    for (int i = stars + 1; i <= app.Chart.ChartCount; ++i) {
        bodies.push_back(app.Chart.ChartName[i]);
    }
    EXPECT_EQ(bodies, (std::vector<std::string>{"Jupiter"}));

    // The list: the bodies, then 20 stars brightest first; every line
    // followed by a blank line.
    ASSERT_EQ(f.List1.count() % 2, 0);
    EXPECT_EQ(f.List1.item(0).rfind(" JUPITER", 0), 0u);
    EXPECT_EQ(f.List1.item(1), " ");
    EXPECT_EQ(f.List1.item(f.List1.count() - 2).rfind("  ", 0), 0u);
    int starLines = 0;
    for (int i = 0; i < f.List1.count(); i += 2) {
        if (f.List1.item(i).find("Mag  ") != std::string::npos) {
            ++starLines;
        }
    }
    EXPECT_EQ(starLines, 20);
    EXPECT_NE(f.List1.item(2 * (f.List1.count() / 2 - 20)).find("Sirius"), std::string::npos);

    // The Moon-phase picture: dark background, lit disc, rim.
    const std::vector<DrawItem>& moon = f.Picture2.displayList();
    ASSERT_GE(moon.size(), 4u);
    EXPECT_EQ(f.Picture2.backColor(), rgb(75, 75, 75));
    EXPECT_EQ(moon.back().color, rgb(200, 200, 200));

    // "Switch E for W" mirrors the discs.
    const double x1 = app.Chart.ChartX[1];
    uitest::userClick(f.Check4);
    f.Command3.click();
    EXPECT_EQ(f.EastWestSign, -1);
    EXPECT_EQ(app.Chart.ChartX[1], -x1);
}

TEST_F(PlannerWindowTest, TheObjectListShowsItsColumnsLinedUp) {
    // At 02:01 UT Jupiter stands 45° 12.0' high and Alkaid 8° 24.0', beside
    // elevations with a fraction of a minute.
    Form11& f = planner("2", "1");
    f.Command3.click();
    // The list's lines are padded by characters: its font is fixed-pitch as
    // resolved on this machine.
    const QFont font = f.List1.listWidget()->font();
    EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
    // So "Azim" and "Elev" start at the same distance from the left edge on
    // every line whose name is short enough to be padded.
    const QFontMetricsF metrics(font);
    std::vector<double> azim;
    std::vector<double> elev;
    std::vector<std::string> aligned;
    for (int i = 0; i < f.List1.count(); i += 2) {
        const QString line = QString::fromStdString(f.List1.item(i));
        const int a = line.indexOf(QStringLiteral("Azim"));
        const int e = line.indexOf(QStringLiteral("Elev"));
        if (a == 13 && e == 33) {
            azim.push_back(metrics.horizontalAdvance(line.left(a)));
            elev.push_back(metrics.horizontalAdvance(line.left(e)));
            aligned.push_back(f.List1.item(i));
        }
    }
    ASSERT_GE(azim.size(), 10u);
    for (std::size_t k = 1; k < azim.size(); ++k) {
        EXPECT_NEAR(azim[k], azim[0], 0.01) << aligned[k];
        EXPECT_NEAR(elev[k], elev[0], 0.01) << aligned[k];
    }
    // This night has elevations of whole minutes and of fractions: each
    // shows one decimal, and the degree signs, the minute signs and the
    // magnitudes stand at one distance from the left edge on every star
    // line (on every body line likewise).
    int wholeMinutes = 0;
    int fractions = 0;
    std::vector<double> starMinuteSign;
    std::vector<double> magnitude;
    std::vector<double> azimuthDegreeSign;
    for (const std::string& text : aligned) {
        const QString line = QString::fromStdString(text);
        const int minuteSign = line.indexOf(QLatin1Char('\''));
        ASSERT_GT(minuteSign, 2) << text;
        EXPECT_EQ(line.at(minuteSign - 2), QLatin1Char('.')) << text;
        (line.at(minuteSign - 1) == QLatin1Char('0') ? wholeMinutes : fractions) += 1;
        azimuthDegreeSign.push_back(
            metrics.horizontalAdvance(line.left(line.indexOf(QChar(0xB0)))));
        if (line.contains(QStringLiteral("Mag"))) {
            starMinuteSign.push_back(metrics.horizontalAdvance(line.left(minuteSign)));
            magnitude.push_back(
                metrics.horizontalAdvance(line.left(line.indexOf(QStringLiteral("Mag")))));
        }
    }
    EXPECT_GT(wholeMinutes, 0);
    EXPECT_GT(fractions, 0);
    ASSERT_GE(magnitude.size(), 10u);
    for (std::size_t k = 1; k < magnitude.size(); ++k) {
        EXPECT_NEAR(starMinuteSign[k], starMinuteSign[0], 0.01) << k;
        EXPECT_NEAR(magnitude[k], magnitude[0], 0.01) << k;
    }
    for (std::size_t k = 1; k < azimuthDegreeSign.size(); ++k) {
        EXPECT_NEAR(azimuthDegreeSign[k], azimuthDegreeSign[0], 0.01) << aligned[k];
    }
    // Shown at its size of load, every line fits the list's width less the
    // items' margins: no magnitude is hidden beyond its right edge.
    f.showModeless();
    const int room = f.List1.listWidget()->viewport()->width();
    for (int i = 0; i < f.List1.count(); ++i) {
        EXPECT_LT(metrics.horizontalAdvance(QString::fromStdString(f.List1.item(i))), room - 6)
            << f.List1.item(i);
    }
}

// Every output of the planner: empty after a refused refresh.
void expectNothingShown(const Form11& f, const app::App& app, const std::string& what) {
    for (const platform::ui::Label* label :
         {&f.Label23, &f.Label15, &f.Label24, &f.Label16, &f.Label21}) {
        EXPECT_EQ(label->caption(), "") << what;
    }
    EXPECT_EQ(f.List1.count(), 0) << what;
    EXPECT_TRUE(f.Picture1.displayList().empty()) << what;
    EXPECT_TRUE(f.Picture2.displayList().empty()) << what;
    EXPECT_EQ(app.Chart.ChartCount, 0) << what;
    // No read-out of the chart that was, no sky colour of an earlier
    // instant, no dark box where the Moon's phase was: both pictures white.
    for (const platform::ui::Label* readOut : {&f.Label9, &f.Label12, &f.Label22}) {
        EXPECT_EQ(readOut->caption(), "") << what;
    }
    for (const platform::ui::Picture* picture : {&f.Picture1, &f.Picture2}) {
        EXPECT_EQ(picture->backColor(), rgb(255, 255, 255)) << what;
        const QImage image = picture->image();
        bool white = true;
        for (int y = 0; y < image.height() && white; y += 3) {
            for (int x = 0; x < image.width() && white; x += 3) {
                white = image.pixelColor(x, y) == QColor(255, 255, 255);
            }
        }
        EXPECT_TRUE(white) << what;
    }
}

// "SHOW OBJECTS" with a field the checks refuse: a "Warning!" naming the
// field, and none of the outputs, not even those of the refresh before.
TEST_F(PlannerWindowTest, ARefusedFieldSaysSoAndShowsNothing) {
    app.form1();
    Form11& f = form();
    struct Case {
        platform::ui::TextBox* box;
        std::string text;
        std::string message;
    };
    const std::string e300 = "1" + std::string(300, '0');
    const std::string notANumber = " must be a number (use a point for decimals)";
    const Case cases[] = {
        {&f.Text1, "", "Year must be 1000 to 3000"},
        {&f.Text1, e300, "Year must be 1000 to 3000"},
        // Beyond any number the program holds: no number at all.
        {&f.Text1, std::string(400, '9'), "Year" + notANumber},
        {&f.Text1, "2024.1.1", "Year" + notANumber},
        {&f.Text2, "13", "Month must be 1 to 12"},
        {&f.Text2, "1st", "Month" + notANumber},
        {&f.Text3, "32", "Day must be 1 to 31"},
        {&f.Text3, "1e1", "Day" + notANumber},
        {&f.Text4, e300, "UT hour must be 0 to below 24"},
        {&f.Text4, "2h", "UT hour" + notANumber},
        {&f.Text5, "60", "UT minute must be 0 to below 60"},
        {&f.Text5, "abc", "UT minute" + notANumber},
        {&f.Text11, "-" + e300, "UT second must be 0 to below 60"},
        {&f.Text11, "1,5", "UT second" + notANumber},
        {&f.Text113, "95", "Latitude must be between 0 and 90 degrees"},
        {&f.Text113, "40N", "Latitude" + notANumber},
        {&f.Text6, e300, "Latitude minutes must be 0 to below 60"},
        {&f.Text6, "60", "Latitude minutes must be 0 to below 60"},
        {&f.Text6, "2,75", "Latitude minutes" + notANumber},
        {&f.Text114, "200", "Longitude must be between 0 and 180 degrees"},
        {&f.Text114, "-180.5", "Longitude must be between 0 and 180 degrees"},
        {&f.Text114, "70W", "Longitude" + notANumber},
        {&f.Text7, "75", "Longitude minutes must be 0 to below 60"},
        {&f.Text7, "1.2.3", "Longitude minutes" + notANumber},
        {&f.Text8, e300, "Delta T must be -100 to 1000 seconds"},
        {&f.Text8, "69 s", "Delta T" + notANumber},
        {&f.Text9, "twenty", "Number of stars" + notANumber},
    };
    int beeps = 0;
    for (const Case& c : cases) {
        planner("2", "0");
        f.Text11.setText("");
        f.Text6.setText("");
        f.Text7.setText("");
        f.Text9.setText("20");
        uitest::userClick(f.Command3);
        ASSERT_GT(f.List1.count(), 0);
        uitest::userType(*c.box, c.text);
        env.messages.expect(c.message);
        uitest::userClick(f.Command3);
        EXPECT_EQ(env.messages.beeps, ++beeps) << c.message;
        EXPECT_EQ(env.messages.calls.back().title, "Warning!");
        expectNothingShown(f, app, c.message);
    }
}

// A refresh the navigator did not ask for (the resize) refuses silently: the
// fake fails on any message.
TEST_F(PlannerWindowTest, ResizedWithARefusedFieldShowsNoMessage) {
    Form11& f = planner("2", "0");
    f.showModeless();
    uitest::userClick(f.Command3);
    ASSERT_GT(f.List1.count(), 0);
    uitest::userType(f.Text2, "13");
    f.resizeTwips(f.widthTwips() + 300, f.heightTwips() + 200);
    EXPECT_EQ(env.messages.beeps, 0);
    expectNothingShown(f, app, "resized");
    // Put right, the next resize draws again.
    uitest::userType(f.Text2, "1");
    f.resizeTwips(f.widthTwips() - 300, f.heightTwips() - 200);
    EXPECT_GT(f.List1.count(), 0);
}

TEST_F(PlannerWindowTest, WhiteBackgroundKeepsTheNightSkyWhite) {
    Form11& f = planner("2", "0");
    uitest::userClick(f.Check1);
    f.Command3.click();
    EXPECT_EQ(f.Picture1.backColor(), rgb(255, 255, 255));
    EXPECT_EQ(f.Label21.caption(), "");
}

TEST_F(PlannerWindowTest, PointerReadOutsAndArcsThroughMouseEvents) {
    Form11& f = planner("22", "20");
    f.showModeless();
    f.Command3.click();
    EXPECT_EQ(f.Label21.caption(), "NAUTICAL TWILIGHT: HORIZON, STARS VIEWABLE");
    platform::ui::Picture& p = f.Picture1;

    uitest::mouseMove(p, p.toPixel(0, 0), Qt::NoButton);
    // Rounded to 0.1 degree; the pointer lands on a whole pixel.
    EXPECT_TRUE(f.Label9.caption().rfind("ELV = 89.", 0) == 0 ||
                f.Label9.caption() == "ELV = 90.0 deg")
        << f.Label9.caption();
    EXPECT_EQ(f.Label22.caption(), "");

    ASSERT_GE(app.Chart.ChartCount, 2);
    const int a = 1;
    const int b = app.Chart.ChartCount;  // the last drawn: a body
    uitest::mouseMove(p, p.toPixel(app.Chart.ChartX[a], app.Chart.ChartY[a]), Qt::NoButton);
    EXPECT_EQ(f.Label22.caption(), app.Chart.ChartName[a]);
    EXPECT_EQ(f.Label12.caption().rfind("AZM = ", 0), 0u);

    // Press on one object, drag, release on another: a white line (the Sun
    // is below -6) and the distance text at its middle.
    const std::size_t before = p.displayList().size();
    uitest::mouseDown(p, p.toPixel(app.Chart.ChartX[a], app.Chart.ChartY[a]), Qt::LeftButton);
    EXPECT_EQ(f.Arc.ArcPending, 1);
    uitest::mouseMove(p, p.toPixel(app.Chart.ChartX[b], app.Chart.ChartY[b]), Qt::LeftButton);
    uitest::mouseUp(p, p.toPixel(app.Chart.ChartX[b], app.Chart.ChartY[b]), Qt::LeftButton);
    EXPECT_EQ(f.Arc.ArcPending, 0);
    const std::vector<DrawItem>& list = p.displayList();
    ASSERT_EQ(list.size(), before + 3);
    EXPECT_EQ(list[before].kind, DrawItem::Kind::Line);
    EXPECT_EQ(list[before].color, rgb(255, 255, 255));
    EXPECT_EQ(list[before + 1].kind, DrawItem::Kind::Point);
    EXPECT_EQ(list[before + 1].color, rgb(f.SkyRed, f.SkyGreen, f.SkyBlue));
    EXPECT_EQ(list[before + 2].kind, DrawItem::Kind::Text);
    EXPECT_EQ(list[before + 2].text.rfind("Arc Distance = ", 0), 0u);
    // A release away from any object draws nothing.
    uitest::mouseDown(p, p.toPixel(app.Chart.ChartX[a], app.Chart.ChartY[a]), Qt::LeftButton);
    uitest::mouseUp(p, p.toPixel(0.99, -0.99), Qt::LeftButton);
    EXPECT_EQ(p.displayList().size(), before + 3);
    EXPECT_EQ(f.Arc.ArcPending, 0);
    // A right press starts nothing.
    uitest::mouseDown(p, p.toPixel(app.Chart.ChartX[a], app.Chart.ChartY[a]), Qt::RightButton);
    EXPECT_EQ(f.Arc.ArcPending, 0);
}

// The pointer read-outs belong to the chart on view: every redraw (the
// button, a resize, a refused refresh) empties them, and so does the
// pointer leaving the chart.
TEST_F(PlannerWindowTest, ReadOutsAreEmptiedByARedrawAndByLeaving) {
    Form11& f = planner("2", "0");
    f.showModeless();
    uitest::userClick(f.Command3);
    platform::ui::Picture& p = f.Picture1;
    const auto readOuts = [&f] {
        return std::vector<std::string>{f.Label9.caption(), f.Label12.caption(),
                                        f.Label22.caption()};
    };
    const std::vector<std::string> none = {"", "", ""};
    struct Step {
        const char* what;
        std::function<void()> act;
    };
    const Step steps[] = {
        {"SHOW OBJECTS", [&f] { uitest::userClick(f.Command3); }},
        {"a resize", [&f] { f.resizeTwips(f.widthTwips() + 300, f.heightTwips() + 150); }},
        {"leaving the chart", [&p] { uitest::mouseLeave(p); }},
        {"a refused refresh",
         [&f, this] {
             uitest::userType(f.Text2, "13");
             env.messages.expect("Month must be 1 to 12");
             uitest::userClick(f.Command3);
         }},
    };
    for (const Step& step : steps) {
        ASSERT_GT(app.Chart.ChartCount, 0) << step.what;
        uitest::mouseMove(p, p.toPixel(app.Chart.ChartX[1], app.Chart.ChartY[1]), Qt::NoButton);
        EXPECT_EQ(f.Label22.caption(), app.Chart.ChartName[1]) << step.what;
        EXPECT_EQ(f.Label9.caption().rfind("ELV = ", 0), 0u) << step.what;
        EXPECT_EQ(f.Label12.caption().rfind("AZM = ", 0), 0u) << step.what;
        step.act();
        EXPECT_EQ(readOuts(), none) << step.what;
    }
}

// Maximised on a 1600 x 1000 screen the chart is much wider than high; tall
// and narrow it is the other way round. Either way the horizon, its labels
// and a body low in the north (the midnight Sun at 70 N, 3.4 degrees up) lie
// inside the picture, and the list shows the same Sun.
TEST_F(PlannerWindowTest, TheChartFitsItsPictureWideAndTall) {
    app.form1();
    Form11& f = form();
    for (const auto& [box, text] :
         std::vector<std::pair<platform::ui::TextBox*, std::string>>{{&f.Text1, "2024"},
                                                                     {&f.Text2, "6"},
                                                                     {&f.Text3, "21"},
                                                                     {&f.Text4, "0"},
                                                                     {&f.Text5, "0"},
                                                                     {&f.Text113, "70"},
                                                                     {&f.Text114, "0"},
                                                                     {&f.Text8, "69"}}) {
        box->setText(text);
    }
    f.showModeless();
    const double minimumWidth = f.minimumWidth() * 15;
    struct Size {
        const char* what;
        double width, height;  // twips
    };
    const Size sizes[] = {{"1600 x 1000", 1600 * 15, 1000 * 15},
                          {"tall and narrow", minimumWidth + 6000, 1000 * 15}};
    for (const Size& size : sizes) {
        f.resizeTwips(size.width, size.height);
        const platform::ui::Picture& p = f.Picture1;
        const QSizeF pixels(p.widget()->width(), p.widget()->height());
        // One unit as long across as down; the shorter side from -1 to 1.
        EXPECT_NEAR(p.scaleWidth() / pixels.width(), -p.scaleHeight() / pixels.height(),
                    1e-2 * p.scaleWidth() / pixels.width())
            << size.what;
        EXPECT_NEAR(std::min(p.scaleWidth(), -p.scaleHeight()), 2, 1e-6) << size.what;
        const auto inside = [&pixels](QPointF at) {
            return at.x() >= 0 && at.y() >= 0 && at.x() <= pixels.width() &&
                   at.y() <= pixels.height();
        };
        const double R = planner::kSkyRadius;
        EXPECT_TRUE(inside(p.toPixel(-R, R)) && inside(p.toPixel(R, -R))) << size.what;
        // Every label with its text.
        int labels = 0;
        for (const DrawItem& d : p.displayList()) {
            if (d.kind == DrawItem::Kind::Text) {
                ++labels;
                EXPECT_TRUE(
                    inside(p.toPixel(d.x1, d.y1)) &&
                    inside(p.toPixel(d.x1 + p.textWidth(d.text), d.y1 - p.textHeight(d.text))))
                    << size.what << ": " << d.text;
            }
        }
        EXPECT_EQ(labels, 48) << size.what;
        // The Sun low in the north, on the chart and in the list.
        ASSERT_GT(app.Chart.ChartCount, 0) << size.what;
        int sun = 0;
        for (int i = 1; i <= app.Chart.ChartCount; ++i) {
            sun = app.Chart.ChartName[i] == "Sun" ? i : sun;
        }
        ASSERT_GT(sun, 0) << size.what;
        EXPECT_NEAR(app.Chart.ChartElevation[sun], 3.4, 0.3) << size.what;
        EXPECT_TRUE(app.Chart.ChartAzimuth[sun] < 2 || app.Chart.ChartAzimuth[sun] > 358);
        EXPECT_TRUE(inside(p.toPixel(app.Chart.ChartX[sun], app.Chart.ChartY[sun] + 0.05 * R)))
            << size.what;
        ASSERT_GT(f.List1.count(), 0) << size.what;
        EXPECT_EQ(f.List1.item(0).rfind(" SUN ", 0), 0u) << size.what;
        // The Moon's phase picture stays in the chart's lower right corner.
        EXPECT_EQ(f.Picture2.left() + f.Picture2.width(), p.left() + p.width()) << size.what;
        EXPECT_EQ(f.Picture2.top() + f.Picture2.height(), p.top() + p.height()) << size.what;
    }
}

TEST_F(PlannerWindowTest, NowFillsTheDateAndTimeFromTheClock) {
    app.form1();
    Form11& f = form();
    f.Text10.setText("5");
    env.clock.time = {2024, 1, 31, 21, 30, 10, 400};
    f.Command4.click();
    const std::vector<std::string> expected = {"2024", "2", "1", "2", "30", "10"};
    const std::vector<platform::ui::TextBox*> boxes = {&f.Text1, &f.Text2, &f.Text3,
                                                       &f.Text4, &f.Text5, &f.Text11};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i]->text(), expected[i]) << i;
    }
    EXPECT_EQ(f.List1.count(), 0) << "Now alone does not redraw";
    uitest::userClick(f.Check3);
    f.Command4.click();
    EXPECT_EQ(f.Text4.text(), "1");
    // A zone's fraction goes into the minutes, and a zone east of
    // Greenwich early in the day carries the date back across the leap day.
    uitest::userClick(f.Check3);
    f.Text10.setText("-5.5");
    f.Text113.setText("40");
    f.Text8.setText("69");
    env.clock.time = {2024, 3, 1, 5, 20, 0, 0};
    f.Command6.click();
    EXPECT_EQ((std::vector<std::string>{f.Text1.text(), f.Text2.text(), f.Text3.text(),
                                        f.Text4.text(), f.Text5.text(), f.Text11.text()}),
              (std::vector<std::string>{"2024", "2", "29", "23", "50", "0"}));
    EXPECT_GT(f.List1.count(), 0) << "Now + refresh star map redraws";

    // A zone that is no number: a "Warning!", the boxes kept.
    f.Text10.setText("5 h");
    env.messages.expect("Time zone must be a number (use a point for decimals)");
    f.Command4.click();
    EXPECT_EQ(f.Text3.text(), "29");
    EXPECT_EQ(f.Text4.text(), "23");

    // A zone no place has: a "Warning!", the boxes kept, nothing drawn.
    f.Text10.setText("1" + std::string(300, '0'));
    env.messages.expect("Time zone must be -14 to 14 hours");
    f.Command6.click();
    EXPECT_EQ(f.Text3.text(), "29");
    expectNothingShown(f, app, "zone 1e300");
}

TEST_F(PlannerWindowTest, PlacedOverTheMainWindowAndResizedWithTheChart) {
    app::Form1& main = app.form1();
    main.moveTwips(1000, 800);
    main.resizeTwips(12000, main.heightTwips());
    Form11& f = form();
    // 0.05 x 12000 = 600 twips right and down (the main window lands on
    // whole pixels: 1000 and 800 twips become 1005 and 795).
    EXPECT_EQ(main.leftTwips(), 1005);
    EXPECT_EQ(f.leftTwips(), main.leftTwips() + 600);
    EXPECT_EQ(f.topTwips(), main.topTwips() + 600);

    planner("2", "0");
    f.showModeless();
    const int chartWidth = f.Picture1.width();
    const int frameLeft = f.Frame6.left();
    const int listHeight = f.List1.height();
    const int check1Top = f.Check1.top();
    const int label14Top = f.Label14.top();
    f.resizeTwips(f.widthTwips() + 1500, f.heightTwips() + 900);
    EXPECT_EQ(f.Picture1.width(), chartWidth + 1500);
    EXPECT_EQ(f.Frame6.left(), frameLeft + 1500);
    EXPECT_EQ(f.heightTwips() - f.Label23.top(), 7830 - 6210);
    EXPECT_EQ(f.Picture2.left() + f.Picture2.width(), f.Picture1.left() + f.Picture1.width());
    EXPECT_EQ(f.Picture2.top() + f.Picture2.height(), f.Picture1.top() + f.Picture1.height());
    // The resize redrew the chart for its new proportions: wider than
    // high, y runs from 1 down to -1 and x as far as the same unit goes.
    const double a = static_cast<double>(static_cast<float>(f.Picture1.width()) /
                                         static_cast<float>(f.Picture1.height()));
    ASSERT_GT(a, 1);
    EXPECT_EQ(f.Picture1.scaleTop(), 1);
    EXPECT_EQ(f.Picture1.scaleHeight(), -2);
    EXPECT_NEAR(f.Picture1.scaleLeft(), -a, 1e-6);
    EXPECT_NEAR(f.Picture1.scaleWidth(), 2 * a, 1e-6);
    // The panel and its object list grew with the window's height (to the
    // pixel), and what stands under the list moved down with it.
    EXPECT_NEAR(f.Frame6.height(), 7365 + 900, 15);
    EXPECT_NEAR(f.List1.height(), listHeight + 900, 15);
    EXPECT_NEAR(f.Check1.top(), check1Top + 900, 15);
    EXPECT_NEAR(f.Label14.top(), label14Top + 900, 15);
    EXPECT_LE(f.Label14.top() + f.Label14.height(), f.Frame6.height());
    EXPECT_LE(f.Frame6.top() + f.Frame6.height(), f.Label17.top());

    // As small as the window goes: the chart keeps at least a pixel, the
    // panel stays whole, and the refresh still runs.
    f.resizeTwips(15, 15);
    EXPECT_GE(f.Picture1.width(), 15);
    EXPECT_GE(f.Picture1.height(), 15);
    EXPECT_GE(f.widthTwips(), f.Frame6.left() + f.Frame6.width());
    EXPECT_GE(f.heightTwips(), f.Frame6.top() + f.Frame6.height());
    EXPECT_GT(f.List1.count(), 0);
    EXPECT_TRUE(std::isfinite(f.Picture1.scaleHeight()));
}

TEST_F(PlannerWindowTest, ResizeHintStaysWholeInTheCorner) {
    app.form1();
    Form11& f = form();
    f.showModeless();
    for (const int width : {0, 1500}) {
        f.resizeTwips(11730 + width, 7830);
        const QLabel* hint = f.Label17.label();
        // The whole text, "-->" included, inside the label and the window.
        EXPECT_LE(hint->fontMetrics().horizontalAdvance(hint->text()),
                  hint->contentsRect().width());
        EXPECT_LE(f.Label17.left() + f.Label17.width(), f.widthTwips());
        EXPECT_GE(f.Label17.top(), f.Frame6.top() + f.Frame6.height());
    }
}

TEST_F(PlannerWindowTest, LabelsUnderTheChartNeverShowThroughThePanel) {
    Form11& f = planner("2", "0");
    f.showModeless();
    // As small as the window goes, the rise/set lines and notes under the
    // chart reach under the panel: the panel shows as it does on its own.
    f.resizeTwips(15, 15);
    QWidget* panel = f.Frame6.widget();
    const QImage window = f.windowImage();
    const QImage alone = panel->grab().toImage().convertToFormat(window.format());
    const QImage seen = window.copy(QRect(panel->mapTo(&f, QPoint(0, 0)), panel->size()));
    EXPECT_TRUE(seen == alone);
}

TEST_F(PlannerWindowTest, CloseHidesAndKeepsEverything) {
    Form11& f = planner("2", "0");
    f.showModeless();
    f.Command3.click();
    const int lines = f.List1.count();
    const std::string first = f.List1.item(0);
    const std::string twilight = f.Label21.caption();
    f.Command1.click();
    EXPECT_FALSE(f.isVisible());
    // A field changed while hidden (the preload does so) shows only at the
    // next refresh: showing the window again redraws nothing.
    f.Text4.setText("17");
    app.form1().menuPlanner.click();
    EXPECT_EQ(&form(), &f);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.List1.count(), lines);
    EXPECT_EQ(f.List1.item(0), first);
    EXPECT_EQ(f.Label21.caption(), twilight);
    EXPECT_EQ(f.Text113.text(), "40");
    f.Command3.click();
    EXPECT_NE(f.Label21.caption(), twilight) << "17h UT is daylight";
    // The title-bar close hides it too.
    uitest::userCloseWindow(&f);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(app.existingWindow<Form11>(), &f);
}

TEST_F(PlannerWindowTest, PrintAlmanacAndInstructions) {
    Form11& f = planner("2", "0");
    env.printer.expectPrint();
    f.Command2.click();
    ASSERT_EQ(env.printer.jobs.size(), 1u);
    EXPECT_EQ(env.printer.jobs[0], f.caption());

    f.Command5.click();
    EXPECT_TRUE(app.form12().isVisible());

    f.Command8.click();
    planner::Form14& help = app.form14();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.caption(), "Form14");
    EXPECT_EQ(help.Label15.caption(), "Step 2)  enter date and time, or press 'Now'");
    EXPECT_EQ(help.Label30.caption().rfind("To obtain a geocentric arc distance", 0), 0u);
}

// ------------------------------------------------------------ settings file

const std::vector<std::string> kGoodFile = {"WendrelNavSettings",
                                            "30",
                                            "15",
                                            "69.2",
                                            "12",
                                            "5",
                                            "41",
                                            "70",
                                            "False",
                                            "True",
                                            "False",
                                            "True",
                                            "1",
                                            "1"};

TEST_F(PlannerWindowTest, StartUpWithoutSettingsFileSaysSoAndCreatesNoPlanner) {
    app.form1();
    ASSERT_EQ(env.messages.calls.size(), 1u);
    EXPECT_EQ(env.messages.calls[0].text, "Problem reading settings file");
    EXPECT_EQ(app.existingWindow<Form11>(), nullptr);
    EXPECT_EQ(app.form7().Text2.text(), computerZone());
}

TEST(PlannerSettingsStart, ReadsTheFileAndHandsOnZoneAndDeltaT) {
    struct Case {
        std::vector<std::string> file;
        std::string zone;
    };
    std::vector<std::string> noDaylight = kGoodFile;
    noDaylight[13] = "0";
    std::vector<std::string> fraction = kGoodFile;
    fraction[5] = "3.5";
    for (const Case& c :
         std::vector<Case>{{kGoodFile, "4"}, {noDaylight, "5"}, {fraction, "2.5"}}) {
        const uitest::TempFolder temp("planner-start");
        const fs::path folder = temp.path();
        uitest::FakeEnvironment env;
        app::App app(env.services());
        app.SettingsFile = folder / "WendrelNav.nv1";
        writeBytes(app.SettingsFile, lines(c.file));
        app.form1();
        EXPECT_TRUE(env.messages.calls.empty());
        Form11* f = app.existingWindow<Form11>();
        ASSERT_NE(f, nullptr);
        EXPECT_FALSE(f->isVisible());
        EXPECT_EQ(f->Text6.text(), "30");
        EXPECT_EQ(f->Text7.text(), "15");
        EXPECT_EQ(f->Text8.text(), "69.2");
        EXPECT_EQ(f->Text9.text(), "12");
        EXPECT_EQ(f->Text113.text(), "41");
        EXPECT_EQ(f->Text114.text(), "70");
        EXPECT_TRUE(f->Option2.value());
        EXPECT_FALSE(f->Option1.value());
        EXPECT_TRUE(f->Option4.value());
        EXPECT_FALSE(f->Option3.value());
        EXPECT_EQ(f->Check2.value(), 1);
        EXPECT_EQ(app.form7().Text2.text(), c.zone);
        EXPECT_EQ(app.form7().Text1.text(), "69.2");
        // The almanac window was created hidden by the hand-over.
        ASSERT_NE(app.existingWindow<almanac::Form12>(), nullptr);
        EXPECT_FALSE(app.form12().isVisible());
        EXPECT_EQ(app.form12().Text11.text(), "69.2");
    }
}

TEST(PlannerSettingsStart, WrongHeaderIsSilentAndBadItemKeepsWhatWasRead) {
    const uitest::TempFolder temp("planner-start");
    const fs::path folder = temp.path();
    {
        uitest::FakeEnvironment env;
        app::App app(env.services());
        app.SettingsFile = folder / "WendrelNav.nv1";
        std::vector<std::string> wrong = kGoodFile;
        wrong[0] = "WendrelNavSettings2";
        writeBytes(app.SettingsFile, lines(wrong));
        app.form1();
        EXPECT_TRUE(env.messages.calls.empty());
        EXPECT_EQ(app.existingWindow<Form11>(), nullptr);
        EXPECT_EQ(app.existingWindow<app::Form7>(), nullptr);
        EXPECT_EQ(app.existingWindow<almanac::Form12>(), nullptr);
    }
    {
        uitest::FakeEnvironment env;
        app::App app(env.services());
        app.SettingsFile = folder / "WendrelNav.nv1";
        std::vector<std::string> bad = kGoodFile;
        bad[10] = "perhaps";  // line 11, West
        writeBytes(app.SettingsFile, lines(bad));
        env.messages.expect("Problem reading settings file");
        app.form1();
        Form11& f = app.form11();
        EXPECT_EQ(f.Text113.text(), "41");
        EXPECT_TRUE(f.Option2.value());
        EXPECT_TRUE(f.Option3.value()) << "line 11 and after are not applied";
        EXPECT_EQ(f.Check2.value(), 0);
        // Nothing is handed on.
        EXPECT_EQ(app.form7().Text2.text(), computerZone());
        EXPECT_EQ(app.form7().Text1.text(), "67.0");
    }
}

TEST_F(PlannerWindowTest, RememberWritesTheFileAndHandsOn) {
    Form11& f = planner("2", "0");
    f.Text6.setText("12,5");  // a comma becomes a blank
    uitest::userClick(f.Option2);
    uitest::userClick(f.Check3);
    f.Text10.setText("8");
    f.Command7.click();
    EXPECT_EQ(readBytes(app.SettingsFile),
              lines({"WendrelNavSettings", "12 5", "", "69", "20", "8", "40", "70", "False", "True",
                     "True", "False", "0", "1"}));
    EXPECT_EQ(app.form7().Text2.text(), "7");
    EXPECT_EQ(app.form7().Text1.text(), "69");
    EXPECT_EQ(app.form12().Text11.text(), "69");

    // Written, then read at the next start: the same fields come back.
    uitest::FakeEnvironment env2;
    app::App next(env2.services());
    next.SettingsFile = app.SettingsFile;
    next.form1();
    EXPECT_EQ(next.form11().Text6.text(), "12 5");
    EXPECT_TRUE(next.form11().Option2.value());
    EXPECT_EQ(next.form11().Check3.value(), 1);
    EXPECT_EQ(next.form7().Text2.text(), "7");
}

TEST_F(PlannerWindowTest, RememberAfterThePreloadKeepsItsPositionAndDeltaTAsTyped) {
    // Last fix 10 00' N 20 00' W at 12:00 UT on 14 May 2025, new fix at
    // 18:00, course 90, speed 10: 60 n.mi. east along 10 N, 60 / cos 10 =
    // 60.9' of longitude, so the planner gets 10 00' N 18 59' W.
    app::Form1& m = app.form1();
    const std::vector<std::pair<platform::ui::TextBox*, std::string>> leg = {
        {&m.Text8, "90"},   {&m.Text2, "10"},  {&m.Text113, "10"},  {&m.Text6, "0"},
        {&m.Text114, "20"}, {&m.Text7, "0"},   {&m.Text9, "12"},    {&m.Text111, "0"},
        {&m.Text10, "14"},  {&m.Text14, "5"},  {&m.Text15, "2025"}, {&m.Text12, "18"},
        {&m.Text11, "0"},   {&m.Text13, "14"}, {&m.Text16, "5"},    {&m.Text17, "2025"}};
    for (const auto& [box, text] : leg) {
        uitest::userType(*box, text);
    }
    uitest::userClick(m.Option1);
    uitest::userClick(m.Option3);
    uitest::userClick(m.Command7);
    Form11& f = form();
    ASSERT_EQ(f.Text114.text(), "18");
    // Delta T goes on as text, its unit and all.
    f.Text8.setText("69.1 s");
    f.Command7.click();
    EXPECT_EQ(readBytes(app.SettingsFile),
              lines({"WendrelNavSettings", "0", "59", "69.1 s", "20", computerZone(), "10", "18",
                     "True", "False", "True", "False", "0", "0"}));
    EXPECT_EQ(app.form7().Text1.text(), "69.1 s");
    EXPECT_EQ(app.form12().Text11.text(), "69.1 s");
    EXPECT_EQ(app.form7().Text2.text(), computerZone());
}

TEST_F(PlannerWindowTest, FailedWriteSaysSoAndHandsNothingOn) {
    Form11& f = planner("2", "0");
    f.Text10.setText("8");
    app.SettingsFile = folder / "missing" / "WendrelNav.nv1";
    env.messages.expect("Problem writing settings file");
    f.Command7.click();
    EXPECT_EQ(app.form7().Text2.text(), computerZone());
    EXPECT_EQ(app.form7().Text1.text(), "67.0");
    EXPECT_FALSE(fs::exists(app.SettingsFile));
}

}  // namespace
