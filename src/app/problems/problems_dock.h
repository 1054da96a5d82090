#pragma once
// The Problems list: a dock under the editor with every finding of the last
// check (line, code, severity, text), sortable by column. Activating a row
// (double-click, Enter) asks to go to its line; the context menu's Ignore asks
// to put its command into the Ignore list. The rows and their order are core's
// ProblemList; this only shows them.
#include "core/checker/problem_list.h"

#include <QAbstractTableModel>
#include <QDockWidget>

#include <functional>

class QTreeView;

namespace app {

class ProblemsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ProblemsModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    const core::checker::ProblemList& list() const { return m_list; }
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;
    //! Changes the list (a new check, an Ignore) and shows it anew.
    void change(const std::function<void(core::checker::ProblemList&)>& changeList);

private:
    core::checker::ProblemList m_list;
};

class ProblemsDock : public QDockWidget {
    Q_OBJECT
public:
    explicit ProblemsDock(QWidget* parent = nullptr);
    const core::checker::ProblemList& list() const { return m_model->list(); }
    //! Changes the list (a new check, an Ignore) and shows it anew.
    void change(const std::function<void(core::checker::ProblemList&)>& changeList) { m_model->change(changeList); }
    QTreeView* view() const { return m_view; }
    //! Tells whether a row's finding has a fix (the context menu's Fix).
    void setFixable(std::function<bool(std::size_t row)> fixable) { m_fixable = std::move(fixable); }

signals:
    void goToLine(std::size_t line);   //!< 1-based
    void ignoreRequested(std::size_t row);
    void fixRequested(std::size_t row);
    void fixAllRequested(std::size_t row); //!< every finding with the row's code

private:
    ProblemsModel* m_model;
    QTreeView* m_view;
    std::function<bool(std::size_t row)> m_fixable;
};

} // namespace app
