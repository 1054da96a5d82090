#pragma once
// "Programs": run a program, or open files for editing, in a window mode.
#include <QWidget>

namespace app::wizard {

class Browser;

class ProgramsPage : public QWidget {
    Q_OBJECT
public:
    explicit ProgramsPage(Browser& browser, QWidget* parent = nullptr);

private:
    QWidget* buildRunGroup();
    QWidget* buildOpenGroup();

    Browser& m_browser;
};

} // namespace app::wizard
