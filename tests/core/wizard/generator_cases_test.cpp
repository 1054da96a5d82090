// The section generators, case by case from the files of data/: the fields a
// case sets on fresh pages, the document and answers it starts from, and the
// lines and messages expected of its section.
#include "core/checker/check_harness.h"
#include "core/text/codepage.h"
#include "core/text/file_io.h"
#include "core/wizard/update_flow.h"
#include "core/wizard/user_interaction_generator.h"
#include "generator_harness.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>
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
// the entry's position when it matters, then "windows" for that target) over
// pages set from the rest; `target` overrides the case's own.
wizard_testing::Generated generated(const DataCase& c, std::optional<Target> target = std::nullopt) {
    auto head = c[""];
    const auto code = take(head, "section");
    if (!code) throw std::runtime_error("the head does not start with section=N");
    wizard_testing::GeneratorHarness harness(c["document"]);
    harness.context.entryPosition = take(head, "entry").value_or(0);
    WizardPages pages;
    if (!head.empty() && head.front() == "windows") {
        pages.target = Target::Windows;
        head.erase(head.begin());
    }
    if (target) pages.target = *target;
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

constexpr std::string_view WINDOWS_CASES = "/windows_target.txt";
constexpr std::pair<const char*, std::size_t> CASE_FILES[] = {
    {"/page_generators.txt", 56},
    {"/file_operations.txt", 34},
    {"/user_interaction.txt", 15},
    {"/miscellaneous.txt", 21},
    {"/windows_target.txt", 40},
};

std::vector<DataCase> casesOf(const char* file) {
    return testing_support::readCases(WIZARD_TEST_DATA + std::string(file),
                                      {"document", "answers", "short forms", "lines", "messages"});
}

TEST(GeneratorCases, EveryCaseOfEveryFile) {
    for (const auto& [file, count] : CASE_FILES) {
        const auto cases = casesOf(file);
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

// The lines a case appends, checked under one rule set. A GOTO to a label the
// user named jumps to a label elsewhere in the user's file: one is added for
// every such target the lines do not define.
std::vector<core::checker::Finding> findingsOf(std::vector<std::string> lines, core::checker::RuleChoice rules) {
    const std::regex gotoTarget(R"(GOTO ([A-Za-z0-9_]+)$)", std::regex::icase);
    std::set<std::string> defined;
    std::set<std::string> wanted;
    for (const auto& line : lines) {
        if (line.starts_with(":")) defined.insert(core::text::toUpper(line.substr(1)));
        if (std::smatch m; std::regex_search(line, m, gotoTarget)) wanted.insert(core::text::toUpper(m[1].str()));
    }
    lines.insert(lines.begin(), "@ECHO OFF");
    for (const auto& label : wanted)
        if (!defined.contains(label)) lines.insert(lines.end(), {"GOTO :EOF", ":" + label});
    return checker_test::Linted(lines, rules).findings;
}

TEST(GeneratorCases, WindowsLinesOfEveryCasePassTheCommandInterpreterRules) {
    for (const auto& [file, count] : CASE_FILES) {
        for (const auto& c : casesOf(file)) {
            SCOPED_TRACE(c.where);
            const auto lines = generated(c, Target::Windows).lines;
            for (const auto& f : findingsOf(lines, core::checker::RuleChoice::Cmd))
                if (f.severity != core::checker::Severity::Info)
                    ADD_FAILURE() << f.code << " line " << f.line << ": " << f.text << "\n" << testing::PrintToString(lines);
        }
    }
}

// The classic rules' codes for every case's classic lines, one row a case
// ("file#index codes"), must stay what they were when the Windows target came.
TEST(GeneratorCases, ClassicLinesGetNoNewClassicFindings) {
    std::string rows;
    for (const auto& [file, count] : CASE_FILES) {
        if (std::string_view(file) == WINDOWS_CASES) continue;
        const auto cases = casesOf(file);
        for (std::size_t i = 0; i < cases.size(); ++i) {
            std::string row = std::string(file + 1) + "#" + std::to_string(i);
            for (const auto& f : findingsOf(generated(cases[i], Target::Classic).lines, core::checker::RuleChoice::Classic))
                row += " " + f.code;
            rows += row + "\n";
        }
    }
    EXPECT_EQ(rows, core::text::readFile(WIZARD_TEST_DATA "/classic_findings.txt").bytes);
}

TEST(GeneratorCases, ChoiceLabelsRunFromAToZ) { EXPECT_EQ(choiceLabelSuffix(25), "Z"); }

} // namespace
