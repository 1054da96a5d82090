#include "core/checker/messages.h"

#include "core/text/checker_lines.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace core::checker {
namespace {

using ports::Buttons;
using ports::MessageKind;
constexpr MessageKind WARN = MessageKind::Warning;

// The texts are the program's own words, kept character for character
// (including their quirks of spelling and spacing).
constexpr std::array<MessageDef, 36> MESSAGES = {{
    {MessageId::Redirection, WARN, Buttons::OkAbort,
     "The path of the file you are redirecting the output of the command on line {line} to is invalid for a DOS batch file - Please either enclose this path in double quotation marks (\" \") or shorten it by selecting it and choosing 'Shorten Path' from the Edit menu."},
    {MessageId::Unrecognised, WARN, Buttons::OkIgnoreAbort,
     "Unrecognised command: \"{text}\". Make sure there is no leading space and that the command is spelt correctly. Certain commands are not yet supported by the Quillet, for example the 'XCOPY' command. Other commands may call programs that are not distributed with DOS/Windows\u00AE, so will be 'Unknown'."},
    {MessageId::ForVariable, WARN, Buttons::OkAbort,
     "The syntax of the FOR command on line {line} is incorrect - The variable that the FOR statement uses for the filename of each file needs to be preceeded by a double %% in a batch file, and the variable name can only be 1 alphabetic character long."},
    {MessageId::ForIn, WARN, Buttons::OkAbort,
     "The syntax of the FOR command on line {line} is incorrect - There does not seem to be a 'IN(<files>)' part of the statement."},
    {MessageId::ForBrackets, WARN, Buttons::OkAbort,
     "The syntax of the FOR command on line {line} is incorrect. It seems that you haven't enclosed the files that are to be passed to this statement in brackets."},
    {MessageId::ForFileName, WARN, Buttons::OkAbort,
     "It seems that there is an invalid filename being passed to the FOR statement on line {line}. Please ensure that short filenames are given (Edit | Shorten Path to shorten a selected path) and there are no unnecessary spaces."},
    {MessageId::ForDo, WARN, Buttons::OkAbort,
     "The syntax of the FOR command on line {line} is incorrect. There seems to be no 'DO <action>' part to the statement."},
    {MessageId::IfNot, WARN, Buttons::OkAbort,
     "The syntax of the IF command on line {line} is incorrect - the 'NOT' part of the statement needs to come after the 'IF' but before anything else."},
    {MessageId::CdArguments, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the CD command on line {line}. If this is a filepath containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu."},
    {MessageId::DirArguments, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the DIR command on line {line}. If this is a directory path containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu."},
    {MessageId::DelSwitch, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the DEL command on line {line}. Make sure the only switch you are passing to it is the '/P' switch."},
    {MessageId::DelPathSwitch, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the DEL command on line {line}. If this is a file path containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu. Make sure the only switch you are passing to it is the '/P' switch."},
    {MessageId::DelPath, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the DEL command on line {line}. If this is a file path containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu."},
    {MessageId::DeltreePathSwitch, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the DELTREE command on line {line}. If this is a file path containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu. Make sure the only switch you are passing to it is the '/Y' switch, and that it is BEFORE the directory path."},
    {MessageId::DeltreePath, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the DELTREE command on line {line}. If this is a file path containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu."},
    {MessageId::DeltreeOrder, WARN, Buttons::OkAbort,
     "The switch order of the DELTREE command on line {line} is incorrect. Make sure the only switch you are passing to it is the '/Y' switch, and that it is BEFORE the directory path."},
    {MessageId::CopyPath, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the COPY command on line {line}. If this is a file path containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu."},
    {MessageId::CopyPathSwitches, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the COPY command on line {line}. If this is a file path containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu. Make sure the only switches you are passing to it are the '/Y' or '/-Y' switch, or the '/V' switch."},
    {MessageId::MovePathSwitch, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the MOVE command on line {line}. If this is a file path containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu. Make sure the only switch you are passing to it is the '/Y' or '/-Y'switch, and that it is BEFORE the initial filepath."},
    {MessageId::MovePath, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the MOVE command on line {line}. If this is a file path containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu."},
    {MessageId::MoveOrder, WARN, Buttons::OkAbort,
     "The switch order of the MOVE command on line {line} is incorrect. Make sure the only switch you are passing to it is the '/Y' or '/-Y' switch, and that it is BEFORE the initial filepath."},
    {MessageId::RenamePath, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the RENAME command on line {line}. If this is a file path containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu."},
    {MessageId::TypeArguments, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the TYPE command on line {line}. If this is a filepath containing spaces, please shorten it to DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu."},
    {MessageId::MkdirArguments, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the MKDIR command on line {line}. Make sure that the directory path and name is in DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu."},
    {MessageId::MdArguments, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the MD command on line {line}. Make sure that the directory path and name is in DOS format - you can do this by selecting it and choosing 'Shorten Path' from the Edit menu."},
    {MessageId::NetStart, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the NET START command on line {line}. Make sure that the name of the service that you want to start is enclosed by quotation marks (\" \")."},
    {MessageId::NetStop, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the NET STOP command on line {line}. Make sure that the name of the service that you want to stop is enclosed by quotation marks (\" \")."},
    {MessageId::NetPause, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the NET PAUSE command on line {line}. Make sure that the name of the service that you want to pause is enclosed by quotation marks (\" \")."},
    {MessageId::NetContinue, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the NET CONTINUE command on line {line}. Make sure that the name of the service that you want to restart is enclosed by quotation marks (\" \")."},
    {MessageId::NetTimeArguments, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the NET TIME command on line {line}. Make sure that the name of the computer or domain is enclosed in quotation marks (\" \") if it contains spaces."},
    {MessageId::NetTimeIncomplete, WARN, Buttons::OkAbort,
     "The NET TIME command on line {line} is incomplete. Make sure that '/SET' is appended to the end of the command"},
    {MessageId::NetSendDomain, WARN, Buttons::OkAbort,
     "It looks like the domain name you are trying to pass to the NET SEND command on line {line} will not be recognised by the NET SEND program as a valid domain name. Make sure that it is enclosed by quotation marks (\" \") if it contains spaces, otherwise only the part before the space will be classed as the domain name and the rest as the message to be sent."},
    {MessageId::NetSendName, WARN, Buttons::OkAbort,
     "It looks like the messaging or computer name you are trying to pass to the NET SEND command on line {line} will not be recognised by the NET SEND program as a valid name. Make sure that it is enclosed by quotation marks (\" \") if it contains spaces, otherwise only the part before the space will be classed as the domain name and the rest as the message to be sent."},
    {MessageId::StartSwitches, WARN, Buttons::OkAbort,
     "It looks like you are trying to pass too many arguments to the START command on line {line}. You can only specify one of the '/R', '/M' or '/MAX' switches."},
    {MessageId::GotoLabel, WARN, Buttons::Ok,
     "The label that the GOTO command on line {line} is pointing to, \"{text}\", cannot be found in the batch file. Make sure that the label name is spelt correctly and is defined in the batch file (use ':' to define a label)."},
    {MessageId::Complete, MessageKind::Information, Buttons::Ok, "The syntax check is complete."},
}};

constexpr std::string_view LINE_MARK = "{line}";
constexpr std::string_view TEXT_MARK = "{text}";

} // namespace

const MessageDef& messageDef(MessageId id) {
    // The table is in enum order; the tests hold it to that.
    return MESSAGES[static_cast<std::size_t>(id)];
}

std::string messageCode(MessageId id) {
    const auto number = static_cast<unsigned>(id) + 1;
    std::string code = "Q000";
    code[1] = static_cast<char>('0' + number / 100 % 10);
    code[2] = static_cast<char>('0' + number / 10 % 10);
    code[3] = static_cast<char>('0' + number % 10);
    return code;
}

std::string formatMessage(MessageId id, std::size_t line, std::string_view text) {
    const std::string_view pattern = messageDef(id).text;
    std::string out;
    out.reserve(pattern.size() + std::min(text.size(), text::QUOTE_LIMIT) + 8);
    std::size_t from = 0;
    while (from < pattern.size()) {
        const std::size_t brace = std::min(pattern.find('{', from), pattern.size());
        out.append(pattern.substr(from, brace - from));
        from = brace;
        if (pattern.substr(from).starts_with(LINE_MARK)) {
            char digits[24];
            out.append(digits, std::to_chars(digits, digits + sizeof digits, line).ptr);
            from += LINE_MARK.size();
        } else if (pattern.substr(from).starts_with(TEXT_MARK)) {
            out += text::quoteOf(text);
            from += TEXT_MARK.size();
        } else if (from < pattern.size()) {
            out += pattern[from++];
        }
    }
    return out;
}

} // namespace core::checker
