#include "core/wizard/reset_choices.h"

#include <gtest/gtest.h>

#include <set>

using namespace core::wizard;

namespace {

// Every control's value as text, by name: a whole picture of the pages.
class Snapshot : public FieldVisitor {
public:
    std::map<std::string, std::string> values;
    void check(std::string_view name, bool& value) override { values[std::string(name)] = value ? "on" : "off"; }
    void radio(std::string_view name, std::string_view, bool& value) override { check(name, value); }
    void text(std::string_view name, std::string& value) override { values[std::string(name)] = "'" + value + "'"; }
    void memo(std::string_view name, std::vector<std::string>& lines) override {
        values[std::string(name)] = std::to_string(lines.size()) + " lines";
    }
    void number(std::string_view name, int& value, int, int) override { values[std::string(name)] = std::to_string(value); }
    void choice(std::string_view name, std::optional<std::string>& selected, const std::vector<std::string>&) override {
        values[std::string(name)] = selected.value_or("none");
    }
    void grid(std::string_view name, GridRows& rows, std::size_t) override {
        auto& value = values[std::string(name)];
        for (const auto& [left, right] : rows) value += "[" + left + "|" + right + "]";
    }
};

// Turns every switch on and fills every text, memo and number.
class FillAll : public Snapshot {
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

std::map<std::string, std::string> snapshot(WizardPages& pages) {
    Snapshot s;
    pages.visitFields(s);
    return s.values;
}

// The names whose value differs between two snapshots.
std::set<std::string> changed(const std::map<std::string, std::string>& before,
                              const std::map<std::string, std::string>& after) {
    std::set<std::string> names;
    for (const auto& [name, value] : after)
        if (before.at(name) != value) names.insert(name);
    return names;
}

std::set<std::string> fieldsOf(WizardPages& pages, WizardPage page) {
    Snapshot s;
    pages.visitPage(page, s);
    std::set<std::string> names;
    for (const auto& entry : s.values) names.insert(entry.first);
    return names;
}

} // namespace

// Pages whose lists hold every kind of entry: ranges, switches turned off,
// fields emptied.
TEST(ResetChoices, ThisPageClearsExactlyItsListedControls) {
    using Set = std::set<std::string>;
    const std::pair<WizardPage, Set> cases[] = {
        {WizardPage::FileOperations,
         {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4", "CheckBox5", "CheckBox13", "CheckBox15", "CheckBox16",
          "CheckBox17", "CheckBox18", "CheckBox19", "CheckBox20", "Memo1", "Memo2", "Edit4", "Edit12", "Edit13", "Edit14",
          "RadioButton24"}},
        {WizardPage::UserInteraction,
         {"CheckBox6", "CheckBox7", "CheckBox8", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9", "Edit10", "Edit11",
          "MaskEdit1", "MaskEdit2", "MaskEdit3", "MaskEdit4"}},
        // The FOR command box loses its text; its suggestions are fixed.
        {WizardPage::ForAndAttributes,
         {"CheckBox29", "Memo5", "Edit26", "ComboBox1", "CheckBox36", "CheckBox37", "Memo9", "Edit33"}},
        // The network path loses its placeholder too; leaving the field brings it back.
        {WizardPage::NetworkSharing,
         {"RadioButton43", "RadioButton44", "RadioButton47", "RadioButton48", "Edit25", "Edit27", "Edit28", "Edit29",
          "Edit30", "Edit31", "Edit32"}},
        {WizardPage::NetworkServices, {"RadioButton51", "RadioButton52", "RadioButton53", "RadioButton54"}},
    };
    for (const auto& [page, expected] : cases) {
        WizardPages pages;
        pages.networkServices.servicesFile = {"Spooler"};
        FillAll fill;
        pages.visitFields(fill);
        const auto before = snapshot(pages);
        resetPage(pages, page);
        EXPECT_EQ(changed(before, snapshot(pages)), expected) << static_cast<int>(page);
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
