#include "platform/qt_file_system.h"

#include "platform/qt_text.h"

#include "core/aids/short_path.h"
#include "core/text/codepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {

core::text::ReadResult QtFileSystem::readFile(const std::string& path) { return core::text::readFile(path); }

core::text::WriteResult QtFileSystem::writeFileAtomically(const std::string& path, std::string_view bytes) {
    return core::text::writeFileAtomically(path, bytes);
}

bool QtFileSystem::exists(const std::string& path) { return QFileInfo::exists(fromUtf8(path)); }

std::string QtFileSystem::shortPath(const std::string& path) {
    if (path.empty()) return {};
    if (exists(path)) return path; // POSIX file systems have no 8.3 names
    return core::text::toUtf8(core::aids::conventionalShortPath(core::text::fromUtf8(path).bytes));
}

std::string QtFileSystem::programFolder() {
    return toUtf8(QDir::toNativeSeparators(shippedContentFolder(QCoreApplication::applicationDirPath()) + QLatin1Char('/')));
}

QString shippedContentFolder(const QString& executableFolder) {
    const QDir beside(executableFolder);
    if (beside.exists(QStringLiteral("help"))) return beside.absolutePath();
    const QDir installed(beside.filePath(QStringLiteral("../share/quillet")));
    if (installed.exists(QStringLiteral("help"))) return QDir::cleanPath(installed.absolutePath());
    return beside.absolutePath();
}

std::string QtFileSystem::dataFolder() {
    const auto folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(folder);
    return toUtf8(QDir::toNativeSeparators(folder + QLatin1Char('/')));
}

} // namespace platform
