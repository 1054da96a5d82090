// Fix and Fix All Like This, from the Problems list and from the margin
// marker of a line with problems: each is one undo step, and the list is
// checked again afterwards.
#include "app/main_window.h"
#include "app/problems/fix_actions.h"
#include "app/problems/problems_dock.h"
#include "core/checker/editor_check.h"
#include "core/fixes/editor_fixes.h"
#include "core/settings/settings_table.h"
#include "platform/scintilla_editor_view.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <Qsci/qsciscintilla.h>

namespace app {
namespace {

// Groups the edits made while it lives into one undo step of the editor.
class FixUndoStep {
public:
    explicit FixUndoStep(QsciScintilla* editor) : m_editor(editor) { m_editor->beginUndoAction(); }
    ~FixUndoStep() { m_editor->endUndoAction(); }
    FixUndoStep(const FixUndoStep&) = delete;
    FixUndoStep& operator=(const FixUndoStep&) = delete;

private:
    QsciScintilla* m_editor;
};

} // namespace

core::fixes::FixRequest TForm1::fixRequest() const {
    core::fixes::FixRequest request;
    request.rules = core::checker::ruleChoiceOf(
        core::settings::readInteger(m_services.settings, core::settings::Setting::CheckRules));
    request.ignored = m_ignoredCommands;
    return request;
}

bool TForm1::fixable(const core::checker::Finding& finding) const {
    return core::fixes::fixOfFinding(m_editorView->text(), finding, fixRequest()).has_value();
}

void TForm1::fixFinding(const core::checker::Finding& finding, bool allLikeIt) {
    bool changed = false;
    {
        const FixUndoStep step(m_richEdit1);
        changed = allLikeIt ? core::fixes::fixAllLikeInEditor(*m_editorView, finding.code, fixRequest()) > 0
                            : core::fixes::fixInEditor(*m_editorView, finding, fixRequest());
    }
    if (!changed) return;
    // The list follows the text: checked again, into the list only.
    core::checker::EditorCheckOptions options;
    options.rules = fixRequest().rules;
    options.report = core::checker::ProblemReport::ListOnly;
    auto lint = core::checker::checkEditor(*m_editorView, m_services.prompter, m_pickLists, m_ignoredCommands, options);
    showProblems(std::move(lint.result.findings));
}

void TForm1::connectProblemFixes() {
    m_problemsDock->setFixable([this](std::size_t row) { return fixable(problems().row(row)); });
    connect(m_problemsDock, &ProblemsDock::fixRequested, this, [this](std::size_t row) {
        fixFinding(problems().row(row), false);
    });
    connect(m_problemsDock, &ProblemsDock::fixAllRequested, this, [this](std::size_t row) {
        fixFinding(problems().row(row), true);
    });
}

// The margin's context menu on a line with problems: Fix and Fix All Like
// This for each of its findings that has a fix.
bool TForm1::problemMarginMenu(const QContextMenuEvent& event) {
    int margins = 0;
    for (int margin = 0; margin < m_richEdit1->margins(); ++margin) margins += m_richEdit1->marginWidth(margin);
    if (event.pos().x() >= margins || problems().size() == 0) return false;
    const int line = m_richEdit1->lineAt(QPoint(margins + 1, event.pos().y()));
    if (line < 0) return false;
    QMenu menu(this);
    menu.setObjectName("ProblemMarginMenu");
    for (std::size_t row = 0; row < problems().size(); ++row) {
        const core::checker::Finding finding = problems().row(row);
        if (finding.line != static_cast<std::size_t>(line) + 1) continue;
        if (!menu.isEmpty()) menu.addSeparator();
        menu.addSection(QString::fromStdString(finding.code));
        addFixActions(menu, fixable(finding), [this, finding] { fixFinding(finding, false); },
                      [this, finding] { fixFinding(finding, true); });
    }
    if (menu.isEmpty()) return false;
    menu.exec(event.globalPos());
    return true;
}

} // namespace app
