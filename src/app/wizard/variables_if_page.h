#pragma once
// "Variables and IF": SET lines from a grid, and one IF statement.
#include <QWidget>

class QLineEdit;

namespace app::wizard {

class Browser;

class VariablesIfPage : public QWidget {
    Q_OBJECT
public:
    explicit VariablesIfPage(Browser& browser, QWidget* parent = nullptr);

signals:
    //! "Select variable": the variable target is 1 ("String 1:") or 2 ("String 2:").
    void variableRequested(int target);
    //! "Labels...": the Variable Select dialog in label mode.
    void labelsRequested();
    //! The IF command field gained (true) or lost (false) the focus: the
    //! Insert Command action follows it.
    void commandFieldFocused(bool focused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildVariables();
    QWidget* buildCondition();
    QWidget* buildAction();

    Browser& m_browser;
    QLineEdit* m_command = nullptr;
};

} // namespace app::wizard
