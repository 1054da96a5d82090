#include "core/settings/layouts.h"

#include <array>

namespace core::settings {
namespace {

constexpr std::array<std::string_view, WIZARD_PAGES> WIZARD_CAPTIONS = {
    "File Operations", "User Interaction", "Programs", "Miscellaneous",
    "Variables and IF", "FOR & File Attributes", "Network",
};

constexpr std::array<std::string_view, NETWORK_PAGES> NETWORK_CAPTIONS = {
    "Network Sharing", "Network Services", "Other Network Commands", "Server Commands",
};

// Object names as the window gives them: actions by their command, menus and
// toolbar separators by their place.
constexpr std::array<CommandRule, 18> RULES = {{
    {"EditMenu", true, false},
    {"BatchMenu", true, false},
    {"OptionsMenu", true, false},
    {"FileNew", true, false},
    {"FileOpen", true, false},
    {"FileSave", true, false},
    {"FileSaveAs", true, false},
    {"FileClose", true, false},
    {"FilePrint", true, false},
    {"EditCopy1", true, false},
    {"EditPaste1", true, false},
    {"EditInsert1", true, true},
    {"Undo1", false, true},
    {"BatchUpdate", true, false},
    {"BatchSyntaxCheck", true, false},
    {"BatchRun", true, false},
    {"ToolSeparator1", true, false},
    {"ToolSeparator2", true, false},
}};

template <std::size_t N> std::string_view captionAt(const std::array<std::string_view, N>& captions, int number) {
    return number >= 1 && number <= static_cast<int>(N) ? captions[static_cast<std::size_t>(number - 1)]
                                                        : std::string_view{};
}

} // namespace

std::string_view wizardPageCaption(int number) { return captionAt(WIZARD_CAPTIONS, number); }
std::string_view networkPageCaption(int number) { return captionAt(NETWORK_CAPTIONS, number); }

TopPage switchedLayout(TopPage active) {
    switch (active) {
    case TopPage::Advanced: return TopPage::Easy;
    case TopPage::Easy: return TopPage::Advanced;
    case TopPage::Welcome: return TopPage::Welcome;
    }
    return active;
}

int nextWizardPage(int page) {
    if (page == NETWORK_WIZARD_PAGE || page < 1 || page > WIZARD_PAGES) return page;
    return page == 6 ? 1 : page + 1;
}

std::span<const CommandRule> commandRules() { return RULES; }

} // namespace core::settings
