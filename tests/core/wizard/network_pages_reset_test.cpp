// Reset Choices on the variables, FOR, network and server pages: exactly the
// listed fields are emptied, everything else keeps its value.
#include "core/wizard/for_attributes_page.h"
#include "core/wizard/reset_choices.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace core::wizard;
using Names = std::vector<std::string>;

namespace {
// Gives every field a value that is not blank.
class Filler : public FieldVisitor {
public:
    void check(std::string_view, bool& value) override { value = true; }
    void radio(std::string_view, std::string_view, bool& value) override { value = true; }
    void text(std::string_view, std::string& value) override { value = "x"; }
    void memo(std::string_view, std::vector<std::string>& lines) override { lines = {"x"}; }
    void number(std::string_view, int& value, int, int maximum) override { value = maximum; }
    void choice(std::string_view, std::optional<std::string>& selected, const std::vector<std::string>& items) override {
        selected = items.back();
    }
    void grid(std::string_view, GridRows& rows, std::size_t maxRows) override { rows.assign(maxRows, {"x", "y"}); }
};

// Lists the fields that are blank: off, empty, nothing selected.
class BlankNames : public FieldVisitor {
public:
    Names names;
    void check(std::string_view name, bool& value) override { add(name, !value); }
    void radio(std::string_view name, std::string_view, bool& value) override { add(name, !value); }
    void text(std::string_view name, std::string& value) override { add(name, value.empty()); }
    void memo(std::string_view name, std::vector<std::string>& lines) override { add(name, lines.empty()); }
    void number(std::string_view, int&, int, int) override {}
    void choice(std::string_view name, std::optional<std::string>& selected, const std::vector<std::string>&) override {
        add(name, !selected);
    }
    void grid(std::string_view name, GridRows& rows, std::size_t maxRows) override {
        add(name, rows.size() == maxRows && std::all_of(rows.begin(), rows.end(), [](const auto& row) {
                      return row.first.empty() && row.second.empty();
                  }));
    }

private:
    void add(std::string_view name, bool blank) {
        if (blank) names.emplace_back(name);
    }
};

WizardPages filledPages() {
    WizardPages pages;
    pages.networkServices.servicesFile = {"Spooler"};
    Filler filler;
    pages.visitFields(filler);
    return pages;
}

Names blankNames(WizardPages& pages, WizardPage page) {
    BlankNames blanks;
    pages.visitPage(page, blanks);
    return blanks.names;
}

struct PageReset {
    WizardPage page;
    Names emptied;
};

const PageReset PAGE_RESETS[] = {
    {WizardPage::VariablesAndIf,
     {"CheckBox26", "StringGrid1", "CheckBox27", "Edit19", "Edit20", "Edit21", "Edit22", "Edit23", "Edit24",
      "CheckBox28"}},
    {WizardPage::ForAndAttributes,
     {"CheckBox29", "Memo5", "ComboBox1", "Edit26", "CheckBox36", "Memo9", "CheckBox37", "Edit33"}},
    {WizardPage::NetworkSharing,
     {"RadioButton43", "RadioButton44", "Edit25", "Edit27", "Edit28", "RadioButton47", "RadioButton48", "Edit29",
      "Edit30", "Edit31", "Edit32"}},
    {WizardPage::NetworkServices, {"RadioButton51", "RadioButton52", "RadioButton53", "RadioButton54"}},
    {WizardPage::OtherNetworkCommands,
     {"CheckBox34", "Edit34", "Edit35", "Edit36", "CheckBox33", "Edit37", "Edit38", "Edit39", "CheckBox42", "Edit42",
      "Edit40", "Edit41"}},
    {WizardPage::ServerCommands, {"CheckBox35", "Edit43", "Edit44", "Edit45", "Edit47", "Edit48", "Edit49", "Memo10",
                                  "Edit46"}},
};
} // namespace

TEST(NetworkPagesReset, ThisPageAndAllEmptyExactlyTheListedFields) {
    for (const auto& reset : PAGE_RESETS) {
        SCOPED_TRACE(static_cast<int>(reset.page));
        auto onePage = filledPages();
        const auto changes = resetPage(onePage, reset.page);
        EXPECT_EQ(blankNames(onePage, reset.page), reset.emptied);
        auto all = filledPages();
        resetAll(all);
        EXPECT_EQ(blankNames(all, reset.page), reset.emptied);
        const std::vector<EnableChange> disabled = {{"ComboBox3", false}};
        EXPECT_EQ(changes, reset.page == WizardPage::NetworkServices ? disabled : std::vector<EnableChange>{});
    }
}

TEST(NetworkPagesReset, KeepsTheForCommandSuggestionsAndThePlaceholderComesBackOnLeaving) {
    auto pages = filledPages();
    resetPage(pages, WizardPage::ForAndAttributes);
    resetPage(pages, WizardPage::NetworkSharing);
    EXPECT_EQ(pages.forAttributes.ComboBox1, "");
    EXPECT_EQ(forCommandSuggestions().size(), 12u);
    leaveNetworkPath(pages.networkSharing.Edit30);
    EXPECT_EQ(pages.networkSharing.Edit30, NETWORK_PATH_PLACEHOLDER);
}
