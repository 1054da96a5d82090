#pragma once
// Every page record of the Easy layout, owned together for the life of the
// window (or of one `qlt generate` run), plus the little state the pages share.
#include "core/wizard/fields.h"
#include "core/wizard/file_operation_choices.h"
#include "core/wizard/for_attributes_page.h"
#include "core/wizard/miscellaneous_choices.h"
#include "core/wizard/network_services_page.h"
#include "core/wizard/network_sharing_page.h"
#include "core/wizard/other_network_page.h"
#include "core/wizard/program_choices.h"
#include "core/wizard/server_page.h"
#include "core/wizard/target.h"
#include "core/wizard/user_interaction_choices.h"
#include "core/wizard/variables_page.h"

#include <string>

namespace core::wizard {

//! The pages and network sub-pages whose fields "Reset Choices" can clear one by one.
enum class WizardPage {
    FileOperations,
    UserInteraction,
    Programs,
    Miscellaneous,
    VariablesAndIf,
    ForAndAttributes,
    NetworkSharing,
    NetworkServices,
    OtherNetworkCommands,
    ServerCommands,
};

//! Memory of the directory-selection dialog shared by the destination Browse
//! buttons: where it starts next time. "Reset Choices" forgets it.
struct BrowseMemory {
    bool usedBefore = false;
    std::string lastFolder;

    //! The first time ten levels above the current folder (in practice the
    //! root of its drive), afterwards the last folder chosen.
    std::string startFolder() const;
    void chosen(const std::string& folder) {
        usedBefore = true;
        lastFolder = folder;
    }
};

struct WizardPages {
    FileOperationChoices fileOperations;
    UserInteractionChoices userInteraction;
    ProgramChoices programs;
    MiscellaneousChoices miscellaneous;
    VariablesChoices variables;
    ForAttributesChoices forAttributes;
    NetworkSharingChoices networkSharing;
    NetworkServicesChoices networkServices;
    OtherNetworkChoices otherNetwork;
    ServerChoices server;
    BrowseMemory browse;
    //! The interpreter the lines are written for; "Reset Choices" keeps it.
    Target target = Target::Classic;

    //! The fields of one page, by control name.
    void visitPage(WizardPage page, FieldVisitor& visitor);
    //! The fields of every page, in page order.
    void visitFields(FieldVisitor& visitor);
};

//! Every page, in the order of the Easy layout's tabs.
inline constexpr WizardPage ALL_PAGES[] = {
    WizardPage::FileOperations,   WizardPage::UserInteraction, WizardPage::Programs,
    WizardPage::Miscellaneous,    WizardPage::VariablesAndIf,  WizardPage::ForAndAttributes,
    WizardPage::NetworkSharing,   WizardPage::NetworkServices, WizardPage::OtherNetworkCommands,
    WizardPage::ServerCommands,
};

//! The check box or radio button of the given control name, or nullptr when no
//! page has a switch of that name.
bool* findSwitch(WizardPages& pages, std::string_view name);

} // namespace core::wizard
