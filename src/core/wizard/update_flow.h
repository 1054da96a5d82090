#pragma once
// "Update Batch File" after the dialog: make the target current, then walk the
// update list and generate one section per included entry.
#include "core/documents/pick_lists.h"
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"
#include "core/wizard/document_targets.h"
#include "core/wizard/generator_context.h"
#include "core/wizard/update_list.h"
#include "core/wizard/wizard_pages.h"

#include <cstddef>
#include <string>

namespace core::wizard {

//! The progress indicator at the foot of the Easy page; the window draws it.
class UpdateProgress {
public:
    virtual ~UpdateProgress() = default;
    //! Shown at position 0 with its label.
    virtual void start(std::size_t maximum) = 0;
    virtual void setMaximum(std::size_t maximum) = 0;
    virtual void advance() = 0;
    //! Label and indicator hidden again.
    virtual void finish() = 0;
};

//! The services a run of generators talks to.
struct UpdateServices {
    DocumentTargets& documents;
    ports::Prompter& prompter;
    ports::FileSystem& files;
    documents::PickLists& lists;
    UpdateProgress* progress = nullptr; //!< optional
};

//! Runs one section's generator against the current document. Codes outside
//! 1..31, 19, 22 and sections not built do nothing.
void generateSection(int code, WizardPages& pages, GeneratorContext& context);

//! The section generator of one code, as the dispatch table holds it.
using SectionGenerator = void (*)(int code, WizardPages& pages, GeneratorContext& context);

//! Makes the target current and walks the list: included entries are
//! generated in order; excluded ones turn their switch off and leave the list.
//! False when the target could not be made current (nothing generated, nothing
//! changed). Every included section is checked first: when one is incomplete,
//! one warning names each such section with its reasons, and nothing is
//! written or changed.
bool runUpdate(WizardPages& pages, UpdateList& list, const std::string& targetName, UpdateServices services);

} // namespace core::wizard
