#include "core/info/update_notice.h"

#include "core/text/codepage.h"
#include "core/text/lines.h"

namespace core::info {
namespace {

//! Length of the UTF-8 sequence a lead byte starts; 0 for a byte that cannot lead.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Overlong forms and surrogates are rare enough in a notice that checking lead
// and continuation bytes tells UTF-8 from Windows-1252 text reliably.
bool isUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto length = sequenceLength(static_cast<unsigned char>(bytes[i]));
        if (length == 0 || i + length > bytes.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

std::string_view bodyOf(std::string_view raw) {
    for (std::size_t start = 0; start < raw.size();) {
        const auto end = raw.find('\n', start);
        if (end == std::string_view::npos) break;
        const auto line = raw.substr(start, end - start);
        if (line.empty() || line == "\r") return raw.substr(end + 1);
        start = end + 1;
    }
    return raw;
}

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

UpdateNotice readNotice(std::string_view rawMessage) {
    const auto body = bodyOf(rawMessage);
    const bool utf8 = isUtf8(body);
    UpdateNotice notice;
    for (auto& line : text::splitLines(body)) notice.lines.push_back(utf8 ? std::move(line) : text::toUtf8(line));
    if (!notice.lines.empty()) {
        notice.version = std::string(trimBlanks(notice.lines.front()));
        notice.lines.erase(notice.lines.begin());
    }
    return notice;
}

} // namespace core::info
