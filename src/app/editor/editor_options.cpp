#include "app/editor/editor_options.h"

#include "platform/qt_colour.h"
#include "platform/qt_text.h"

namespace app::editor {

using core::settings::Setting;

core::settings::ColourValue readColour(core::ports::SettingsStore& store, Setting option) {
    // readText already answers the default for a name that is not a colour.
    return core::settings::parseColourName(core::settings::readText(store, option)).value();
}

platform::EditorLook readEditorLook(core::ports::SettingsStore& store) {
    platform::EditorLook look;
    look.font = platform::editorFont(platform::fromUtf8(core::settings::readText(store, Setting::FontName)),
                                     core::settings::readInteger(store, Setting::FontSize));
    look.background = platform::toQColor(readColour(store, Setting::Background));
    look.text = platform::toQColor(readColour(store, Setting::Text));
    look.command = platform::toQColor(readColour(store, Setting::CmdText));
    look.label = platform::toQColor(readColour(store, Setting::LabelText));
    look.comment = platform::toQColor(readColour(store, Setting::CmtText));
    return look;
}

} // namespace app::editor
