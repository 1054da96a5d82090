// Setting the wizard's fields from a plan, one control at a time, with the
// same rules the controls enforce: types, ranges, list items, radio groups.
#include "cli/generate/plan.h"

#include "core/text/codepage.h"

#include <algorithm>
#include <map>
#include <set>

namespace cli {
namespace {

using nlohmann::json;

std::string inQuotes(std::string_view name) { return "\"" + std::string(name) + "\""; }

// A control's text is one line (a memo or grid holds one string per line):
// a line break inside it would split the generated command line in two.
std::string cp1252Of(const json& value, std::string_view name) {
    auto converted = core::text::fromUtf8(value.get<std::string>());
    if (!converted.ok) throw PlanError("field " + inQuotes(name) + " holds a character that batch files cannot hold");
    if (converted.bytes.find_first_of("\r\n") != std::string::npos)
        throw PlanError("field " + inQuotes(name) + " holds a line break; each string is one line");
    return converted.bytes;
}

class FieldSetter : public core::wizard::FieldVisitor {
public:
    explicit FieldSetter(const json& fields) : m_fields(fields) {}

    std::set<std::string, std::less<>> used;
    std::map<std::string, std::string, std::less<>> selectedInGroup; //!< group -> radio set true by the plan

    void check(std::string_view name, bool& value) override {
        if (const auto* v = given(name, json::value_t::boolean, "true or false")) value = v->get<bool>();
    }
    void radio(std::string_view name, std::string_view group, bool& value) override {
        const auto* v = given(name, json::value_t::boolean, "true or false");
        if (!v) return;
        value = v->get<bool>();
        if (!value) return;
        const auto [other, fresh] = selectedInGroup.emplace(std::string(group), std::string(name));
        if (!fresh)
            throw PlanError("fields " + inQuotes(other->second) + " and " + inQuotes(name) +
                            " are radio buttons of one group; only one can be true");
    }
    void text(std::string_view name, std::string& value) override {
        if (const auto* v = given(name, json::value_t::string, "a string")) value = cp1252Of(*v, name);
    }
    void memo(std::string_view name, std::vector<std::string>& lines) override {
        const auto* v = given(name, json::value_t::array, "an array of strings");
        if (!v) return;
        std::vector<std::string> read;
        for (const auto& line : *v) {
            if (!line.is_string()) throw wrongType(name, "an array of strings");
            read.push_back(cp1252Of(line, name));
        }
        lines = std::move(read);
    }
    void number(std::string_view name, int& value, int minimum, int maximum) override {
        const auto range = "a whole number from " + std::to_string(minimum) + " to " + std::to_string(maximum);
        const auto* v = given(name, json::value_t::number_integer, range);
        if (!v) return;
        const auto n = v->get<long long>();
        if (n < minimum || n > maximum) throw wrongType(name, range);
        value = static_cast<int>(n);
    }
    void choice(std::string_view name, std::optional<std::string>& selected,
                const std::vector<std::string>& items) override;
    void grid(std::string_view name, core::wizard::GridRows& rows, std::size_t maxRows) override;

private:
    // The plan's value for a field, after checking its type; nullptr when not given.
    const json* given(std::string_view name, json::value_t type, std::string_view expected) {
        const auto found = m_fields.find(std::string(name));
        if (found == m_fields.end()) return nullptr;
        used.insert(std::string(name));
        const bool integer = type == json::value_t::number_integer && found->is_number_integer();
        if (!integer && found->type() != type) throw wrongType(name, expected);
        return &*found;
    }
    static PlanError wrongType(std::string_view name, std::string_view expected) {
        return PlanError("field " + inQuotes(name) + " must be " + std::string(expected));
    }
    const json& m_fields;
};

void FieldSetter::choice(std::string_view name, std::optional<std::string>& selected,
                         const std::vector<std::string>& items) {
    const auto found = m_fields.find(std::string(name));
    if (found == m_fields.end()) return;
    used.insert(std::string(name));
    if (found->is_null()) {
        selected.reset();
        return;
    }
    if (!found->is_string()) throw wrongType(name, "null or the text of one of its items");
    const auto item = cp1252Of(*found, name);
    if (std::find(items.begin(), items.end(), item) == items.end())
        throw PlanError("field " + inQuotes(name) + " has no item " + inQuotes(found->get<std::string>()));
    selected = item;
}

void FieldSetter::grid(std::string_view name, core::wizard::GridRows& rows, std::size_t maxRows) {
    const auto expected = "an array of up to " + std::to_string(maxRows) + " [name, value] rows";
    const auto* v = given(name, json::value_t::array, expected);
    if (!v) return;
    if (v->size() > maxRows) throw wrongType(name, expected);
    core::wizard::GridRows read;
    for (const auto& row : *v) {
        if (!row.is_array() || row.size() != 2 || !row[0].is_string() || !row[1].is_string())
            throw wrongType(name, expected);
        read.emplace_back(cp1252Of(row[0], name), cp1252Of(row[1], name));
    }
    rows = std::move(read);
}

// A radio button set true turns the others of its group off, as a click does.
class GroupClearer : public core::wizard::SkippingFieldVisitor {
public:
    explicit GroupClearer(const std::map<std::string, std::string, std::less<>>& selected) : m_selected(selected) {}
    void radio(std::string_view name, std::string_view group, bool& value) override {
        const auto found = m_selected.find(group);
        if (found != m_selected.end() && found->second != name) value = false;
    }

private:
    const std::map<std::string, std::string, std::less<>>& m_selected;
};

} // namespace

void applyFields(const json& fields, core::wizard::WizardPages& pages) {
    FieldSetter setter(fields);
    pages.visitFields(setter);
    for (const auto& [name, value] : fields.items())
        if (!setter.used.count(name)) throw PlanError("unknown field " + inQuotes(name));
    GroupClearer clearer(setter.selectedInGroup);
    pages.visitFields(clearer);
}

} // namespace cli
