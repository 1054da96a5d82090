#include "platform/qt_prompter.h"

#include <gtest/gtest.h>

namespace {

TEST(QtFileFilter, PairsBecomeQtFilters) {
    struct Case {
        std::string in;
        QString out;
    };
    const Case cases[] = {
        {"Batch Files|*.bat", "Batch Files (*.bat)"},
        {"Batch Files|*.bat|Text Files|*.txt|All Files|*.*|QLT Config Files|*.qlt",
         "Batch Files (*.bat);;Text Files (*.txt);;All Files (*.*);;QLT Config Files (*.qlt)"},
        {"Batch Files (*.bat)|*.bat|All Files (*.*)|*.*", "Batch Files (*.bat);;All Files (*.*)"},
        {"Programs|*.exe;*.com;*.bat", "Programs (*.exe *.com *.bat)"},
        {"", ""},
        {"Dangling description", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::qtFileFilter(c.in), c.out) << c.in;
}

} // namespace
