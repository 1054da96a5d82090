#pragma once
// What the update flow needs from the open documents: the list to pick the
// target from, the tabs, and a way to make the target current. The window
// implements it over its document set; `qlt generate` over one document.
#include "core/ports/editor_view.h"

#include <cstddef>
#include <string>
#include <vector>

namespace core::wizard {

class DocumentTargets {
public:
    virtual ~DocumentTargets() = default;
    //! Names of all open documents (full paths; "Untitled..." for unsaved ones).
    virtual std::vector<std::string> openDocumentNames() const = 0;
    //! Captions of all tabs in tab order ("*" marks unsaved changes).
    virtual std::vector<std::string> tabCaptions() const = 0;
    virtual std::string currentDocumentName() const = 0;
    //! Selects the tab at this index, before switching to its document.
    virtual void selectTab(std::size_t index) = 0;
    //! Makes the document parked under this caption current, parking the
    //! current one when keepCurrent is set; false when no document has it.
    virtual bool switchToDocument(const std::string& caption, bool keepCurrent) = 0;
    //! The current document's text.
    virtual ports::EditorView& currentView() = 0;
};

//! The target drop-down's entries: the open-document names sorted
//! alphabetically, ignoring letter case.
std::vector<std::string> targetChoices(const DocumentTargets& documents);

//! The entry selected when the dialog opens: the current document's name, else
//! the first entry (0 also for an empty list).
std::size_t initialTargetIndex(const std::vector<std::string>& choices, const std::string& currentName);

//! The tab caption a document name is shown under: an "Untitled" name as it
//! is, any other name's file-name part.
std::string displayNameOf(const std::string& name);

//! Makes the named document current: its tab marked "*" first, then its plain
//! caption; first tab wins. False (nothing changed) when the name is not open,
//! no tab bears it, or the switch fails.
bool makeTargetCurrent(DocumentTargets& documents, const std::string& name);

} // namespace core::wizard
