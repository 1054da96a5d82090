// `qlt check` running out of memory on one file: that file is named with the
// reason, the others are checked, the report stays whole and the status is 2.
// Allocation failure is made here: while armed, every allocation of at least
// a given size fails, as it would under an address-space limit.
#include "cli/check/check_command.h"
#include "support/temp_dir.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <sstream>

namespace {

std::atomic<std::size_t> g_failFrom{0}; // 0: nothing fails

class FailLargeAllocations {
public:
    explicit FailLargeAllocations(std::size_t from) { g_failFrom = from; }
    ~FailLargeAllocations() { g_failFrom = 0; }
    FailLargeAllocations(const FailLargeAllocations&) = delete;
    FailLargeAllocations& operator=(const FailLargeAllocations&) = delete;
};

} // namespace

// The replacements below pair malloc with free on purpose; GCC, seeing the
// replaced new and delete inlined, takes that for a mismatch.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t size) {
    const std::size_t from = g_failFrom.load(std::memory_order_relaxed);
    if (from != 0 && size >= from) throw std::bad_alloc();
    if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
// std::stable_sort and friends take their buffers through the nothrow form;
// it must come from the same heap as the delete above.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return operator new(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }

namespace {

struct Checked {
    int status;
    std::string out;
    std::string err;
};

Checked check(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const FailLargeAllocations limit(std::size_t{2} << 20);
    const int status = cli::runCheck(args, out, err);
    return {status, out.str(), err.str()};
}

TEST(CheckMemory, AFileTooBigForMemoryIsNamedAndTheOthersAreChecked) {
    testing_support::TempDir dir;
    // Parts of 4096 lines go to several threads; the third holds a line of 4 MB.
    std::string huge;
    for (int i = 0; i < 9000; ++i) huge += "ECHO x\r\n";
    const auto big = dir.write("huge.bat", huge + std::string(std::size_t{4} << 20, '\0') + "\r\nFROB\r\n");
    const auto menu = dir.write("menu.bat", "FROB\r\n");
    const std::string why = "qlt: " + big + ": not enough memory to check it\n";

    const auto both = check({"--format", "json", big, menu});
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.err, why);
    const auto report = nlohmann::json::parse(both.out);
    ASSERT_EQ(report["files"].size(), 1u) << both.out;
    EXPECT_EQ(report["files"][0]["path"], menu);
    EXPECT_EQ(report["files"][0]["messages"].size(), 1u);

    const auto alone = check({big, menu});
    EXPECT_EQ(alone.status, 2);
    EXPECT_EQ(alone.err, why);
    EXPECT_EQ(alone.out.rfind(menu + ":1:1:", 0), 0u) << alone.out;

    const auto single = check({"--format", "json", big});
    EXPECT_EQ(single.status, 2);
    EXPECT_EQ(single.err, why);
    EXPECT_EQ(single.out, "{\"files\":[]}\n");
}

} // namespace
