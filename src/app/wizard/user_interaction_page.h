#pragma once
// "User Interaction": a CHOICE with up to three keys, each running a program,
// showing a message or doing nothing.
#include <QWidget>

#include <array>

class QAbstractButton;
class QLineEdit;
class QPushButton;

namespace app::wizard {

class Browser;

class UserInteractionPage : public QWidget {
    Q_OBJECT
public:
    explicit UserInteractionPage(Browser& browser, QWidget* parent = nullptr);

private:
    struct Choice {
        QLineEdit* key = nullptr;
        QAbstractButton* isDefault = nullptr;
        QAbstractButton* runProgram = nullptr;
        QLineEdit* program = nullptr;
        QPushButton* browse = nullptr;
        QLineEdit* message = nullptr;
    };
    enum class Action { RunProgram, DisplayMessage, Nothing };

    QWidget* buildChoice(int index, const std::array<const char*, 9>& names);
    QWidget* buildDelayRow();
    void setAction(const Choice& choice, Action action);
    void timeDelayClicked();
    void useThirdClicked();

    Browser& m_browser;
    std::array<Choice, 3> m_choices;
    QAbstractButton* m_useThird = nullptr;
    QAbstractButton* m_timeDelay = nullptr;
    QLineEdit* m_delay = nullptr;
    QList<QAbstractButton*> m_thirdActions;
};

} // namespace app::wizard
