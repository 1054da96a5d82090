#pragma once
// Puts the wizard into the main window's Easy page and connects it to the
// window's commands and documents.
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/ports/settings_store.h"

namespace app {
class TForm1;
}

namespace app::wizard {

class EasyLayout;

//! Before start-up (which restores the pages on view): the wizard replaces
//! the placeholder; "Update Batch File" (F11, menu, toolbar) runs it against
//! the window's documents; the IF page's command field enables Insert Command
//! while it has the focus; a variable chosen for the editor is inserted there.
EasyLayout& installEasyLayout(TForm1& window, core::ports::Prompter& prompter, core::ports::FileSystem& files,
                              core::ports::SettingsStore& settings);

} // namespace app::wizard
