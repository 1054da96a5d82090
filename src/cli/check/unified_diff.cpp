#include "cli/check/unified_diff.h"

#include <algorithm>
#include <vector>

namespace cli {
namespace {

constexpr std::ptrdiff_t CONTEXT = 3;

// The lines of a text, each with its line feed; the last one may lack it.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t feed = text.find('\n', start);
        const std::size_t end = feed == std::string_view::npos ? text.size() : feed + 1;
        out.push_back(text.substr(start, end - start));
        start = end;
    }
    return out;
}

enum class Op { Same, Removed, Added };

using Index = std::ptrdiff_t;
// For each number of changes d, how far along each diagonal k (in -d..d) the
// furthest path reached, as Myers' greedy algorithm finds them.
using Trace = std::vector<std::vector<Index>>;

Index at(const std::vector<Index>& reach, Index d, Index k) { return reach[static_cast<std::size_t>(k + d)]; }

// Whether the path to diagonal k after d changes came down from k + 1 (an added line).
bool cameDown(const std::vector<Index>& previous, Index d, Index k) {
    return k == -d || (k != d && at(previous, d - 1, k - 1) < at(previous, d - 1, k + 1));
}

Trace forwardTrace(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
    const auto n = static_cast<Index>(a.size());
    const auto m = static_cast<Index>(b.size());
    // Along diagonal k from x, over the lines both have.
    const auto slide = [&](Index x, Index k) {
        for (Index y = x - k; x < n && y < m && a[static_cast<std::size_t>(x)] == b[static_cast<std::size_t>(y)]; ++x, ++y) {}
        return x;
    };
    Trace trace{{slide(0, 0)}};
    bool done = trace.front().front() >= n && trace.front().front() >= m;
    for (Index d = 1; !done; ++d) {
        const std::vector<Index>& previous = trace.back();
        // Only the diagonals a step can reach are kept, so memory grows with the changes, not the file.
        std::vector<Index> reach(static_cast<std::size_t>(2 * d + 1));
        for (Index k = -d; k <= d && !done; k += 2) {
            const Index x = slide(cameDown(previous, d, k) ? at(previous, d - 1, k + 1) : at(previous, d - 1, k - 1) + 1, k);
            reach[static_cast<std::size_t>(k + d)] = x;
            done = x >= n && x - k >= m;
        }
        trace.push_back(std::move(reach));
    }
    return trace;
}

// The shortest edit script between the two line lists, one operation per line.
std::vector<Op> editScript(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
    const Trace trace = forwardTrace(a, b);
    std::vector<Op> ops;
    Index x = static_cast<Index>(a.size());
    Index y = static_cast<Index>(b.size());
    for (auto d = static_cast<Index>(trace.size()) - 1; d > 0; --d) {
        const auto& previous = trace[static_cast<std::size_t>(d - 1)];
        const Index k = x - y;
        const bool down = cameDown(previous, d, k);
        const Index px = at(previous, d - 1, down ? k + 1 : k - 1);
        const Index py = px - (down ? k + 1 : k - 1);
        for (; x > px && y > py; --x, --y) ops.push_back(Op::Same);
        ops.push_back(down ? Op::Added : Op::Removed);
        x = px;
        y = py;
    }
    for (; x > 0; --x) ops.push_back(Op::Same);
    std::reverse(ops.begin(), ops.end());
    return ops;
}

void appendLine(std::string& out, char sign, std::string_view line) {
    out += sign;
    out += line;
    if (!line.ends_with('\n')) out += "\n\\ No newline at end of file\n";
}

std::string range(std::ptrdiff_t start, std::ptrdiff_t count) {
    // An empty range names the line before it.
    return std::to_string(count == 0 ? start : start + 1) + "," + std::to_string(count);
}

} // namespace

std::string unifiedDiff(std::string_view path, std::string_view before, std::string_view after) {
    if (before == after) return {};
    const auto a = linesOf(before);
    const auto b = linesOf(after);
    const auto ops = editScript(a, b);
    const auto total = static_cast<std::ptrdiff_t>(ops.size());
    std::string out = "--- a/" + std::string(path) + "\n+++ b/" + std::string(path) + "\n";
    std::ptrdiff_t i = 0;
    std::ptrdiff_t ai = 0; // line of `before` at ops[i]
    std::ptrdiff_t bi = 0;
    while (i < total) {
        if (ops[static_cast<std::size_t>(i)] == Op::Same) {
            ++i;
            ++ai;
            ++bi;
            continue;
        }
        // A hunk: from CONTEXT lines before this change to CONTEXT lines after
        // the last change that is no more than 2 * CONTEXT lines from the next.
        const std::ptrdiff_t lead = std::min(CONTEXT, std::min(ai, bi));
        std::ptrdiff_t end = i;
        for (std::ptrdiff_t same = 0; end < total && same <= 2 * CONTEXT; ++end)
            same = ops[static_cast<std::size_t>(end)] == Op::Same ? same + 1 : 0;
        while (end > i && ops[static_cast<std::size_t>(end - 1)] == Op::Same) --end;
        const std::ptrdiff_t stop = std::min(total, end + CONTEXT);
        std::string body;
        std::ptrdiff_t x = ai - lead;
        std::ptrdiff_t y = bi - lead;
        const std::ptrdiff_t startA = x;
        const std::ptrdiff_t startB = y;
        for (std::ptrdiff_t j = i - lead; j < stop; ++j) {
            switch (ops[static_cast<std::size_t>(j)]) {
            case Op::Same:
                appendLine(body, ' ', a[static_cast<std::size_t>(x++)]);
                ++y;
                break;
            case Op::Removed: appendLine(body, '-', a[static_cast<std::size_t>(x++)]); break;
            case Op::Added: appendLine(body, '+', b[static_cast<std::size_t>(y++)]); break;
            }
        }
        out += "@@ -" + range(startA, x - startA) + " +" + range(startB, y - startB) + " @@\n" + body;
        i = stop;
        ai = x;
        bi = y;
    }
    return out;
}

} // namespace cli
