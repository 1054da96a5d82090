// Which control enables which: switches set as clicks would leave them, and
// the states the pages are then to show. One row per kind of condition.
#include "core/wizard/enabling_rules.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using core::wizard::FieldShade;
using core::wizard::WizardPages;

std::map<std::string, std::pair<bool, FieldShade>> statesWith(std::initializer_list<std::pair<const char*, bool>> switches) {
    WizardPages pages;
    for (const auto& [name, on] : switches) {
        bool* value = core::wizard::findSwitch(pages, name);
        EXPECT_NE(value, nullptr) << name;
        if (value) *value = on;
    }
    std::map<std::string, std::pair<bool, FieldShade>> states;
    for (const auto& state : core::wizard::enabledStates(pages)) states[state.name] = {state.enabled, state.shade};
    return states;
}

TEST(EnablingRules, EachKindOfCondition) {
    using State = std::pair<bool, FieldShade>;
    constexpr auto NONE = FieldShade::None;
    struct Case {
        std::initializer_list<std::pair<const char*, bool>> switches;
        const char* control;
        State expected;
    };
    const Case cases[] = {
        // Nothing chosen yet: the start-up state of the pages.
        {{}, "CheckBox1", {true, NONE}},
        {{}, "SubFoldersBox", {true, NONE}},
        {{}, "RadioButton3", {false, NONE}},
        {{}, "Edit7", {false, FieldShade::InactiveCaption}},
        {{}, "Edit12", {true, FieldShade::Window}},
        {{}, "ComboBox3", {false, NONE}},
        {{}, "CSpinEdit2", {false, NONE}},
        // One switch blocks; one of two blocks; all needed; one of two enough.
        {{{"CheckBox5", true}}, "CheckBox1", {false, NONE}},
        {{{"CheckBox4", true}}, "SubFoldersBox", {false, NONE}},
        {{{"RadioButton57", true}}, "Edit14", {false, FieldShade::Greyed}},
        {{{"RadioButton6", true}}, "Edit7", {true, FieldShade::Window}},
        {{{"CheckBox8", true}, {"CheckBox14", false}}, "RadioButton5", {false, NONE}},
        {{{"CheckBox8", true}}, "RadioButton5", {true, NONE}},
        {{{"RadioButton10", true}, {"CheckBox14", false}}, "Edit8", {false, FieldShade::InactiveCaption}},
        {{{"RadioButton27", true}}, "CSpinEdit2", {true, NONE}},
        {{{"RadioButton52", true}}, "ComboBox3", {true, NONE}},
        {{{"CheckBox30", true}}, "Edit30", {false, FieldShade::Greyed}},
    };
    for (const auto& c : cases) {
        const auto states = statesWith(c.switches);
        ASSERT_EQ(states.count(c.control), 1u) << c.control;
        EXPECT_EQ(states.at(c.control), c.expected) << c.control << " after " << c.switches.size() << " switches";
    }
}

} // namespace
