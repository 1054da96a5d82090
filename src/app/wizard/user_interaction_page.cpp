#include "app/wizard/user_interaction_page.h"

#include "app/wizard/browser.h"
#include "app/wizard/wizard_widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace app::wizard {

namespace {

// Per choice: key label, key field, default-key button, the three action
// buttons, program field, its Browse button, message field.
constexpr std::array<std::array<const char*, 9>, 3> CHOICE_NAMES{{
    {"1.", "MaskEdit1", "RadioButton3", "RadioButton6", "RadioButton7", "RadioButton12", "Edit7", "Button3", "Edit9"},
    {"2.", "MaskEdit2", "RadioButton4", "RadioButton8", "RadioButton9", "RadioButton13", "Edit6", "Button4", "Edit10"},
    {"3.", "MaskEdit3", "RadioButton5", "RadioButton10", "RadioButton11", "RadioButton14", "Edit8", "Button5",
     "Edit11"},
}};

} // namespace

UserInteractionPage::UserInteractionPage(Browser& browser, QWidget* parent) : QWidget(parent), m_browser(browser) {
    setObjectName("TabSheet4");
    auto* column = compactColumn(this);
    column->addWidget(
        wrappingCheckBox("CheckBox6", "Create a choice with several options depending on the key that has been pressed"));
    auto* question = edit("Edit5");
    column->addLayout(rowOf({label("&Display Text:", question), question}, false));
    auto* defaults = exclusiveGroup(this);
    for (int i = 0; i < 3; ++i) {
        column->addWidget(buildChoice(i, CHOICE_NAMES[static_cast<std::size_t>(i)]));
        defaults->addButton(m_choices[static_cast<std::size_t>(i)].isDefault);
    }
    m_choices[0].isDefault->setChecked(true);
    column->addWidget(buildDelayRow());
    column->addStretch(1);
    // The default key and the delay count only with a time delay.
    for (const auto& choice : m_choices) choice.isDefault->setEnabled(false);
    m_delay->setEnabled(false);
}

QWidget* UserInteractionPage::buildChoice(int index, const std::array<const char*, 9>& names) {
    auto* box = panel();
    auto& choice = m_choices[static_cast<std::size_t>(index)];
    choice.key = edit(names[1], 1);
    choice.key->setFixedWidth(choice.key->fontMetrics().horizontalAdvance("MM") + 12);
    choice.isDefault = radio(names[2], "Default for time delay", nullptr);
    auto* actions = exclusiveGroup(box);
    choice.runProgram = radio(names[3], "Run Program:", actions);
    auto* showMessage = radio(names[4], "Display Message:", actions);
    auto* nothing = radio(names[5], "Nothing", actions);
    nothing->setChecked(true);
    choice.program = edit(names[6]);
    choice.browse = browseButton(names[7]);
    choice.message = edit(names[8]);

    auto* grid = compactGrid(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->addLayout(rowOf({label(names[0], choice.key), choice.key}), 0, 0);
    grid->addWidget(choice.isDefault, 1, 0);
    grid->addWidget(choice.runProgram, 0, 1);
    grid->addWidget(choice.program, 0, 2);
    grid->addWidget(choice.browse, 0, 3);
    grid->addWidget(showMessage, 1, 1);
    grid->addWidget(choice.message, 1, 2, 1, 2);
    grid->addWidget(nothing, 2, 1);
    grid->setColumnStretch(2, 1);
    if (index == 2) {
        m_useThird = checkBox("CheckBox14", "Use");
        m_useThird->setChecked(true);
        grid->addWidget(m_useThird, 2, 0);
        m_thirdActions = {choice.runProgram, showMessage, nothing};
        connect(m_useThird, &QAbstractButton::clicked, this, &UserInteractionPage::useThirdClicked);
    }
    setAction(choice, Action::Nothing);

    const Choice* target = &choice;
    connect(choice.runProgram, &QAbstractButton::clicked, this, [this, target] { setAction(*target, Action::RunProgram); });
    connect(showMessage, &QAbstractButton::clicked, this, [this, target] { setAction(*target, Action::DisplayMessage); });
    connect(nothing, &QAbstractButton::clicked, this, [this, target] { setAction(*target, Action::Nothing); });
    m_browser.fileInto(choice.browse, choice.program);
    return box;
}

QWidget* UserInteractionPage::buildDelayRow() {
    auto* row = new QWidget;
    m_timeDelay = checkBox("CheckBox8", "Time Delay before default option");
    m_delay = edit("MaskEdit4");
    m_delay->setInputMask("00; ");
    m_delay->setFixedWidth(m_delay->fontMetrics().horizontalAdvance("000") + 12);
    auto* layout = compactRow(row);
    layout->addWidget(checkBox("CheckBox7", "Case-Sensitive"));
    layout->addSpacing(12);
    layout->addWidget(m_timeDelay);
    layout->addSpacing(12);
    layout->addWidget(label("Delay For:", m_delay));
    layout->addWidget(m_delay);
    layout->addWidget(new QLabel("secs."));
    layout->addStretch(1);
    connect(m_timeDelay, &QAbstractButton::clicked, this, &UserInteractionPage::timeDelayClicked);
    return row;
}

void UserInteractionPage::setAction(const Choice& choice, Action action) {
    const bool program = action == Action::RunProgram;
    const bool message = action == Action::DisplayMessage;
    choice.program->setEnabled(program);
    choice.browse->setEnabled(program);
    choice.message->setEnabled(message);
    setShade(choice.program, program ? Shade::Window : Shade::InactiveCaption);
    setShade(choice.message, message ? Shade::Window : Shade::InactiveCaption);
}

void UserInteractionPage::timeDelayClicked() {
    const bool on = m_timeDelay->isChecked();
    m_choices[0].isDefault->setEnabled(on);
    m_choices[1].isDefault->setEnabled(on);
    m_choices[2].isDefault->setEnabled(on && m_useThird->isChecked());
    m_delay->setEnabled(on);
}

void UserInteractionPage::useThirdClicked() {
    const bool use = m_useThird->isChecked();
    const Choice& third = m_choices[2];
    third.key->setEnabled(use);
    for (auto* action : m_thirdActions) action->setEnabled(use);
    third.program->setEnabled(use);
    third.message->setEnabled(use);
    third.browse->setEnabled(use && third.runProgram->isChecked());
    if (m_timeDelay->isChecked()) third.isDefault->setEnabled(use);
}

} // namespace app::wizard
