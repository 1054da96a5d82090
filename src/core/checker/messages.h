#pragma once
// Every text the syntax checker shows, with its message-box kind and buttons.
// Texts are UTF-8 templates: "{line}" stands for the 1-based line number and
// "{text}" for inserted document text (converted from Windows-1252).
#include "core/ports/prompter.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace core::checker {

enum class MessageId {
    Redirection,
    Unrecognised,
    ForVariable,
    ForIn,
    ForBrackets,
    ForFileName,
    ForDo,
    IfNot,
    CdArguments,
    DirArguments,
    DelSwitch,
    DelPathSwitch,
    DelPath,
    DeltreePathSwitch,
    DeltreePath,
    DeltreeOrder,
    CopyPath,
    CopyPathSwitches,
    MovePathSwitch,
    MovePath,
    MoveOrder,
    RenamePath,
    TypeArguments,
    MkdirArguments,
    MdArguments,
    NetStart,
    NetStop,
    NetPause,
    NetContinue,
    NetTimeArguments,
    NetTimeIncomplete,
    NetSendDomain,
    NetSendName,
    StartSwitches,
    GotoLabel,
    Complete,
};

struct MessageDef {
    MessageId id;
    ports::MessageKind kind;
    ports::Buttons buttons;
    std::string_view text;
};

const MessageDef& messageDef(MessageId id);

//! The message as shown: {line} and {text} filled in. `text` is document text
//! (Windows-1252) and is converted to UTF-8 here.
std::string formatMessage(MessageId id, std::size_t line, std::string_view text = {});

//! The stable code of a classic message: "Q001" for the first of the table,
//! in table order, so a code never changes meaning.
std::string messageCode(MessageId id);

} // namespace core::checker
