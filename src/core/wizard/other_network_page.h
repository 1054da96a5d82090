#pragma once
// The "Other Network Commands" page: NET SEND, NET TIME and RUNAS.
#include "core/wizard/fields.h"
#include "core/wizard/generator_context.h"

#include <string>

namespace core::wizard {

struct OtherNetworkChoices {
    bool CheckBox34 = false;     //!< "Send a message to another computer"
    std::string Edit34;          //!< "Message text:"
    bool RadioButton59 = false;  //!< to a messaging, computer or user name
    std::string Edit35;
    bool RadioButton60 = false;  //!< to every computer online in a domain
    std::string Edit36;
    bool RadioButton61 = false;  //!< to every user connected to the server
    bool CheckBox33 = false;     //!< "Synchronise time with another computer"
    bool RadioButton62 = false;  //!< with a computer
    std::string Edit37;
    bool RadioButton63 = false;  //!< with the domain controller of a domain
    std::string Edit38;
    bool RadioButton64 = false;  //!< with a reliable time server of a domain
    std::string Edit39;
    bool CheckBox42 = false;     //!< "Run a command or program with the permissions of another user"
    std::string Edit42;          //!< the user account
    std::string Edit40;          //!< "Program to run:"
    std::string Edit41;          //!< "Arguments Required:"

    void visitFields(FieldVisitor& visitor);
};

//! Section code 29: one NET SEND line.
void generateMessage(const OtherNetworkChoices& page, GeneratorContext& context);
//! Section code 30: one NET TIME line.
void generateTimeSync(const OtherNetworkChoices& page, GeneratorContext& context);
//! Section code 31: one RUNAS line.
void generateRunAs(const OtherNetworkChoices& page, GeneratorContext& context);

} // namespace core::wizard
