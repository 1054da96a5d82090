#pragma once
// "Miscellaneous": shut down or restart, grab keyboard input, combine files.
#include <QWidget>

#include <array>

class QAbstractButton;
class QGridLayout;
class QRadioButton;

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
    //! "Save to file:" with its file name, then "Path:" with its folder and
    //! Browse button (names: file field, folder field, button).
    void addFileOutput(QGridLayout* grid, int row, QRadioButton* saveToFile, std::array<const char*, 3> names);
    //! The operating system decides whether Log off and the delay apply.
    void enableForSystem(bool logOff, bool delay);

    Browser& m_browser;
    QAbstractButton* m_logOff = nullptr;
    QList<QWidget*> m_delayControls;
};

} // namespace app::wizard
