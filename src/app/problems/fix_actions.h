#pragma once
// "Fix" and "Fix All Like This" in a context menu: the Problems list's and
// the margin marker's.
#include <functional>

class QMenu;

namespace app {

//! Adds the two actions, enabled when the finding has a fix; each calls its
//! function when chosen.
void addFixActions(QMenu& menu, bool fixable, const std::function<void()>& fix, const std::function<void()>& fixAll);

} // namespace app
