#include "core/documents/parked_documents.h"

#include "core/documents/document_names.h"
#include "core/text/lines.h"

namespace core::documents {

void ParkedDocument::setLines(const std::vector<std::string>& lines) {
    text = text::joinLines(lines);
    text.shrink_to_fit();
}

std::vector<std::string> ParkedDocument::lines() const { return text::splitLines(text); }

void ParkedDocuments::park(ParkedDocument document) { m_documents.push_back(std::move(document)); }

std::optional<std::size_t> ParkedDocuments::find(std::string_view caption) const {
    for (std::size_t i = 0; i < m_documents.size(); ++i)
        if (m_documents[i].caption == caption) return i;
    for (std::size_t i = 0; i < m_documents.size(); ++i)
        if (captionsMatch(m_documents[i].caption, caption)) return i;
    return std::nullopt;
}

ParkedDocument ParkedDocuments::take(std::size_t index) {
    ParkedDocument document = std::move(m_documents.at(index));
    m_documents.erase(m_documents.begin() + static_cast<std::ptrdiff_t>(index));
    return document;
}

std::size_t ParkedDocuments::bytes() const {
    std::size_t total = m_documents.capacity() * sizeof(ParkedDocument);
    for (const auto& d : m_documents) total += d.caption.capacity() + d.name.capacity() + d.filePath.capacity() + d.text.capacity();
    return total;
}

} // namespace core::documents
