#include "core/wizard/warning_texts.h"

namespace core::wizard {

std::string_view textOf(WarningText warning) {
    // No default case, so the compiler flags a warning without a text.
    switch (warning) {
    case WarningText::SubstPath:
        return "Oops! You forgot to enter the path that you want to substitute a drive letter for.";
    case WarningText::SubstLetter:
        return "Oops! You forgot to select the drive letter that will replace the full path.";
    case WarningText::ShareName:
        return "Oops! You forgot to enter the name that the share will be known by.";
    case WarningText::SharePath:
        return "Oops! You forgot to enter the path to the folder you want to share.";
    case WarningText::ServiceToStart:
        return "Oops! You forgot to select a service to start.";
    case WarningText::ServiceToStop:
        return "Oops! You forgot to select a service to stop.";
    case WarningText::ServiceToPause:
        return "Oops! You forgot to select a service to pause.";
    case WarningText::ServiceToContinue:
        return "Oops! You forgot to select a service to continue from a paused state.";
    case WarningText::MessageText:
        return "Oops! You forgot to enter the message to send.";
    case WarningText::TimeComputer:
        return "Oops! You forgot to enter the name of the computer you wish to synchronise the time with.";
    case WarningText::TimeDomain:
        return "Oops! You forgot to enter a domain to synchronise time with.";
    case WarningText::TimeRtsDomain:
        return "Oops! You forgot to enter a domain for the synchronisation of the clock to the RTS Server on "
               "the domain.";
    case WarningText::RunAsUser:
        return "Oops! You forgot to enter the name of the user who you want to run the command as.";
    }
    return {};
}

} // namespace core::wizard
