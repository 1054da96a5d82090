// The command interpreter rules: lines that must get a code (at a line and
// column) and real idioms that must get nothing.
#include "core/checker/check_harness.h"
#include "core/cmdcheck/cmd_checker.h"
#include "core/text/lines.h"

#include <gtest/gtest.h>

namespace {

std::vector<core::checker::Finding> lint(const std::string& text, const std::vector<std::string>& ignored = {}) {
    checker_test::SpanRecorder colours;
    core::documents::PickLists lists;
    return core::cmdcheck::lintCmd(core::text::splitLines(text), colours, lists, ignored).findings;
}

struct Fires {
    const char* code;
    std::size_t line;
    std::size_t column;
    const char* text;
};

TEST(CmdRules, FaultsAreReportedWhereTheyAre) {
    const Fires rows[] = {
        {"Q101", 2, 1, "@echo off\nECHP hello"},
        {"Q101", 1, 9, "if x==y SETLOCL"},
        {"Q101", 1, 1, "GOOT end\n:end"},
        {"Q102", 1, 6, "EXIT \\B 1"},
        {"Q102", 1, 10, "setlocal enabledelayedexpanson"},
        {"Q103", 1, 6, "goto :finish\n:finsh"},
        {"Q103", 1, 6, "call :Sub1 x\n:sub"},
        {"Q103", 1, 6, "GOTO EOF"},
        {"Q104", 3, 1, "if exist a (\n  echo a\n  echo b"},
        {"Q105", 2, 1, "echo a\n)"},
        {"Q105", 1, 10, "echo a & )"},
        {"Q106", 4, 1, "if a==b (\n echo 1\n)\nelse (\n echo 2\n)"},
        {"Q107", 1, 6, "echo \"unfinished > out.txt"},
        {"Q108", 1, 20, "for %%f in (*.txt) echo %%f"},
        {"Q108", 1, 1, "for %%f (*.txt) do echo %%f"},
        {"Q108", 1, 1, "for /f \"delims=\" %%a in (\n a\n b"},
        {"Q109", 1, 5, "for %f in (*.txt) do echo %f"},
        {"Q110", 1, 8, "for /f \"token=2 delims=,\" %%a in (x.csv) do echo %%a"},
        {"Q110", 1, 8, "for /f \"tokens=0\" %%a in (x.csv) do echo %%a"},
        {"Q111", 1, 5, "set NAME = World"},
        {"Q111", 1, 8, "set /p ANSWER =Continue? "},
        {"Q112", 1, 8, "set /a N=(1+2"},
        {"Q112", 1, 8, "set /a N=08"},
        {"Q112", 1, 8, "set /a N=1 2"},
        {"Q112", 1, 8, "set /a N=2*"},
        {"Q113", 1, 4, "if %1==help goto :eof"},
        {"Q113", 2, 7, "if not defined MODE set MODE=x\nif /i %MODE% EQU x echo x"},
        {"Q114", 1, 9, "if \"%a%\"=\"1\" echo one"},
        {"Q114", 1, 4, "if \"%a%\" \"1\" echo one"},
        {"Q114", 1, 1, "if exist a.txt"},
        {"Q114", 1, 4, "if exist"},
        {"Q115", 2, 6, "set N=1\necho !N!"},
        {"Q116", 3, 8, "if 1==1 (\n  set N=5\n  echo %N%\n)"},
        {"Q116", 1, 26, "set N=5 & echo x & set M=%N%"},
        // A statement whose ELSE took back every SET used to hand its reported names to the next one.
        {"Q116", 8, 6, "(set X=1\n:: qlt: disable=Q116\necho %X%\n) else (\necho y\n)\n(set X=2\necho %X%\n)"},
        {"Q117", 1, 7, "dir > C:\\My Logs\\list.txt"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.text);
        const auto findings = lint(row.text);
        ASSERT_EQ(findings.size(), 1u) << (findings.empty() ? "" : findings[0].code + " " + findings[0].text);
        EXPECT_EQ(findings[0].code, row.code);
        EXPECT_EQ(findings[0].line, row.line);
        EXPECT_EQ(findings[0].column, row.column);
    }
}

TEST(CmdRules, RealIdiomsAreQuiet) {
    const char* rows[] = {
        // commands, programs, paths and expansions as command words
        "@echo off\necho.\necho(\necho:done\ncd..\ncd\\\ncls",
        "\"%JAVA_HOME%\\bin\\java\" -version\n%~dp0tool.exe /x\nmyprog --build\ngradlew build\nnode x.js",
        "call \"%~dp0env.bat\"\ncall set X=%%Y%%\nstart \"\" notepad\nping -n 2 127.0.0.1 >nul",
        // blocks, ELSE, redirections in every place
        "if exist a (\n  echo a\n) else if exist b (\n  echo b\n) else (\n  echo c\n)",
        "(echo a\necho b) > out.txt 2>&1\n>nul 2>&1 del x\necho x 1>&2\ntype a.txt >> \"C:\\My Logs\\b.txt\"",
        "if \"%~1\"==\"\" goto :usage\nif /i \"%1\" equ \"x\" echo x\nif [%1]==[] echo none\nif %ERRORLEVEL% NEQ 0 exit /b 1\n:usage",
        "if not defined X (set X=1) else (set X=2)\nif errorlevel 1 goto :eof\nif exist \"%ProgramFiles(x86)%\" echo 64",
        "if errorlevel==3 goto :eof\nif exist=a.txt echo a",
        // FOR in all forms
        "for /f \"tokens=1,2* delims==\" %%a in ('set') do echo %%a\nfor /f \"usebackq eol=; skip=1 delims=\" %%l in (\"a b.txt\") do echo %%l",
        "for /l %%i in (1,1,10) do echo %%i\nfor /r \"%~dp0\" %%f in (*.txt) do echo %%~nxf\nfor /d %%d in (*) do rd \"%%d\"",
        "for %%a in (\n  one\n  two\n) do echo %%a\nfor /f %%a in ('dir /b ^| find \"x\"') do echo %%a",
        "for /f %OPTIONS% %%a in (x) do echo %%a",
        // SET forms and delayed expansion
        "set \"X=a b\"\nset X=\nset /a N=(1+2)*3, M=N %% 4\nset /a \"N=1<<4\"\nset /a N+=%%~zi\nset /a X=0x1F + 017",
        "setlocal EnableExtensions EnableDelayedExpansion\nset N=0\nfor %%a in (*) do (\n  set /a N+=1\n  echo !N!\n)",
        "if not defined JAVA (\n  set JAVA=java\n) else (\n  set JAVA=%JAVA%w\n)\necho %JAVA%",
        "set N=5\nif %N%==5 echo five\necho Done! Press a key!",
        // labels, comments, continuation, dead code of hybrid scripts
        ":: comment with (\nrem comment ) & | >\ngoto :eof\n:sub\necho ^\n  continued\nexit /b",
        "@echo off\ngoto :eof\nfunction x() { if (a) { return; } }\n)",
        "@echo off\nexit /b 0\n:unused\nparse arg x\n)",
        "echo %DATE% > \"%TEMP%\\a b.txt\"\necho 50%% done",
        "/* REXX */\nparse arg x\nif x = '' then do",
    };
    for (const char* text : rows) {
        SCOPED_TRACE(text);
        const auto findings = lint(text);
        EXPECT_TRUE(findings.empty()) << findings[0].code << " line " << findings[0].line << ": " << findings[0].text;
    }
}

TEST(CmdRules, SuppressionAndIgnoreListSilence) {
    EXPECT_TRUE(lint("REM qlt: disable=Q101\nECHP x\nECHP y").empty());
    const auto once = lint("cls\nREM qlt: disable=Q101\nECHP x\nECHP y");
    ASSERT_EQ(once.size(), 1u);
    EXPECT_EQ(once[0].line, 4u);
    EXPECT_TRUE(lint("ECHP x", {"ECHP"}).empty());
    EXPECT_EQ(lint("ECHP x")[0].buttons, core::ports::Buttons::OkIgnoreAbort);
}

} // namespace
