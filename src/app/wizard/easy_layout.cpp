#include "app/wizard/easy_layout.h"

#include "app/wizard/choice_dialogs.h"
#include "app/wizard/field_binding.h"
#include "app/wizard/file_operations_page.h"
#include "app/wizard/for_attributes_page.h"
#include "app/wizard/miscellaneous_page.h"
#include "app/wizard/network_commands_pages.h"
#include "app/wizard/network_services_page.h"
#include "app/wizard/network_sharing_page.h"
#include "app/wizard/programs_page.h"
#include "app/wizard/update_options_dialog.h"
#include "app/wizard/user_interaction_page.h"
#include "app/wizard/variable_select_dialog.h"
#include "app/wizard/variables_if_page.h"
#include "app/wizard/wizard_widgets.h"
#include "core/settings/layouts.h"
#include "core/settings/settings_table.h"
#include "core/wizard/target.h"
#include "core/wizard/reset_choices.h"
#include "core/wizard/services_list.h"
#include "platform/qt_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app::wizard {

namespace {
using core::settings::NETWORK_PAGES;
using core::settings::WIZARD_PAGES;
constexpr int NETWORK_PAGE = core::settings::NETWORK_WIZARD_PAGE;
} // namespace

EasyLayout::EasyLayout(const EasyServices& services, QWidget* parent)
    : QWidget(parent), m_services(services), m_browser(services.prompter, services.files, services.fileDialog, m_pages.browse) {
    setObjectName("EasyLayout");

    auto* variablesIf = new VariablesIfPage(m_browser);
    m_wizardTabs = new QTabWidget;
    m_wizardTabs->setObjectName("PageControl2");
    m_wizardTabs->addTab(new FileOperationsPage(m_browser), "File Operations");
    m_wizardTabs->addTab(new UserInteractionPage(m_browser), "User Interaction");
    m_wizardTabs->addTab(new ProgramsPage(m_browser), "Programs");
    m_wizardTabs->addTab(new MiscellaneousPage(m_browser), "Miscellaneous");
    m_wizardTabs->addTab(variablesIf, "Variables and IF");
    // "&&" shows one ampersand: a single one would mark an access key.
    m_wizardTabs->addTab(new ForAttributesPage(m_browser), "FOR && File Attributes");
    m_wizardTabs->addTab(buildNetworkPage(), "Network");

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 2);
    column->setSpacing(2);
    column->addWidget(buildHeading());
    column->addWidget(m_wizardTabs, 1);
    column->addWidget(buildFoot());

    m_form5 = new TForm5(this);
    m_form12 = new TForm12(m_services.lists, this);
    m_form14 = new TForm14(this);
    connect(variablesIf, &VariablesIfPage::commandFieldFocused, this, &EasyLayout::commandFieldFocused);
    connect(variablesIf, &VariablesIfPage::variableRequested, m_form12, &TForm12::showVariables);
    connect(variablesIf, &VariablesIfPage::labelsRequested, m_form12, &TForm12::showLabels);
    connectVariableSelect();
    // Every click on a page may change what its switches enable.
    for (auto* button : m_wizardTabs->findChildren<QAbstractButton*>())
        connect(button, &QAbstractButton::clicked, this, &EasyLayout::applyEnabling);
    showPages();
    applyEnabling();
}

EasyLayout::~EasyLayout() = default;

QWidget* EasyLayout::buildHeading() {
    auto* heading = new QLabel("I want to...");
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);
    // The interpreter the lines are written for, remembered between sessions.
    using core::wizard::Target;
    m_target = new QComboBox;
    m_target->setObjectName("WizardTarget");
    for (const auto target : {Target::Windows, Target::Classic})
        m_target->addItem(QString::fromUtf8(core::wizard::targetLabel(target)), static_cast<int>(target));
    m_target->setToolTip("The command lines are written for this system");
    const auto stored = core::wizard::targetOfKey(core::settings::readText(m_services.settings, core::settings::Setting::WizardTarget));
    m_pages.target = stored.value_or(Target::Windows);
    m_target->setCurrentIndex(m_target->findData(static_cast<int>(m_pages.target)));
    connect(m_target, &QComboBox::currentIndexChanged, this, [this] {
        m_pages.target = static_cast<Target>(m_target->currentData().toInt());
        core::settings::writeText(m_services.settings, core::settings::Setting::WizardTarget,
                                  core::wizard::targetKey(m_pages.target));
        applyEnabling();
    });
    auto* label = new QLabel("&Write for:");
    label->setBuddy(m_target);
    auto* head = new QWidget;
    auto* row = compactRow(head);
    row->addWidget(heading);
    row->addStretch(1);
    row->addWidget(label);
    row->addWidget(m_target);
    return head;
}

QWidget* EasyLayout::buildNetworkPage() {
    m_servicesPage = new NetworkServicesPage;
    m_servicesPage->setServiceList([this] { return startStopServices(); });
    connect(m_servicesPage, &NetworkServicesPage::addServiceRequested, this, &EasyLayout::addService);
    m_networkTabs = new QTabWidget;
    m_networkTabs->setObjectName("PageControl3");
    m_networkTabs->setDocumentMode(true);
    m_networkTabs->addTab(new NetworkSharingPage(m_browser), "Network Sharing");
    m_networkTabs->addTab(m_servicesPage, "Network Services");
    m_networkTabs->addTab(new OtherNetworkPage(m_browser), "Other Network Commands");
    m_networkTabs->addTab(new ServerCommandsPage, "Server Commands");
    auto* network = new QWidget;
    network->setObjectName("TabSheet10");
    auto* layout = new QVBoxLayout(network);
    layout->setContentsMargins(0, 2, 0, 0);
    layout->addWidget(m_networkTabs);
    return network;
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
    auto* reset = button("BitBtn2", "Reset Choices");
    auto* update = button("BitBtn1", "Update Batch File");
    auto* row = compactRow(foot);
    row->addWidget(m_updating);
    row->addWidget(m_progress, 1);
    row->addStretch(0);
    row->addWidget(reset);
    row->addWidget(update);
    connect(update, &QPushButton::clicked, this, &EasyLayout::BatchUpdateVerExecute);
    connect(reset, &QPushButton::clicked, this, &EasyLayout::BitBtn2Click);
    return foot;
}

void EasyLayout::connectVariableSelect() {
    connect(m_form12, &TForm12::variableChosen, this, [this](int target, const QString& reference) {
        if (target == TARGET_STRING1 || target == TARGET_STRING2)
            findChild<QLineEdit*>(target == TARGET_STRING1 ? "Edit19" : "Edit20")->setText(reference);
        else
            emit insertIntoEditor(reference);
    });
    connect(m_form12, &TForm12::labelChosen, this,
            [this](const QString& name) { findChild<QLineEdit*>("Edit24")->setText(name); });
}

int EasyLayout::wizardPage() const { return m_wizardTabs->currentIndex() + 1; }

void EasyLayout::setWizardPage(int number) {
    m_wizardTabs->setCurrentIndex(number >= 1 && number <= WIZARD_PAGES ? number - 1 : 0);
}

int EasyLayout::networkPage() const { return m_networkTabs->currentIndex() + 1; }

void EasyLayout::setNetworkPage(int number) {
    m_networkTabs->setCurrentIndex(number >= 1 && number <= NETWORK_PAGES ? number - 1 : 0);
}

void EasyLayout::stepWizardPage() { setWizardPage(core::settings::nextWizardPage(wizardPage())); }

core::wizard::WizardPages& EasyLayout::readPages() {
    WidgetReader reader(*this);
    m_pages.visitFields(reader);
    return m_pages;
}

void EasyLayout::showPages() {
    WidgetWriter writer(*this);
    m_pages.visitFields(writer);
}

void EasyLayout::BatchUpdateVerExecute() {
    if (m_documents == nullptr) return;
    readPages();
    auto list = core::wizard::UpdateList::fromPages(m_pages);
    const auto targets = core::wizard::targetChoices(*m_documents);
    const auto selected = core::wizard::initialTargetIndex(targets, m_documents->currentDocumentName());
    if (!m_form14->choose(list, targets, selected)) return;
    core::wizard::runUpdate(m_pages, list, m_form14->target(),
                            {*m_documents, m_services.prompter, m_services.files, m_services.lists, this});
    showPages();
    applyEnabling();
}

void EasyLayout::BitBtn2Click() {
    const auto scope = m_form5->ask();
    if (!scope) return;
    readPages();
    if (*scope == ResetScope::All) core::wizard::resetAll(m_pages);
    else core::wizard::resetPage(m_pages, pageOnView());
    showPages();
    applyEnabling();
}

core::wizard::WizardPage EasyLayout::pageOnView() const {
    using core::wizard::WizardPage;
    const int page = wizardPage();
    if (page == NETWORK_PAGE) return core::wizard::ALL_PAGES[NETWORK_PAGE - 2 + networkPage()];
    return core::wizard::ALL_PAGES[page - 1];
}

void EasyLayout::applyEnabling() {
    for (const auto& state : core::wizard::enabledStates(readPages())) {
        auto* control = findChild<QWidget*>(QString::fromStdString(state.name));
        if (control == nullptr) continue;
        control->setEnabled(state.enabled);
        setShade(control, state.shade);
        // The reason a target turns a control off is its tooltip while it is off.
        const auto previous = control->property("targetTip").toString();
        const auto tip = QString::fromUtf8(state.whyOff);
        if (control->toolTip() == previous || !tip.isEmpty()) control->setToolTip(tip);
        control->setProperty("targetTip", tip);
    }
}

QStringList EasyLayout::startStopServices() {
    auto& services = readPages().networkServices;
    services.servicesFile = core::wizard::loadServices(m_services.settings, m_services.files);
    QStringList items;
    for (const auto& name : services.startStopItems()) items << platform::fromCp1252(name);
    return items;
}

void EasyLayout::addService() {
    TForm13 dialog(this);
    if (const auto name = dialog.ask())
        core::wizard::addService(m_services.settings, m_services.files, m_services.prompter,
                                 platform::toCp1252(*name));
}

void EasyLayout::start(std::size_t maximum) {
    m_progress->setRange(0, static_cast<int>(maximum));
    m_progress->setValue(0);
    m_progress->show();
    m_updating->show();
    m_updating->repaint();
}

void EasyLayout::setMaximum(std::size_t maximum) { m_progress->setMaximum(static_cast<int>(maximum)); }

void EasyLayout::advance() { m_progress->setValue(m_progress->value() + 1); }

void EasyLayout::finish() {
    m_updating->hide();
    m_progress->hide();
}

} // namespace app::wizard
