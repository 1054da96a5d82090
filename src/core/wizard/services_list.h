#pragma once
// The services the Start/Stop drop-down offers, and adding a service to the
// services file ("Services.qlt") that feeds it.
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/ports/settings_store.h"

#include <string>
#include <vector>

namespace core::wizard {

enum class ServiceAction { Other, Start, Stop };

//! The drop-down's items, rebuilt on every drop-down: the services file's
//! names (given only when its flag is set); when stopping, without EVENTLOG
//! and DHCP CLIENT (one occurrence each), services the machine cannot do
//! without; without empty lines; sorted alphabetically ignoring letter case.
std::vector<std::string> offeredServices(std::vector<std::string> servicesFile, ServiceAction action);

//! The services file's names, read only when its flag is set.
std::vector<std::string> loadServices(ports::SettingsStore& store, ports::FileSystem& files);

//! Appends a service name to the services file (keeping the names added
//! before; none twice, letter case ignored) and sets the file's flag. An empty
//! name changes nothing. A failed write leaves the file as it was and shows an
//! error naming the file and the system's reason; false then.
bool addService(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter,
                const std::string& name);

} // namespace core::wizard
