#include "app/wizard/easy_layout.h"

#include "app/wizard/file_operations_page.h"
#include "app/wizard/for_attributes_page.h"
#include "app/wizard/miscellaneous_page.h"
#include "app/wizard/network_commands_pages.h"
#include "app/wizard/network_services_page.h"
#include "app/wizard/network_sharing_page.h"
#include "app/wizard/programs_page.h"
#include "app/wizard/user_interaction_page.h"
#include "app/wizard/variables_if_page.h"
#include "app/wizard/wizard_widgets.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app::wizard {

namespace {
constexpr int WIZARD_PAGES = 7;
constexpr int NETWORK_PAGES = 4;
constexpr int NETWORK_PAGE = 7;
} // namespace

EasyLayout::EasyLayout(core::ports::Prompter& prompter, core::ports::FileSystem& files, QWidget* parent)
    : QWidget(parent), m_browser(prompter, files) {
    setObjectName("EasyLayout");
    auto* heading = new QLabel("I want to...");
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);

    m_networkPages = new QTabWidget;
    m_networkPages->setObjectName("PageControl3");
    m_networkPages->addTab(new NetworkSharingPage(m_browser), "Network Sharing");
    m_networkPages->addTab(new NetworkServicesPage, "Network Services");
    m_networkPages->addTab(new OtherNetworkPage(m_browser), "Other Network Commands");
    m_networkPages->addTab(new ServerCommandsPage, "Server Commands");
    m_networkPages->setDocumentMode(true);
    auto* network = new QWidget;
    network->setObjectName("TabSheet10");
    auto* networkLayout = new QVBoxLayout(network);
    networkLayout->setContentsMargins(0, 2, 0, 0);
    networkLayout->addWidget(m_networkPages);

    auto* variablesIf = new VariablesIfPage(m_browser);
    m_pages = new QTabWidget;
    m_pages->setObjectName("PageControl2");
    m_pages->addTab(new FileOperationsPage(m_browser), "File Operations");
    m_pages->addTab(new UserInteractionPage(m_browser), "User Interaction");
    m_pages->addTab(new ProgramsPage(m_browser), "Programs");
    m_pages->addTab(new MiscellaneousPage(m_browser), "Miscellaneous");
    m_pages->addTab(variablesIf, "Variables and IF");
    m_pages->addTab(new ForAttributesPage(m_browser), "FOR && File Attributes");
    m_pages->addTab(network, "Network");
    connect(variablesIf, &VariablesIfPage::commandFieldFocused, this, &EasyLayout::commandFieldFocused);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 2);
    column->setSpacing(2);
    column->addWidget(heading);
    column->addWidget(m_pages, 1);
    column->addWidget(buildFoot());
}

QWidget* EasyLayout::buildFoot() {
    auto* foot = new QWidget;
    m_updating = new QLabel("Updating Batch File:");
    m_updating->setObjectName("StaticText12");
    m_updating->setVisible(false);
    m_progress = new QProgressBar;
    m_progress->setObjectName("ProgressBar1");
    m_progress->setVisible(false);
    m_progress->setTextVisible(false);
    m_reset = button("BitBtn2", "Reset Choices");
    m_update = button("BitBtn1", "Update Batch File");
    auto* row = compactRow(foot);
    row->addWidget(m_updating);
    row->addWidget(m_progress, 1);
    row->addStretch(0);
    row->addWidget(m_reset);
    row->addWidget(m_update);
    return foot;
}

int EasyLayout::wizardPage() const { return m_pages->currentIndex() + 1; }

void EasyLayout::setWizardPage(int number) {
    m_pages->setCurrentIndex(number >= 1 && number <= WIZARD_PAGES ? number - 1 : 0);
}

int EasyLayout::networkPage() const { return m_networkPages->currentIndex() + 1; }

void EasyLayout::setNetworkPage(int number) {
    m_networkPages->setCurrentIndex(number >= 1 && number <= NETWORK_PAGES ? number - 1 : 0);
}

void EasyLayout::stepWizardPage() {
    const int page = wizardPage();
    if (page == NETWORK_PAGE) return;
    setWizardPage(page == NETWORK_PAGE - 1 ? 1 : page + 1);
}

} // namespace app::wizard
