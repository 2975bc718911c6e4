// The application object base: owns the services and the window registry.
//
// The program's own application object derives from it, adds the
// module-level state and typed accessors for its windows:
//
//   class App : public platform::ui::Application {
//   public:
//       using Application::Application;
//       Form5& form5() { return window<Form5>(*this); }   // Form5(App&)
//       int SightCount = 1;
//   };
//
// Each window exists at most once. window<T>() creates it on first access
// (hidden; its constructor builds the controls, then Form_Load runs) and
// returns the existing one afterwards. unload<T>() destroys it, so the next
// access creates it anew and runs Form_Load again. Never unload a window from
// inside one of its own handlers.
#pragma once

#include <functional>
#include <memory>
#include <type_traits>
#include <typeindex>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/ui/services.h"

class QWidget;

namespace platform::ui {

class Form;
class Dialog;

enum class MousePointer { Default, SizeAll };

// One change of the windows' stacking: a window shown from hidden or raised
// while on view, asking for the keyboard focus or not.
struct StackingChange {
    const Form* window = nullptr;
    bool shown = false;      // false: raised while on view
    bool activated = false;  // asked for the keyboard focus
};

class Application {
  public:
    // services: every member set (qtServices() for the program, fakes in tests).
    explicit Application(Services services);
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Messages& messages() { return *services_.messages; }
    FileDialogs& fileDialogs() { return *services_.fileDialogs; }
    Printer& printer() { return *services_.printer; }
    Clock& clock() { return *services_.clock; }
    Random& random() { return *services_.random; }
    ModalRunner& modalRunner() { return *services_.modalRunner; }

    // Runs a modal dialog through the modal runner; returns whether it was
    // accepted. The dialog is centred on the window that opens it: the
    // active window, else the main window.
    bool runModal(Dialog& dialog);

    // The window of type T, created on first access with T(args...), or with
    // T(*this) when no arguments are given; the arguments are used only when
    // the window is created.
    template <class T, class... Args>
    T& window(Args&&... args) {
        static_assert(std::is_base_of_v<Form, T>, "windows derive from platform::ui::Form");
        if (Form* existing = find(typeid(T))) {
            return static_cast<T&>(*existing);
        }
        std::unique_ptr<Form> created;
        if constexpr (sizeof...(Args) == 0) {
            created = std::make_unique<T>(*this);
        } else {
            created = std::make_unique<T>(std::forward<Args>(args)...);
        }
        T& form = static_cast<T&>(*created);
        adopt(typeid(T), std::move(created));
        return form;
    }

    // The window of type T when it exists, else nullptr (creates nothing).
    template <class T>
    T* existingWindow() const {
        return static_cast<T*>(find(typeid(T)));
    }

    // Destroys the window of type T if it exists.
    template <class T>
    void unload() {
        unload(typeid(T));
    }

    // The window whose title-bar close ends the program.
    template <class T>
    void setMainWindow() {
        mainWindow_ = std::type_index(typeid(T));
    }
    bool isMainWindow(const Form& form) const;

    // Ends the program: hides every window, then runs the quit hook (by
    // default QCoreApplication::quit()).
    void quit();
    void setQuitHook(std::function<void()> hook) { quitHook_ = std::move(hook); }

    // Told of every change of the windows' stacking, in order, before the
    // window system is asked for it: which window was brought forward last.
    void setStackingObserver(std::function<void(const StackingChange&)> observer) {
        stackingObserver_ = std::move(observer);
    }
    void noteStacking(const StackingChange& change);

    // The application's mouse pointer (over all windows).
    void setMousePointer(MousePointer pointer);
    MousePointer mousePointer() const { return pointer_; }

  private:
    Form* find(const std::type_info& type) const;
    QWidget* openerOf(const Dialog& dialog) const;
    void adopt(const std::type_info& type, std::unique_ptr<Form> form);
    void unload(const std::type_info& type);

    Services services_;
    std::unordered_map<std::type_index, std::unique_ptr<Form>> windows_;
    std::vector<std::type_index> creationOrder_;
    std::type_index mainWindow_{typeid(void)};
    std::function<void()> quitHook_;
    std::function<void(const StackingChange&)> stackingObserver_;
    MousePointer pointer_ = MousePointer::Default;
};

// Makes DejaVu Sans at 8 points the application's font when it is installed,
// so that text metrics are the same on every machine.
void useStandardFont();

}  // namespace platform::ui
