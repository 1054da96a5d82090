#pragma once
// The documents behind the tabs that are not current. Each is kept whole as
// data — caption, name, caret and text — so no line of a document can be taken
// for a separator. The text is held as one string (CR LF after every line),
// which keeps a parked document at about its file size in memory.
#include "core/text/encoding.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace core::documents {

struct ParkedDocument {
    std::string caption;  //!< the tab caption when parked: display name, "*" when modified
    std::string name;     //!< the document's name (suffix included)
    std::string filePath; //!< the file it is written to (no suffix)
    std::size_t caret = 0;
    bool modified = false;
    text::Encoding encoding = text::Encoding::Windows1252; //!< what Save writes
    bool consoleNoted = false; //!< the console note was shown for this document
    std::string text;     //!< the lines, CR LF after each; empty when the editor keeps the document
    std::size_t id = 0;   //!< the document's number while it is open
    bool kept = false;    //!< the editor keeps it whole, undo history included
    bool savePointInHistory = false; //!< an undo can bring back the saved text

    //! Parks lines (no line holds a line break) as one text.
    void setLines(const std::vector<std::string>& lines);
    std::vector<std::string> lines() const;
};

class ParkedDocuments {
public:
    //! Adds a document after the others.
    void park(ParkedDocument document);
    //! The first document parked under caption. An exact match wins; otherwise
    //! letter case is ignored and the first one parked is taken.
    std::optional<std::size_t> find(std::string_view caption) const;
    //! Removes and returns the document at index.
    ParkedDocument take(std::size_t index);
    std::size_t size() const { return m_documents.size(); }
    const ParkedDocument& at(std::size_t index) const { return m_documents.at(index); }
    //! Bytes held for the parked documents' names, captions and texts.
    std::size_t bytes() const;

private:
    std::vector<ParkedDocument> m_documents;
};

} // namespace core::documents
