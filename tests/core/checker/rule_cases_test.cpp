// One-line documents through the whole rule chain: the messages each draws
// (answering OK) and the spans it colours.
#include "check_harness.h"

#include <gtest/gtest.h>

namespace {

using namespace checker_test;
using core::checker::MessageId;
using M = MessageId;

struct Expect {
    MessageId id;
    std::string text = {}; //!< the {text} of the message
};

struct Colour {
    std::size_t column;
    std::size_t length;
    ColourRole role = ColourRole::Command;
};

struct Case {
    std::string line;
    std::vector<Expect> messages;
    std::vector<Colour> colours;
};

void expectCases(const std::vector<Case>& cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Checked checked;
        checked.run({c.line});
        std::vector<core::checker::Finding> expected;
        for (const auto& m : c.messages) expected.push_back(finding(m.id, 1, m.text));
        EXPECT_EQ(checked.result.findings, expected);
        std::vector<Span> spans;
        for (const auto& s : c.colours) spans.emplace_back(0, s.column, s.length, s.role);
        EXPECT_EQ(checked.colours.spans, spans);
    }
}

constexpr auto COMMENT = ColourRole::Comment;

TEST(LinePreparation, KeywordColumnAndWholeLineSteps) {
    expectCases({
        {"@ECHO OFF", {}, {{1, 4}}},
        {"   REM indented", {}, {{3, 12, COMMENT}}},
        {"REMARK the rest", {}, {{0, 15, COMMENT}}},
        {" \t @CLS", {}, {{4, 3}}}, // tabs are blanks
        {"ECHO > A B", {}, {{0, 4}}},       // ECHO comes before the redirection test
        {"DIR", {{M::Unrecognised, "DIR"}}, {}}, // "DIR " needs its blank
        {"caf\xe9 au lait", {{M::Unrecognised, "CAF\xc9 AU LAIT"}}, {}},
    });
}

TEST(PipeAndRedirection, AreRemovedBeforeTheCommandRules) {
    expectCases({
        {"TYPE A.TXT | MORE", {}, {{11, 6}, {0, 4}}},
        {"TYPE A.TXT|MORE", {}, {{10, 5}, {0, 4}}},
        {"TYPE A.TXT > C:\\MY FILES\\OUT.TXT", {{M::Redirection}}, {{0, 4}}},
        {"TYPE A.TXT > \"C:\\MY FILES\\OUT.TXT\"", {}, {{0, 4}}},
        {"TYPE A.TXT >>LIST.TXT", {}, {{0, 4}}},
        {"TYPE A.TXT >> LIST.TXT", {}, {{0, 4}}}, // counted from the target, not from ">>"
        {"TYPE A.TXT >> C:\\MY FILES\\OUT.TXT", {{M::Redirection}}, {{0, 4}}},
        {"DIR > LIST.TXT", {{M::Unrecognised, "DIR"}}, {}},
        // ">>" first stands later: the step applies and cuts from the first ">".
        {">nul 2>>err.txt dir x", {{M::Redirection}, {M::Unrecognised, ""}}, {}},
        // The first "|MORE" stands at the start: no pipe step, the line is kept whole.
        {"|MORE X |MORE", {{M::Unrecognised, "|MORE X |MORE"}}, {}},
    });
}

TEST(ForHead, Cases) {
    expectCases({
        {"FOR %%A IN (*.TXT) DO DEL %%A", {}, {{0, 3}, {8, 2}, {19, 2}, {22, 3}}},
        {"FOR %%A IN(X) DO DEL %%A", {}, {{0, 3}, {8, 2}, {14, 2}, {17, 3}}},
        {"FOR %%1 IN (A) DO CLS", {}, {{0, 3}, {8, 2}, {15, 2}, {18, 3}}},
        {"FOR %A IN (*.TXT) DO DEL %A", {{M::ForVariable}, {M::Unrecognised, "%A IN (*.TXT) DO DEL %A"}}, {}},
        {"FOR %%A *.TXT", {{M::ForIn}, {M::Unrecognised, "*.TXT"}}, {}},
        {"FOR %%A IN *.TXT DO ECHO %%A", {{M::ForBrackets}, {M::Unrecognised, "IN *.TXT DO ECHO %%A"}}, {}},
        {"FOR %%A IN (A.TXT B.TXT) DO TYPE %%A", {{M::ForFileName}}, {{0, 3}, {8, 2}, {25, 2}, {28, 4}}},
        {"FOR %%A IN (\"C:\\MY DIR\\A.TXT\") DO TYPE %%A", {}, {{0, 3}, {8, 2}, {31, 2}, {34, 4}}},
        {"FOR %%A IN (C:\\MY DIR\\A.TXT) DO TYPE %%A", {}, {{0, 3}, {8, 2}, {29, 2}, {32, 4}}},
        {"FOR %%A IN (C:\\MY BIG DIR\\A.TXT) DO CLS", {{M::ForFileName}}, {{0, 3}, {8, 2}, {33, 2}, {36, 3}}},
        {"FOR %%A IN (A.TXT DO DEL %%A", {{M::ForDo}, {M::Unrecognised, "IN (A.TXT DO DEL %%A"}}, {}},
        {"FOR %%A IN (A.TXT) ECHO", {{M::ForDo}, {M::Unrecognised, "IN (A.TXT) ECHO"}}, {}},
    });
}

// The scan of the list always ends, and reports a token at most once.
TEST(ForHead, FileListScanWithQuotesInsideTokens) {
    expectCases({
        {"FOR %%A IN (A\"B C\") DO CLS", {}, {{0, 3}, {8, 2}, {20, 2}, {23, 3}}},
        {"FOR %%A IN (AB\"C) DO CLS", {}, {{0, 3}, {8, 2}, {18, 2}, {21, 3}}},
        {"FOR %%A IN (\"A B) DO CLS", {}, {{0, 3}, {8, 2}, {18, 2}, {21, 3}}},
        {"FOR %%A IN (A B\"C D) DO CLS", {{M::ForFileName}}, {{0, 3}, {8, 2}, {21, 2}, {24, 3}}},
        {"FOR %%A IN (A B C D) DO CLS", {{M::ForFileName}}, {{0, 3}, {8, 2}, {21, 2}, {24, 3}}},
    });
}

TEST(IfHead, Cases) {
    expectCases({
        {"IF EXIST \"C:\\MY DIR\\A.TXT\" DEL X.TXT", {}, {{0, 8}, {27, 3}}},
        {"IF ERRORLEVEL==2 CLS", {}, {{0, 13}, {17, 3}}},
        {"IF NOT ERRORLEVEL 1 CLS", {}, {{0, 17}, {20, 3}}},
        {"IF NOT EXIST A.TXT ECHO missing", {}, {{0, 12}, {19, 4}}},
        {"IF NOT EXIST \"A B.TXT\" MD X", {}, {{0, 12}, {23, 2}}},
        {"IF \"%1\"==\"\" CLS", {}, {{0, 2}, {12, 3}}},
        {"IF %1==A", {{M::Unrecognised, "A"}}, {{0, 2}}},
        {"IF ERRORLEVEL 1 SET RESULT=FAIL", {}, {{0, 13}, {16, 3}}},
        {"IF EXIST NOTES.TXT TYPE NOTES.TXT", {}, {{0, 8}, {19, 4}}}, // NOTES is not NOT
        {"IF EXIST A.TXT NOT ECHO X", {{M::IfNot}, {M::Unrecognised, "IF EXIST A.TXT NOT ECHO X"}}, {}},
        {"IF ERRORLEVEL 1 NOT", {{M::IfNot}, {M::Unrecognised, "IF ERRORLEVEL 1 NOT"}}, {}},
    });
}

TEST(FileCommands, CdDirTypeMkdirMd) {
    expectCases({
        {"CD C:\\DOS", {}, {{0, 2}}},
        {"CD C:\\MY DIR", {{M::CdArguments}}, {}},
        {"CD \"C:\\MY DIR\"", {}, {}}, // quoted: never reported; coloured only with a quote before the end
        {"CD \"C:\\MY DIR\"\\SUB", {}, {{0, 2}}},
        {"DIR C:\\ /S /P", {}, {{0, 3}}},
        {"DIR /W C:\\MY DIR", {{M::DirArguments}}, {}},
        {"DIR \"C:\\MY DIR\" /W", {}, {{0, 3}}},
        {"TYPE A.TXT", {}, {{0, 4}}},
        {"TYPE \"MY FILE.TXT\"", {{M::TypeArguments}}, {}},
        {"MKDIR \"C:\\NEW DIR\"", {}, {{0, 5}}},
        {"MKDIR C:\\NEW DIR", {{M::MkdirArguments}}, {}},
        {"MD C:\\NEW", {}, {{0, 2}}},
        {"MD C:\\NEW DIR", {{M::MdArguments}}, {}},
    });
}

TEST(FileCommands, DelAndDeltree) {
    expectCases({
        {"DEL C:\\MY FILES\\A.TXT", {{M::DelPath}}, {}},
        {"DEL A.TXT /P", {}, {{0, 3}}},
        {"DEL A.TXT", {}, {{0, 3}}},
        {"DEL \"C:\\MY FILES\\A.TXT\" /P", {}, {{0, 3}}},
        {"DEL \"A B.TXT\" /Q", {{M::DelSwitch}}, {}},
        {"DEL A.TXT /Q", {{M::DelPath}}, {}},
        {"DEL A B /P", {{M::DelPathSwitch}}, {}},
        {"ERASE A.TXT", {}, {{0, 5}}},
        {"ERASE C:\\MY FILES\\A.TXT", {{M::DelPath}}, {}},
        {"DELTREE C:\\TEMP /Y", {{M::DeltreePath}, {M::DeltreeOrder}}, {}},
        {"DELTREE /Y C:\\TEMP", {}, {{0, 7}}},
        {"DELTREE C:\\TEMP", {}, {{0, 7}}},
        {"DELTREE /Y C:\\MY TEMP", {{M::DeltreePathSwitch}}, {}},
        {"DELTREE \"C:\\MY DIR\" /Y", {{M::DeltreeOrder}}, {{0, 7}}},
    });
}

TEST(FileCommands, CopyMoveRename) {
    expectCases({
        {"COPY A.TXT B.TXT", {}, {{0, 4}}},
        {"COPY A.TXT B.TXT /V", {}, {{0, 4}}},
        {"COPY A.TXT B.TXT C.TXT", {{M::CopyPath}}, {}},
        {"COPY A.TXT", {{M::CopyPath}}, {}},
        {"COPY A.TXT+B.TXT C.TXT", {}, {{0, 4}}},
        {"COPY A B /-Y /V", {}, {{0, 4}}},
        {"COPY A B C /Y", {{M::CopyPathSwitches}}, {}},
        {"COPY \"C:\\MY DIR\\A.TXT\" B.TXT", {}, {{0, 4}}},
        {"MOVE A.TXT C:\\ /Y", {{M::MovePath}, {M::MoveOrder}}, {}},
        {"MOVE /Y A.TXT C:\\", {}, {{0, 4}}},
        {"MOVE A.TXT C:\\", {}, {{0, 4}}},
        {"MOVE A B C", {{M::MovePath}}, {}},
        {"MOVE /Y A B C", {{M::MovePathSwitch}}, {}},
        {"REN A.TXT B.TXT", {}, {{0, 3}}},
        {"RENAME A.TXT B.TXT", {}, {{0, 6}}},
        {"REN C:\\MY FILE.TXT B.TXT", {{M::RenamePath}}, {}},
        {"REN \"MY FILE.TXT\" B.TXT", {}, {{0, 3}}},
    });
}

TEST(AcceptedCommands, ColourTheirWordOnly) {
    expectCases({
        {"CLS", {}, {{0, 3}}},
        {"DATE", {}, {{0, 4}}},
        {"TIMEOUT 5", {}, {{0, 4}}}, // the forms without a blank match any W they begin
        {"LFNFOR ON", {}, {{0, 6}}},
        {"LFNFOR MAYBE", {{M::Unrecognised, "LFNFOR MAYBE"}}, {}},
        {"XCOPY A B /S", {}, {}},
        {"RUNAS /USER:ADMIN X", {}, {}},
        {"RMDIR /S X", {}, {}},
        {"COMMAND /C X", {}, {}},
    });
}

TEST(NetRules, ServicesAndOtherSubcommands) {
    expectCases({
        {"NET START \"TASK SCHEDULER\"", {}, {{0, 4}, {4, 5}}},
        {"NET START SCHEDULE", {}, {{0, 4}, {4, 5}}},
        {"NET START TASK SCHEDULER", {{M::NetStart}}, {{0, 4}}},
        {"NET STOP X", {}, {{0, 4}, {4, 4}}},
        {"NET STOP X Y", {{M::NetStop}}, {{0, 4}}},
        {"NET PAUSE X Y", {{M::NetPause}}, {{0, 4}}},
        {"NET CONTINUE X", {}, {{0, 4}, {4, 8}}},
        {"NET CONTINUE X Y", {{M::NetContinue}}, {{0, 4}}},
        {"NET USE X: \\\\SERVER\\SHARE", {}, {{0, 4}}},
        {"NET VIEW", {}, {{0, 4}}},
    });
}

TEST(NetRules, TimeAndSend) {
    expectCases({
        {"NET TIME \\\\SERVER /SET", {}, {{0, 4}, {4, 4}}},
        {"NET TIME \\\\SERVER", {{M::NetTimeIncomplete}}, {{0, 4}}},
        {"NET TIME \"\\\\SERVER ONE\" /SET", {}, {{0, 4}, {4, 4}}},
        {"NET TIME /DOMAIN:SALES OFFICE /SET", {{M::NetTimeArguments}}, {{0, 4}}},
        {"NET TIME /DOMAIN:\"SALES OFFICE\" /SET", {}, {{0, 4}, {4, 4}}},
        {"NET TIME /RTSDOMAIN:X /SET", {}, {{0, 4}, {4, 4}}},
        {"NET TIME /SET", {{M::NetTimeArguments}}, {{0, 4}}},
        {"NET SEND JOHN \"Hello there\"", {}, {{0, 4}, {4, 4}}},
        {"NET SEND JOHN", {}, {{0, 4}, {4, 4}}},
        {"NET SEND JOHN HELLO THERE", {{M::NetSendName}}, {{0, 4}}},
        {"NET SEND /DOMAIN:MY DOMAIN HELLO", {{M::NetSendDomain}}, {{0, 4}}},
        {"NET SEND /DOMAIN:\"MY DOMAIN\" HELLO", {}, {{0, 4}, {4, 4}}},
        {"NET SEND /USERS HELLO THERE", {}, {{0, 4}, {4, 4}}},
        {"NET SEND \"", {}, {{0, 4}}},
    });
}

TEST(StartRule, SwitchMask) {
    expectCases({
        {"START PROG.EXE", {}, {{0, 5}}},
        {"START /MAX PROG.EXE", {}, {{0, 5}}}, // /MAX is not /M
        {"START /M PROG", {}, {{0, 5}}},
        {"START /R /W PROG", {}, {{0, 5}}},
        {"START /W /MAX PROG", {}, {{0, 5}}},
        {"START /MIN PROG", {}, {{0, 5}}},
        {"START /MAX /M PROG", {{M::StartSwitches}}, {}},
        {"START /R /MAX X", {{M::StartSwitches}}, {}},
        {"START /R PROG /M", {{M::StartSwitches}}, {}},
    });
}

} // namespace
