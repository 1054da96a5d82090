#pragma once
// Every text of the update-information window, in one place (UTF-8).
#include <string>
#include <string_view>

namespace core::info::texts {

inline constexpr std::string_view WINDOW_CAPTION = "Update Information for QLT";
inline constexpr std::string_view CONNECT = "Co&nnect";
inline constexpr std::string_view DISCONNECT = "Disco&nnect";
inline constexpr std::string_view DOWNLOAD = "&Download Update";
inline constexpr std::string_view CLOSE = "&Close";
inline constexpr std::string_view CLOSING = "Closing...";
inline constexpr std::string_view SAVE = "&Save";
inline constexpr std::string_view COPY = "&Copy";
inline constexpr std::string_view PRINT = "&Print";
inline constexpr std::string_view PRINT_HEADING = "Quillet \xC2\xA9";
inline constexpr std::string_view NOTICE_FILE = "Updateinfo.txt";

inline constexpr std::string_view CONNECTED_WAIT =
    "Connected. Please wait while the update information is retrieved...";
inline constexpr std::string_view NO_UPDATE = "No update information currently available.";
inline constexpr std::string_view PRINT_FAILED = "The update information could not be printed.";
inline constexpr std::string_view MAKER_SITE = "www.marrowfen.example";

inline std::string accountRejected(std::string_view host) {
    return "The update server " + std::string(host) + " did not accept the account name or password.";
}

inline std::string tryNextServer(std::string_view host, std::string_view reason) {
    return "Could not connect to the update server " + std::string(host) + ":\n" + std::string(reason) +
           "\n\nPlease check your internet connection, and look for news about connection problems on " +
           std::string(MAKER_SITE) + ", or try again later.\n\nWould you like to try the next server?";
}

inline std::string retrievalFailed(std::string_view reason) {
    return "The update information could not be retrieved:\n" + std::string(reason);
}

inline std::string invalidVersion(std::string_view version) {
    return "\"" + std::string(version) + "\" is not a valid version number.";
}

inline std::string downloadFailed(std::string_view address, std::string_view reason) {
    return "Could not open " + std::string(address) + ":\n" + std::string(reason);
}

inline std::string saveFailed(std::string_view path, std::string_view reason) {
    return "Could not write " + std::string(path) + ":\n" + std::string(reason);
}

} // namespace core::info::texts
