#include "app/launch.h"

#include "app/aids/aids_commands.h"
#include "app/encoding_controls.h"
#include "app/help/context_help.h"
#include "app/help/help_commands.h"
#include "app/help/help_window.h"
#include "app/info/check_for_update.h"
#include "app/main_window.h"
#include "app/outside_changes.h"
#include "app/wizard/install_easy_layout.h"
#include "core/documents/launch_request.h"
#include "platform/qt_file_system.h"
#include "platform/qt_printer.h"
#include "platform/qt_prompter.h"
#include "platform/qt_settings_store.h"
#include "platform/qt_shell.h"
#include "platform/qt_text.h"
#include "platform/single_instance.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

namespace app {

QString openRequestFor(const QString& path) { return QStringLiteral("[open(\"") + path + QStringLiteral("\")]"); }

std::string absoluteNativePath(const std::string& path) {
    return platform::toUtf8(QDir::toNativeSeparators(QFileInfo(platform::fromUtf8(path)).absoluteFilePath()));
}

int runWindow(const QStringList& arguments) {
    std::vector<std::string> args;
    for (qsizetype i = 1; i < arguments.size(); ++i) args.push_back(platform::toUtf8(arguments[i]));

    platform::SingleInstance channel;
    const auto named = core::documents::filesFromCommandLine(args);
    const auto requestFor = [](const std::string& file) { return openRequestFor(platform::fromUtf8(absoluteNativePath(file))); };
    if (!named.empty() && channel.sendToRunning(requestFor(named.front()))) {
        for (std::size_t i = 1; i < named.size(); ++i) channel.sendToRunning(requestFor(named[i]));
        return 0;
    }

    platform::QtPrompter prompter;
    platform::QtSettingsStore settings;
    platform::QtFileSystem files;
    help::HelpWindow help(files);
    platform::QtPrinter printer;
    TForm1 window({prompter, settings, files, help, printer});
    prompter.setParent(&window);
    platform::QtShell shell;
    const auto connect = [&](const QString& name, std::function<void()> handler) {
        window.connectCommand(name, std::move(handler));
    };
    connect("CheckForUpdate1", [&] { info::checkForProgramUpdate(&window, {prompter, shell, files, settings}); });
    help::connectHelpCommands(connect, {help, shell, files, prompter, &window});
    help::ContextHelpKey f1(help, &window);
    wizard::installEasyLayout(window, prompter, files, settings);
    new aids::AidsCommands(window, {prompter, settings, files, shell}); // owned by the window
    installEncodingControls(window);
    new OutsideChangeWatch(window); // owned by the window
    if (!window.startUp(args)) return 1;
    channel.listen();
    QObject::connect(&channel, &platform::SingleInstance::requestReceived, &window, &TForm1::openRequest);
    // The program ends with its window, even while the Help window is open.
    QObject::connect(&window, &TForm1::closed, &window, &QCoreApplication::quit, Qt::QueuedConnection);
    window.show();
    return QApplication::exec();
}

} // namespace app
