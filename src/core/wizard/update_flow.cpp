#include "core/wizard/update_flow.h"

#include "core/wizard/section_table.h"

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

} // namespace

bool runUpdate(WizardPages& pages, UpdateList& list, const std::string& targetName, UpdateServices services) {
    if (!makeTargetCurrent(services.documents, targetName)) return false;
    if (services.progress) services.progress->start(list.size());
    walk(pages, list, services);
    if (services.progress) services.progress->finish();
    return true;
}

} // namespace core::wizard
