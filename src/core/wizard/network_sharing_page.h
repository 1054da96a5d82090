#pragma once
// The "Network Sharing" page: NET SHARE to create or remove a share, NET USE
// to connect to or disconnect from one.
#include "core/wizard/fields.h"
#include "core/wizard/generator_context.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::wizard {

//! What the network path field shows until the user types a path.
inline constexpr std::string_view NETWORK_PATH_PLACEHOLDER = "\\\\ComputerName\\Share Name";

inline constexpr int MIN_SHARE_USERS = 1;
inline constexpr int MAX_SHARE_USERS = 1000;

struct NetworkSharingChoices {
    bool RadioButton43 = false;              //!< "Create a network share"
    bool RadioButton44 = false;              //!< "Remove a network share"
    std::string Edit25;                      //!< share name
    std::string Edit27;                      //!< path to share
    std::string Edit28;                      //!< comment
    std::optional<std::string> ComboBox2;    //!< offline caching
    bool RadioButton45 = true;               //!< "Limited to:"
    bool RadioButton46 = false;              //!< "Unlimited"
    int CSpinEdit1 = MIN_SHARE_USERS;        //!< number of users
    bool RadioButton47 = false;              //!< "Connect to a network share"
    bool RadioButton48 = false;              //!< "Disconnect from a network share"
    std::string Edit29;                      //!< device name
    bool RadioButton49 = true;               //!< "Specify printer/drive letter"
    bool RadioButton50 = false;              //!< "Next available"
    std::string Edit30{NETWORK_PATH_PLACEHOLDER}; //!< network path
    bool CheckBox30 = false;                 //!< "Connect to current user's HOME directory"
    std::string Edit31;                      //!< password
    bool CheckBox31 = false;                 //!< "Provide a prompt to the user"
    bool CheckBox32 = false;                 //!< "Specify a specific username with which to connect:"
    std::string Edit32;                      //!< user name

    void visitFields(FieldVisitor& visitor);
};

//! The items of `ComboBox2`.
const std::vector<std::string>& offlineCachingItems();

//! Entering the network path field empties it while it shows the placeholder.
void enterNetworkPath(std::string& text);
//! Leaving it empty puts the placeholder back.
void leaveNetworkPath(std::string& text);

//! Section code 21: one NET SHARE line creating or removing the share.
void generateShare(const NetworkSharingChoices& page, GeneratorContext& context);
//! Section code 23: one NET USE line connecting or disconnecting.
void generateConnection(const NetworkSharingChoices& page, GeneratorContext& context);

} // namespace core::wizard
