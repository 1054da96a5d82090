#include "core/settings/list_files.h"

#include "core/text/lines.h"

namespace core::settings {

std::string_view fileName(ListFile list) {
    switch (list) {
    case ListFile::Ignore: return "Ignore.qlt";
    case ListFile::Custom: return "Custom.qlt";
    case ListFile::Files: return "Files.qlt";
    case ListFile::Paths: return "Paths.qlt";
    case ListFile::Services: return "Services.qlt";
    }
    return {};
}

Setting flagOf(ListFile list) {
    switch (list) {
    case ListFile::Ignore: return Setting::IgnoreFlag;
    case ListFile::Custom: return Setting::CustomFlag;
    case ListFile::Files: return Setting::FilesFlag;
    case ListFile::Paths: return Setting::PathsFlag;
    case ListFile::Services: return Setting::NetServicesFlag;
    }
    return Setting::IgnoreFlag;
}

std::string pathOf(ports::FileSystem& files, ListFile list) {
    return files.dataFolder() + std::string(fileName(list));
}

std::vector<std::string> loadList(ports::SettingsStore& store, ports::FileSystem& files, ListFile list) {
    const bool flagged = list == ListFile::Ignore ? readInteger(store, flagOf(list)) == 1
                                                  : readBool(store, flagOf(list));
    if (!flagged) return {};
    auto read = files.readFile(pathOf(files, list));
    if (!read.ok) return {};
    return text::splitLines(read.bytes);
}

text::WriteResult saveList(ports::SettingsStore& store, ports::FileSystem& files, ListFile list,
                           const std::vector<std::string>& entries) {
    auto result = files.writeFileAtomically(pathOf(files, list), text::joinLines(entries));
    if (list == ListFile::Ignore) writeInteger(store, flagOf(list), result.ok ? 1 : 0);
    else if (result.ok) writeBool(store, flagOf(list), true);
    return result;
}

} // namespace core::settings
