// The program's application object: the services and windows of the window
// layer, and the module-level state that the windows share.
#pragma once

#include <filesystem>

#include "ephemeris/ephemeris.h"
#include "planner/planner_settings.h"
#include "planner/sky_chart.h"
#include "platform/ui/application.h"
#include "reduction/sight_log.h"
#include "reduction/sight_reduction.h"

namespace reduction {
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
}  // namespace reduction
namespace lunar {
class Form8;
}
namespace calculators {
class Form9;
class Form10;
class Form15;
class Form55;
}  // namespace calculators
namespace planner {
class Form11;
class Form14;
}  // namespace planner
namespace almanac {
class Form12;
class Form13;
}  // namespace almanac
namespace globe {
class Form16;
}

namespace app {

class Form1;
class Form7;

class App : public platform::ui::Application {
  public:
    explicit App(platform::ui::Services services);
    ~App() override;

    // Windows, created hidden on first access.
    Form1& form1();             // main window
    reduction::Form2& form2();  // plot of the lines of position
    reduction::Form3& form3();  // assumed position for the fix (modal)
    reduction::Form4& form4();  // report: help, info, detailed output
    reduction::Form5& form5();  // sight entry
    reduction::Form6& form6();  // clear-all confirmation
    Form7& form7();             // settings
    // The tool windows; each accessor is defined beside its window.
    lunar::Form8& form8();          // lunar distance clearing
    calculators::Form9& form9();    // course and heading calculator
    calculators::Form10& form10();  // navigation calculators
    planner::Form11& form11();      // sight planner
    almanac::Form12& form12();      // perpetual almanac
    almanac::Form13& form13();      // rise, set and meridian passage
    planner::Form14& form14();      // planner instructions
    calculators::Form15& form15();  // three-arm protractor
    globe::Form16& form16();        // globe with the circles of position
    calculators::Form55& form55();  // single-sight reduction

    // The sight log: SightCount, SightData, SightNotes.
    reduction::SightLog Log;
    // StarNames and StarMagnitudes, filled by FillStarTable.
    ephemeris::StarTables Stars;
    // The number of the sight being saved ("Save Changes").
    int CurrentSight = 0;
    // The clear-all confirmation's answer: 1 clear, 0 keep.
    int ClearConfirmed = 0;

    // Results of the last reduction: CopGha, CopDec, CopHo, LopIntercept,
    // LopRun, LopAzimuth (entries 1 to SightCount), PlotParams (1 to 14),
    // DetailedOutputLines (1 to the last) and each sight's working values. Kept
    // until the next reduction that completes.
    reduction::ReductionResult Reduction;
    // The dead-reckoning position at the new fix time of the last reduction,
    // degrees, north and east positive.
    double DrLat = 0;
    double DrLon = 0;
    // The assumed position of the last reduction, degrees, north and east
    // positive; 0 before the first one.
    double AssumedLat = 0;
    double AssumedLon = 0;
    // Set when a file has been opened or all data cleared: the results above
    // belong to an earlier leg, and the plot, the globe and the detailed
    // output stay hidden until the next reduction.
    bool ResultsOutdated = false;

    // The sky chart arrays (ChartCount, ChartX ... ChartElevation) and the
    // planner's star list of the last planner refresh.
    planner::ChartArrays Chart;
    planner::StarList StarList;
    // The planner settings file (SettingsFile): "WendrelNav.nv1" in the
    // working directory.
    std::filesystem::path SettingsFile = planner::kPlannerSettingsFileName;
};

}  // namespace app
