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
        auto* isDefault = radio(CHOICE_NAMES[static_cast<std::size_t>(i)][2], "Default for time delay", nullptr);
        column->addWidget(buildChoice(i, CHOICE_NAMES[static_cast<std::size_t>(i)], isDefault));
        defaults->addButton(isDefault);
        if (i == 0) isDefault->setChecked(true);
    }
    column->addWidget(buildDelayRow());
    column->addStretch(1);
}

QWidget* UserInteractionPage::buildChoice(int index, const std::array<const char*, 9>& names, QWidget* isDefault) {
    auto* box = panel();
    auto* key = edit(names[1], 1);
    key->setFixedWidth(key->fontMetrics().horizontalAdvance("MM") + 12);
    auto* actions = exclusiveGroup(box);
    auto* runProgram = radio(names[3], "Run Program:", actions);
    auto* showMessage = radio(names[4], "Display Message:", actions);
    auto* nothing = radio(names[5], "Nothing", actions);
    nothing->setChecked(true);
    auto* program = edit(names[6]);
    auto* browse = browseButton(names[7]);

    auto* grid = compactGrid(box);
    grid->setContentsMargins(6, 2, 6, 2);
    grid->addLayout(rowOf({label(names[0], key), key}), 0, 0);
    grid->addWidget(isDefault, 1, 0);
    grid->addWidget(runProgram, 0, 1);
    grid->addWidget(program, 0, 2);
    grid->addWidget(browse, 0, 3);
    grid->addWidget(showMessage, 1, 1);
    grid->addWidget(edit(names[8]), 1, 2, 1, 2);
    grid->addWidget(nothing, 2, 1);
    grid->setColumnStretch(2, 1);
    if (index == 2) {
        auto* useThird = checkBox("CheckBox14", "Use");
        useThird->setChecked(true);
        grid->addWidget(useThird, 2, 0);
    }
    m_browser.fileInto(browse, program);
    return box;
}

QWidget* UserInteractionPage::buildDelayRow() {
    auto* row = new QWidget;
    auto* delay = edit("MaskEdit4");
    delay->setInputMask("00; ");
    delay->setFixedWidth(delay->fontMetrics().horizontalAdvance("000") + 12);
    auto* layout = compactRow(row);
    layout->addWidget(checkBox("CheckBox7", "Case-Sensitive"));
    layout->addSpacing(12);
    layout->addWidget(checkBox("CheckBox8", "Time Delay before default option"));
    layout->addSpacing(12);
    layout->addWidget(label("Delay For:", delay));
    layout->addWidget(delay);
    layout->addWidget(new QLabel("secs."));
    layout->addStretch(1);
    return row;
}

} // namespace app::wizard
