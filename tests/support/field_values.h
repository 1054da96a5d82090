#pragma once
// Every field of the wizard's page records as text, by control name: two
// records, or one before and after a change, compare whole.
#include "core/wizard/fields.h"

#include <map>
#include <string>

namespace testing_support {

class FieldValues : public core::wizard::FieldVisitor {
public:
    std::map<std::string, std::string> values;

    void check(std::string_view n, bool& v) override { set(n, v ? "on" : "off"); }
    void radio(std::string_view n, std::string_view, bool& v) override { set(n, v ? "on" : "off"); }
    void text(std::string_view n, std::string& v) override { set(n, "'" + v + "'"); }
    void memo(std::string_view n, std::vector<std::string>& v) override {
        std::string all;
        for (const auto& line : v) all += "[" + line + "]";
        set(n, all);
    }
    void number(std::string_view n, int& v, int, int) override { set(n, std::to_string(v)); }
    void choice(std::string_view n, std::optional<std::string>& v, const std::vector<std::string>&) override {
        set(n, v.value_or("(none)"));
    }
    void grid(std::string_view n, core::wizard::GridRows& rows, std::size_t) override {
        std::string all;
        for (const auto& [name, value] : rows)
            if (!name.empty() || !value.empty()) all += "[" + name + "=" + value + "]";
        set(n, all);
    }

private:
    void set(std::string_view name, std::string value) { values[std::string(name)] = std::move(value); }
};

//! The values of every field of `pages`.
template <typename Pages> std::map<std::string, std::string> fieldValues(Pages& pages) {
    FieldValues out;
    pages.visitFields(out);
    return out.values;
}

} // namespace testing_support
