#include "cli/lsp/frame_reader.h"

#include <algorithm>
#include <charconv>

namespace cli::lsp {
namespace {

constexpr std::string_view HEADER_END = "\r\n\r\n";
constexpr std::string_view LENGTH_FIELD = "content-length:";

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
        if (c != prefix[i]) return false;
    }
    return true;
}

// The Content-Length of a header block; nothing when it is missing or not a number.
std::optional<std::size_t> contentLength(std::string_view header) {
    while (!header.empty()) {
        const std::size_t end = std::min(header.find("\r\n"), header.size());
        std::string_view field = header.substr(0, end);
        header.remove_prefix(std::min(end + 2, header.size()));
        if (!startsWithIgnoringCase(field, LENGTH_FIELD)) continue;
        field.remove_prefix(LENGTH_FIELD.size());
        while (!field.empty() && (field.front() == ' ' || field.front() == '\t')) field.remove_prefix(1);
        while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.remove_suffix(1);
        std::size_t value = 0;
        const auto [ptr, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
        if (ec != std::errc() || ptr != field.data() + field.size() || field.empty()) return std::nullopt;
        return value;
    }
    return std::nullopt;
}

} // namespace

void FrameReader::feed(std::string_view bytes) {
    const std::size_t dropped = std::min(m_skip, bytes.size());
    m_skip -= dropped;
    m_buffer.append(bytes.substr(dropped));
}

void FrameReader::consume(std::size_t n) {
    m_start += n;
    // Compact once the read part outweighs the rest, so the buffer stays small
    // however long the session runs.
    if (m_start >= m_buffer.size() / 2) {
        m_buffer.erase(0, m_start);
        m_start = 0;
    }
}

std::optional<Frame> FrameReader::readHeader() {
    const std::string_view unread = std::string_view(m_buffer).substr(m_start);
    const std::size_t end = unread.find(HEADER_END);
    if (end == std::string_view::npos) {
        if (unread.size() <= MAX_HEADER) return std::nullopt;
        consume(unread.size());
        return Frame{{}, "header too long"};
    }
    const auto length = contentLength(unread.substr(0, end));
    consume(end + HEADER_END.size());
    if (!length) return Frame{{}, "header without a valid Content-Length"};
    if (*length > MAX_BODY) {
        const std::size_t here = std::min(*length, m_buffer.size() - m_start);
        consume(here);
        m_skip = *length - here;
        return Frame{{}, "a message of " + std::to_string(*length) + " bytes is larger than the limit of " +
                             std::to_string(MAX_BODY >> 20) + " MiB; it was skipped"};
    }
    m_length = length;
    return std::nullopt;
}

std::optional<Frame> FrameReader::next() {
    if (!m_length) {
        if (auto dropped = readHeader()) return dropped;
        if (!m_length) return std::nullopt;
    }
    if (m_buffer.size() - m_start < *m_length) return std::nullopt;
    Frame frame{m_buffer.substr(m_start, *m_length), {}};
    consume(*m_length);
    m_length.reset();
    return frame;
}

std::string frame(std::string_view body) {
    std::string out = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    out += body;
    return out;
}

} // namespace cli::lsp
