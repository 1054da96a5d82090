#pragma once
// TVersionAwareAbout: the About box, made afresh for each showing. Its
// caption and version text come from the program's version information.
#include "core/info/about_text.h"
#include "core/ports/prompter.h"
#include "core/ports/shell.h"

#include <QDialog>

#include <optional>

namespace app::help {

class TVersionAwareAbout : public QDialog {
    Q_OBJECT
public:
    TVersionAwareAbout(const std::optional<core::info::VersionRecord>& version, core::ports::Shell& shell,
                       core::ports::Prompter& prompter, QWidget* parent = nullptr);

    //! Shows the box modally with this program's version information.
    static void showAbout(core::ports::Shell& shell, core::ports::Prompter& prompter, QWidget* parent);

private:
    core::ports::Shell& m_shell;
    core::ports::Prompter& m_prompter;
};

} // namespace app::help
