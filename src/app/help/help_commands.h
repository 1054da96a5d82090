#pragma once
// The Help menu's commands, ready to be connected to the window's actions by
// name: "&Contents", "&Graphical Help", "Getting &Started Guide", "&Tutorials",
// "C&ontact Technical Support" and "&About".
#include "core/ports/file_system.h"
#include "core/ports/help_viewer.h"
#include "core/ports/prompter.h"
#include "core/ports/shell.h"

#include <QString>

#include <functional>

class QWidget;

namespace app::help {

struct HelpServices {
    core::ports::HelpViewer& help;
    core::ports::Shell& shell;
    core::ports::FileSystem& files;
    core::ports::Prompter& prompter;
    QWidget* window; //!< parent of the About box
};

//! Connects a handler to the action of that name (the main window's
//! connectCommand does this).
using CommandConnector = std::function<void(const QString& action, std::function<void()> handler)>;

void connectHelpCommands(const CommandConnector& connect, const HelpServices& services);

} // namespace app::help
