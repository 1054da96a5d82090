#include "app/wizard/miscellaneous_page.h"

#include "app/wizard/browser.h"
#include "app/wizard/wizard_widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace app::wizard {

MiscellaneousPage::MiscellaneousPage(Browser& browser, QWidget* parent) : QWidget(parent), m_browser(browser) {
    setObjectName("TabSheet7");
    auto* grid = compactGrid(this);
    grid->addWidget(buildShutdownGroup(), 0, 0);
    grid->addWidget(buildKeyboardGroup(), 1, 0);
    grid->addWidget(buildCombineGroup(), 0, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

QWidget* MiscellaneousPage::buildShutdownGroup() {
    auto* box = panel();
    auto* systems = groupBox("Operating System:");
    auto* systemGroup = exclusiveGroup(systems);
    auto* windows9x = radio("RadioButton26", "Windows 95/98/ME", systemGroup);
    windows9x->setChecked(true);
    auto* windowsNt = radio("RadioButton58", "Windows NT (RK)/2000", systemGroup);
    auto* windowsXp = radio("RadioButton27", "Windows XP or later", systemGroup);
    auto* systemColumn = compactColumn(systems);
    for (auto* system : {windows9x, windowsNt, windowsXp}) systemColumn->addWidget(system);

    auto* actions = exclusiveGroup(box);
    auto* actionColumn = compactColumn(nullptr);
    actionColumn->setContentsMargins(0, 0, 0, 0);
    actionColumn->addWidget(radio("RadioButton28", "Shutdown the computer", actions));
    actionColumn->addWidget(radio("RadioButton29", "Restart the computer", actions));
    actionColumn->addWidget(radio("RadioButton30", "Log off Windows", actions));
    actionColumn->addStretch(1);

    auto* panel = new TogglePanel(checkBox("CheckBox22", "Force"),
                                  {"Terminates all currently running", "programs and performs the selected action",
                                   "without prompting. WARNING: Any data", "within these programs WILL BE LOST!"});
    panel->setObjectName("PanelCheckBox22");
    auto* delayBox = checkBox("Label52", "Time Delay:");
    auto* delay = spin("CSpinEdit2", 0, 999);
    auto* seconds = new QLabel("seconds");
    seconds->setObjectName("Label53");

    auto* grid = compactGrid(box);
    grid->addWidget(checkBox("CheckBox21", "Shutdown or restart the computer"), 0, 0, 1, 2);
    grid->addWidget(systems, 1, 0);
    grid->addLayout(actionColumn, 1, 1);
    grid->addWidget(panel, 2, 0, 1, 2);
    grid->addLayout(rowOf({delayBox, delay, seconds}), 3, 0, 1, 2);
    return box;
}

void MiscellaneousPage::addFileOutput(QGridLayout* grid, int row, QRadioButton* saveToFile,
                                      std::array<const char*, 3> names) {
    auto* name = edit(names[0]);
    auto* folder = edit(names[1]);
    auto* browse = browseButton(names[2]);
    grid->addWidget(saveToFile, row, 0);
    grid->addWidget(name, row, 1, 1, 2);
    grid->addWidget(label("Path:", folder), row + 1, 0, Qt::AlignRight);
    grid->addWidget(folder, row + 1, 1);
    grid->addWidget(browse, row + 1, 2);
    m_browser.directoryInto(browse, folder, PathForm::Short);
}

QWidget* MiscellaneousPage::buildKeyboardGroup() {
    auto* box = panel();
    auto* outputs = exclusiveGroup(box);
    auto* grid = compactGrid(box);
    grid->addWidget(checkBox("CheckBox23", "Grab keyboard input from the user"), 0, 0, 1, 3);
    addFileOutput(grid, 1, radio("RadioButton31", "Save to file:", outputs), {"Edit15", "Edit16", "Button10"});
    grid->addWidget(radio("RadioButton32", "Send to printer", outputs), 3, 0, 1, 3);
    return box;
}

QWidget* MiscellaneousPage::buildCombineGroup() {
    auto* box = panel();
    auto* kinds = exclusiveGroup(box);
    auto* files = memo("Memo4");
    auto* browseFiles = browseButton("Button12");
    auto* positions = exclusiveGroup(box);
    auto* after = radio("RadioButton34", "After files", positions);
    after->setChecked(true);

    auto* output = groupBox("Ouput of combined files:");
    auto* outputs = exclusiveGroup(output);
    auto* outputGrid = compactGrid(output);
    outputGrid->addWidget(radio("RadioButton35", "Send to printer", outputs), 0, 0, 1, 3);
    addFileOutput(outputGrid, 1, radio("RadioButton36", "Save to file:", outputs), {"Edit17", "Edit18", "Button11"});

    auto* grid = compactGrid(box);
    grid->addWidget(radio("CheckBox24", "Combine ASCII (text) files together", kinds), 0, 0, 1, 2);
    grid->addWidget(radio("CheckBox44", "Combine Binary files together", kinds), 1, 0, 1, 2);
    grid->addWidget(label("Initial Files:", files), 2, 0, 1, 2);
    grid->addWidget(files, 3, 0);
    grid->addWidget(browseFiles, 3, 1, Qt::AlignTop);
    grid->addWidget(checkBox("CheckBox25", "Add input from keyboard to output file"), 4, 0, 1, 2);
    grid->addLayout(rowOf({radio("RadioButton33", "Before files", positions), after}), 5, 0, 1, 2);
    grid->addWidget(output, 6, 0, 1, 2);
    grid->setRowStretch(3, 1);

    m_browser.filesInto(browseFiles, files);
    return box;
}

} // namespace app::wizard
