// Which control enables which, row by row from data/enabling_rules.txt: the
// switches set as clicks would leave them, and the state a control then shows.
#include "core/wizard/enabling_rules.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

namespace {

using core::wizard::FieldShade;

TEST(EnablingRules, EachKindOfCondition) {
    const auto cases = testing_support::readCases(WIZARD_TEST_DATA "/enabling_rules.txt", {});
    EXPECT_EQ(cases.size(), 24u);
    const std::map<std::string, FieldShade> shades = {
        {"", FieldShade::None}, {"Window", FieldShade::Window}, {"Greyed", FieldShade::Greyed}, {"InactiveCaption", FieldShade::InactiveCaption}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        core::wizard::WizardPages pages;
        for (std::size_t i = 1; i < c[""].size(); ++i) {
            const auto& value = c[""][i];
            if (value == "windows") {
                pages.target = core::wizard::Target::Windows;
                continue;
            }
            bool* on = core::wizard::findSwitch(pages, value.substr(0, value.find('=')));
            ASSERT_NE(on, nullptr) << value;
            *on = value.substr(value.find('=') + 1) == "true";
        }
        auto expected = testing_support::wordsOf(c[""].at(0));
        // "explained": the control shows why the target turns it off.
        const bool explained = std::erase(expected, "explained") > 0;
        const core::wizard::EnableState state{c.name, expected.at(0) == "enabled", shades.at(expected.size() > 1 ? expected[1] : ""), {}};
        const auto states = core::wizard::enabledStates(pages);
        const auto shown = std::find_if(states.begin(), states.end(), [&](const auto& s) { return s.name == c.name; });
        ASSERT_NE(shown, states.end());
        EXPECT_EQ(std::tie(shown->name, shown->enabled, shown->shade), std::tie(state.name, state.enabled, state.shade));
        EXPECT_EQ(!shown->whyOff.empty(), explained);
    }
}

} // namespace
