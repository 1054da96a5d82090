#include "app/wizard/browser.h"

#include "core/aids/short_path.h"
#include "platform/qt_text.h"

#include <QDir>
#include <QFileInfo>

namespace app::wizard {

namespace {

constexpr const char* SHARED_FILTER =
    "Programs|*.exe;*.bat|Text Files|*.bat;*.txt;*.htm;*.html;*.rtf;*.qlt;*.abw;*.log;*.eml|All Files|*.*";
constexpr std::size_t ALL_FILES_FILTER = 2;
// Ten levels above the current folder: in practice the root of its drive.
constexpr const char* FIRST_DIRECTORY = "../../../../../../../../../..";

} // namespace

Browser::Browser(core::ports::Prompter& prompter, core::ports::FileSystem& files,
                 core::wizard::BrowseMemory& memory)
    : m_prompter(prompter), m_files(files), m_memory(memory) {}

QStringList Browser::openFiles(bool multiSelect) {
    core::ports::FileDialogRequest request;
    request.filter = SHARED_FILTER;
    request.filterIndex = ALL_FILES_FILTER;
    request.initialFolder = platform::toUtf8(m_openFolder);
    request.multiSelect = multiSelect;
    QStringList chosen;
    for (const auto& path : m_prompter.openFiles(request)) chosen << platform::fromUtf8(path);
    if (!chosen.isEmpty()) m_openFolder = QDir::toNativeSeparators(QFileInfo(chosen.front()).path());
    return chosen;
}

std::optional<QString> Browser::browseFolder(const QString& caption) {
    const auto chosen = m_prompter.chooseFolder(platform::toUtf8(caption), "");
    if (!chosen) return std::nullopt;
    return platform::fromUtf8(*chosen);
}

std::optional<QString> Browser::chooseDirectory() {
    const std::string start =
        m_memory.usedBefore ? m_memory.lastFolder : platform::toUtf8(QDir::toNativeSeparators(FIRST_DIRECTORY));
    const auto chosen = m_prompter.chooseFolder("", start);
    if (!chosen) return std::nullopt;
    m_memory.usedBefore = true;
    m_memory.lastFolder = *chosen;
    return platform::fromUtf8(*chosen);
}

QString Browser::shortForm(const QString& path) {
    return platform::fromCp1252(core::aids::shortPathOfText(m_files, platform::toCp1252(path)));
}

} // namespace app::wizard
