#include "core/settings/session.h"

#include "core/settings/settings_table.h"

#include <algorithm>

namespace core::settings {
namespace {

constexpr char SEPARATOR = '|';

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// One stored entry back to its path; false on a broken escape.
bool unescape(std::string_view entry, std::string& path) {
    path.clear();
    for (std::size_t i = 0; i < entry.size(); ++i) {
        if (entry[i] != '%') {
            path += entry[i];
            continue;
        }
        if (i + 2 >= entry.size()) return false;
        const int high = hexValue(entry[i + 1]);
        const int low = hexValue(entry[i + 2]);
        if (high < 0 || low < 0) return false;
        path += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

} // namespace

std::string encodeSessionFiles(const std::vector<std::string>& files) {
    std::string stored;
    for (const auto& file : files) {
        if (!stored.empty()) stored += SEPARATOR;
        for (const char c : file) {
            if (c == '%') stored += "%25";
            else if (c == SEPARATOR) stored += "%7C";
            else stored += c;
        }
    }
    return stored;
}

std::vector<std::string> decodeSessionFiles(std::string_view stored) {
    std::vector<std::string> files;
    std::string path;
    while (!stored.empty()) {
        const auto end = std::min(stored.find(SEPARATOR), stored.size());
        const auto entry = stored.substr(0, end);
        stored.remove_prefix(std::min(end + 1, stored.size()));
        if (!unescape(entry, path) || path.empty()) continue;
        if (std::find(files.begin(), files.end(), path) == files.end()) files.push_back(path);
    }
    return files;
}

void writeSession(ports::SettingsStore& store, const Session& session) {
    writeText(store, Setting::SessionFiles, encodeSessionFiles(session.files));
    writeInteger(store, Setting::SessionFront, static_cast<int>(session.front));
}

Session sessionToRestore(ports::SettingsStore& store, bool fileNamed) {
    if (fileNamed || !readBool(store, Setting::RestoreSession)) return {};
    Session session;
    session.files = decodeSessionFiles(readText(store, Setting::SessionFiles));
    session.front = static_cast<std::size_t>(readInteger(store, Setting::SessionFront));
    if (session.front >= session.files.size()) session.front = 0;
    return session;
}

} // namespace core::settings
