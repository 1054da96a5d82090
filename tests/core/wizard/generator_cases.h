#pragma once
// Table tests of a page's generator: each case changes the page's start values
// and expects the whole outcome, the appended lines and the messages shown.
#include "generator_harness.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace wizard_testing {

//! Lines appended to an empty document, then the messages shown.
using GeneratorOutcome = std::pair<Lines, Lines>;

template <typename Page> using Generator = void (*)(const Page&, core::wizard::GeneratorContext&);

template <typename Page> GeneratorOutcome runOn(GeneratorHarness& harness, const Page& page, Generator<Page> generate) {
    generate(page, harness.context);
    return {harness.document.lines(), harness.prompter.texts()};
}

template <typename Page> struct GeneratorCase {
    const char* what;
    std::function<void(Page&)> set;
    GeneratorOutcome expected;
};

template <typename Page> void expectCases(Generator<Page> generate, const std::vector<GeneratorCase<Page>>& cases) {
    for (const auto& c : cases) {
        GeneratorHarness harness;
        Page page;
        c.set(page);
        EXPECT_EQ(runOn(harness, page, generate), c.expected) << c.what;
    }
}

} // namespace wizard_testing
