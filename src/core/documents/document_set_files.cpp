// The documents' files: reading within what the editor can hold, noticing
// changes other programs make to them, and the save questions at exit.
#include "core/documents/document_set.h"

#include "core/documents/document_names.h"
#include "core/documents/document_texts.h"
#include "core/documents/open_limits.h"
#include "core/text/lines.h"

#include <new>

namespace core::documents {

using ports::Answer;
using ports::Buttons;
using ports::MessageKind;

// A file past the limit is refused before a byte is read, and running out of
// memory while reading or decoding (a file that grew meanwhile) is said too:
// either way nothing has changed yet.
std::optional<DocumentSet::ReadDocument> DocumentSet::readDocument(const std::string& path,
                                                                   std::optional<text::Encoding> encoding) {
    const auto stamp = m_files.stamp(path);
    if (stamp && stamp->size > MAX_OPEN_BYTES) {
        m_prompter.message(MessageKind::Error, Buttons::Ok, tooLargeError(path, sizeText(stamp->size)));
        return std::nullopt;
    }
    try {
        auto read = text::refuseUtf16(m_files.readFile(path));
        if (!read.ok) {
            m_prompter.message(MessageKind::Error, Buttons::Ok, readError(path, read.error));
            return std::nullopt;
        }
        const auto chosen = encoding.value_or(text::detectEncoding(read.bytes, defaultEncoding()));
        auto decoded = text::decode(read.bytes, chosen);
        read.bytes = {};
        return ReadDocument{text::splitLines(decoded), chosen, stamp};
    } catch (const std::bad_alloc&) {
        m_prompter.message(MessageKind::Error, Buttons::Ok, outOfMemoryError(path));
        return std::nullopt;
    }
}

void DocumentSet::checkOutsideChange() {
    if (m_current.name.empty() || isUntitled(m_current.name)) return;
    const auto& path = m_current.filePath;
    const auto now = m_files.stamp(path);
    const auto change = m_stamps.changeOf(path, now);
    if (change == OutsideChange::None || !m_stamps.firstNotice(path, now)) return;
    const auto name = displayName(m_current.name);
    if (change == OutsideChange::Deleted) {
        m_prompter.message(MessageKind::Warning, Buttons::Ok, outsideDeleteNote(name));
        return;
    }
    const auto question = outsideChangeQuestion(name, m_editor.modified());
    if (m_prompter.message(MessageKind::Confirmation, Buttons::YesNo, question) == Answer::Yes) reloadCurrent(std::nullopt);
}

// Save writes over the file only when it is as it was read or last saved, or
// when the user says so. A file deleted meanwhile is simply written again.
bool DocumentSet::mayOverwrite() {
    const auto change = m_stamps.changeOf(m_current.filePath, m_files.stamp(m_current.filePath));
    if (change != OutsideChange::Changed) return true;
    const auto answer = m_prompter.message(MessageKind::Confirmation, Buttons::YesNoCancel,
                                           overwriteQuestion(displayName(m_current.name)));
    if (answer == Answer::Yes) reloadCurrent(std::nullopt);
    return answer == Answer::No;
}

// Each modified document in tab order, brought to the front for its question.
// Nothing closes here, so a Cancel leaves the window as it was.
bool DocumentSet::askSaveQuestions() {
    for (std::size_t tab = 0; tab < m_tabs.size(); ++tab) {
        if (!tabModified(tab)) continue;
        selectTab(tab);
        const auto answer = m_prompter.message(MessageKind::Confirmation, Buttons::YesNoCancel,
                                               savePrompt(displayName(m_current.name)));
        if (answer == Answer::Cancel || (answer == Answer::Yes && !save())) return false;
    }
    return true;
}

bool DocumentSet::tabModified(std::size_t tab) const {
    if (tab == m_currentTab) return m_editor.modified();
    const auto parked = m_parked.find(m_tabs[tab]);
    return parked && m_parked.at(*parked).modified;
}

} // namespace core::documents
