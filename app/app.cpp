#include "app/app.h"

#include "reduction/main_window.h"
#include "reduction/settings_window.h"
#include "reduction/sight_entry_window.h"

namespace app {

App::App(platform::ui::Services services) : Application(std::move(services)) {
    setMainWindow<reduction::Form1>();
}

App::~App() = default;

reduction::Form1& App::form1() {
    return window<reduction::Form1>(*this);
}
reduction::Form5& App::form5() {
    return window<reduction::Form5>(*this);
}
reduction::Form7& App::form7() {
    return window<reduction::Form7>(*this);
}

}  // namespace app
