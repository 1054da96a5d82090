// Editing commands of the Advanced layout: find, replace, go to line, undo,
// print, the editor options and the syntax check.
#include "app/main_window.h"

#include "core/documents/editor_commands.h"
#include "app/editor/editor_options_dialog.h"
#include "app/editor/find_bar.h"
#include "app/editor/find_dialogs.h"
#include "app/problems/problems_dock.h"
#include "app/window_texts.h"
#include "core/aids/search_start.h"
#include "core/checker/editor_check.h"
#include "core/checker/live_check.h"
#include "core/documents/text_search.h"
#include "core/checker/rule_set.h"
#include "core/settings/settings_table.h"
#include "platform/qt_printer.h"
#include "platform/qt_text.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QLabel>
#include <QStatusBar>

namespace app {

using core::ports::Buttons;
using core::ports::MessageKind;

namespace {

// Dialog text as document text (UTF-8).
std::string documentText(const QString& text) { return platform::toUtf8(text); }

// Groups the edits made while it lives into one undo step of the editor.
class UndoGroup {
public:
    explicit UndoGroup(QsciScintilla* editor) : m_editor(editor) { m_editor->beginUndoAction(); }
    ~UndoGroup() { m_editor->endUndoAction(); }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

private:
    QsciScintilla* m_editor;
};

template <typename Dialog> void showModeless(Dialog* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace

// The Find bar: every match highlighted as the text is typed, Enter for the next.
void TForm1::EditFind1Execute() {
    if (activePage() != core::settings::TopPage::Advanced) SwitchPagesExecute();
    m_findBar->open(searchStart());
    highlightFindMatches();
}

void TForm1::highlightFindMatches() {
    const auto needle = documentText(m_findBar->findText());
    const auto matches = core::documents::findAll(m_editorView->text(), needle, m_findBar->options());
    m_editorView->highlightMatches(matches);
    m_findBar->setNote(!needle.empty() && matches.empty()
                           ? platform::fromUtf8(core::documents::findNote({}, needle, false))
                           : QString());
}

void TForm1::findInBar(bool backward) {
    const auto needle = documentText(m_findBar->findText());
    if (needle.empty()) return;
    m_lastSearch = needle;
    const auto start = m_editorView->selectionStart();
    const auto from = backward ? start : start + m_editorView->selectionLength();
    const auto outcome = core::documents::findFrom(m_editorView->text(), needle, m_findBar->options(), from, backward);
    if (outcome.match) m_editorView->select(outcome.match->start, outcome.match->length);
    m_findBar->setNote(platform::fromUtf8(core::documents::findNote(outcome, needle, backward)));
}

void TForm1::Replace1Click() {
    if (!m_replaceDialog) {
        m_replaceDialog = new editor::ReplaceDialog(this);
        auto* dialog = m_replaceDialog.data();
        connect(dialog, &editor::ReplaceDialog::findNext, this, [this, dialog] { findNext(dialog->findText()); });
        connect(dialog, &editor::ReplaceDialog::replace, this,
                [this, dialog] { replace(dialog->findText(), dialog->replaceText(), false); });
        connect(dialog, &editor::ReplaceDialog::replaceAll, this,
                [this, dialog] { replace(dialog->findText(), dialog->replaceText(), true); });
    }
    m_replaceDialog->setFindText(searchStart());
    showModeless(m_replaceDialog.data());
}

QString TForm1::searchStart() const {
    return platform::fromUtf8(core::aids::searchStart(m_editorView->selectedText(), m_lastSearch));
}

// FoundExecute
void TForm1::findNext(const QString& text) {
    m_lastSearch = documentText(text);
    if (core::documents::findNext(*m_editorView, documentText(text))) m_richEdit1->setFocus();
}

// ReplaceDialog1Replace; Replace All replaces every occurrence as one undo step.
void TForm1::replace(const QString& find, const QString& with, bool all) {
    m_lastSearch = documentText(find);
    bool replaced = false;
    {
        const UndoGroup group(m_richEdit1);
        replaced = all ? core::documents::replaceAll(*m_editorView, documentText(find), documentText(with)) > 0
                       : core::documents::replaceFirst(*m_editorView, documentText(find), documentText(with));
    }
    if (!replaced) QApplication::beep();
}

void TForm1::GoToLineExecute() {
    const auto entry = m_services.prompter.inputBox(texts::GOTO_CAPTION, texts::GOTO_PROMPT, "");
    if (!entry) return;
    const auto line = core::documents::parseInteger(*entry);
    if (!line) {
        m_services.prompter.message(MessageKind::Error, Buttons::Ok, core::documents::notAnIntegerMessage(*entry));
        return;
    }
    if (!core::documents::goToLine(*m_editorView, *line)) {
        m_services.prompter.message(MessageKind::Warning, Buttons::Ok, core::documents::noSuchLineMessage(*line));
        return;
    }
    m_richEdit1->setFocus();
}

void TForm1::Undo1Click() { m_richEdit1->undo(); }

void TForm1::Redo1Click() { m_richEdit1->redo(); }

void TForm1::FilePrintExecute() {
    const auto lines = m_editorView->lines();
    std::string error;
    const auto title = texts::PRINT_JOB_PREFIX + m_documents->currentDocumentName();
    if (!m_services.printer.printLines(title, lines, error))
        m_services.prompter.message(MessageKind::Error, Buttons::Ok, error);
}

void TForm1::EditorOptions1Click() {
    {
        editor::TForm7 dialog(m_services.settings, m_services.prompter, this);
        dialog.exec();
    }
    applyEditorOptions();
}

void TForm1::BatchSyntaxCheckExecute() {
    if (activePage() != core::settings::TopPage::Advanced) SwitchPagesExecute();
    m_richEdit1->setFocus();
    core::checker::EditorCheckOptions options;
    options.rules = core::checker::ruleChoiceOf(
        core::settings::readInteger(m_services.settings, core::settings::Setting::CheckRules));
    options.report = static_cast<core::checker::ProblemReport>(
        core::settings::readInteger(m_services.settings, core::settings::Setting::ProblemReport));
    auto lint = core::checker::checkEditor(*m_editorView, m_services.prompter, m_pickLists, m_ignoredCommands, options);
    const std::string_view note = core::checker::checkedNote(lint.rules);
    statusBar()->showMessage(QString::fromUtf8(note.data(), static_cast<qsizetype>(note.size())));
    setTypingColours(lint.rules);
    const core::text::CheckerLines text(m_editorView->text());
    m_editorView->showUnderlines(core::checker::underlinesOf(lint.result.findings, text));
    showProblems(std::move(lint.result.findings));
}

// The findings belong to the document checked; the list shows them while it is in front.
void TForm1::showProblems(std::vector<core::checker::Finding> findings) {
    m_frontDocument = m_documents->currentDocumentId();
    auto& list = m_documentProblems.of(m_frontDocument);
    list.setFindings(std::move(findings));
    m_problemsDock->change([&](core::checker::ProblemList& shown) { shown = list; });
    refreshProblems();
    m_problemsDock->show();
}

// The markers and the status bar follow the list.
void TForm1::refreshProblems() {
    m_editorView->showProblemMarkers(problems().markers());
    refreshProblemCount();
}

void TForm1::refreshProblemCount() {
    const bool checked = m_documentProblems.checked(m_documents->currentDocumentId());
    m_statusPanel2->setText(checked ? platform::fromUtf8(problems().summary()) : QString());
}

void TForm1::goToProblemLine(std::size_t line) {
    m_editorView->showLine(line - 1);
    m_richEdit1->setFocus();
}

// Ignore from the Problems list: the command joins the Ignore list as with a box's Ignore.
void TForm1::ignoreProblem(std::size_t row) {
    bool ignored = false;
    m_problemsDock->change([&](core::checker::ProblemList& list) { ignored = list.ignore(row, m_ignoredCommands); });
    if (!ignored) return;
    m_documentProblems.of(m_frontDocument) = problems();
    refreshProblems();
}

} // namespace app
