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

    Browser& m_browser;
};

} // namespace app::wizard
