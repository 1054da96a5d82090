// Arbitrary bytes as a document for the Windows command interpreter rules.
// Every colour span and every finding must lie on a line of the document,
// findings in line order, and the automatic choice must not fail either.
// The regression corpus in fuzz/corpus/cmdcheck is replayed by the core tests.
#include "core/cmdcheck/cmd_checker.h"
#include "core/cmdcheck/detection.h"
#include "core/text/lines.h"
#include "bounded_colours.h"
#include "fuzz_targets.h"

#include <string_view>

int fuzz::cmdInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = core::text::splitLines(bytes);
    BoundedColours colours(lines);
    core::documents::PickLists lists;
    const auto result = core::cmdcheck::lintCmd(lines, colours, lists, {"ECHP"});
    std::size_t previous = 1;
    for (const auto& f : result.findings) {
        if (f.line < previous || f.line > std::max<std::size_t>(lines.size(), 1) || f.text.empty() || f.column == 0)
            fail();
        if (f.line <= lines.size() && f.column - 1 + f.length > lines[f.line - 1].size() + 1) fail();
        previous = f.line;
    }
    (void)core::cmdcheck::usesCmdFeatures(lines);
    return 0;
}
