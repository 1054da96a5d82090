#pragma once
// The one open document of `qlt generate`, kept in memory.
#include "core/documents/memory_editor_view.h"
#include "core/wizard/document_targets.h"

#include <string>
#include <vector>

namespace cli {

class SingleDocument : public core::wizard::DocumentTargets {
public:
    SingleDocument(std::string name, std::vector<std::string> lines) : m_name(std::move(name)), m_view(std::move(lines)) {}

    std::vector<std::string> openDocumentNames() const override { return {m_name}; }
    std::vector<std::string> tabCaptions() const override { return {core::wizard::displayNameOf(m_name)}; }
    std::string currentDocumentName() const override { return m_name; }
    void selectTab(std::size_t) override {}
    //! The only document is always the current one.
    bool switchToDocument(const std::string&, bool) override { return true; }
    core::ports::EditorView& currentView() override { return m_view; }
    const core::documents::MemoryEditorView& view() const { return m_view; }

private:
    std::string m_name;
    core::documents::MemoryEditorView m_view;
};

} // namespace cli
