#pragma once
// Runs one wizard generator against an empty document, a scripted prompter and
// a temporary folder, and reports the whole result: lines and warnings.
#include "core/documents/memory_editor_view.h"
#include "core/documents/pick_lists.h"
#include "core/wizard/generator_context.h"
#include "support/fake_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace testing_support {

using Lines = std::vector<std::string>;

struct GeneratorOutcome {
    Lines lines;
    Lines messages;
    bool operator==(const GeneratorOutcome&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const GeneratorOutcome& outcome) {
    out << "lines:";
    for (const auto& line : outcome.lines) out << " [" << line << "]";
    out << " messages:";
    for (const auto& message : outcome.messages) out << " [" << message << "]";
    return out;
}

struct GeneratorHarness {
    TempDir dir;
    DiskFileSystem files{dir.folder()};
    ScriptedPrompter prompter;
    core::documents::MemoryEditorView document;
    core::documents::PickLists lists;
    core::wizard::GeneratorContext context{document, prompter, files, lists};

    template <typename Page>
    GeneratorOutcome run(const Page& page, void (*generate)(const Page&, core::wizard::GeneratorContext&)) {
        generate(page, context);
        return {document.lines(), prompter.texts()};
    }
};

//! One case of a generator table: a change to the page's start values and the
//! whole expected outcome.
template <typename Page> struct GeneratorCase {
    const char* what;
    std::function<void(Page&)> set;
    GeneratorOutcome expected;
};

template <typename Page>
void expectCases(void (*generate)(const Page&, core::wizard::GeneratorContext&),
                 const std::vector<GeneratorCase<Page>>& cases) {
    for (const auto& c : cases) {
        GeneratorHarness harness;
        Page page;
        c.set(page);
        EXPECT_EQ(harness.run(page, generate), c.expected) << c.what;
    }
}

} // namespace testing_support
