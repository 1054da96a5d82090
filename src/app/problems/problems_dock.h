#pragma once
// The Problems list: a dock under the editor with every finding of the last
// check (line, code, severity, text), sortable by column. Activating a row
// (double-click, Enter) asks to go to its line; the context menu's Ignore asks
// to put its command into the Ignore list. The rows and their order are core's
// ProblemList; this only shows them.
#include "core/checker/problem_list.h"

#include <QAbstractTableModel>
#include <QDockWidget>

class QTreeView;

namespace app {

class ProblemsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ProblemsModel(core::checker::ProblemList& list, QObject* parent = nullptr)
        : QAbstractTableModel(parent), m_list(list) {}
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;
    //! The list changed underneath: show it anew.
    void refresh();

private:
    core::checker::ProblemList& m_list;
};

class ProblemsDock : public QDockWidget {
    Q_OBJECT
public:
    explicit ProblemsDock(core::checker::ProblemList& list, QWidget* parent = nullptr);
    void refresh() { m_model->refresh(); }
    QTreeView* view() const { return m_view; }

signals:
    void goToLine(std::size_t line);   //!< 1-based
    void ignoreRequested(std::size_t row);

private:
    core::checker::ProblemList& m_list;
    ProblemsModel* m_model;
    QTreeView* m_view;
};

} // namespace app
