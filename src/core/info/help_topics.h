#pragma once
// The help's table of contents and the context numbers each topic answers,
// read from the index file that ships beside the pages ("help/index.txt").
//
// Index format, one entry a line:
//   # comment
//   = Book title                         starts a book of the contents
//   page.html | Topic title | 999 3001#list
// The numbers are the context numbers that open the topic; "#name" after a
// number opens the page at that anchor instead of at its top.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::info {

struct HelpTopic {
    std::string page;  //!< file name inside the help folder
    std::string title;
    std::size_t book = 0; //!< index into HelpIndex::books()
};

//! Where a context number leads: a page and, optionally, an anchor on it.
struct HelpTarget {
    std::string page;
    std::string anchor;
    bool operator==(const HelpTarget&) const = default;
};

class HelpIndex {
public:
    //! Reads the index text. Lines that cannot be read are left out and
    //! described in `problems` ("line 7: ..."), so a damaged index still
    //! gives the topics it can.
    static HelpIndex parse(std::string_view text, std::vector<std::string>* problems = nullptr);

    const std::vector<std::string>& books() const { return m_books; }
    const std::vector<HelpTopic>& topics() const { return m_topics; }
    //! The target of a context number; nothing for a number no topic answers.
    std::optional<HelpTarget> target(int context) const;
    //! Every context number of the index, in index order.
    std::vector<int> contexts() const;
    //! The position of a page's topic in topics(); nothing for an unknown page.
    std::optional<std::size_t> topicOf(std::string_view page) const;

private:
    struct Entry {
        int context;
        HelpTarget target;
    };
    bool addLine(std::string_view line, std::string& problem);

    std::vector<std::string> m_books;
    std::vector<HelpTopic> m_topics;
    std::vector<Entry> m_entries;
};

} // namespace core::info
