#pragma once
// What the editing aids' dialogs work through: the window's ports, the editor
// of the current document and the wizard's "Variables and IF" page.
#include "core/aids/if_page.h"
#include "core/ports/editor_view.h"
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/ports/settings_store.h"

namespace app::aids {

struct AidServices {
    core::ports::Prompter& prompter;
    core::ports::SettingsStore& settings;
    core::ports::FileSystem& files;
    core::ports::EditorView& editor;
    core::aids::IfPage& ifPage;
};

} // namespace app::aids
