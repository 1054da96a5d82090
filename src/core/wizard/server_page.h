#pragma once
// The "Server Commands" page: NET USER to add, remove or modify an account.
#include "core/wizard/fields.h"
#include "core/wizard/generator_context.h"

#include <cstddef>
#include <string>
#include <vector>

namespace core::wizard {

//! Longest texts the page's fields accept, as the account database limits them.
inline constexpr std::size_t MAX_USER_NAME = 20;
inline constexpr std::size_t MAX_PASSWORD = 14;
inline constexpr std::size_t MAX_ACCOUNT_COMMENT = 48;

struct ServerChoices {
    bool CheckBox35 = false;          //!< "Create or modify user accounts"
    bool RadioButton65 = false;       //!< "Add account"
    bool RadioButton66 = false;       //!< "Remove account"
    bool RadioButton67 = false;       //!< "Modify exisitng account"
    std::string Edit43;               //!< "&User Name:"
    std::string Edit44;               //!< "&Password:"
    bool CheckBox46 = false;          //!< "Prompt for password"
    bool CheckBox47 = false;          //!< "Perform operation on the domain controller"
    bool CheckBox48 = true;           //!< "Account active"
    bool CheckBox49 = true;           //!< "User allowed to change password"
    std::string Edit45;               //!< "&Full Name:"
    std::string Edit50;               //!< "User C&omment:"
    bool CheckBox50 = false;          //!< "Account Expires on:"
    std::string DateTimePicker1;      //!< the expiry date as the user's short date format writes it
    std::string Edit47;               //!< "&Home Directory:"
    std::string Edit48;               //!< "Logon &Profile:"
    std::string Edit49;               //!< "Logon &Script:"
    std::vector<std::string> Memo10;  //!< "Permitted &Workstations:"
    std::string Edit46;               //!< "&Comment:"

    void visitFields(FieldVisitor& visitor);
};

//! Section code 24: one NET USER line.
void generateUserAccounts(const ServerChoices& page, GeneratorContext& context);

} // namespace core::wizard
