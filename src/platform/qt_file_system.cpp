#include "platform/qt_file_system.h"

#include "platform/qt_text.h"

#include "core/aids/short_path.h"
#include "core/text/codepage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {
namespace {

#ifdef _WIN32
// The system's own 8.3 form; the path as given when the volume has none.
std::string systemShortPath(const std::string& path) {
    const std::wstring wide = fromUtf8(path).toStdWString();
    std::wstring shortName(MAX_PATH, L'\0');
    DWORD length = GetShortPathNameW(wide.c_str(), shortName.data(), static_cast<DWORD>(shortName.size()));
    if (length > shortName.size()) {
        shortName.resize(length);
        length = GetShortPathNameW(wide.c_str(), shortName.data(), length);
    }
    if (length == 0) return path;
    shortName.resize(length);
    return toUtf8(QString::fromStdWString(shortName));
}
#else
// POSIX file systems have no 8.3 names.
std::string systemShortPath(const std::string& path) { return path; }
#endif

} // namespace

core::text::ReadResult QtFileSystem::readFile(const std::string& path) { return core::text::readFile(path); }

core::text::WriteResult QtFileSystem::writeFileAtomically(const std::string& path, std::string_view bytes) {
    // A data folder that cannot be made is the reason a file in it cannot be written.
    if (const auto data = dataFolder(); path.starts_with(data)) {
        if (auto made = core::text::makeFolder(data); !made.ok) return made;
    }
    return core::text::writeFileAtomically(path, bytes);
}

bool QtFileSystem::exists(const std::string& path) { return QFileInfo::exists(fromUtf8(path)); }

std::string QtFileSystem::shortPath(const std::string& path) {
    if (path.empty()) return {};
    if (exists(path)) return systemShortPath(path);
    return core::aids::conventionalShortPathUtf8(path);
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
