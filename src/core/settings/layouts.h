#pragma once
// The window's three layouts and the wizard's pages as the settings store
// numbers them, the F3/F4 page moves, and which commands each mode disables.
#include <span>
#include <string_view>

namespace core::settings {

//! Top pages by their stored number ("Active").
enum class TopPage { Advanced = 1, Easy = 2, Welcome = 5 };

inline constexpr int WIZARD_PAGES = 7;       //!< "EasyActive": 1 .. 7
inline constexpr int NETWORK_PAGES = 4;      //!< "EasyNetActive": 1 .. 4
inline constexpr int NETWORK_WIZARD_PAGE = 7;

//! The caption of wizard page number (1-based); empty outside 1 .. 7.
std::string_view wizardPageCaption(int number);
//! The caption of network page number (1-based); empty outside 1 .. 4.
std::string_view networkPageCaption(int number);

//! F3: Advanced and Easy swap; the Welcome page stays.
TopPage switchedLayout(TopPage active);
//! F4: the next wizard page, 6 back to 1; the "Network" page stays.
int nextWizardPage(int page);

//! A control that Welcome mode or the Easy page disables, by object name.
struct CommandRule {
    std::string_view name;
    bool offInWelcome; //!< disabled while Welcome mode lasts, enabled after it
    bool offOnEasy;    //!< disabled when the Easy page becomes active, enabled on Advanced
};

//! Every control that a mode switches. Controls not listed (the Cut button,
//! File > Exit, the recent-file entries, the Help menu and button) never change.
std::span<const CommandRule> commandRules();

} // namespace core::settings
