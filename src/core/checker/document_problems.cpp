#include "core/checker/document_problems.h"

#include <algorithm>

namespace core::checker {

void DocumentProblems::keepOnly(const std::vector<std::size_t>& openDocuments) {
    std::erase_if(m_lists, [&](const auto& entry) {
        return std::find(openDocuments.begin(), openDocuments.end(), entry.first) == openDocuments.end();
    });
}

} // namespace core::checker
