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

// The shortest edit script between the two line lists (Myers' greedy
// algorithm), as one operation per line.
std::vector<Op> editScript(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b) {
    const auto n = static_cast<std::ptrdiff_t>(a.size());
    const auto m = static_cast<std::ptrdiff_t>(b.size());
    const std::ptrdiff_t offset = n + m + 1;
    std::vector<std::ptrdiff_t> v(static_cast<std::size_t>(2 * offset + 1), 0);
    std::vector<std::vector<std::ptrdiff_t>> trace;
    const auto at = [&](std::ptrdiff_t k) -> std::ptrdiff_t& { return v[static_cast<std::size_t>(k + offset)]; };
    for (std::ptrdiff_t d = 0; d <= n + m; ++d) {
        // Only the diagonals the step can reach are kept, so memory grows with the changes, not the file.
        trace.emplace_back(v.begin() + (offset - d), v.begin() + (offset + d + 1));
        for (std::ptrdiff_t k = -d; k <= d; k += 2) {
            std::ptrdiff_t x = (k == -d || (k != d && at(k - 1) < at(k + 1))) ? at(k + 1) : at(k - 1) + 1;
            std::ptrdiff_t y = x - k;
            while (x < n && y < m && a[static_cast<std::size_t>(x)] == b[static_cast<std::size_t>(y)]) ++x, ++y;
            at(k) = x;
            if (x >= n && y >= m) {
                // Walk the trace back from the end to the start.
                std::vector<Op> ops;
                std::ptrdiff_t cx = n;
                std::ptrdiff_t cy = m;
                for (std::ptrdiff_t back = d; back > 0; --back) {
                    const auto& pv = trace[static_cast<std::size_t>(back)];
                    const auto prev = [&](std::ptrdiff_t kk) { return pv[static_cast<std::size_t>(kk + back)]; };
                    const std::ptrdiff_t ck = cx - cy;
                    const bool down = ck == -back || (ck != back && prev(ck - 1) < prev(ck + 1));
                    const std::ptrdiff_t pk = down ? ck + 1 : ck - 1;
                    const std::ptrdiff_t px = prev(pk);
                    const std::ptrdiff_t py = px - pk;
                    while (cx > px && cy > py) ops.push_back(Op::Same), --cx, --cy;
                    ops.push_back(down ? Op::Added : Op::Removed);
                    cx = px;
                    cy = py;
                }
                while (cx > 0) ops.push_back(Op::Same), --cx;
                std::reverse(ops.begin(), ops.end());
                return ops;
            }
        }
    }
    return {};
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
            ++i, ++ai, ++bi;
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
            case Op::Same: appendLine(body, ' ', a[static_cast<std::size_t>(x++)]), ++y; break;
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
