#include "core/wizard/enabling_rules.h"

#include <algorithm>
#include <array>
#include <map>
#include <span>

namespace core::wizard {
namespace {

using Names = std::array<std::string_view, 2>;

// A control is enabled when every switch of `needs` is on, at least one of
// `oneOf` is on (when it names any), and none of `blockedBy` is on.
struct EnableRule {
    std::string_view control;
    Names needs = {};
    Names oneOf = {};
    Names blockedBy = {};
    FieldShade offShade = FieldShade::None; //!< a field's shade while disabled
    bool alwaysOff = false;                 //!< disabled whatever the switches
    std::string_view whyOff = {};           //!< the tooltip while disabled
};

constexpr auto GREY = FieldShade::Greyed;
constexpr auto CAPTION = FieldShade::InactiveCaption;
constexpr Names COPY_OR_MOVE = {"CheckBox4", "CheckBox5"};

constexpr EnableRule RULES[] = {
    // File Operations: Verify is no option of MOVE; the XCOPY options serve Copy Directory
    // (and stand ready before an action is chosen); renaming needs its fields.
    {"CheckBox1", {}, {}, {"CheckBox5"}},
    {"SubFoldersBox", {}, {}, COPY_OR_MOVE}, // the frame of RadioButton21 .. 25
    {"CheckBox16", {}, {}, COPY_OR_MOVE},
    {"CheckBox17", {}, {}, COPY_OR_MOVE},
    {"CheckBox18", {}, {}, COPY_OR_MOVE},
    {"CheckBox19", {}, {}, COPY_OR_MOVE},
    {"CheckBox20", {}, {}, COPY_OR_MOVE},
    {"Edit12", {}, {}, {"RadioButton42"}, GREY},
    {"Button9", {}, {}, {"RadioButton42"}},
    {"Edit14", {}, {}, {"RadioButton57", "RadioButton42"}, GREY},
    // User Interaction: the default key and the delay count only with a time
    // delay; each choice's fields follow its action; "Use" governs the third.
    {"RadioButton3", {"CheckBox8"}},
    {"RadioButton4", {"CheckBox8"}},
    {"RadioButton5", {"CheckBox8", "CheckBox14"}},
    {"MaskEdit4", {"CheckBox8"}},
    {"Edit7", {"RadioButton6"}, {}, {}, CAPTION},
    {"Button3", {"RadioButton6"}},
    {"Edit9", {"RadioButton7"}, {}, {}, CAPTION},
    {"Edit6", {"RadioButton8"}, {}, {}, CAPTION},
    {"Button4", {"RadioButton8"}},
    {"Edit10", {"RadioButton9"}, {}, {}, CAPTION},
    {"MaskEdit3", {"CheckBox14"}},
    {"RadioButton10", {"CheckBox14"}},
    {"RadioButton11", {"CheckBox14"}},
    {"RadioButton14", {"CheckBox14"}},
    {"Edit8", {"RadioButton10", "CheckBox14"}, {}, {}, CAPTION},
    {"Button5", {"RadioButton10", "CheckBox14"}},
    {"Edit11", {"RadioButton11", "CheckBox14"}, {}, {}, CAPTION},
    // Miscellaneous: Windows NT cannot log off from a batch file; only NT and
    // later take a shutdown delay.
    {"RadioButton30", {}, {}, {"RadioButton58"}},
    {"Label52", {}, {"RadioButton58", "RadioButton27"}},
    {"CSpinEdit2", {}, {"RadioButton58", "RadioButton27"}},
    {"Label53", {}, {"RadioButton58", "RadioButton27"}},
    // Network Sharing: the HOME directory needs no path; a prompt no password.
    {"Edit30", {}, {}, {"CheckBox30"}, GREY},
    {"Button20", {}, {}, {"CheckBox30"}},
    {"CheckBox32", {}, {}, {"CheckBox30"}},
    {"Edit32", {}, {}, {"CheckBox30"}},
    {"Edit31", {}, {}, {"CheckBox31"}, GREY},
    // Network Services: the list of services to start or stop.
    {"ComboBox3", {}, {"RadioButton51", "RadioButton52"}},
};

// Under the Windows target these rules replace the rules above of the same
// control, or add one: controls of lines Windows 10 and 11 cannot run are off.
constexpr std::string_view SHUTDOWN_ANY_VERSION = "Windows 10 and 11 write one SHUTDOWN line, whatever the version named here.";
constexpr std::string_view NO_LPT1 = "Windows 10 and 11 print through printer drivers, not to the LPT1 port.";
constexpr std::string_view NO_DOMAIN = "MSG reaches the sessions of one computer: Windows 10 and 11 cannot message a whole domain.";
constexpr std::string_view LOG_OFF_AT_ONCE = "SHUTDOWN /L logs off at once: it takes no delay.";

constexpr EnableRule WINDOWS_RULES[] = {
    {"CheckBox45", {}, {}, {}, FieldShade::None, true, "Windows 10 and 11 always remove a folder with RD /S."},
    {"RadioButton26", {}, {}, {}, FieldShade::None, true, SHUTDOWN_ANY_VERSION},
    {"RadioButton58", {}, {}, {}, FieldShade::None, true, SHUTDOWN_ANY_VERSION},
    {"RadioButton27", {}, {}, {}, FieldShade::None, true, SHUTDOWN_ANY_VERSION},
    {"RadioButton30"},
    {"Label52", {}, {}, {"RadioButton30"}, FieldShade::None, false, LOG_OFF_AT_ONCE},
    {"CSpinEdit2", {}, {}, {"RadioButton30"}, FieldShade::None, false, LOG_OFF_AT_ONCE},
    {"Label53", {}, {}, {"RadioButton30"}, FieldShade::None, false, LOG_OFF_AT_ONCE},
    {"RadioButton32", {}, {}, {}, FieldShade::None, true, NO_LPT1},
    {"RadioButton35", {}, {}, {}, FieldShade::None, true, NO_LPT1},
    {"RadioButton60", {}, {}, {}, FieldShade::None, true, NO_DOMAIN},
    {"Edit36", {}, {}, {}, FieldShade::Greyed, true, NO_DOMAIN},
};

const EnableRule* ruleOf(std::span<const EnableRule> rules, std::string_view control) {
    for (const auto& rule : rules)
        if (rule.control == control) return &rule;
    return nullptr;
}

// Every check box and radio button of the pages, by control name.
class SwitchReader : public SkippingFieldVisitor {
public:
    std::map<std::string_view, bool> on;
    void check(std::string_view name, bool& value) override { on[name] = value; }
    void radio(std::string_view name, std::string_view, bool& value) override { on[name] = value; }
};

} // namespace

std::vector<EnableState> enabledStates(WizardPages& pages) {
    SwitchReader switches;
    pages.visitFields(switches);
    const auto isOn = [&](std::string_view name) { return !name.empty() && switches.on[name]; };
    const auto named = [](std::string_view name) { return !name.empty(); };
    const auto stateOf = [&](const EnableRule& rule) {
        const bool enabled = !rule.alwaysOff &&
                             std::all_of(rule.needs.begin(), rule.needs.end(), [&](auto n) { return !named(n) || isOn(n); }) &&
                             (std::none_of(rule.oneOf.begin(), rule.oneOf.end(), named) ||
                              std::any_of(rule.oneOf.begin(), rule.oneOf.end(), isOn)) &&
                             std::none_of(rule.blockedBy.begin(), rule.blockedBy.end(), isOn);
        const auto shade = rule.offShade == FieldShade::None ? FieldShade::None
                           : enabled                          ? FieldShade::Window
                                                              : rule.offShade;
        return EnableState{std::string(rule.control), enabled, shade, enabled ? std::string() : std::string(rule.whyOff)};
    };
    const bool windows = pages.target == Target::Windows;
    std::vector<EnableState> states;
    for (const auto& rule : RULES) {
        const auto* replaced = windows ? ruleOf(WINDOWS_RULES, rule.control) : nullptr;
        states.push_back(stateOf(replaced ? *replaced : rule));
    }
    // A control only the Windows target turns off is on again under the classic one.
    for (const auto& rule : WINDOWS_RULES) {
        if (ruleOf(RULES, rule.control)) continue;
        states.push_back(windows ? stateOf(rule) : EnableState{std::string(rule.control), true, rule.offShade == FieldShade::None ? FieldShade::None : FieldShade::Window, {}});
    }
    return states;
}

} // namespace core::wizard
