// The section generators, case by case from the files of data/: the fields a
// case sets on fresh pages, the document and answers it starts from, and the
// lines and messages expected of its section.
#include "core/wizard/update_flow.h"
#include "core/wizard/user_interaction_generator.h"
#include "generator_harness.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <stdexcept>

using namespace core::wizard;
using testing_support::DataCase;

namespace {

// Sets the fields named by "Name=value" values: "true"/"false" for switches,
// one value a line for memos (the name repeated); a name no page has throws.
class FieldAssigner : public SkippingFieldVisitor {
public:
    explicit FieldAssigner(const std::vector<std::string>& values) {
        for (const auto& value : values) {
            const auto equals = value.find('=');
            if (equals == std::string::npos) throw std::runtime_error("not a Name=value field: " + value);
            m_values[value.substr(0, equals)].push_back(value.substr(equals + 1));
        }
    }
    void check(std::string_view name, bool& value) override {
        const auto* v = one(name);
        if (v && *v != "true" && *v != "false") throw std::runtime_error("not true or false: " + *v);
        if (v) value = *v == "true";
    }
    void radio(std::string_view name, std::string_view, bool& value) override { check(name, value); }
    void text(std::string_view name, std::string& value) override {
        if (const auto* v = one(name)) value = *v;
    }
    void memo(std::string_view name, std::vector<std::string>& lines) override {
        if (const auto found = m_values.find(std::string(name)); found != m_values.end()) lines = used(found);
    }
    void number(std::string_view name, int& value, int, int) override {
        if (const auto* v = one(name)) value = std::stoi(*v);
    }
    void choice(std::string_view name, std::optional<std::string>& selected, const std::vector<std::string>&) override {
        if (const auto* v = one(name)) selected = *v;
    }
    void finish() const {
        for (const auto& entry : m_values)
            if (!m_used.count(entry.first)) throw std::runtime_error("no page has the field, or it is set twice: " + entry.first);
    }

private:
    std::map<std::string, std::vector<std::string>, std::less<>> m_values;
    std::set<std::string> m_used;

    const std::vector<std::string>& used(std::map<std::string, std::vector<std::string>, std::less<>>::iterator found) {
        m_used.insert(found->first);
        return found->second;
    }
    const std::string* one(std::string_view name) {
        const auto found = m_values.find(name);
        if (found == m_values.end() || found->second.size() != 1) return nullptr;
        return &used(found).front();
    }
};

// Takes "key=N" from the front of the head: nothing when the front is not that key.
std::optional<int> take(std::vector<std::string>& head, const std::string& key) {
    if (head.empty() || head.front().rfind(key + "=", 0) != 0) return std::nullopt;
    const int number = std::stoi(head.front().substr(key.size() + 1));
    head.erase(head.begin());
    return number;
}

// Runs the case's section ("section=N" first in its head, then "entry=N" for
// the entry's position when it matters) over pages set from the rest.
wizard_testing::Generated generated(const DataCase& c) {
    auto head = c[""];
    const auto code = take(head, "section");
    if (!code) throw std::runtime_error("the head does not start with section=N");
    wizard_testing::GeneratorHarness harness(c["document"]);
    harness.context.entryPosition = take(head, "entry").value_or(0);
    WizardPages pages;
    FieldAssigner fields(head);
    pages.visitFields(fields);
    fields.finish();
    for (const auto& form : c["short forms"]) {
        const auto arrow = form.find(" => ");
        if (arrow == std::string::npos) throw std::runtime_error("not \"path => short form\": " + form);
        harness.files.shortForms[form.substr(0, arrow)] = form.substr(arrow + 4);
    }
    for (const auto& answer : c["answers"]) {
        if (answer != "yes" && answer != "no") throw std::runtime_error("not yes or no: " + answer);
        harness.prompter.answers.push_back(answer == "yes" ? core::ports::Answer::Yes : core::ports::Answer::No);
    }
    generateSection(*code, pages, harness.context);
    return harness.result(c["document"].size());
}

TEST(GeneratorCases, EveryCaseOfEveryFile) {
    const std::pair<const char*, std::size_t> files[] = {
        {"/page_generators.txt", 56},
        {"/file_operations.txt", 34},
        {"/user_interaction.txt", 15},
        {"/miscellaneous.txt", 21},
    };
    for (const auto& [file, count] : files) {
        const auto cases = testing_support::readCases(WIZARD_TEST_DATA + std::string(file),
                                                      {"document", "answers", "short forms", "lines", "messages"});
        EXPECT_EQ(cases.size(), count) << file;
        for (const auto& c : cases) {
            SCOPED_TRACE(c.where);
            try {
                EXPECT_EQ(generated(c), (wizard_testing::Generated{c["lines"], c["messages"]}));
            } catch (const std::exception& e) {
                ADD_FAILURE() << e.what();
            }
        }
    }
}

TEST(GeneratorCases, ChoiceLabelsRunFromAToZ) { EXPECT_EQ(choiceLabelSuffix(25), "Z"); }

} // namespace
