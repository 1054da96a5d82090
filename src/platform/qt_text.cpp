#include "platform/qt_text.h"

#include "core/text/codepage.h"

namespace platform {

QString fromCp1252(std::string_view bytes) {
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    for (char c : bytes) out.append(QChar(static_cast<char16_t>(core::text::unicodeOf(static_cast<unsigned char>(c)))));
    return out;
}

std::string toCp1252(const QString& text) {
    std::string out;
    out.reserve(static_cast<std::size_t>(text.size()));
    for (QChar ch : text) {
        if (auto byte = core::text::byteOf(ch.unicode())) out += static_cast<char>(*byte);
    }
    return out;
}

QString plainToolTip(const QString& text) {
    return QStringLiteral("<p style=\"white-space:pre\">") + text.toHtmlEscaped() + QStringLiteral("</p>");
}

} // namespace platform
