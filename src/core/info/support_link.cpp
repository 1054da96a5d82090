#include "core/info/support_link.h"

#include "core/info/maker.h"
#include "core/version.h"

namespace core::info {
namespace {

bool unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

std::string percentEncoded(std::string_view text) {
    static constexpr char HEX[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (unreserved(byte)) {
            out += c;
        } else {
            out += '%';
            out += HEX[byte >> 4];
            out += HEX[byte & 0x0F];
        }
    }
    return out;
}

std::string mailLink(std::string_view address, std::string_view subject) {
    return "mailto:" + std::string(address) + "?subject=" + percentEncoded(subject);
}

} // namespace

std::string supportMailLink(std::string_view productName, std::string_view version) {
    return mailLink(SUPPORT_ADDRESS, "Technical Support for " + std::string(productName) + " " + std::string(version));
}

std::string makerMailLink(std::string_view productName) { return mailLink(MAKER_ADDRESS, productName); }

std::string tutorialsPath(std::string_view programFolder) {
    const char separator = programFolder.empty() ? '/' : programFolder.back();
    return std::string(programFolder) + "Examples" + separator + "Tutorials.html";
}

bool openWithShell(ports::Shell& shell, ports::Prompter& prompter, const std::string& target) {
    std::string reason;
    if (shell.open(target, reason)) return true;
    prompter.message(ports::MessageKind::Error, ports::Buttons::Ok, "Could not open " + target + ": " + reason + ".");
    return false;
}

bool contactSupport(ports::Shell& shell, ports::Prompter& prompter) {
    return openWithShell(shell, prompter, supportMailLink(PRODUCT_NAME, PRODUCT_VERSION));
}

bool openTutorials(ports::Shell& shell, ports::FileSystem& files, ports::Prompter& prompter) {
    return openWithShell(shell, prompter, tutorialsPath(files.programFolder()));
}

} // namespace core::info
