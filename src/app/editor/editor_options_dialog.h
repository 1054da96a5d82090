#pragma once
// TForm7 "Editor Options": five colour rows (swatch and "Choose..."), "Select
// Font...", how a check reports problems, whether Save As adds its line, OK and
// Cancel. OK writes the chosen font (only when one was chosen), all five
// colours and the two choices; Cancel writes nothing. Created for each use.
#include "core/ports/prompter.h"
#include "core/ports/settings_store.h"
#include "core/settings/colour_name.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace app::editor {

class TForm7 : public QDialog {
    Q_OBJECT
public:
    TForm7(core::ports::SettingsStore& store, core::ports::Prompter& prompter, QWidget* parent = nullptr);

private:
    void chooseColour(std::size_t row);
    void chooseFont();
    void writeOptions();
    void paintSwatch(std::size_t row);

    core::ports::SettingsStore& m_store;
    core::ports::Prompter& m_prompter;
    std::array<QLineEdit*, 5> m_swatches{};
    std::array<core::settings::ColourValue, 5> m_colours{};
    //! The colour chooser opens with the colour last chosen in it.
    core::settings::ColourValue m_lastChosen = core::settings::ColourValue::fixed(0);
    core::ports::FontChoice m_font;
    bool m_fontChosen = false;
    QComboBox* m_problemReport = nullptr;
    QCheckBox* m_saveAsLine = nullptr;
};

} // namespace app::editor
