#include "core/aids/list_saving.h"

#include "core/aids/aid_texts.h"

namespace core::aids {

bool saveListOrReport(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter,
                      settings::ListFile list, const std::vector<std::string>& entries) {
    const auto result = settings::saveList(store, files, list, entries);
    if (!result.ok)
        prompter.message(ports::MessageKind::Error, ports::Buttons::Ok,
                         std::string(texts::LIST_NOT_SAVED) + settings::pathOf(files, list) + ": " + result.error +
                             ".");
    return result.ok;
}

} // namespace core::aids
