#pragma once
// "Miscellaneous": shut down or restart, grab keyboard input, combine files.
#include <QWidget>

class QAbstractButton;

namespace app::wizard {

class Browser;

class MiscellaneousPage : public QWidget {
    Q_OBJECT
public:
    explicit MiscellaneousPage(Browser& browser, QWidget* parent = nullptr);

private:
    QWidget* buildShutdownGroup();
    QWidget* buildKeyboardGroup();
    QWidget* buildCombineGroup();
    //! The operating system decides whether Log off and the delay apply.
    void enableForSystem(bool logOff, bool delay);

    Browser& m_browser;
    QAbstractButton* m_logOff = nullptr;
    QList<QWidget*> m_delayControls;
};

} // namespace app::wizard
