#pragma once
// The Problems lists of the open documents: each document keeps the findings
// of its own last check, so the list in view always belongs to the document in
// front, whichever was checked last.
#include "core/checker/problem_list.h"

#include <cstddef>
#include <map>
#include <vector>

namespace core::checker {

class DocumentProblems {
public:
    //! The list of a document: empty until it is checked.
    ProblemList& of(std::size_t document) { return m_lists[document]; }
    //! True once the document has been checked.
    bool checked(std::size_t document) const { return m_lists.contains(document); }
    //! Drops the lists of documents that are no longer open.
    void keepOnly(const std::vector<std::size_t>& openDocuments);

private:
    std::map<std::size_t, ProblemList> m_lists;
};

} // namespace core::checker
