#pragma once
// The help as the help window uses it: the index, every page's plain text
// for searching, and the place of each page on disk.
#include "core/info/help_topics.h"
#include "core/ports/file_system.h"

#include <string>
#include <string_view>
#include <vector>

namespace core::info {

//! The folder of the help below the program folder.
inline constexpr std::string_view HELP_FOLDER = "help";
inline constexpr std::string_view HELP_INDEX = "index.txt";

//! The words of an HTML page as a reader sees them: tags, comments and the
//! contents of <head>, <script> and <style> left out, the common entities
//! decoded, runs of white space made one blank.
std::string plainText(std::string_view html);

class HelpLibrary {
public:
    //! Reads "help/index.txt" and every page it names from `programFolder`
    //! (which ends in a separator). Pages that cannot be read stay in the
    //! contents and are described in problems().
    HelpLibrary(ports::FileSystem& files, const std::string& programFolder);

    const HelpIndex& index() const { return m_index; }
    //! The help folder, ending in a separator.
    const std::string& folder() const { return m_folder; }
    //! Full path of a page of the help folder.
    std::string pathOf(std::string_view page) const;
    //! Whether the index could be read at all.
    bool loaded() const { return m_loaded; }
    const std::vector<std::string>& problems() const { return m_problems; }

    //! Positions in index().topics() of the topics whose title or text holds
    //! every word of the query, letter case ignored, in contents order, topics
    //! with a title match first. An empty query finds nothing.
    std::vector<std::size_t> search(std::string_view query) const;

private:
    std::string m_folder;
    HelpIndex m_index;
    std::vector<std::string> m_texts; //!< lower-case title and plain text, one per topic
    std::vector<std::string> m_problems;
    bool m_loaded = false;
};

} // namespace core::info
