// `qlt check --format sarif`, validated against the SARIF 2.1.0 JSON schema.
// data/sarif-schema-2.1.0.json is the OASIS committee's schema, taken unchanged
// from the OASIS SARIF technical committee's repository, sarif-2.1/schema/sarif-schema-2.1.0.json
// (commit a560296ca8c921f3bdb8d4a8db57ab83dae968a7).
#include "cli/check/sarif_report.h"
#include "support/process.h"
#include "support/temp_dir.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

using testing_support::runCommand;
using testing_support::shellQuote;
using testing_support::TempDir;

namespace {

// Debian's jsonschema module, for the Python the system ships.
const char* const VALIDATE =
    "/usr/bin/python3 -c 'import json, sys, jsonschema; schema = json.load(open(sys.argv[1])); "
    "jsonschema.Draft4Validator.check_schema(schema); "
    "jsonschema.Draft4Validator(schema).validate(json.load(open(sys.argv[2]))); print(\"valid\")' ";

} // namespace

TEST(SarifReport, IsValidSarifWithRulesAndRegions) {
    TempDir dir;
    const auto faulty = dir.write("my file.bat", "EHCO x\r\nGOTO NOWHERE\r\n");
    const auto clean = dir.write("clean.bat", "CLS\r\n");
    const auto run = runCommand(std::string(QLT_EXECUTABLE) + " check --format sarif " + shellQuote(clean) + " " +
                                shellQuote(faulty));
    EXPECT_EQ(run.status, 1);
    const auto report = dir.write("report.sarif", run.out);
    const auto check = runCommand(VALIDATE + shellQuote(SARIF_SCHEMA) + " " + shellQuote(report));
    EXPECT_EQ(check.out, "valid\n") << check.err;

    const auto log = nlohmann::json::parse(run.out);
    const auto& rules = log["runs"][0]["tool"]["driver"]["rules"];
    ASSERT_GT(rules.size(), 30u);
    EXPECT_FALSE(rules[1]["help"]["text"].get<std::string>().empty());
    const auto& results = log["runs"][0]["results"];
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0]["ruleId"], "Q002");
    EXPECT_EQ(rules[results[0]["ruleIndex"].get<std::size_t>()]["id"], "Q002");
    const auto& location = results[1]["locations"][0]["physicalLocation"];
    EXPECT_EQ(location["artifactLocation"]["uri"], cli::artifactUri(faulty));
    EXPECT_EQ(location["region"], (nlohmann::json{{"startLine", 2}, {"startColumn", 1}, {"endColumn", 13}}));
}

TEST(SarifReport, PathsBecomeUriReferences) {
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"a/b.bat", "a/b.bat"},
        {"/abs/my file.bat", "file:///abs/my%20file.bat"},
        {"c:odd.bat", "./c:odd.bat"},
        {"caf\xc3\xa9%.bat", "caf%C3%A9%25.bat"},
    };
    for (const auto& [path, uri] : rows) EXPECT_EQ(cli::artifactUri(path), uri) << path;
}
