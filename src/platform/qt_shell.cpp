#include "platform/qt_shell.h"

#include "platform/qt_text.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace platform {
namespace {

bool isAddress(const QString& target) {
    for (const char* scheme : {"http:", "https:", "mailto:"})
        if (target.startsWith(QLatin1String(scheme), Qt::CaseInsensitive)) return true;
    return false;
}

#ifndef _WIN32
// Whether the desktop names a default application for files with this name's
// extension. The type comes from the name alone: judged by content a .bat is
// plain text, and would go to a text editor instead of a command interpreter.
// Only xdg-mime can name the application; without it the desktop's own answer
// to the open counts.
bool hasDefaultApplication(const QString& path, std::string& error) {
    const auto type = QMimeDatabase().mimeTypeForFile(path, QMimeDatabase::MatchExtension);
    const auto tool = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    bool known = !type.isDefault();
    if (known && !tool.isEmpty()) {
        QProcess query;
        query.start(tool, {QStringLiteral("query"), QStringLiteral("default"), type.name()});
        known = query.waitForFinished(5000) && !query.readAllStandardOutput().trimmed().isEmpty();
        query.kill();
    }
    if (!known) error = "no application is set up to open " + toUtf8(QFileInfo(path).fileName());
    return known;
}
#endif

#ifdef _WIN32
// A batch file runs in a console of its own through the command interpreter
// (%COMSPEC%), whatever the user's file association does with .bat files:
// many set it to a text editor.
bool runBatchFile(const QString& path) {
    const auto suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("bat") && suffix != QLatin1String("cmd")) return false;
    auto interpreter = qEnvironmentVariable("COMSPEC");
    if (interpreter.isEmpty()) interpreter = QStringLiteral("cmd.exe");
    return QProcess::startDetached(interpreter, {QStringLiteral("/C"), QDir::toNativeSeparators(path)},
                                   QFileInfo(path).absolutePath());
}
#endif

} // namespace

bool QtShell::open(const std::string& target, std::string& error) {
    const auto text = fromUtf8(target);
    if (isAddress(text)) {
        if (QDesktopServices::openUrl(QUrl(text))) return true;
        error = "the desktop could not open " + target;
        return false;
    }
    if (!QFileInfo::exists(text)) {
        error = target + " does not exist";
        return false;
    }
#ifdef _WIN32
    if (runBatchFile(text)) return true;
#else
    if (!hasDefaultApplication(text, error)) return false;
#endif
    if (QDesktopServices::openUrl(QUrl::fromLocalFile(text))) return true;
    error = "the desktop could not open " + target;
    return false;
}

std::string QtShell::findProgram(const std::string& name) {
    return toUtf8(QStandardPaths::findExecutable(fromUtf8(name)));
}

core::ports::Interpreter QtShell::interpreter() {
#ifdef _WIN32
    if (QStandardPaths::findExecutable(QStringLiteral("command.com")).isEmpty()) return core::ports::Interpreter::Windows;
#endif
    return core::ports::Interpreter::Dos;
}

bool QtShell::start(const std::vector<std::string>& command, const std::string& folder, std::string& error) {
    if (command.empty()) return false;
    QStringList arguments;
    for (auto it = command.begin() + 1; it != command.end(); ++it) arguments << fromUtf8(*it);
    if (QProcess::startDetached(fromUtf8(command.front()), arguments, fromUtf8(folder))) return true;
    error = command.front() + " could not be started";
    return false;
}

} // namespace platform
