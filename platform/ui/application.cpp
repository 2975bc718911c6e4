#include "platform/ui/application.h"

#include <QApplication>
#include <QCursor>
#include <QFont>
#include <QFontDatabase>
#include <algorithm>
#include <stdexcept>

#include "platform/ui/dialog.h"
#include "platform/ui/form.h"

namespace platform::ui {

Application::Application(Services services) : services_(std::move(services)) {
    if (!services_.messages || !services_.fileDialogs || !services_.printer || !services_.clock ||
        !services_.random || !services_.modalRunner) {
        throw std::invalid_argument("Application needs every service");
    }
    quitHook_ = [] { QCoreApplication::quit(); };
}

Application::~Application() {
    setMousePointer(MousePointer::Default);
    // Newest first: a window made by another window's load goes before it.
    for (auto it = creationOrder_.rbegin(); it != creationOrder_.rend(); ++it) {
        windows_.erase(*it);
    }
}

bool Application::runModal(Dialog& dialog) {
    dialog.setOpener(openerOf(dialog));
    return modalRunner().run(dialog);
}

QWidget* Application::openerOf(const Dialog& dialog) const {
    QWidget* active = QApplication::activeWindow();
    if (active != nullptr && active != &dialog && active->isVisible()) {
        return active;
    }
    const auto main = windows_.find(mainWindow_);
    if (main == windows_.end() || main->second.get() == &dialog || !main->second->isVisible()) {
        return nullptr;
    }
    return main->second.get();
}

Form* Application::find(const std::type_info& type) const {
    const auto it = windows_.find(std::type_index(type));
    return it == windows_.end() ? nullptr : it->second.get();
}

void Application::adopt(const std::type_info& type, std::unique_ptr<Form> form) {
    Form& f = *form;
    const std::type_index key(type);
    windows_[key] = std::move(form);
    creationOrder_.push_back(key);
    // Registered before its load runs, so the load may reach its own window.
    f.Form_Load();
}

void Application::unload(const std::type_info& type) {
    const std::type_index key(type);
    const auto it = windows_.find(key);
    if (it == windows_.end()) {
        return;
    }
    std::unique_ptr<Form> doomed = std::move(it->second);
    windows_.erase(it);
    creationOrder_.erase(std::remove(creationOrder_.begin(), creationOrder_.end(), key),
                         creationOrder_.end());
    doomed->hide();
    doomed.reset();
}

bool Application::isMainWindow(const Form& form) const {
    return std::type_index(typeid(form)) == mainWindow_;
}

void Application::quit() {
    for (auto& entry : windows_) {
        entry.second->hide();
    }
    if (quitHook_) {
        quitHook_();
    }
}

void Application::noteStacking(const StackingChange& change) {
    if (stackingObserver_) {
        stackingObserver_(change);
    }
}

void Application::setMousePointer(MousePointer pointer) {
    if (pointer == pointer_) {
        return;
    }
    if (pointer_ != MousePointer::Default && qApp) {
        QApplication::restoreOverrideCursor();
    }
    pointer_ = pointer;
    if (pointer_ == MousePointer::SizeAll && qApp) {
        QApplication::setOverrideCursor(QCursor(Qt::SizeAllCursor));
    }
}

void useStandardFont() {
    const QStringList families = QFontDatabase::families();
    if (families.contains(QStringLiteral("DejaVu Sans"))) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(8);
        QApplication::setFont(font);
    }
}

}  // namespace platform::ui
