#include "core/wizard/wizard_pages.h"

#include <filesystem>

namespace core::wizard {
namespace {

// Finds the boolean of a check box or radio button by control name.
class SwitchFinder : public SkippingFieldVisitor {
public:
    explicit SwitchFinder(std::string_view name) : m_name(name) {}
    bool* found = nullptr;

    void check(std::string_view name, bool& value) override { take(name, value); }
    void radio(std::string_view name, std::string_view, bool& value) override { take(name, value); }

private:
    void take(std::string_view name, bool& value) {
        if (!found && name == m_name) found = &value;
    }
    std::string_view m_name;
};

} // namespace

std::string BrowseMemory::startFolder() const {
    if (usedBefore) return lastFolder;
    return std::filesystem::path("../../../../../../../../../..").make_preferred().string();
}

void WizardPages::visitPage(WizardPage page, FieldVisitor& visitor) {
    switch (page) {
    case WizardPage::FileOperations: fileOperations.visitFields(visitor); return;
    case WizardPage::UserInteraction: userInteraction.visitFields(visitor); return;
    case WizardPage::Programs: programs.visitFields(visitor); return;
    case WizardPage::Miscellaneous: miscellaneous.visitFields(visitor); return;
    case WizardPage::VariablesAndIf: variables.visitFields(visitor); return;
    case WizardPage::ForAndAttributes: forAttributes.visitFields(visitor); return;
    case WizardPage::NetworkSharing: networkSharing.visitFields(visitor); return;
    case WizardPage::NetworkServices: networkServices.visitFields(visitor); return;
    case WizardPage::OtherNetworkCommands: otherNetwork.visitFields(visitor); return;
    case WizardPage::ServerCommands: server.visitFields(visitor); return;
    }
}

void WizardPages::visitFields(FieldVisitor& visitor) {
    for (auto page : ALL_PAGES) visitPage(page, visitor);
}

bool* findSwitch(WizardPages& pages, std::string_view name) {
    SwitchFinder finder(name);
    pages.visitFields(finder);
    return finder.found;
}

} // namespace core::wizard
