#include "app/wizard/programs_page.h"

#include "app/wizard/browser.h"
#include "app/wizard/wizard_widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace app::wizard {

namespace {

QGroupBox* windowModes(const QString& title, std::array<const char*, 3> names) {
    auto* box = groupBox(title);
    auto* modes = exclusiveGroup(box);
    auto* column = compactColumn(box);
    auto* normal = radio(names[0], "Normal (Restored)", modes);
    normal->setChecked(true);
    column->addWidget(normal);
    column->addWidget(radio(names[1], "Maximised", modes));
    column->addWidget(radio(names[2], "Minimised", modes));
    return box;
}

} // namespace

ProgramsPage::ProgramsPage(Browser& browser, QWidget* parent) : QWidget(parent), m_browser(browser) {
    setObjectName("TabSheet6");
    auto* row = compactRow(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(buildRunGroup(), 1);
    row->addWidget(buildOpenGroup(), 1);
}

QWidget* ProgramsPage::buildRunGroup() {
    auto* box = panel();
    auto* program = edit("Edit2");
    auto* browse = browseButton("Button7");
    auto* arguments = edit("Edit3");
    auto* wait = checkBox("CheckBox11", "");
    auto* grid = compactGrid(box);
    grid->addWidget(checkBox("CheckBox9", "Run a Windows\u00AE or MS-DOS\u00AE program"), 0, 0, 1, 2);
    grid->addWidget(label("Program to run:", program), 1, 0, 1, 2);
    grid->addWidget(program, 2, 0);
    grid->addWidget(browse, 2, 1);
    grid->addWidget(label("What arguments does your program require?", arguments), 3, 0, 1, 2);
    grid->addWidget(arguments, 4, 0, 1, 2);
    grid->addWidget(windowModes("Select the window mode of your program:",
                                {"RadioButton15", "RadioButton16", "RadioButton17"}),
                    5, 0, 1, 2);
    auto* panel = new TogglePanel(
        wait, {"Wait for program to", "finish before continuing", "batch file execution"});
    panel->setObjectName("PanelCheckBox11");
    grid->addWidget(panel, 6, 0, 1, 2);
    grid->setRowStretch(7, 1);
    m_browser.fileInto(browse, program);
    return box;
}

QWidget* ProgramsPage::buildOpenGroup() {
    auto* box = panel();
    auto* files = memo("Memo3");
    auto* browse = browseButton("Button8");
    auto* wait = checkBox("CheckBox12", "");
    auto* grid = compactGrid(box);
    grid->addWidget(checkBox("CheckBox10", "Open file(s) for editing"), 0, 0, 1, 2);
    grid->addWidget(label("File(s) to open:", files), 1, 0, 1, 2);
    grid->addWidget(files, 2, 0);
    grid->addWidget(browse, 2, 1, Qt::AlignTop);
    grid->addWidget(windowModes("Select the window mode of the program opening your file(s):",
                                {"RadioButton18", "RadioButton19", "RadioButton20"}),
                    3, 0, 1, 2);
    auto* panel = new TogglePanel(wait, {"Wait for program that", "is editing your file(s) to",
                                         "finish before continuing", "batch file execution"});
    panel->setObjectName("PanelCheckBox12");
    grid->addWidget(panel, 4, 0, 1, 2);
    grid->setRowStretch(2, 1);
    m_browser.filesInto(browse, files);
    return box;
}

} // namespace app::wizard
