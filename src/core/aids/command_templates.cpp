#include "core/aids/command_templates.h"

#include "core/aids/list_saving.h"
#include "core/aids/aid_texts.h"
#include "core/text/codepage.h"

#include <algorithm>

namespace core::aids {
namespace {

bool sortsBefore(const std::string& a, const std::string& b) { return text::toUpper(a) < text::toUpper(b); }

std::size_t insertSorted(std::vector<std::string>& list, std::string entry) {
    const auto place = std::upper_bound(list.begin(), list.end(), entry, sortsBefore);
    const auto inserted = list.insert(place, std::move(entry));
    return static_cast<std::size_t>(inserted - list.begin());
}

} // namespace

std::string_view descriptionOf(std::optional<std::string_view> entry) {
    if (entry)
        for (const auto& known : texts::TEMPLATE_DESCRIPTIONS)
            if (known.templateText == *entry) return known.description;
    return texts::NO_DESCRIPTION;
}

CommandTemplates::CommandTemplates(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter)
    : m_store(store), m_files(files), m_prompter(prompter),
      m_custom(settings::loadList(store, files, settings::ListFile::Custom)) {
    m_list.assign(texts::BUILT_IN_TEMPLATES.begin(), texts::BUILT_IN_TEMPLATES.end());
    m_list.insert(m_list.end(), m_custom.begin(), m_custom.end());
    std::stable_sort(m_list.begin(), m_list.end(), sortsBefore);
}

std::optional<std::size_t> CommandTemplates::add() {
    const auto typed = m_prompter.inputBox(std::string(texts::ADD_TEMPLATE_CAPTION),
                                           std::string(texts::ADD_TEMPLATE_PROMPT), text::toUtf8(m_lastEntered));
    if (!typed) return std::nullopt;
    m_lastEntered = text::fromUtf8(*typed).bytes;
    m_custom.push_back(m_lastEntered);
    const auto place = insertSorted(m_list, m_lastEntered);
    saveListOrReport(m_store, m_files, m_prompter, settings::ListFile::Custom, m_custom);
    return place;
}

void CommandTemplates::insert(std::size_t index, IfPage& page, ports::EditorView& editor) const {
    if (index >= m_list.size()) return;
    if (page.inFront()) page.setField(IfPageField::Command, m_list[index]);
    else editor.replaceSelection(text::toUtf8(m_list[index]));
}

void CommandTemplates::close() {
    removeFromBoth("");
    removeFromBoth(" ");
}

void CommandTemplates::removeFromBoth(std::string_view entry) {
    if (std::erase(m_custom, entry) > 0)
        saveListOrReport(m_store, m_files, m_prompter, settings::ListFile::Custom, m_custom);
    std::erase(m_list, entry);
}

} // namespace core::aids
