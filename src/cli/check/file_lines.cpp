#include "cli/check/file_lines.h"

#include "cli/check/ordered_work.h"
#include "core/text/lines.h"

#include <algorithm>
#include <new>

namespace cli {
namespace {

// Bytes per stretch of a large file split into lines on several threads.
constexpr std::size_t STRETCH_BYTES = std::size_t{1} << 19;

std::vector<std::string_view> stretchesOf(std::string_view text) {
    std::vector<std::string_view> stretches;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t feed = text.find('\n', std::min(at + STRETCH_BYTES, text.size()) - 1);
        const std::size_t end = feed == std::string_view::npos ? text.size() : feed + 1;
        stretches.push_back(text.substr(at, end - at));
        at = end;
    }
    return stretches;
}

} // namespace

FileLines::FileLines(std::string_view text, std::size_t workers, bool indexed) {
    if (workers > 1 && text.size() >= 2 * STRETCH_BYTES) {
        splitInParts(text, workers, indexed);
        return;
    }
    m_small = core::text::splitLineViews(text);
    m_lines = m_small.data();
    m_count = m_small.size();
}

void FileLines::splitInParts(std::string_view text, std::size_t workers, bool indexed) {
    const std::vector<std::string_view> stretches = stretchesOf(text);
    std::vector<std::size_t> firsts(stretches.size() + 1, 0);
    inOrder(
        stretches.size(), workers, [&](std::size_t i) { return core::text::countLines(stretches[i]); },
        [&](std::size_t i, std::size_t count) { firsts[i + 1] = firsts[i] + count; });
    m_count = firsts.back();
    // Not written before the workers construct the views: a large file's
    // pages are touched once, each by the thread that fills it.
    m_block.reset(static_cast<std::string_view*>(::operator new(std::max<std::size_t>(m_count, 1) * sizeof(std::string_view))));
    m_lines = m_block.get();
    core::cmdcheck::FileIndex index;
    inOrder(
        stretches.size(), workers,
        [&](std::size_t i) {
            core::text::splitLineViewsInto(stretches[i], m_block.get() + firsts[i]);
            return indexed ? core::cmdcheck::indexText(stretches[i], view().subspan(firsts[i], firsts[i + 1] - firsts[i]))
                           : core::cmdcheck::FileIndex{};
        },
        [&](std::size_t, core::cmdcheck::FileIndex&& part) { index.add(part); });
    if (indexed) m_index = std::move(index);
}

const core::cmdcheck::FileIndex& FileLines::index() const {
    if (!m_index) m_index = core::cmdcheck::indexLines(view());
    return *m_index;
}

} // namespace cli
