#pragma once
// The editor's seven options (font face and size, background, text, command,
// label and comment colours) read from the store as the editor draws them.
#include "core/ports/settings_store.h"
#include "core/settings/colour_name.h"
#include "core/settings/settings_table.h"
#include "platform/scintilla_editor_view.h"

namespace app::editor {

//! The five colour options in the order the dialog shows and writes them.
inline constexpr core::settings::Setting COLOUR_OPTIONS[] = {
    core::settings::Setting::Background, core::settings::Setting::Text, core::settings::Setting::CmdText,
    core::settings::Setting::LabelText, core::settings::Setting::CmtText,
};

//! A colour option as a colour (its default when the stored text is no colour).
core::settings::ColourValue readColour(core::ports::SettingsStore& store, core::settings::Setting option);

//! Everything the editor needs to draw: the stored font (or the system's
//! fixed-width font when it is not installed; the stored name stays) and colours.
platform::EditorLook readEditorLook(core::ports::SettingsStore& store);

} // namespace app::editor
