#include "core/wizard/reset_choices.h"

#include "support/field_values.h"

#include <gtest/gtest.h>

#include <set>

using namespace core::wizard;

namespace {

// Turns every switch on and fills every text, memo and number.
class FillAll : public FieldVisitor {
public:
    void check(std::string_view, bool& value) override { value = true; }
    void radio(std::string_view, std::string_view, bool& value) override { value = true; }
    void text(std::string_view, std::string& value) override { value = "x"; }
    void memo(std::string_view, std::vector<std::string>& lines) override { lines = {"x"}; }
    void number(std::string_view, int& value, int, int) override { value = 7; }
    void choice(std::string_view, std::optional<std::string>& selected, const std::vector<std::string>& items) override {
        if (!items.empty()) selected = items.back();
    }
    void grid(std::string_view, GridRows& rows, std::size_t maxRows) override { rows.assign(maxRows, {"x", "y"}); }
};

std::map<std::string, std::string> snapshot(WizardPages& pages) { return testing_support::fieldValues(pages); }

// The names whose value differs between two snapshots.
std::set<std::string> changed(const std::map<std::string, std::string>& before,
                              const std::map<std::string, std::string>& after) {
    std::set<std::string> names;
    for (const auto& [name, value] : after)
        if (before.at(name) != value) names.insert(name);
    return names;
}

std::set<std::string> fieldsOf(WizardPages& pages, WizardPage page) {
    testing_support::FieldValues s;
    pages.visitPage(page, s);
    std::set<std::string> names;
    for (const auto& entry : s.values) names.insert(entry.first);
    return names;
}

} // namespace

// On a page filled in everywhere, "&This Page" changes exactly the controls its
// list names on that page (ranges, switches turned off, fields emptied).
TEST(ResetChoices, ThisPageClearsExactlyItsListedControls) {
    for (auto page : ALL_PAGES) {
        WizardPages pages;
        pages.networkServices.servicesFile = {"Spooler"};
        FillAll fill;
        pages.visitFields(fill);
        const auto before = snapshot(pages);
        const auto fields = fieldsOf(pages, page);
        std::set<std::string> listed;
        for (const auto& entry : resetPageList(page))
            for (const auto& name : namesOf(entry))
                if (fields.count(name) != 0) listed.insert(name);
        resetPage(pages, page);
        EXPECT_EQ(changed(before, snapshot(pages)), listed) << static_cast<int>(page);
    }
}

TEST(ResetChoices, AllLeavesTheXcopyOptionsAndUnlistedSwitches) {
    WizardPages pages;
    FillAll fill;
    pages.visitFields(fill);
    pages.browse.usedBefore = true;
    const auto before = snapshot(pages);
    resetAll(pages);
    const auto after = snapshot(pages);
    const auto cleared = changed(before, after);
    for (const auto* kept : {"CheckBox14", "CheckBox16", "CheckBox17", "CheckBox18", "CheckBox19", "CheckBox20",
                             "CheckBox22", "CheckBox44", "RadioButton15", "RadioButton3", "CSpinEdit2", "CheckBox45",
                             "CheckBox43", "CheckBox38", "CheckBox50", "RadioButton45", "RadioButton37", "ComboBox5",
                             "Edit50", "DateTimePicker1"})
        EXPECT_EQ(cleared.count(kept), 0u) << kept;
    for (const auto* gone : {"CheckBox1", "CheckBox13", "CheckBox15", "Edit2", "Edit14", "Edit18", "Memo4", "RadioButton24",
                             "StringGrid1", "ComboBox1", "Edit30", "RadioButton54", "Edit42", "Memo10"})
        EXPECT_EQ(cleared.count(gone), 1u) << gone;
    EXPECT_EQ(after.at("MaskEdit1"), "''");
    EXPECT_EQ(after.at("MaskEdit4"), "'  '"); // the masked field goes back to its blanks
    EXPECT_FALSE(pages.browse.usedBefore);
}

TEST(ResetChoices, ListsAgree) {
    // Everything "&All" clears is cleared the same way by one page's own list.
    std::set<std::pair<std::string, ResetAction>> perPage;
    for (auto page : ALL_PAGES)
        for (const auto& entry : resetPageList(page))
            for (const auto& name : namesOf(entry)) perPage.insert({name, entry.action});
    for (const auto& entry : resetAllList())
        for (const auto& name : namesOf(entry)) EXPECT_EQ(perPage.count({name, entry.action}), 1u) << name;
    // A page's list names only its own controls, for every page built so far.
    WizardPages pages;
    for (auto page : ALL_PAGES) {
        const auto fields = fieldsOf(pages, page);
        if (fields.empty()) continue;
        for (const auto& entry : resetPageList(page))
            for (const auto& name : namesOf(entry)) EXPECT_EQ(fields.count(name), 1u) << name;
    }
}
