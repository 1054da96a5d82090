#include "app/wizard/network_sharing_page.h"

#include "app/wizard/browser.h"
#include "app/wizard/wizard_page_texts.h"
#include "app/wizard/wizard_widgets.h"
#include "core/wizard/network_sharing_page.h"
#include "platform/qt_text.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

namespace app::wizard {

NetworkSharingPage::NetworkSharingPage(Browser& browser, QWidget* parent) : QWidget(parent), m_browser(browser) {
    setObjectName("TabSheet11");
    auto* row = compactRow(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(buildShareGroup(), 1);
    row->addWidget(buildConnectGroup(), 1);
}

QWidget* NetworkSharingPage::buildShareGroup() {
    auto* box = panel();
    auto* actions = exclusiveGroup(box);
    auto* name = edit("Edit25");
    auto* path = edit("Edit27");
    auto* browse = browseButton("Button19");
    auto* comment = edit("Edit28");
    auto* caching = dropDown("ComboBox2", {"Enabled, Auto re-integrate", "Enabled, Manual re-integrate", "Disabled"});
    auto* users = groupBox("Simultaneous users");
    auto* limits = exclusiveGroup(users);
    auto* limited = radio("RadioButton45", "Limited to:", limits);
    limited->setChecked(true);
    auto* count = spin("CSpinEdit1", 1, 1000);
    auto* usersRow = compactRow(users);
    usersRow->setContentsMargins(6, 2, 6, 2);
    usersRow->addWidget(limited);
    usersRow->addWidget(count);
    usersRow->addSpacing(12);
    usersRow->addWidget(radio("RadioButton46", "Unlimited", limits));
    usersRow->addStretch(1);

    auto* grid = compactGrid(box);
    grid->addWidget(radio("RadioButton43", "Create a network share", actions), 0, 0, 1, 3);
    grid->addWidget(radio("RadioButton44", "Remove a network share", actions), 1, 0, 1, 3);
    grid->addWidget(label("&Name:", name), 2, 0);
    grid->addWidget(name, 2, 1, 1, 2);
    grid->addWidget(label("&Path to share:", path), 3, 0);
    grid->addWidget(path, 3, 1);
    grid->addWidget(browse, 3, 2);
    grid->addWidget(label("&Comment:", comment), 4, 0);
    grid->addWidget(comment, 4, 1, 1, 2);
    grid->addWidget(label("O&ffline Caching:", caching), 5, 0);
    grid->addWidget(caching, 5, 1, 1, 2);
    grid->addWidget(users, 6, 0, 1, 3);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(1, 1);
    m_browser.folderInto(browse, path, texts::SHARE_FOLDER_CAPTION, PathForm::Long);
    return box;
}

QWidget* NetworkSharingPage::buildConnectGroup() {
    auto* box = panel();
    auto* actions = exclusiveGroup(box);
    auto* device = groupBox("&Device Name:");
    auto* deviceChoice = exclusiveGroup(device);
    auto* deviceName = edit("Edit29");
    auto* specify = radio("RadioButton49", "Specify printer/drive letter", deviceChoice);
    specify->setChecked(true);
    auto* deviceGrid = compactGrid(device);
    deviceGrid->setContentsMargins(6, 2, 6, 2);
    deviceGrid->addWidget(specify, 0, 0);
    deviceGrid->addWidget(deviceName, 0, 1);
    deviceGrid->addWidget(radio("RadioButton50", "Next available", deviceChoice), 1, 0, 1, 2);

    m_networkPath = edit("Edit30");
    m_networkPath->installEventFilter(this);
    auto* browse = browseButton("Button20");
    auto* password = edit("Edit31");
    auto* specifyUser = wrappingCheckBox("CheckBox32", "Specify a specific username with which to connect:");
    auto* userName = edit("Edit32");

    auto* grid = compactGrid(box);
    grid->addWidget(radio("RadioButton47", "Connect to a network share", actions), 0, 0, 1, 2);
    grid->addWidget(radio("RadioButton48", "Disconnect from a network share", actions), 1, 0, 1, 2);
    grid->addWidget(device, 2, 0, 1, 2);
    grid->addWidget(label("P&ath to share:", m_networkPath), 3, 0, 1, 2);
    grid->addWidget(m_networkPath, 4, 0);
    grid->addWidget(browse, 4, 1);
    grid->addWidget(checkBox("CheckBox30", "Connect to current user's HOME directory"), 5, 0, 1, 2);
    grid->addWidget(label("Pa&ssword required to connect to share:", password), 6, 0, 1, 2);
    grid->addLayout(rowOf({password, checkBox("CheckBox31", "Provide a prompt to the user")}, false), 7, 0, 1, 2);
    grid->addWidget(specifyUser, 8, 0, 1, 2);
    grid->addWidget(userName, 9, 0);
    grid->setRowStretch(10, 1);
    grid->setColumnStretch(0, 1);

    m_browser.folderInto(browse, m_networkPath, texts::SHARE_FOLDER_CAPTION, PathForm::Long);
    return box;
}

bool NetworkSharingPage::eventFilter(QObject* watched, QEvent* event) {
    const bool entering = event->type() == QEvent::FocusIn;
    if (watched == m_networkPath && (entering || event->type() == QEvent::FocusOut)) {
        std::string text = platform::toCp1252(m_networkPath->text());
        if (entering)
            core::wizard::enterNetworkPath(text);
        else
            core::wizard::leaveNetworkPath(text);
        const QString shown = platform::fromCp1252(text);
        if (shown != m_networkPath->text()) m_networkPath->setText(shown);
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace app::wizard
