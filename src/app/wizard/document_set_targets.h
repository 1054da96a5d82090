#pragma once
// The window's open documents as the update flow sees them: the document set
// names the documents and switches between them, the editor holds the
// current one's text.
#include "core/documents/document_set.h"
#include "core/wizard/document_targets.h"

namespace app::wizard {

class DocumentSetTargets : public core::wizard::DocumentTargets {
public:
    DocumentSetTargets(core::documents::DocumentSet& documents, core::ports::EditorView& editor)
        : m_documents(documents), m_editor(editor) {}

    std::vector<std::string> openDocumentNames() const override { return m_documents.listOpenDocuments(); }
    std::vector<std::string> tabCaptions() const override { return m_documents.tabCaptions(); }
    std::string currentDocumentName() const override { return m_documents.currentDocumentName(); }
    //! Switching to a document selects its tab as well.
    void selectTab(std::size_t) override {}
    bool switchToDocument(const std::string& caption, bool keepCurrent) override {
        return m_documents.switchToDocument(caption, keepCurrent);
    }
    core::ports::EditorView& currentView() override { return m_editor; }

private:
    core::documents::DocumentSet& m_documents;
    core::ports::EditorView& m_editor;
};

} // namespace app::wizard
