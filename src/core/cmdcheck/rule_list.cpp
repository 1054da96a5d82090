// The one list of the command interpreter rules: code, severity, message,
// the function that applies the rule, and the documents it fires on (on the
// line given, or their last line) and stays quiet on. The tests run every example, and
// `qlt explain` shows them.
#include "core/cmdcheck/findings.h"

#include <array>

namespace core::cmdcheck {
namespace {

using checker::Severity;
constexpr Severity ERROR = Severity::Error;
constexpr Severity WARNING = Severity::Warning;
using Fires = Example[];
using Quiet = std::string_view[];

constexpr Fires Q101_FIRES = {{"ECHP Hello"}, {"@echo off\nif x==y SETLOCL"}, {"GOOT end\n:end", 1}, {"SEY PATH=%PATH%;C:\\x"}, {"ste \"A=1\""}, {"eco Done"}, {"EHCO off"}, {"IFF \"%1\"==\"\" goto x\n:x", 1}};
constexpr Quiet Q101_QUIET = {"ECHO Hello", "myprog.exe --build", "gradlew build", "sed -e s/a/b/ x.txt", "sc query w32time",
                                 "node x.js", "call \"%~dp0env.bat\"", "@echo off\ncscript //nologo //e:vbscript \"%~f0\"\nexit /b\nSet o = CreateObject(\"Scripting.FileSystemObject\")\nWScript.Echo o.GetTempName", "<# : batch part\n@echo off\npowershell -nop -c \"iex (gc \\\"%~f0\\\" -raw)\"\ngoto :eof\n#>\nWrite-Host hi", "@goto batch\nvar x = WScript.Arguments;\n:batch\n@echo off"};
constexpr Fires Q102_FIRES = {{"EXIT \\B 1"}, {"setlocal enabledelayedexpanson"}};
constexpr Quiet Q102_QUIET = {"EXIT /B 1", "SETLOCAL ENABLEDELAYEDEXPANSION", "setlocal EnableExtensions"};
constexpr Fires Q103_FIRES = {{"goto :finish\n:finsh", 1}, {":sub\ncall :Sub1 x"}, {"GOTO EOF"}};
constexpr Quiet Q103_QUIET = {"GOTO :EOF", "call :SUB\ngoto :eof\n:sub", "goto %TARGET%", "goto next\n@   :next"};
constexpr Fires Q104_FIRES = {{"if exist a (\n  echo a\n  echo b"}};
constexpr Quiet Q104_QUIET = {"IF EXIST a.txt (\n  ECHO found\n)", "(echo a\necho b) > out.txt 2>&1"};
constexpr Fires Q105_FIRES = {{"echo a\n)"}, {"echo a & )"}};
constexpr Quiet Q105_QUIET = {"(\n  ECHO done\n)", "echo (x)", "%IF_DEBUG% (\n  echo debug\n)", "if 1==1 (\n  %FOREACHLINE% %%L in ('dir /b') do echo %%L\n)",
                                 "%IF_DEBUG% (\t :# no debugging here\n  call :Debug.off\n) else (\n  set X=\n)\n:Debug.off"};
constexpr Fires Q106_FIRES = {{"if a==b (\n echo 1\n)\nelse echo 2"}};
constexpr Quiet Q106_QUIET = {"if exist a (\n  echo a\n) else if exist b (\n  echo b\n) else (\n  echo c\n)"};
constexpr Fires Q107_FIRES = {{"echo \"unfinished > out.txt"}, {"ECHO \"Build started > log.txt"}};
constexpr Quiet Q107_QUIET = {"ECHO \"Build started\" > log.txt", "echo Size: 5\" wide"};
constexpr Fires Q108_FIRES = {{"for %%f in (*.txt) echo %%f"}, {"for %%f (*.txt) do echo %%f"}, {"for /x %%f in (*) do echo %%f"}};
constexpr Quiet Q108_QUIET = {"for /r \"%~dp0\" %%f in (*.txt) do echo %%f", "for /f \"delims=\" %%a in (\n 'dir /b'\n) do echo %%a", "for /l %@%N in (1,1,3) do echo x"};
constexpr Fires Q109_FIRES = {{"for %f in (*.txt) do echo %f"}};
constexpr Quiet Q109_QUIET = {"FOR %%f IN (*.txt) DO ECHO %%f"};
constexpr Fires Q110_FIRES = {{"for /f \"token=2 delims=,\" %%a in (x.csv) do echo %%a"}, {"for /f \"tokens=0\" %%a in (x.csv) do echo %%a"}, {"for /f \"skip=0\" %%a in (x.txt) do echo %%a"}, {"for /f \"tokens=3-1\" %%a in (x.txt) do echo %%a"}};
constexpr Quiet Q110_QUIET = {"for /f \"tokens=1,2* delims=, usebackq\" %%a in (`dir`) do echo %%a",
                                 "for /f \"eol=; skip=1 delims=\" %%a in (x.txt) do echo %%a", "for /f \"skip=0x2\" %%a in (x.txt) do echo %%a", "for /f \"skip=010\" %%a in (x.txt) do echo %%a"};
constexpr Fires Q111_FIRES = {{"set NAME = World"}, {"set /p ANSWER =Continue? "}};
constexpr Quiet Q111_QUIET = {"SET NAME=World", "SET /A N = 1 + 2", "set \"NAME=a b\"",
                                 "%RETURN%\nSet fso = CreateObject(\"Scripting.FileSystemObject\")   'VBS\nIf fso Is Nothing Then   'VBS"};
constexpr Fires Q112_FIRES = {{"set /a N=(1+2"}, {"set /a N=08"}, {"set /a N=1 2"}, {"set /a N=2*"}};
constexpr Quiet Q112_QUIET = {"SET /A N=(1+2)*3", "SET /A \"N=1<<4\"", "set /a N=0x1F %% 7", "set /a COUNT+=1", "SET /A total   +=   6", "SET /A x + = 6", "SET /A ID=%ID+1"};
constexpr Fires Q113_FIRES = {{"if %1==help goto :eof"}, {"if \"%MODE%\"==\"\" echo none\nif %MODE%==x echo x"}, {"if \"%~1\"==\"\" goto :eof\nshift\nif %1==x echo x"}};
constexpr Quiet Q113_QUIET = {"IF \"%~1\"==\"help\" GOTO usage\n:usage", "IF [%1]==[] GOTO usage\n:usage", "if %ERRORLEVEL%==0 echo ok",
                                 "set MODE=fast\nif %MODE%==fast echo fast", "if .%1.==.. goto usage\nif %1==x echo x\n:usage", "if \"%~1\"==\"\" goto :eof\nif %1==x echo x", "if not defined X set X=0\nif %X%==0 echo zero", "if \"%X%\"==\"\" set X=1\nif %X%==1 echo one", "if %N% LSS 3 echo few", "if not defined MODE set MODE=x\nif /i %MODE% EQU x echo x"};
constexpr Fires Q114_FIRES = {{"if \"%a%\"=\"1\" echo one"}, {"if \"%a%\" \"1\" echo one"}, {"if exist a.txt"}, {"if exist"}, {"IF EXIST a.txt == yes echo yes"}, {"IF%1==1 echo one"}, {"if x'%2'==x'?'goto HELP\n:HELP", 1}};
constexpr Quiet Q114_QUIET = {"if \"%a%\" %comparison% \"%b%\" echo yes", "IF \"%A%\"==\"1\" ECHO one", "IF %N% GEQ 3 ECHO many", "if errorlevel==3 echo three",
                                 "if /i not \"%~x1\"==\".txt\" exit /b 1", "if 1(==1( echo same", "setlocal enabledelayedexpansion\nif ^\"!V:\"=!\"==\"!V!\" (\n  echo plain\n) else (\n  echo quoted\n)",
                                 "call :%1\nexit /b\n:# Module    Call    #\n:# The PowerShell part\nif ($x) { Write-Host $x }"};
constexpr Fires Q115_FIRES = {{"set N=1\necho !N!"}};
constexpr Quiet Q115_QUIET = {"SETLOCAL ENABLEDELAYEDEXPANSION\nSET N=1\nECHO !N!", "echo Hello World!"};
constexpr Fires Q116_FIRES = {{"if 1==1 (\n  set N=5\n  echo %N%\n)", 3}, {"set N=5 & echo x & set M=%N%"}, {"(\n  set X=1\n  endlocal\n  set \"Y=%X%\"\n)", 4}};
constexpr Quiet Q116_QUIET = {"SETLOCAL ENABLEDELAYEDEXPANSION\nIF 1==1 (\n  SET N=5\n  ECHO !N!\n)",
                                 "set N=5\necho %N%", "endlocal & set \"X=%X%\"", "(endlocal & set \"X=%X%\")", "if 1==1 (\n  set X=1\n  endlocal & set \"X=%X%\"\n)",
                                 "endlocal & (\n  set \"A=%B%\"\n  set \"A=%A%\"\n)"};
constexpr Fires Q117_FIRES = {{"dir > C:\\My Logs\\list.txt"}};
constexpr Quiet Q117_QUIET = {"DIR > \"C:\\My Logs\\list.txt\"", "echo x > %TEMP%\\a.txt /y"};
constexpr Fires Q118_FIRES = {{"\"%~dp0tool.exe --run %*"}, {"@\"C:\\Program Files\\App\\app.exe /quiet"}};
constexpr Quiet Q118_QUIET = {"\"%~dp0tool.exe\" --run %*", "\"C:\\Program Files\\App\\app.exe\" /quiet"};
constexpr Fires Q119_FIRES = {{"IF %X%==\"\" set X=1"}, {"IF NOT %X% == \"\" echo set"}};
constexpr Quiet Q119_QUIET = {"if ^\"%1^\" == \"\" echo none", "IF \"%X%\"==\"\" set X=1", "if [%1]==[] goto :eof"};
constexpr Fires Q120_FIRES = {{"echo %~q1"}, {"echo %~nVAR%"}, {"echo %x:~a,b%"}, {"echo %~$PATH1"}};
constexpr Quiet Q120_QUIET = {"echo %dt:~,4%", "echo %~dpnx1 %~$PATH:1 %~f0", "echo %DATE:~-4% %TIME:~0,2%", "for %%f in (*) do echo %%~nxf",
                                 "set /a ID=%ID+1"};
constexpr Fires Q121_FIRES = {{"CD \\\\server\\share"}, {"cd /d \"\\\\server\\share\\folder\""}};
constexpr Quiet Q121_QUIET = {"PUSHD \\\\server\\share", "cd /d \"%~dp0\""};
constexpr Fires Q122_FIRES = {{"echo one ^ \necho two", 1}};
constexpr Quiet Q122_QUIET = {"echo one ^\n two", "echo \"a ^ \"\necho b", "echo caret ^^ \necho b"};
constexpr Fires Q123_FIRES = {{"copy \x93" "a b.txt\x94 c:\\x"}, {"copy a.txt 'b c.txt'"}};
constexpr Quiet Q123_QUIET = {"set \"type.Eth=\x93\x94\xe0\"", "echo \x93Hello\x94", "copy a.txt \"b c.txt\"", "for /f %%a in ('dir /b') do echo %%a"};
constexpr Fires Q124_FIRES = {{"DELTREE /Y C:\\TEMP"}, {"DISKCOMP A: B:"}, {"APPEND C:\\DATA"}, {"NET SEND * Hello"}, {"CHOICE /C:YN /T:N,5 Continue"}, {"SHUTDOWN /L /Y"}, {"START /M notepad"}};
constexpr Quiet Q124_QUIET = {"RD /S /Q C:\\TEMP", "CHOICE /C YN /T 5 /D N", "SHUTDOWN /L", "START /MIN notepad",
                                 "NET START spooler"};
constexpr Fires Q125_FIRES = {{"SET /P \"Prompt: \""}};
constexpr Quiet Q125_QUIET = {"SET /P \"ANSWER=Prompt: \"", "set /p =Working...<nul", "set /p X=<version.txt"};
constexpr Fires Q126_FIRES = {{"SET /A x=5^2"}};
constexpr Quiet Q126_QUIET = {"SET /A \"x=5^2\"", "set /a x=5^^2", "SET /A total   +=   6", "SET /A x + = 6"};
constexpr Fires Q127_FIRES = {{"ECHO 50%"}};
constexpr Quiet Q127_QUIET = {"ECHO 50%%", "ECHO %1 %~n0 %PATH%", "echo 100%% done"};
constexpr Fires Q128_FIRES = {{"ECHO %%i"}};
constexpr Quiet Q128_QUIET = {"%FOREACHLINE% %%l in ('dir') do echo %%l", "echo taskkill /pid %%%%p", "for %%i in (*) do echo %%i", "for %%i in (*) do (\n  echo %%~nxi\n)", "echo set X=%%PATH%%",
                                 "echo cd %%~dp0 > x.bat", "set /a r=a%%b"};
constexpr Fires Q129_FIRES = {{"echo !X!\nsetlocal enabledelayedexpansion", 1}};
constexpr Quiet Q129_QUIET = {"setlocal enabledelayedexpansion\necho !X!", "goto main\n:show\necho !X!\ngoto :eof\n:main\nsetlocal enabledelayedexpansion\ncall :show"};
constexpr Fires Q130_FIRES = {{"call sub\nexit /b\n:sub", 1}};
constexpr Quiet Q130_QUIET = {"call :sub\nexit /b\n:sub"};
constexpr Fires Q131_FIRES = {{"call :sub\nexit /b\necho never\nrem the end\necho never\n:sub\necho sub", 3}, {"cd /d %~dp0\ngoto main\n:old\ndel *.tmp\n:main\necho main", 4},
                                {"call :sub\ngoto :eof\n\n  @copy a b\n:sub", 4}};
constexpr Quiet Q131_QUIET = {"if x==y goto :eof\necho y\n:sub", "call :sub\nexit /b\nrem ---\n#+++\nexit /b 1\n\n:sub\necho sub", "call :a\nexit /b 0 || echo failed\n:a",
                                 "echo a && exit /b\necho b", "(\n  goto :eof\n  echo x\n)", "echo x\nexit /b\nWScript.Echo \"vbs\"\n:data\n1 2 3",
                                 "goto :eof\n:sub\necho sub", "@goto batch\nvar x = WScript.Arguments;\n:batch\n@echo off"};

constexpr std::array<CodeDef, CODE_COUNT> CODES = {{
    {Code::NearMissCommand, "Q101", ERROR,
     "Unrecognised command on line {line}: \"{a}\". Did you mean {b}? Make sure the command is spelt correctly.",
     "Walk::nearMiss", Q101_FIRES, Q101_QUIET},
    {Code::NearMissOption, "Q102", ERROR,
     "The option \"{a}\" of the command on line {line} is not understood. Did you mean {b}?",
     "Walk::exitRules, Walk::setlocalRules", Q102_FIRES, Q102_QUIET},
    {Code::MissingLabel, "Q103", ERROR,
     "The label that the {a} command on line {line} is pointing to, \"{b}\", cannot be found in the batch file. Make sure that the label name is spelt correctly and is defined in the batch file (use ':' to define a label).",
     "Walk::jumpRules", Q103_FIRES, Q103_QUIET},
    {Code::BlockNotClosed, "Q104", ERROR,
     "The block opened with '(' on line {a} is never closed. Add the missing ')' - every '(' that starts a block needs one.",
     "Walk::finish", Q104_FIRES, Q104_QUIET},
    {Code::StrayClose, "Q105", ERROR,
     "There is a ')' on line {line} but no block is open. Remove it, or add the '(' that should start the block.",
     "Walk::closeParen", Q105_FIRES, Q105_QUIET},
    {Code::ElseAlone, "Q106", ERROR,
     "The ELSE on line {line} must be on the same line as the ')' that closes the IF block, as in ') ELSE ('.",
     "Walk::parseCommand", Q106_FIRES, Q106_QUIET},
    {Code::UnclosedQuote, "Q107", ERROR,
     "The double quotation mark on line {line} is never closed, so the {a} after it is taken as text. Add the closing '\"'.",
     "Walk::unclosedQuote", Q107_FIRES, Q107_QUIET},
    {Code::ForSyntax, "Q108", ERROR, "The syntax of the FOR command on line {line} is incorrect - {a}",
     "Walk::parseFor", Q108_FIRES, Q108_QUIET},
    {Code::ForPercent, "Q109", ERROR,
     "The variable of the FOR command on line {line} needs two percent signs in a batch file: write %{a} instead of {a}.",
     "Walk::parseFor", Q109_FIRES, Q109_QUIET},
    {Code::ForOptions, "Q110", ERROR,
     "The options string of the FOR /F command on line {line} is not valid: \"{a}\". Use eol=, skip=, delims=, tokens= and usebackq.",
     "Walk::forOptions", Q110_FIRES, Q110_QUIET},
    {Code::SetBlankName, "Q111", WARNING,
     "The variable name set on line {line} ends with a blank, so \"{a} \" is set rather than \"{a}\". Remove the blank before the '='.",
     "Walk::setRules", Q111_FIRES, Q111_QUIET},
    {Code::SetArithmetic, "Q112", ERROR, "The SET /A expression on line {line} is malformed: {a}",
     "Walk::arithmetic", Q112_FIRES, Q112_QUIET},
    {Code::IfEmptyOperand, "Q113", WARNING,
     "The IF comparison on line {line} breaks when {a} is empty. Enclose both sides in double quotation marks, as in IF \"{a}\"==\"...\".",
     "Walk::emptyOperand", Q113_FIRES, Q113_QUIET},
    {Code::IfSyntax, "Q114", ERROR, "The syntax of the IF command on line {line} is incorrect - {a}",
     "Walk::parseIf", Q114_FIRES, Q114_QUIET},
    {Code::DelayedNotEnabled, "Q115", WARNING,
     "The variable {a} on line {line} uses '!' but delayed expansion is never enabled in this batch file, so it is not replaced. Add 'SETLOCAL ENABLEDELAYEDEXPANSION' or use %...%.",
     "Walk::scanBang", Q115_FIRES, Q115_QUIET},
    {Code::StaleRead, "Q116", WARNING,
     "The variable %{a}% on line {line} is read in the same block that sets it, so it still has the value from before the block. Use !{a}! with 'SETLOCAL ENABLEDELAYEDEXPANSION'.",
     "Walk::variableRead", Q116_FIRES, Q116_QUIET},
    {Code::RedirectBlank, "Q117", WARNING,
     "The path of the file the output on line {line} is redirected to contains a blank: only \"{a}\" is used. Enclose the path in double quotation marks (\" \").",
     "Walk::redirectionTarget", Q117_FIRES, Q117_QUIET},
    {Code::UnclosedProgramQuote, "Q118", ERROR,
     "The double quotation mark before the program {a} on line {line} is never closed, so the whole rest of the line is taken as the program's name. Add the closing '\"' after the program's path.",
     "unclosedProgramQuote", Q118_FIRES, Q118_QUIET},
    {Code::IfUnquotedEmpty, "Q119", ERROR,
     "The IF comparison on line {line} compares the unquoted {a} with \"\": the two are never equal, whatever {a} holds. Enclose it in double quotation marks too, as in IF \"{a}\"==\"\".",
     "Walk::comparedWithEmpty", Q119_FIRES, Q119_QUIET},
    {Code::ExpansionSyntax, "Q120", ERROR, "The expansion {a} on line {line} is not valid: {b}",
     "expansionSyntax", Q120_FIRES, Q120_QUIET},
    {Code::CdNetworkPath, "Q121", ERROR,
     "CD on line {line} cannot make the network path {a} the current folder. Use PUSHD, which gives it a drive letter, and POPD when done.",
     "cdToNetworkPath", Q121_FIRES, Q121_QUIET},
    {Code::CaretBeforeBlank, "Q122", ERROR,
     "The '^' at the end of line {line} is followed by a blank, so it escapes the blank and the line does not continue on the next one. Remove the blanks after the '^'.",
     "caretBeforeBlanks", Q122_FIRES, Q122_QUIET},
    {Code::WrongQuotes, "Q123", ERROR,
     "The quotation marks of {a} on line {line} do not quote anything for cmd: only the straight double quotation mark (\") does. Write {b} instead.",
     "wrongQuotes", Q123_FIRES, Q123_QUIET},
    {Code::RemovedCommand, "Q124", ERROR,
     "\"{a}\" on line {line} is not part of today's Windows. Use {b} instead.", "removedCommand", Q124_FIRES, Q124_QUIET},
    {Code::PromptWithoutVariable, "Q125", ERROR,
     "SET /P on line {line} has no variable to store the answer in: {a} is only the prompt. Write SET /P \"NAME=prompt\".",
     "promptWithoutVariable", Q125_FIRES, Q125_QUIET},
    {Code::ArithmeticCaret, "Q126", ERROR,
     "The '^' in the SET /A expression on line {line} stands outside double quotation marks, so cmd removes it as an escape character (5^2 becomes 52). Write ^^, or enclose the expression in double quotation marks.",
     "arithmeticCaret", Q126_FIRES, Q126_QUIET},
    {Code::EchoLonePercent, "Q127", WARNING,
     "The '%' on line {line} starts no variable, and a batch file drops a lone '%'. Write %% to show a percent sign.",
     "lonePercent", Q127_FIRES, Q127_QUIET},
    {Code::ForVariableOutside, "Q128", WARNING,
     "{a} on line {line} is a FOR variable, but no FOR command runs this line, so it stays as text. Use it in the command after DO, or write %{a} to show it.",
     "Walk::scanPercent", Q128_FIRES, Q128_QUIET},
    {Code::DelayedNotYetEnabled, "Q129", WARNING,
     "The variable {a} on line {line} uses '!' but delayed expansion is enabled only further down, so here it is not replaced. Enable it with 'SETLOCAL ENABLEDELAYEDEXPANSION' before this line, or use %...%.",
     "Walk::scanBang", Q129_FIRES, Q129_QUIET},
    {Code::CallWithoutColon, "Q130", WARNING,
     "CALL {a} on line {line} runs a program named {a}, but the batch file has a label :{a}. Write CALL :{a} to call the label.",
     "callWithoutColon", Q130_FIRES, Q130_QUIET},
    {Code::DeadCode, "Q131", WARNING,
     "The lines from line {line} up to the label :{a} can never run: an unconditional GOTO or EXIT comes before them, and no jump leads to a label in between. Remove them, or add the label a GOTO or CALL should reach them by.",
     "Walk::deadStretch", Q131_FIRES, Q131_QUIET},
}};

} // namespace

std::span<const CodeDef> allCodes() { return CODES; }

} // namespace core::cmdcheck
