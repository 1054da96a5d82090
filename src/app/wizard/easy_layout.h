#pragma once
// The "Easy" layout: the wizard headed "I want to...", its seven pages (the
// last holding the four network pages), and at its foot "Update Batch File",
// "Reset Choices" and the progress of an update. The widgets are bound to
// core's page records by object name; the update and the reset are core's.
#include "app/easy_pages.h"
#include "app/wizard/browser.h"
#include "core/documents/browse_file_dialog.h"
#include "core/documents/pick_lists.h"
#include "core/ports/settings_store.h"
#include "core/wizard/document_targets.h"
#include "core/wizard/enabling_rules.h"
#include "core/wizard/reset_choices.h"
#include "core/wizard/update_flow.h"
#include "core/wizard/wizard_pages.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace app::wizard {

class TForm5;
class TForm12;
class TForm14;
class NetworkServicesPage;

struct EasyServices {
    core::ports::Prompter& prompter;
    core::ports::FileSystem& files;
    core::ports::SettingsStore& settings;
    core::documents::PickLists& lists; //!< the Variable Select dialog's lists
    core::documents::BrowseFileDialog& fileDialog; //!< the Browse buttons' file dialog (the window's)
};

class EasyLayout : public QWidget, public app::EasyPages, private core::wizard::UpdateProgress {
    Q_OBJECT
public:
    explicit EasyLayout(const EasyServices& services, QWidget* parent = nullptr);
    ~EasyLayout() override;

    //! The open documents the update picks its target from (the window's).
    void setDocuments(core::wizard::DocumentTargets* documents) { m_documents = documents; }
    void setDocuments(std::unique_ptr<core::wizard::DocumentTargets> documents) {
        m_ownedDocuments = std::move(documents);
        m_documents = m_ownedDocuments.get();
    }

    //! The wizard page on view, 1 to 7 in tab order; any other number selects 1.
    int wizardPage() const override;
    void setWizardPage(int number) override;
    //! The network page on view, 1 to 4; any other number selects 1.
    int networkPage() const override;
    void setNetworkPage(int number) override;
    //! The next-page key: 1 to 2, ..., 5 to 6, 6 back to 1; nothing on 7.
    void stepWizardPage();

    //! "Update Batch File": the dialog, then the chosen sections' lines at the
    //! end of the chosen document.
    void BatchUpdateVerExecute();
    //! "Reset Choices".
    void BitBtn2Click();

    //! The pages' values as the widgets show them.
    core::wizard::WizardPages& readPages();
    //! Shows the pages' values in the widgets.
    void showPages();

    TForm12& variableSelect() { return *m_form12; }

signals:
    //! The IF page's command field gained or lost the focus: the Insert
    //! Command action follows it.
    void commandFieldFocused(bool focused);
    //! A variable chosen for the editor (variable target 0).
    void insertIntoEditor(const QString& text);

private:
    QWidget* buildHeading();
    QWidget* buildNetworkPage();
    QWidget* buildFoot();
    void connectVariableSelect();
    core::wizard::WizardPage pageOnView() const;
    //! Enables and shades the controls as the pages' switches call for.
    void applyEnabling();
    QStringList startStopServices();
    void addService();

    // UpdateProgress: the foot of the page during an update.
    void start(std::size_t maximum) override;
    void setMaximum(std::size_t maximum) override;
    void advance() override;
    void finish() override;

    EasyServices m_services;
    core::wizard::WizardPages m_pages;
    core::wizard::DocumentTargets* m_documents = nullptr;
    std::unique_ptr<core::wizard::DocumentTargets> m_ownedDocuments;
    Browser m_browser;
    QTabWidget* m_wizardTabs = nullptr;
    QTabWidget* m_networkTabs = nullptr;
    NetworkServicesPage* m_servicesPage = nullptr;
    QComboBox* m_target = nullptr;
    QLabel* m_updating = nullptr;
    QProgressBar* m_progress = nullptr;
    TForm5* m_form5 = nullptr;
    TForm12* m_form12 = nullptr;
    TForm14* m_form14 = nullptr;
};

} // namespace app::wizard
