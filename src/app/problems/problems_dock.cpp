#include "app/problems/problems_dock.h"

#include "app/problems/fix_actions.h"
#include "platform/qt_text.h"

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QStyle>
#include <QTreeView>

namespace app {

using core::checker::ProblemColumn;

int ProblemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_list.size());
}

int ProblemsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(core::checker::PROBLEM_COLUMNS);
}

QVariant ProblemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const auto row = static_cast<std::size_t>(index.row());
    const auto column = static_cast<ProblemColumn>(index.column());
    if (role == Qt::DisplayRole) return platform::fromUtf8(m_list.cell(row, column));
    if (role == Qt::ToolTipRole && column == ProblemColumn::Text) return platform::fromUtf8(m_list.row(row).text);
    if (role == Qt::DecorationRole && column == ProblemColumn::Severity) {
        const auto severity = m_list.row(row).severity;
        const auto icon = severity == core::checker::Severity::Error     ? QStyle::SP_MessageBoxCritical
                          : severity == core::checker::Severity::Warning ? QStyle::SP_MessageBoxWarning
                                                                          : QStyle::SP_MessageBoxInformation;
        return QApplication::style()->standardIcon(icon);
    }
    return {};
}

QVariant ProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    const auto heading = core::checker::ProblemList::heading(static_cast<ProblemColumn>(section));
    return QString::fromUtf8(heading.data(), static_cast<qsizetype>(heading.size()));
}

void ProblemsModel::sort(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged();
    m_list.sortBy(static_cast<ProblemColumn>(column), order == Qt::DescendingOrder);
    emit layoutChanged();
}

void ProblemsModel::change(const std::function<void(core::checker::ProblemList&)>& changeList) {
    beginResetModel();
    changeList(m_list);
    endResetModel();
}

ProblemsDock::ProblemsDock(QWidget* parent)
    : QDockWidget(QStringLiteral("Problems"), parent), m_model(new ProblemsModel(this)),
      m_view(new QTreeView) {
    setObjectName("ProblemsDock");
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    m_view->setObjectName("ProblemsList");
    m_view->setModel(m_model);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setAlternatingRowColors(true);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(0, Qt::AscendingOrder);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->header()->setStretchLastSection(true);
    m_view->header()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->setColumnWidth(0, 60);
    m_view->setColumnWidth(1, 60);
    m_view->setColumnWidth(2, 80);
    setWidget(m_view);
    // activated: double-click, or Enter on the current row.
    connect(m_view, &QTreeView::activated, this,
            [this](const QModelIndex& index) { emit goToLine(list().row(static_cast<std::size_t>(index.row())).line); });
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const QModelIndex index = m_view->indexAt(at);
        if (!index.isValid()) return;
        const auto row = static_cast<std::size_t>(index.row());
        QMenu menu(this);
        auto* go = menu.addAction(QStringLiteral("&Go to Line"));
        auto* ignore = menu.addAction(QStringLiteral("&Ignore"));
        ignore->setObjectName("ProblemsIgnore");
        ignore->setEnabled(list().ignoreEntry(row).has_value());
        ignore->setToolTip(QStringLiteral("Adds the command to the Ignore list, as a message box's Ignore does"));
        addFixActions(menu, m_fixable && m_fixable(row), [this, row] { emit fixRequested(row); },
                      [this, row] { emit fixAllRequested(row); });
        const QAction* chosen = menu.exec(m_view->viewport()->mapToGlobal(at));
        if (chosen == go) emit goToLine(list().row(row).line);
        if (chosen == ignore) emit ignoreRequested(row);
    });
}

} // namespace app
