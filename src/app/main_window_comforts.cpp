// What a daily user expects of an editor's window: the tab strip answers the
// mouse (a close button on each tab, middle-click closes, right-click selects
// the tab its menu acts on) and the keys (Ctrl+Tab, Ctrl+PgDn forward,
// Ctrl+Shift+Tab, Ctrl+PgUp back); Undo and Redo are enabled when they do
// something; the status bar shows the caret's line and column; Ctrl+F opens
// the Find bar.
#include "app/main_window.h"

#include "app/editor/find_bar.h"
#include "core/settings/settings_table.h"
#include "core/text/checker_lines.h"
#include "platform/qt_text.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <functional>

namespace app {
namespace {

// Right-click selects the tab under the mouse; middle-click closes it.
class TabMouse : public QObject {
public:
    TabMouse(QTabBar* tabs, QAction* close) : QObject(tabs), m_tabs(tabs), m_close(close) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const int tab = m_tabs->tabAt(mouse->position().toPoint());
        if (tab < 0) return false;
        if (type == QEvent::MouseButtonPress && mouse->button() == Qt::RightButton) {
            m_tabs->setCurrentIndex(tab);
            return false;
        }
        if (type == QEvent::MouseButtonRelease && mouse->button() == Qt::MiddleButton) {
            m_tabs->setCurrentIndex(tab);
            m_close->trigger();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTabBar* m_tabs;
    QAction* m_close;
};

} // namespace

void TForm1::setUpComforts() {
    QAction* close = m_actions.value("FileClose");
    m_tabControl1->setTabsClosable(true);
    m_tabControl1->installEventFilter(new TabMouse(m_tabControl1, close));
    connect(m_tabControl1, &QTabBar::tabCloseRequested, this, [this, close](int tab) {
        m_tabControl1->setCurrentIndex(tab);
        close->trigger();
    });

    const auto step = [this](int by) {
        const int count = m_tabControl1->count();
        if (count > 1) m_tabControl1->setCurrentIndex((m_tabControl1->currentIndex() + by + count) % count);
    };
    struct Command {
        const char* name;
        const char* caption;
        QList<QKeySequence> shortcuts;
        std::function<void()> handler;
    };
    const Command commands[] = {
        {"NextTab", "Next Tab", {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)},
         [step] { step(1); }},
        {"PreviousTab", "Previous Tab",
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
          QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
         [step] { step(-1); }},
        {"Redo1", "&Redo", {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         [this] { Redo1Click(); }},
    };
    QList<QKeySequence> keys;
    for (const auto& [name, caption, shortcuts, handler] : commands) {
        auto* act = new QAction(QString::fromUtf8(caption), this);
        act->setObjectName(name);
        act->setShortcuts(shortcuts);
        act->setShortcutContext(Qt::WindowShortcut);
        connect(act, &QAction::triggered, this, handler);
        addAction(act);
        m_actions.insert(name, act);
        keys << shortcuts;
    }
    m_editorView->releaseKeys(keys);
    // Redo right after Undo in the Edit menu.
    QMenu* edit = m_menus.value("EditMenu");
    const auto entries = edit->actions();
    const auto undo = entries.indexOf(m_actions.value("Undo1"));
    edit->insertAction(entries.value(undo + 1), m_actions.value("Redo1"));

    addSettingToggle("RestoreSession", QStringLiteral("&Reopen the Files Open at Exit"),
                     core::settings::Setting::RestoreSession);

    connect(m_richEdit1, &QsciScintilla::textChanged, this, &TForm1::refreshUndoRedo);
    connect(m_pageControl1, &QTabWidget::currentChanged, this, &TForm1::refreshUndoRedo);
    m_documents->addListener([this](core::documents::DocumentEvent) {
        refreshUndoRedo();
        refreshCaretPosition();
    });

    m_caretPosition = new QLabel;
    m_caretPosition->setObjectName("StatusPosition");
    statusBar()->addPermanentWidget(m_caretPosition);
    connect(m_richEdit1, &QsciScintilla::cursorPositionChanged, this, &TForm1::refreshCaretPosition);

    m_findBar = new editor::FindBar;
    m_findBar->hide();
    static_cast<QVBoxLayout*>(findChild<QWidget*>("EditorArea")->layout())->addWidget(m_findBar);
    connect(m_findBar, &editor::FindBar::searchChanged, this, &TForm1::highlightFindMatches);
    connect(m_findBar, &editor::FindBar::findNext, this, &TForm1::findInBar);
    connect(m_findBar, &editor::FindBar::closed, this, [this] {
        m_editorView->highlightMatches({});
        m_richEdit1->setFocus();
    });
}

QAction* TForm1::addSettingToggle(const char* name, const QString& caption, core::settings::Setting setting,
                                  std::function<void(bool)> onToggle) {
    QAction* action = m_menus.value("OptionsMenu")->addAction(caption);
    action->setObjectName(name);
    m_actions.insert(name, action);
    action->setCheckable(true);
    action->setChecked(core::settings::readBool(m_services.settings, setting));
    connect(action, &QAction::toggled, this, [this, setting, onToggle = std::move(onToggle)](bool on) {
        core::settings::writeBool(m_services.settings, setting, on);
        if (onToggle) onToggle(on);
    });
    return action;
}

// Undo and Redo are the editor's on the Advanced page, enabled when there is something to undo or redo.
void TForm1::refreshUndoRedo() {
    const bool editing = activePage() != core::settings::TopPage::Easy;
    m_actions.value("Undo1")->setEnabled(editing && m_richEdit1->isUndoAvailable());
    m_actions.value("Redo1")->setEnabled(editing && m_richEdit1->isRedoAvailable());
}

// "Ln 12, Col 5": both from 1, the column in characters.
void TForm1::refreshCaretPosition() {
    int line = 0;
    int index = 0;
    m_richEdit1->getCursorPosition(&line, &index);
    const auto text = m_editorView->line(static_cast<std::size_t>(line));
    const auto column = core::text::columnOfByteOffset(text, static_cast<std::size_t>(index));
    m_caretPosition->setText(QStringLiteral("Ln %1, Col %2").arg(line + 1).arg(column + 1));
}

} // namespace app
