#include "core/info/help_controls.h"

#include "core/info/help_contexts.h"

#include <algorithm>
#include <array>

namespace core::info::help {
namespace {

constexpr std::array<ControlTopic, 29> CONTROL_TOPICS = {{
    // The three layouts and the editor's areas.
    {"TabSheet5", WELCOME},
    {"TabSheet2", EASY_PAGE},
    {"TabSheet1", ADVANCED_LAYOUT_INTRO},
    {"RichEdit1", EDITING},
    {"TabControl1", ADVANCED_LAYOUT_INTRO},
    {"ProblemsDock", CHECKER},
    // The wizard's pages.
    {"TabSheet3", COPY_AND_MOVE},
    {"TabSheet4", USER_INTERACTION},
    {"TabSheet6", RUN_PROGRAM},
    {"TabSheet7", SHUTDOWN},
    {"TabSheet8", VARIABLES},
    {"TabSheet9", FOR_AND_ATTRIBUTES_PAGE},
    {"TabSheet10", NETWORK_PAGE},
    {"TabSheet11", NETWORK_SHARING},
    {"TabSheet12", NETWORK_SERVICES},
    {"TabSheet13", OTHER_NETWORK_COMMANDS},
    {"TabSheet14", SERVER_COMMANDS},
    // Dialogs.
    {"TForm2", UPDATE_WINDOW},
    {"TForm5", RESET_CHOICES},
    {"TForm7", EDITOR_OPTIONS},
    {"TForm9", INSERT_AIDS},
    {"TForm10", INSERT_AIDS},
    {"TForm12", INSERT_AIDS},
    {"TForm13", ADD_SERVICE},
    {"TForm14", UPDATE_DIALOG},
    {"TInsertCommandSelect", TEMPLATES},
    {"FindBar", EDITING},
    {"ReplaceDialog1", EDITING},
    {"VersionAwareAbout", SUPPORT},
}};

} // namespace

std::span<const ControlTopic> controlTopics() { return CONTROL_TOPICS; }

std::optional<int> topicOfControl(std::string_view objectName) {
    const auto* found = std::find_if(CONTROL_TOPICS.begin(), CONTROL_TOPICS.end(),
                                     [&](const ControlTopic& t) { return t.control == objectName; });
    if (found == CONTROL_TOPICS.end()) return std::nullopt;
    return found->context;
}

} // namespace core::info::help
