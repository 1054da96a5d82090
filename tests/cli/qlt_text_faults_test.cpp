// qlt on text that is not what it seems: a UTF-8 mark before bytes that are
// not UTF-8, UTF-16, letters Windows-1252 lacks, a file of NUL bytes.
#include "core/text/file_io.h"
#include "support/process.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using testing_support::runCommand;
using testing_support::shellQuote;
using testing_support::TempDir;

namespace {

std::string qlt(const std::string& args) { return std::string(QLT_EXECUTABLE) + " " + args; }

TEST(QltTextFaults, GenerateIntoKeepsTheBytesOfAFileThatIsNotWhatItsMarkSays) {
    TempDir dir;
    const std::string kept = "\xEF\xBB\xBF@ECHO OFF\r\nECHO caf\xE9\r\n";
    const auto target = dir.write("b.bat", kept);
    const auto plan = dir.write("plan.json", R"({"fields": {"CheckBox9": true, "Edit2": "C:\\E.EXE"}})");
    const auto ran = runCommand(qlt("generate " + shellQuote(plan) + " --into " + shellQuote(target)));
    EXPECT_EQ(ran.err, "");
    const auto after = core::text::readFile(target).bytes;
    EXPECT_TRUE(after.starts_with("\xEF\xBB\xBF")) << after;
    EXPECT_NE(after.find("ECHO caf\xE9\r\n"), std::string::npos) << after;
    EXPECT_EQ(after.find("\xEF\xBF\xBD"), std::string::npos) << "a replacement character was written";
}

TEST(QltTextFaults, Utf16IsNamedAndTheOtherFilesAreStillChecked) {
    TempDir dir;
    const std::string le("\xFF\xFE@\0E\0C\0H\0O\0 \0O\0F\0F\0", 20);
    dir.write("le.bat", le);
    dir.write("be.bat", std::string("\xFE\xFF\0F\0R\0O\0B", 10));
    dir.write("menu.bat", "FROB\r\n");
    const auto cd = "cd " + shellQuote(dir.path().string()) + " && ";
    const auto checked = runCommand(cd + qlt("check le.bat be.bat menu.bat"));
    EXPECT_EQ(checked.status, 2);
    EXPECT_EQ(checked.err, "qlt: le.bat: UTF-16 LE text, which Quillet does not read: save it as UTF-8 or Windows-1252 first\n"
                           "qlt: be.bat: UTF-16 BE text, which Quillet does not read: save it as UTF-8 or Windows-1252 first\n");
    EXPECT_EQ(checked.out.rfind("menu.bat:1:1:", 0), 0u) << checked.out;

    dir.write("plan.json", R"({"fields": {"CheckBox9": true}})");
    const auto generated = runCommand(cd + qlt("generate plan.json --into le.bat"));
    EXPECT_EQ(generated.status, 2);
    EXPECT_EQ(generated.err, "qlt: le.bat: UTF-16 LE text, which Quillet does not read: save it as UTF-8 or Windows-1252 first\n");
    EXPECT_EQ(core::text::readFile(dir.file("le.bat")).bytes, le);
}

TEST(QltTextFaults, FindingsQuoteTheFilesOwnLetters) {
    TempDir dir;
    const auto file = dir.write("cyr.bat", "ПРИВЕТ мир\r\nGOTO метка\r\n");
    // The command interpreter's rules leave unknown commands to the system.
    const struct {
        const char* rules;
        std::vector<std::string> quoted;
    } cases[] = {{"classic", {"ПРИВЕТ мир", "метка"}}, {"cmd", {"метка"}}};
    for (const auto& c : cases) {
        for (const char* format : {"text", "json"}) {
            SCOPED_TRACE(std::string(c.rules) + " " + format);
            const auto ran = runCommand(qlt(std::string("check --rules ") + c.rules + " --format " + format + " " + shellQuote(file)));
            EXPECT_EQ(ran.status, 1);
            for (const auto& quote : c.quoted) EXPECT_NE(ran.out.find(quote), std::string::npos) << ran.out;
            EXPECT_EQ(ran.out.find("??"), std::string::npos) << ran.out;
        }
    }
}

// One line of 4 MB: a finding quotes the start of it, not the whole (which,
// escaped, took about six times the file).
TEST(QltTextFaults, AFindingOnAHugeLineQuotesItsStart) {
    TempDir dir;
    const auto file = dir.write("nul.bat", std::string(std::size_t{4} << 20, '\0'));
    for (const char* options : {"--rules classic --format json", "--rules classic", "--rules cmd --format json"}) {
        SCOPED_TRACE(options);
        const auto ran = runCommand(qlt(std::string("check ") + options + " " + shellQuote(file)));
        EXPECT_LE(ran.status, 1);
        EXPECT_LT(ran.out.size(), 8000u);
        if (std::string_view(options).find("classic") != std::string_view::npos) {
            EXPECT_NE(ran.out.find("\xE2\x80\xA6"), std::string::npos) << "the quote says it is cut";
        }
    }
}

} // namespace
