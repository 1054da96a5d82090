#include "app/problems/fix_actions.h"

#include <QMenu>

namespace app {

void addFixActions(QMenu& menu, bool fixable, const std::function<void()>& fix, const std::function<void()>& fixAll) {
    auto* one = menu.addAction(QStringLiteral("&Fix"));
    one->setObjectName("ProblemsFix");
    one->setEnabled(fixable);
    QObject::connect(one, &QAction::triggered, &menu, fix);
    auto* all = menu.addAction(QStringLiteral("Fix &All Like This"));
    all->setObjectName("ProblemsFixAll");
    all->setEnabled(fixable);
    all->setToolTip(QStringLiteral("Fixes every problem with the same code in the document"));
    QObject::connect(all, &QAction::triggered, &menu, fixAll);
}

} // namespace app
