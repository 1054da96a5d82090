// Findings per document, and the check that runs as the user types: the
// Problems list, the markers, the squiggles and the status bar follow the
// document in front.
#include "app/main_window.h"

#include "app/live_checker.h"
#include "app/problems/problems_dock.h"
#include "core/checker/typing_colours.h"
#include "core/settings/settings_table.h"
#include "platform/qt_text.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace app {

void TForm1::setUpLiveCheck() {
    m_liveChecker = new LiveChecker([this] { return liveSnapshot(); }, [this] { return m_documents->currentDocumentId(); },
                                    this);
    m_liveChecker->setObjectName("LiveChecker");
    connect(m_liveChecker, &LiveChecker::checked, this, &TForm1::showLiveResult);
    connect(m_richEdit1, &QsciScintilla::textChanged, this, [this] {
        if (!m_editorView->replacingText()) m_liveChecker->textChanged();
    });
    m_menus.value("OptionsMenu")->addSeparator();
    addSettingToggle("CheckAsYouType", QStringLiteral("Check As You &Type"), core::settings::Setting::CheckAsYouType,
                     [this](bool on) {
                         if (on) {
                             m_liveChecker->checkSoon();
                             return;
                         }
                         m_editorView->showUnderlines({});
                         m_editorView->keepMarkerMargin(false);
                     });
    m_documents->addListener([this](core::documents::DocumentEvent event) {
        if (event == core::documents::DocumentEvent::TabsChanged &&
            m_documents->currentDocumentId() != m_frontDocument)
            frontDocumentChanged();
    });
}

// Nothing to check while the option is off.
std::optional<core::checker::Snapshot> TForm1::liveSnapshot() const {
    if (!core::settings::readBool(m_services.settings, core::settings::Setting::CheckAsYouType)) return std::nullopt;
    core::checker::Snapshot snapshot;
    snapshot.document = m_documents->currentDocumentId();
    snapshot.text = m_editorView->text();
    snapshot.rules = core::checker::ruleChoiceOf(
        core::settings::readInteger(m_services.settings, core::settings::Setting::CheckRules));
    snapshot.lists = m_pickLists;
    snapshot.ignoredCommands = m_ignoredCommands;
    return snapshot;
}

// The result of a check of the text as it is now: colours, squiggles, markers
// and the list, with the caret and the selection left alone.
void TForm1::showLiveResult(const core::checker::LiveResult& result) {
    setTypingColours(result.rules);
    const bool option = core::settings::readBool(m_services.settings, core::settings::Setting::CheckAsYouType);
    const bool live = core::checker::showsLiveResult(option, result.rules);
    m_editorView->keepMarkerMargin(live);
    if (!live) return;
    m_editorView->resetColours();
    m_editorView->colourSpans(result.colours);
    m_editorView->showUnderlines(result.underlines);
    m_frontDocument = result.document;
    auto& list = m_documentProblems.of(result.document);
    list.setFindings(result.findings);
    m_problemsDock->change([&](core::checker::ProblemList& shown) { shown = list; });
    refreshProblems();
}

// The list shows the findings of the document now in front (its markers and
// squiggles came with it), and a check of it follows.
void TForm1::frontDocumentChanged() {
    m_frontDocument = m_documents->currentDocumentId();
    m_documentProblems.keepOnly(m_documents->openDocumentIds());
    const bool checked = m_documentProblems.checked(m_frontDocument);
    m_problemsDock->change([&](core::checker::ProblemList& shown) {
        shown = checked ? m_documentProblems.of(m_frontDocument) : core::checker::ProblemList();
    });
    refreshProblemCount();
    // A chosen rule set colours as it will check; Automatic waits for a check to pick.
    const auto choice = core::checker::ruleChoiceOf(
        core::settings::readInteger(m_services.settings, core::settings::Setting::CheckRules));
    if (choice != core::checker::RuleChoice::Automatic)
        setTypingColours(choice == core::checker::RuleChoice::Cmd ? core::checker::RuleSet::Cmd : core::checker::RuleSet::Classic);
    m_liveChecker->checkSoon();
}

void TForm1::setTypingColours(core::checker::RuleSet rules) {
    m_editorView->setTypingColours(core::checker::typingColoursOf(rules));
}

} // namespace app
