// The help that ships with the program: every context number the window,
// the wizard and the dialogs use opens a real page, and the pages hang
// together (no page missing from the contents, no link or picture to nowhere).
#include "core/checker/messages.h"
#include "core/info/help_controls.h"
#include "core/info/help_library.h"
#include "core/info/help_topics.h"
#include "core/text/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

namespace {

namespace fs = std::filesystem;
using core::info::HelpIndex;

const fs::path RESOURCES = QUILLET_RESOURCES_DIR;
const fs::path HELP = RESOURCES / "help";

std::string read(const fs::path& path) { return core::text::readFile(path.string()).bytes; }

bool hasAnchor(const std::string& html, const std::string& anchor) {
    return html.find("id=\"" + anchor + "\"") != std::string::npos ||
           html.find("name=\"" + anchor + "\"") != std::string::npos;
}

HelpIndex shippedIndex() {
    std::vector<std::string> problems;
    auto index = HelpIndex::parse(read(HELP / "index.txt"), &problems);
    EXPECT_EQ(problems, std::vector<std::string>{});
    return index;
}

// Every number the program opens help with: the Help menu, the Welcome page,
// the layouts, the wizard's pages, groups and dialogs, the editor's dialogs
// and the update-information window.
std::vector<int> contextsInUse() {
    std::vector<int> numbers{990, 991, 992, 999, 1000, 1015, 2999, 3250, 3251, 3252, 3500, 3750, 3751, 520,
                             525, 530, 532, 100, 101, 690, 1500, 1501, 3230, 9030, 9031};
    const std::pair<int, int> ranges[] = {{3000, 3004}, {230, 233}, {9000, 9003}, {9010, 9013}, {9020, 9022}, {5000, 5009}};
    for (const auto& [first, last] : ranges)
        for (int n = first; n <= last; ++n) numbers.push_back(n);
    return numbers;
}

TEST(ShippedHelp, EveryContextNumberInUseOpensAPageAtAnAnchorThatExists) {
    const auto index = shippedIndex();
    for (const int context : contextsInUse()) {
        const auto target = index.target(context);
        ASSERT_TRUE(target) << context;
        const auto page = read(HELP / target->page);
        EXPECT_FALSE(page.empty()) << context << " " << target->page;
        if (!target->anchor.empty()) {
            EXPECT_TRUE(hasAnchor(page, target->anchor)) << context << " #" << target->anchor;
        }
    }
}

// F1 on a page, dialog or area opens its own topic; only the Welcome page opens the Welcome page's.
TEST(ShippedHelp, EveryControlsTopicIsAPageOtherThanWelcome) {
    const auto index = shippedIndex();
    for (const auto& [control, context] : core::info::help::controlTopics()) {
        const auto target = index.target(context);
        ASSERT_TRUE(target) << control;
        EXPECT_EQ(target->page == "welcome.html", control == "TabSheet5") << control;
    }
}

TEST(ShippedHelp, ContentsListEveryPageOnceUnderItsOwnTitle) {
    const auto index = shippedIndex();
    std::set<std::string> listed;
    for (const auto& topic : index.topics()) {
        listed.insert(topic.page);
        const auto page = read(HELP / topic.page);
        EXPECT_NE(page.find("<title>" + topic.title + "</title>"), std::string::npos) << topic.page;
    }
    for (const auto& entry : fs::directory_iterator(HELP)) {
        if (entry.path().extension() == ".html") {
            EXPECT_TRUE(listed.contains(entry.path().filename().string())) << entry.path();
        }
    }
}

TEST(ShippedHelp, LinksAndPicturesLeadSomewhere) {
    const std::regex reference(R"((href|src)="([^"]*)\")");
    std::vector<fs::path> pages{RESOURCES / "Examples" / "Tutorials.html"};
    for (const auto& entry : fs::directory_iterator(HELP))
        if (entry.path().extension() == ".html") pages.push_back(entry.path());
    for (const auto& page : pages) {
        const auto html = read(page);
        for (std::sregex_iterator it(html.begin(), html.end(), reference), end; it != end; ++it) {
            const std::string link = (*it)[2];
            if (link.starts_with("http") || link.starts_with("mailto:")) continue;
            const auto hash = link.find('#');
            const auto file = link.substr(0, hash);
            const auto target = file.empty() ? page : page.parent_path() / file;
            EXPECT_TRUE(fs::exists(target)) << page.filename() << " -> " << link;
            if (hash != std::string::npos && fs::exists(target)) {
                EXPECT_TRUE(hasAnchor(read(target), link.substr(hash + 1))) << page.filename() << " -> " << link;
            }
        }
    }
}

TEST(ShippedHelp, EveryCheckerMessageIsExplained) {
    const auto page = core::info::plainText(read(HELP / "checker-messages.html"));
    for (int id = 0; id <= static_cast<int>(core::checker::MessageId::Complete); ++id) {
        const auto text = std::string(core::checker::messageDef(static_cast<core::checker::MessageId>(id)).text);
        // The page quotes each message with its placeholders as words.
        for (std::size_t from = 0; from < text.size();) {
            const auto brace = std::min(text.find('{', from), text.size());
            const auto part = text.substr(from, brace - from);
            EXPECT_NE(page.find(part), std::string::npos) << "message " << id << ": " << part;
            from = brace == text.size() ? brace : text.find('}', brace) + 1;
        }
    }
}

} // namespace
