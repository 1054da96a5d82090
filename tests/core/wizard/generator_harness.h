#pragma once
// A generator's surroundings for tests: a document in memory, a scripted
// prompter and a file system that knows the short forms of a few paths.
#include "core/documents/memory_editor_view.h"
#include "core/documents/pick_lists.h"
#include "core/wizard/generator_context.h"
#include "support/mapped_file_system.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace wizard_testing {

//! Paths listed in `shortForms` exist with that short form; every other path
//! gets the conventional alias, as on a machine where it does not exist.
using ShortPathFileSystem = testing_support::MappedFileSystem;

using Lines = std::vector<std::string>;

//! What a generator did: the lines it appended and the messages it showed.
struct Generated {
    Lines lines;
    Lines messages;
    bool operator==(const Generated&) const = default;
};

inline void PrintTo(const Generated& g, std::ostream* os) {
    *os << testing::PrintToString(g.lines) << " then " << testing::PrintToString(g.messages);
}

struct GeneratorHarness {
    core::documents::MemoryEditorView document;
    testing_support::ScriptedPrompter prompter;
    ShortPathFileSystem files{"/nonexistent/"};
    core::documents::PickLists lists;
    core::wizard::GeneratorContext context{document, prompter, files, lists};

    explicit GeneratorHarness(std::vector<std::string> lines = {}) : document(std::move(lines)) {}
    //! The lines appended after the `before` lines the document started with.
    Generated result(std::size_t before = 0) const {
        auto all = document.lines();
        return {{all.begin() + static_cast<std::ptrdiff_t>(before), all.end()}, prompter.texts()};
    }
};

} // namespace wizard_testing
