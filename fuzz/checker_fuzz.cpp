// Arbitrary bytes as a document for the syntax checker. The first byte picks
// how the messages are answered (OK, Ignore, now and then Abort); the rest is
// the document. Each input is checked twice with the same lists, as a user
// checks again after answering, and the results must stay in bounds: every
// span on its line, every message on a line of the document, in order.
// The regression corpus in fuzz/corpus/checker is replayed by the core tests.
#include "core/checker/answer_ok_prompter.h"
#include "core/checker/syntax_checker.h"
#include "core/text/lines.h"
#include "bounded_colours.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace {

class FuzzPrompter : public core::checker::AnswerOkPrompter {
public:
    explicit FuzzPrompter(std::uint8_t pattern) : m_pattern(pattern) {}
    core::ports::Answer message(core::ports::MessageKind, core::ports::Buttons buttons, const std::string&) override {
        using core::ports::Answer;
        const unsigned turn = (m_pattern >> (m_count++ % 8)) & 1u;
        if (buttons == core::ports::Buttons::OkIgnoreAbort && turn) return Answer::Ignore;
        if (buttons != core::ports::Buttons::Ok && m_count == m_pattern) return Answer::Abort;
        return Answer::Ok;
    }

private:
    std::uint8_t m_pattern;
    unsigned m_count = 0;
};

void checkBounds(const core::checker::CheckResult& result, std::size_t lineCount) {
    std::size_t previous = 1;
    for (const auto& finding : result.findings) {
        if (finding.line < previous || finding.line > lineCount || finding.text.empty()) __builtin_trap();
        previous = finding.line;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const auto lines = core::text::splitLines(bytes);
    core::documents::PickLists lists;
    std::vector<std::string> ignored;
    for (int pass = 0; pass < 2; ++pass) {
        FuzzPrompter prompter(data[0]);
        fuzz::BoundedColours colours(lines);
        checkBounds(core::checker::checkSyntax(lines, {prompter, colours, lists, ignored}), lines.size());
    }
    return 0;
}
