#include "core/wizard/update_flow.h"

#include "core/wizard/section_table.h"
#include "core/wizard/wizard_texts.h"

namespace core::wizard {
namespace {

// The walk of the update list once the target is current.
void walk(WizardPages& pages, UpdateList& list, UpdateServices& services) {
    GeneratorContext context{services.documents.currentView(), services.prompter, services.files, services.lists};
    std::size_t index = 0;
    while (index < list.size()) {
        const auto& entry = list.at(index);
        if (entry.included) {
            context.entryPosition = static_cast<int>(index);
            generateSection(entry.code, pages, context);
            if (services.progress) services.progress->advance();
            ++index;
            continue;
        }
        // An entry left out is no longer pending: its switch goes off.
        if (const auto* row = findSection(entry.text))
            if (bool* on = findSwitch(pages, row->switchName)) *on = false;
        list.remove(index);
        if (services.progress) services.progress->setMaximum(list.size());
    }
}

// Every included entry's warnings, from a run that writes nothing: one
// paragraph per incomplete section, naming it. Empty when all are complete.
std::string incompleteSections(WizardPages& pages, const UpdateList& list, UpdateServices& services) {
    documents::PickLists scratch = services.lists; // the SET section adds names; keep the real list as it is
    std::vector<std::string> warnings;
    GeneratorContext context{services.documents.currentView(), services.prompter, services.files, scratch};
    context.checkOnly = &warnings;
    std::string report;
    int position = 0;
    for (std::size_t index = 0; index < list.size(); ++index) {
        const auto& entry = list.at(index);
        if (!entry.included) continue;
        warnings.clear();
        context.entryPosition = position++;
        generateSection(entry.code, pages, context);
        if (warnings.empty()) continue;
        report += "\n\n\"" + entry.text + "\":";
        for (const auto& warning : warnings) report += "\n" + warning;
    }
    return report;
}

} // namespace

bool runUpdate(WizardPages& pages, UpdateList& list, const std::string& targetName, UpdateServices services) {
    if (!makeTargetCurrent(services.documents, targetName)) return false;
    // A section that cannot be written stops the whole update before any line is written.
    if (const auto report = incompleteSections(pages, list, services); !report.empty()) {
        services.prompter.message(ports::MessageKind::Warning, ports::Buttons::Ok,
                                  std::string(texts::UPDATE_REFUSED) + report);
        return true;
    }
    if (services.progress) services.progress->start(list.size());
    walk(pages, list, services);
    if (services.progress) services.progress->finish();
    return true;
}

} // namespace core::wizard
