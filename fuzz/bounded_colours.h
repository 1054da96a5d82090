#pragma once
// A colour sink for fuzzing the checkers: every span must lie on a line of the
// document, with a length, inside the line.
#include "core/checker/colour_sink.h"
#include "fuzz_targets.h"

#include <string>
#include <vector>

namespace fuzz {

class BoundedColours : public core::checker::ColourSink {
public:
    explicit BoundedColours(const std::vector<std::string>& lines) : m_lines(lines) {}
    void resetColours() override {}
    void colourSpan(const core::ports::ColourSpan& span) override {
        if (span.line >= m_lines.size() || span.length == 0 || span.column + span.length > m_lines[span.line].size())
            fail();
    }

private:
    const std::vector<std::string>& m_lines;
};

} // namespace fuzz
