// A `qlt generate` plan as anyone may write it. A plan is either refused with
// a reason or run; running it only appends lines to the document, and the
// questions it asks are answered from the plan.
#include "fuzz_ports.h"
#include "fuzz_targets.h"

#include "cli/generate/plan.h"
#include "cli/generate/plan_prompter.h"
#include "cli/generate/single_document.h"
#include "core/wizard/update_flow.h"

#include <algorithm>
#include <string>

namespace fuzz {

int planInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const auto plan = cli::parsePlan(text);
        core::wizard::WizardPages pages;
        cli::applyFields(plan.fields, pages);
        auto list = core::wizard::UpdateList::fromPages(pages);
        cli::applyDialogChoices(plan, list);
        const std::vector<std::string> before = plan.document.value_or(std::vector<std::string>{"@ECHO OFF", ":START"});
        cli::SingleDocument document("Untitled.bat", before);
        cli::PlanPrompter prompter(plan.answers);
        MemoryFiles files;
        core::documents::PickLists lists;
        if (!core::wizard::runUpdate(pages, list, "Untitled.bat", {document, prompter, files, lists})) fail();
        const auto after = document.view().lines();
        if (after.size() < before.size() || !std::equal(before.begin(), before.end(), after.begin())) fail();
        for (std::size_t i = before.size(); i < after.size(); ++i)
            if (after[i].find_first_of("\r\n") != std::string::npos) fail();
    } catch (const cli::PlanError&) {
        // refused, with a reason for the user
    }
    return 0;
}

} // namespace fuzz
