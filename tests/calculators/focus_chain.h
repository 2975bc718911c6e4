// The keyboard focus order of a window, for the tab-order tests.
#pragma once

#include <QWidget>
#include <vector>

namespace focustest {

// The widgets that take the focus by the Tab key, in the order Tab visits
// them from the window itself; hidden ones are passed over.
inline std::vector<QWidget*> tabChain(QWidget* window) {
    std::vector<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0 && w->isVisibleTo(window)) {
            chain.push_back(w);
        }
    }
    return chain;
}

}  // namespace focustest
