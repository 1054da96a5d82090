#include "app/wizard/browser.h"

#include "core/aids/short_path.h"
#include "platform/qt_text.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace app::wizard {

Browser::Browser(core::ports::Prompter& prompter, core::ports::FileSystem& files,
                 core::documents::BrowseFileDialog& fileDialog, core::wizard::BrowseMemory& memory)
    : m_prompter(prompter), m_files(files), m_fileDialog(fileDialog), m_memory(memory) {}

QStringList Browser::openFiles(bool multiSelect) {
    QStringList chosen;
    for (const auto& path : m_prompter.openFiles(m_fileDialog.request(multiSelect))) chosen << platform::fromUtf8(path);
    if (!chosen.isEmpty()) m_fileDialog.chosen(platform::toUtf8(chosen.front()));
    return chosen;
}

std::optional<QString> Browser::browseFolder(const QString& caption) {
    const auto chosen = m_prompter.chooseFolder(platform::toUtf8(caption), "");
    if (!chosen) return std::nullopt;
    return platform::fromUtf8(*chosen);
}

std::optional<QString> Browser::chooseDirectory() {
    const auto chosen = m_prompter.chooseFolder("", m_memory.startFolder());
    if (!chosen) return std::nullopt;
    m_memory.chosen(*chosen);
    return platform::fromUtf8(*chosen);
}

QString Browser::shortForm(const QString& path) {
    return platform::fromCp1252(core::aids::shortPathOfText(m_files, platform::toCp1252(path)));
}

void Browser::replaceWithFiles(QPlainTextEdit* memo) {
    const QStringList files = openFiles();
    if (!files.isEmpty()) memo->setPlainText(files.join('\n'));
}

void Browser::filesInto(QAbstractButton* button, QPlainTextEdit* memo) {
    QObject::connect(button, &QAbstractButton::clicked, memo, [this, memo] { replaceWithFiles(memo); });
}

void Browser::fileInto(QAbstractButton* button, QLineEdit* field, PathForm form, bool multiSelect) {
    QObject::connect(button, &QAbstractButton::clicked, field, [this, field, form, multiSelect] {
        const QStringList files = openFiles(multiSelect);
        if (!files.isEmpty()) field->setText(form == PathForm::Short ? shortForm(files.front()) : files.front());
    });
}

void Browser::folderInto(QAbstractButton* button, QLineEdit* field, const char* caption, PathForm form) {
    QObject::connect(button, &QAbstractButton::clicked, field, [this, field, caption, form] {
        if (const auto folder = browseFolder(caption))
            field->setText(form == PathForm::Short ? shortForm(*folder) : *folder);
    });
}

void Browser::directoryInto(QAbstractButton* button, QLineEdit* field, PathForm form) {
    QObject::connect(button, &QAbstractButton::clicked, field, [this, field, form] {
        if (const auto folder = chooseDirectory()) field->setText(form == PathForm::Short ? shortForm(*folder) : *folder);
    });
}

void Browser::filesOrFolderInto(QAbstractButton* button, QPlainTextEdit* memo, const std::function<bool()>& folderMode,
                                const char* caption) {
    QObject::connect(button, &QAbstractButton::clicked, memo, [this, memo, folderMode, caption] {
        if (!folderMode())
            replaceWithFiles(memo);
        else if (const auto folder = browseFolder(caption))
            memo->setPlainText(shortForm(*folder));
    });
}

} // namespace app::wizard
