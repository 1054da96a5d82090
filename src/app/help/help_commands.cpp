#include "app/help/help_commands.h"

#include "app/help/about_box.h"
#include "core/info/help_contexts.h"
#include "core/info/support_link.h"

namespace app::help {

void connectHelpCommands(const CommandConnector& connect, const HelpServices& services) {
    namespace contexts = core::info::help;
    auto& viewer = services.help;
    connect(QStringLiteral("HelpContents"), [&viewer] { viewer.showContents(); });
    connect(QStringLiteral("GraphicalHelp1"), [&viewer] { viewer.showTopic(contexts::GRAPHICAL_HELP); });
    connect(QStringLiteral("GettingStarted1"), [&viewer] { viewer.showTopic(contexts::GETTING_STARTED); });
    connect(QStringLiteral("Tutorials1"),
            [services] { core::info::openTutorials(services.shell, services.files, services.prompter); });
    connect(QStringLiteral("ContactSupport1"),
            [services] { core::info::contactSupport(services.shell, services.prompter); });
    connect(QStringLiteral("HelpAbout"),
            [services] { TVersionAwareAbout::showAbout(services.shell, services.prompter, services.window); });
}

} // namespace app::help
