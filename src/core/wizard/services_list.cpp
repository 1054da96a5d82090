#include "core/wizard/services_list.h"

#include "core/aids/list_saving.h"
#include "core/settings/list_files.h"
#include "core/text/codepage.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace core::wizard {

namespace {
constexpr std::array<std::string_view, 2> NEVER_STOPPED = {"EVENTLOG", "DHCP CLIENT"};

void removeFirst(std::vector<std::string>& names, std::string_view name) {
    const auto it = std::find_if(names.begin(), names.end(),
                                 [&](const std::string& known) { return text::equalsIgnoreCase(known, name); });
    if (it != names.end()) names.erase(it);
}

bool listed(const std::vector<std::string>& names, const std::string& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& known) { return text::equalsIgnoreCase(known, name); });
}
} // namespace

std::vector<std::string> offeredServices(std::vector<std::string> servicesFile, ServiceAction action) {
    if (action == ServiceAction::Stop)
        for (auto name : NEVER_STOPPED) removeFirst(servicesFile, name);
    std::erase(servicesFile, std::string());
    std::stable_sort(servicesFile.begin(), servicesFile.end(), [](const std::string& a, const std::string& b) {
        const auto upperA = text::toUpper(a);
        const auto upperB = text::toUpper(b);
        return std::lexicographical_compare(upperA.begin(), upperA.end(), upperB.begin(), upperB.end(),
                                            [](char x, char y) {
                                                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
                                            });
    });
    return servicesFile;
}

std::vector<std::string> loadServices(ports::SettingsStore& store, ports::FileSystem& files) {
    return settings::loadList(store, files, settings::ListFile::Services);
}

bool addService(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter,
                const std::string& name) {
    auto names = loadServices(store, files);
    if (name.empty() || listed(names, name)) return true;
    names.push_back(name);
    return aids::saveListOrReport(store, files, prompter, settings::ListFile::Services, names);
}

} // namespace core::wizard
