// The program's application object: the services and windows of the window
// layer, and the module-level state that the windows share.
#pragma once

#include "ephemeris/ephemeris.h"
#include "platform/ui/application.h"
#include "reduction/sight_log.h"

namespace reduction {
class Form1;
class Form5;
class Form7;
}  // namespace reduction

namespace app {

class App : public platform::ui::Application {
  public:
    explicit App(platform::ui::Services services);
    ~App() override;

    // Windows, created hidden on first access.
    reduction::Form1& form1();  // main window
    reduction::Form5& form5();  // sight entry
    reduction::Form7& form7();  // settings

    // The sight log: SightCount, SightData, SightNotes.
    reduction::SightLog Log;
    // StarNames and StarMagnitudes, filled by FillStarTable.
    ephemeris::StarTables Stars;
    // The number of the sight being saved ("Save Changes").
    int CurrentSight = 0;
};

}  // namespace app
