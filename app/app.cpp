#include "app/app.h"

#include "app/main_window.h"
#include "app/settings_window.h"
#include "reduction/assumed_position_dialog.h"
#include "reduction/clear_all_dialog.h"
#include "reduction/plot_window.h"
#include "reduction/report_window.h"
#include "reduction/sight_entry_window.h"

namespace app {

App::App(platform::ui::Services services) : Application(std::move(services)) {
    setMainWindow<app::Form1>();
}

App::~App() = default;

app::Form1& App::form1() {
    return window<app::Form1>(*this);
}
reduction::Form2& App::form2() {
    return window<reduction::Form2>(*this);
}
reduction::Form3& App::form3() {
    return window<reduction::Form3>(*this);
}
reduction::Form4& App::form4() {
    return window<reduction::Form4>(*this);
}
reduction::Form5& App::form5() {
    return window<reduction::Form5>(*this);
}
reduction::Form6& App::form6() {
    return window<reduction::Form6>(*this);
}
app::Form7& App::form7() {
    return window<app::Form7>(*this);
}

}  // namespace app
