#pragma once
// An editor that can hold several documents at once: the one shown, and those
// put aside whole (text, undo history, modified flag, colours) behind the
// other tabs. An editor without it gets the text of a document back instead.
#include <cstddef>

namespace core::ports {

class DocumentKeeper {
public:
    virtual ~DocumentKeeper() = default;
    //! Puts the shown document aside under `key` and shows an empty one.
    virtual void keepDocument(std::size_t key) = 0;
    //! Shows the document kept under `key` again, as it was; false when none is.
    virtual bool showKeptDocument(std::size_t key) = 0;
};

} // namespace core::ports
