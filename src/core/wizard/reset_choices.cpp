#include "core/wizard/reset_choices.h"

#include <algorithm>
#include <map>

namespace core::wizard {
namespace {

// Records the start value of every text field, so that a field whose empty
// form is blanks (the masked delay field) goes back to its blanks.
class StartTexts : public SkippingFieldVisitor {
public:
    std::map<std::string, std::string, std::less<>> values;
    void text(std::string_view name, std::string& value) override { values.emplace(name, value); }
};

std::string emptyTextOf(std::string_view name) {
    static const auto starts = [] {
        WizardPages fresh;
        StartTexts visitor;
        fresh.visitFields(visitor);
        return visitor.values;
    }();
    const auto found = starts.find(name);
    if (found == starts.end()) return {};
    const auto& start = found->second;
    const bool blanks = std::all_of(start.begin(), start.end(), [](char c) { return c == ' '; });
    return blanks ? start : std::string();
}

// Clears the fields named by the Off and Empty entries of a list.
class Clearer : public SkippingFieldVisitor {
public:
    explicit Clearer(std::span<const ResetEntry> list) {
        for (const auto& entry : list)
            if (entry.action == ResetAction::Off || entry.action == ResetAction::Empty)
                for (auto& name : namesOf(entry)) m_actions.emplace(std::move(name), entry.action);
    }
    void check(std::string_view name, bool& value) override { clearSwitch(name, value); }
    void radio(std::string_view name, std::string_view, bool& value) override { clearSwitch(name, value); }
    void text(std::string_view name, std::string& value) override {
        if (listed(name, ResetAction::Empty)) value = emptyTextOf(name);
    }
    void memo(std::string_view name, std::vector<std::string>& lines) override {
        if (listed(name, ResetAction::Empty)) lines.clear();
    }
    void choice(std::string_view name, std::optional<std::string>& selected, const std::vector<std::string>&) override {
        if (listed(name, ResetAction::Empty)) selected.reset();
    }
    void grid(std::string_view name, GridRows& rows, std::size_t) override {
        if (listed(name, ResetAction::Empty))
            for (auto& row : rows) row = {};
    }

private:
    void clearSwitch(std::string_view name, bool& value) {
        if (listed(name, ResetAction::Off)) value = false;
    }
    bool listed(std::string_view name, ResetAction action) const {
        const auto found = m_actions.find(name);
        return found != m_actions.end() && found->second == action;
    }
    std::map<std::string, ResetAction, std::less<>> m_actions;
};

} // namespace

std::vector<std::string> namesOf(const ResetEntry& entry) {
    if (entry.last == 0) return {std::string(entry.name)};
    std::vector<std::string> names;
    for (int n = entry.first; n <= entry.last; ++n) names.push_back(std::string(entry.name) + std::to_string(n));
    return names;
}

void resetAll(WizardPages& pages) {
    Clearer clearer(resetAllList());
    pages.visitFields(clearer);
    pages.browse.usedBefore = false;
}

void resetPage(WizardPages& pages, WizardPage page) {
    Clearer clearer(resetPageList(page));
    pages.visitPage(page, clearer);
}

} // namespace core::wizard
