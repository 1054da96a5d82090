#include "core/info/notice_file.h"

#include "core/info/update_texts.h"
#include "core/text/codepage.h"
#include "core/text/lines.h"

namespace core::info {

std::optional<std::string> saveNotice(ports::FileSystem& files, ports::Prompter& prompter,
                                      const std::vector<std::string>& lines) {
    const auto utf8 = text::joinLines(lines);
    const auto converted = text::fromUtf8(utf8);
    const auto path = files.dataFolder() + std::string(texts::NOTICE_FILE);
    const auto result = files.writeFileAtomically(path, converted.ok ? converted.bytes : utf8);
    if (!result.ok) {
        prompter.message(ports::MessageKind::Error, ports::Buttons::Ok, texts::saveFailed(path, result.error));
        return std::nullopt;
    }
    return path;
}

} // namespace core::info
