#pragma once
// TForm1: the whole program in one window: the three layouts "Easy",
// "Advanced" and "Welcome", the document tabs and the editor, the menus,
// toolbar and status bar, start-up and shutdown. Handlers gather input, call
// core and show the result.
#include "core/checker/document_problems.h"
#include "core/checker/live_check.h"
#include "core/checker/problem_list.h"
#include "core/fixes/apply.h"
#include "core/documents/document_set.h"
#include "core/documents/pick_lists.h"
#include "core/ports/file_system.h"
#include "core/ports/help_viewer.h"
#include "core/ports/prompter.h"
#include "core/ports/settings_store.h"
#include "core/settings/layouts.h"
#include "core/settings/settings_table.h"
#include "platform/scintilla_editor_view.h"

#include <QHash>
#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <QSet>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QContextMenuEvent;
class QListWidget;
class QLabel;
class QMenu;
class QTabBar;
class QTabWidget;
class QsciScintilla;

namespace platform {
class QtPrinter;
}

namespace app {

//! The program's picture, at every size it ships in.
QIcon programIcon();

class EasyPages;
class LiveChecker;
class ProblemsDock;
namespace editor {
class FindBar;
class ReplaceDialog;
} // namespace editor

//! The services the window works through (real ones in the program, scripted ones in tests).
struct WindowServices {
    core::ports::Prompter& prompter;
    core::ports::SettingsStore& settings;
    core::ports::FileSystem& files;
    core::ports::HelpViewer& help;
    platform::QtPrinter& printer;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(WindowServices services, QWidget* parent = nullptr);
    ~TForm1() override;

    //! Start-up after construction: stored layout and geometry, ignored
    //! commands, editor options, recent files, Welcome mode, the command line
    //! (arguments without the program name), the screen check. False when the
    //! screen is too small and the program must end.
    bool startUp(const std::vector<std::string>& arguments);

    //! Puts the wizard's page widget on the Easy page (the window takes it).
    void setEasyLayout(QWidget* widget, EasyPages* pages);
    //! Connects a command that another part of the program provides and enables it.
    void connectCommand(const QString& name, std::function<void()> handler);
    QAction* action(const QString& name) const;

    core::documents::DocumentSet& documents() { return *m_documents; }
    const core::checker::ProblemList& problems() const;
    core::documents::PickLists& pickLists() { return m_pickLists; }
    std::vector<std::string>& ignoredCommands() { return m_ignoredCommands; }
    platform::ScintillaEditorView& editorView() { return *m_editorView; }
    QsciScintilla* editor() const { return m_richEdit1; }

    // Commands, named after their actions and events.
    void FileNewExecute();
    void FileOpenExecute();
    void FileSaveExecute();
    void FileSaveAsExecute();
    void FileCloseExecute();
    void FilePrintExecute();
    void TheFileClick(std::size_t index);
    void TabControl1Change(int index);
    void RichEdit1Change();
    void SwitchPagesExecute();
    void SwitchPagesEasyExecute();
    void WelcomeScreen1Execute();
    void BitBtn3Click();
    void BitBtn4Click();
    void PageControl1Change(int index);
    void EditFind1Execute();
    void Replace1Click();
    void GoToLineExecute();
    void Undo1Click();
    void Redo1Click();
    void EditorOptions1Click();
    void BatchSyntaxCheckExecute();
    //! SystemExecuteMacro: an open request from a second launch.
    void openRequest(const QString& request);

signals:
    //! The window closed for good (the user confirmed and every save went through).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // main_window.cpp: the pages and the status bar.
    QWidget* buildEasyPage();
    QWidget* buildAdvancedPage();
    QWidget* buildWelcomePage();
    void buildStatusBar();
    int pageIndex(core::settings::TopPage page) const;
    core::settings::TopPage activePage() const;
    void selectPage(core::settings::TopPage page);

    // main_window_menus.cpp: actions, menus, toolbar, context menus.
    void buildActions();
    void buildMenus();
    void buildRuleChoiceMenu(QMenu* options);
    void buildEncodingOptions(QMenu* options);
    void buildToolBar();
    void buildContextMenus();
    void setCommandEnabled(const QString& commandName, bool enabled);
    void applyCommandRules(bool welcomeMode, bool easyActive, bool byEasyRule);

    // main_window_files.cpp: the documents shown in the tab strip.
    void documentsChanged(core::documents::DocumentEvent event);
    void refreshTabs();
    void refreshRecentFiles();
    void openDroppedFiles(const QList<QUrl>& urls);

    // main_window_lifecycle.cpp
    void applyStartupState();
    void applyEditorOptions();
    bool screenLargeEnough() const;
    void leaveWelcome(core::settings::TopPage layout, int helpTopic);
    bool confirmExit();
    void writeShutdown();

    // main_window_edit.cpp
    void showProblems(std::vector<core::checker::Finding> findings);
    void refreshProblems();
    void refreshProblemCount();
    void goToProblemLine(std::size_t line);
    void ignoreProblem(std::size_t row);
    void findNext(const QString& text);
    void findInBar(bool backward);
    void highlightFindMatches();
    QString searchStart() const;
    void replace(const QString& find, const QString& with, bool all);

    // main_window_fixes.cpp
    core::fixes::FixRequest fixRequest() const;
    bool fixable(const core::checker::Finding& finding) const;
    void fixFinding(const core::checker::Finding& finding, bool allLikeIt);
    void connectProblemFixes();
    bool problemMarginMenu(const QContextMenuEvent& event);

    // main_window_live.cpp: findings of each document, checked as you type.
    void setUpLiveCheck();
    std::optional<core::checker::Snapshot> liveSnapshot() const;
    void showLiveResult(const core::checker::LiveResult& result);
    void frontDocumentChanged();
    void setTypingColours(core::checker::RuleSet rules);

    // main_window_comforts.cpp: the tab strip's mouse and keys, Redo, the
    // caret's line and column, the Find bar.
    void setUpComforts();
    //! A checkable entry of the Options menu bound to an on/off setting; onToggle runs after it is stored.
    QAction* addSettingToggle(const char* name, const QString& caption, core::settings::Setting setting,
                              std::function<void(bool)> onToggle = {});
    void refreshUndoRedo();
    void refreshCaretPosition();

    WindowServices m_services;
    core::documents::PickLists m_pickLists;
    std::vector<std::string> m_ignoredCommands;
    std::unique_ptr<platform::ScintillaEditorView> m_editorView;
    std::unique_ptr<core::documents::DocumentSet> m_documents;
    platform::EditorLook m_look;

    QTabWidget* m_pageControl1 = nullptr;
    QWidget* m_tabSheet1 = nullptr;
    QWidget* m_tabSheet2 = nullptr;
    QWidget* m_tabSheet5 = nullptr;
    QWidget* m_easyWidget = nullptr;
    EasyPages* m_easy = nullptr;
    QTabBar* m_tabControl1 = nullptr;
    QsciScintilla* m_richEdit1 = nullptr;
    QLabel* m_welcomeRecentHeading = nullptr;
    QListWidget* m_welcomeRecent = nullptr; //!< the recent files, to open from the Welcome page
    QLabel* m_statusPanel0 = nullptr;
    QLabel* m_statusPanel1 = nullptr;
    QLabel* m_statusPanel2 = nullptr; //!< the number of problems the last check found
    ProblemsDock* m_problemsDock = nullptr; //!< holds the Problems list
    QHash<QString, QAction*> m_actions;
    QSet<QString> m_unwired;
    QHash<QString, QMenu*> m_menus;
    QAction* m_recentSeparator = nullptr;
    QMenu* m_editorMenu = nullptr;
    QMenu* m_tabMenu = nullptr;
    editor::FindBar* m_findBar = nullptr;
    LiveChecker* m_liveChecker = nullptr;
    core::checker::DocumentProblems m_documentProblems;
    std::size_t m_frontDocument = 0; //!< the document whose findings the Problems list shows
    QLabel* m_caretPosition = nullptr;
    QPointer<editor::ReplaceDialog> m_replaceDialog;

    bool m_welcomePageExists = true;
    std::string m_lastSearch; //!< Windows-1252, what Find or Replace looked for last
};

} // namespace app
