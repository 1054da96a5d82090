#pragma once
// The command templates behind the "Insert Command Template" dialog: the
// sorted template list (built-in and custom), their descriptions, and the
// custom store kept in "Custom.qlt". Texts are document text (Windows-1252).
#include "core/aids/if_page.h"
#include "core/ports/editor_view.h"
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/ports/settings_store.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::aids {

//! The description shown for a list entry, or the "not currently available"
//! text for an entry that is no built-in template (or for no entry at all).
std::string_view descriptionOf(std::optional<std::string_view> entry);

class CommandTemplates {
public:
    //! Lists the built-in templates and, when its flag says it exists, the
    //! custom store read from "Custom.qlt" (missing or unreadable: none).
    CommandTemplates(ports::SettingsStore& store, ports::FileSystem& files, ports::Prompter& prompter);

    //! The template list, sorted alphabetically ignoring letter case.
    const std::vector<std::string>& list() const { return m_list; }
    const std::vector<std::string>& customStore() const { return m_custom; }

    //! Asks for a new template; on OK adds it to the custom store (saved to
    //! "Custom.qlt", flag set) and to the list in its sorted place, and returns
    //! that place. Cancel changes nothing.
    std::optional<std::size_t> add();

    //! Puts a list entry where the user works: the IF command field while the
    //! "Variables and IF" page is in front, else the editor at the caret.
    void insert(std::size_t index, IfPage& page, ports::EditorView& editor) const;

    //! Drops empty and one-space entries from the custom store (saving it) and
    //! from the list, as the dialog closes.
    void close();

private:
    void removeFromBoth(std::string_view entry);

    ports::SettingsStore& m_store;
    ports::FileSystem& m_files;
    ports::Prompter& m_prompter;
    std::vector<std::string> m_custom;
    std::vector<std::string> m_list;
    std::string m_lastEntered;
};

} // namespace core::aids
