#include "app/wizard/network_services_page.h"

#include "app/wizard/wizard_widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QGroupBox>
#include <QPushButton>

namespace app::wizard {

void RebuiltComboBox::showPopup() {
    if (items) {
        clear();
        addItems(items());
        setCurrentIndex(-1);
    }
    QComboBox::showPopup();
}

namespace {
const QStringList PAUSABLE_SERVICES{"FILE SERVER FOR MACINTOSH", "LPDSVC", "NET LOGON", "NETWORK DDE",
                                    "NETWORK DDE DSDM", "NT LM SECURITY SUPPORT PROVIDER", "REMOTE ACCESS SERVER",
                                    "SCHEDULE", "SERVER", "SIMPLE TCP/IP SERVICES", "WORKSTATION"};
} // namespace

NetworkServicesPage::NetworkServicesPage(QWidget* parent) : QWidget(parent) {
    setObjectName("TabSheet12");
    auto* startStop = panel();
    auto* startStopGroup = exclusiveGroup(startStop);
    auto* start = radio("RadioButton51", "Start a network service", startStopGroup);
    auto* stop = radio("RadioButton52", "Stop a network service (admin rights needed)", startStopGroup);
    auto* computer = groupBox("Batch file will run:");
    auto* computerGroup = exclusiveGroup(computer);
    auto* server = radio("RadioButton55", "On a Windows\u00AE server", computerGroup);
    auto* workstation = radio("RadioButton56", "On a workstation computer", computerGroup);
    workstation->setChecked(true);
    auto* computerRow = compactRow(computer);
    computerRow->setContentsMargins(6, 2, 6, 2);
    computerRow->addWidget(server);
    computerRow->addWidget(workstation);
    computerRow->addStretch(1);
    m_services = new RebuiltComboBox;
    m_services->setObjectName("ComboBox3");
    auto* add = button("Button21", "Add a new service to the list");

    auto* grid = compactGrid(startStop);
    grid->addWidget(start, 0, 0, 1, 2);
    grid->addWidget(stop, 1, 0, 1, 2);
    grid->addWidget(computer, 2, 0, 1, 2);
    grid->addWidget(label("Start/stop the following service:", m_services), 3, 0, 1, 2);
    grid->addWidget(m_services, 4, 0);
    grid->addWidget(add, 4, 1);
    grid->setColumnStretch(0, 1);

    auto* pause = panel();
    auto* pauseGroup = exclusiveGroup(pause);
    auto* pausable = dropDown("ComboBox4", PAUSABLE_SERVICES);
    auto* pauseGrid = compactGrid(pause);
    pauseGrid->addWidget(radio("RadioButton53", "Pause a network service", pauseGroup), 0, 0);
    pauseGrid->addWidget(radio("RadioButton54", "Continue a paused network service", pauseGroup), 1, 0);
    pauseGrid->addWidget(label("Pause/continue the following service:", pausable), 2, 0);
    pauseGrid->addWidget(pausable, 3, 0);

    auto* column = compactColumn(this);
    column->addWidget(startStop);
    column->addWidget(pause);
    column->addStretch(1);

    // A new choice empties the list; it is filled again when it drops down.
    for (auto* choice : {start, stop, server, workstation})
        connect(choice, &QAbstractButton::clicked, m_services, &QComboBox::clear);
    connect(add, &QPushButton::clicked, this, &NetworkServicesPage::addServiceRequested);
}

} // namespace app::wizard
