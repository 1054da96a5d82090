#include "app/wizard/network_commands_pages.h"

#include "app/wizard/browser.h"
#include "app/wizard/wizard_page_texts.h"
#include "app/wizard/wizard_widgets.h"

#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace app::wizard {

namespace {

struct RadioRow {
    const char* radio;
    const char* caption;
    const char* field; //!< nullptr: the button stands alone
};

//! Radio buttons each followed by its field, in rows under a switch.
void addRadioRows(QGridLayout* grid, int firstRow, QButtonGroup* group, std::initializer_list<RadioRow> rows) {
    int row = firstRow;
    for (const auto& entry : rows) {
        if (entry.field == nullptr) {
            grid->addWidget(wrappingRadio(entry.radio, entry.caption, group), row++, 0, 1, 2);
            continue;
        }
        grid->addWidget(wrappingRadio(entry.radio, entry.caption, group), row, 0);
        grid->addWidget(edit(entry.field), row++, 1, Qt::AlignVCenter);
    }
}

} // namespace

OtherNetworkPage::OtherNetworkPage(Browser& browser, QWidget* parent) : QWidget(parent), m_browser(browser) {
    setObjectName("TabSheet13");
    auto* grid = compactGrid(this);
    grid->addWidget(buildMessageGroup(), 0, 0);
    grid->addWidget(buildTimeGroup(), 1, 0);
    grid->addWidget(buildRunAsGroup(), 0, 1, 2, 1);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
}

QWidget* OtherNetworkPage::buildMessageGroup() {
    auto* box = panel();
    auto* text = edit("Edit34");
    auto* grid = compactGrid(box);
    grid->addWidget(checkBox("CheckBox34", "Send a message to another computer"), 0, 0, 1, 2);
    grid->addLayout(rowOf({label("Message text:", text), text}, false), 1, 0, 1, 2);
    addRadioRows(grid, 2, exclusiveGroup(box),
                 {{"RadioButton59", "Send message to the following messaging name, computer name or user name:", "Edit35"},
                  {"RadioButton60", "Send message to all the computers currently online in the following domain:", "Edit36"},
                  {"RadioButton61", "Send message to all users currently connected to the server", nullptr}});
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    return box;
}

QWidget* OtherNetworkPage::buildTimeGroup() {
    auto* box = panel();
    auto* grid = compactGrid(box);
    grid->addWidget(checkBox("CheckBox33", "Synchronise time with another computer"), 0, 0, 1, 2);
    addRadioRows(grid, 1, exclusiveGroup(box),
                 {{"RadioButton62", "Synchronise clock with the following computer:", "Edit37"},
                  {"RadioButton63", "Synchronise clock with the Primary Domain Contoller for the following domain:",
                   "Edit38"},
                  {"RadioButton64", "Use a RTS (Reliable Time Server) from the following domain:", "Edit39"}});
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    return box;
}

QWidget* OtherNetworkPage::buildRunAsGroup() {
    auto* box = panel();
    auto* account = edit("Edit42");
    auto* program = edit("Edit40");
    auto* browse = browseButton("Button24");
    auto* arguments = edit("Edit41");
    auto* accountLabel = label(texts::RUN_AS_ACCOUNT, account);
    accountLabel->setWordWrap(true);
    auto* grid = compactGrid(box);
    grid->addWidget(
        wrappingCheckBox("CheckBox42", "Run a command or program with the permissions of another user"), 0, 0, 1, 2);
    grid->addWidget(accountLabel, 1, 0, 1, 2);
    grid->addWidget(account, 2, 0, 1, 2);
    grid->addWidget(label("Program to run:", program), 3, 0, 1, 2);
    grid->addWidget(program, 4, 0);
    grid->addWidget(browse, 4, 1);
    grid->addWidget(label("Arguments Required:", arguments), 5, 0, 1, 2);
    grid->addWidget(arguments, 6, 0, 1, 2);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(0, 1);
    m_browser.fileInto(browse, program, PathForm::Long, /*multiSelect=*/false);
    return box;
}

ServerCommandsPage::ServerCommandsPage(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet14");
    auto* notice = new QLabel(texts::SERVER_NOTICE);
    notice->setWordWrap(true);
    auto* box = panel();
    auto* operations = exclusiveGroup(box);
    auto* grid = compactGrid(box);
    grid->addWidget(checkBox("CheckBox35", "Create or modify user accounts"), 0, 0, 1, 2);
    grid->addLayout(rowOf({radio("RadioButton65", "Add account", operations),
                           radio("RadioButton66", "Remove account", operations),
                           radio("RadioButton67", "Modify exisitng account", operations)}),
                    1, 0, 1, 2);
    grid->addWidget(buildAccountColumn(), 2, 0);
    grid->addWidget(buildDetailsColumn(), 2, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    auto* column = compactColumn(this);
    column->addWidget(notice);
    column->addWidget(box);
    column->addStretch(1);
}

QWidget* ServerCommandsPage::buildAccountColumn() {
    auto* area = new QWidget;
    auto* form = new QFormLayout(area);
    form->setContentsMargins(0, 0, 0, 0);
    form->setVerticalSpacing(3);
    auto* user = edit("Edit43", 20);
    auto* password = edit("Edit44", 14);
    form->addRow(label("&User Name:", user), user);
    form->addRow(label("&Password:", password), password);
    form->addRow(checkBox("CheckBox46", "Prompt for password"));
    form->addRow(checkBox("CheckBox47", "Perform operation on the domain controller"));
    auto* active = checkBox("CheckBox48", "Account active");
    active->setChecked(true);
    form->addRow(active);
    auto* change = checkBox("CheckBox49", "User allowed to change password");
    change->setChecked(true);
    form->addRow(change);
    auto* expires = checkBox("CheckBox50", "Account Expires on:");
    auto* date = new QDateEdit(QDate::currentDate());
    date->setObjectName("DateTimePicker1");
    date->setCalendarPopup(true);
    form->addRow(expires, date);
    return area;
}

QWidget* ServerCommandsPage::buildDetailsColumn() {
    auto* area = new QWidget;
    auto* form = new QFormLayout(area);
    form->setContentsMargins(0, 0, 0, 0);
    form->setVerticalSpacing(3);
    const std::initializer_list<std::pair<const char*, const char*>> fields{
        {"Edit45", "&Full Name:"},       {"Edit50", "User C&omment:"}, {"Edit46", "&Comment:"},
        {"Edit47", "&Home Directory:"}, {"Edit48", "Logon &Profile:"}, {"Edit49", "Logon &Script:"}};
    for (const auto& [name, caption] : fields) {
        auto* field = edit(name, std::string_view(name) == "Edit46" ? 48 : 0);
        form->addRow(label(caption, field), field);
    }
    auto* workstations = memo("Memo10");
    workstations->setMaximumHeight(60);
    form->addRow(label("Permitted &Workstations:", workstations), workstations);
    return area;
}

} // namespace app::wizard
