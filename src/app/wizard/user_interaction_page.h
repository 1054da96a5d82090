#pragma once
// "User Interaction": a CHOICE with up to three keys, each running a program,
// showing a message or doing nothing. Which field is in play follows the
// enabling rules in core.
#include <QWidget>

#include <array>

namespace app::wizard {

class Browser;

class UserInteractionPage : public QWidget {
    Q_OBJECT
public:
    explicit UserInteractionPage(Browser& browser, QWidget* parent = nullptr);

private:
    QWidget* buildChoice(int index, const std::array<const char*, 9>& names, QWidget* isDefault);
    QWidget* buildDelayRow();

    Browser& m_browser;
};

} // namespace app::wizard
