// The main menu, the toolbar and the two context menus. Every command is a
// QAction named after its command; menus, toolbar and context menus show the
// same actions, so enabling one enables it everywhere.
#include "app/main_window.h"

#include "app/problems/problems_dock.h"
#include "core/checker/rule_set.h"
#include "core/settings/settings_table.h"
#include "core/text/encoding.h"
#include "platform/qt_text.h"
#include "platform/scintilla_editor_view.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QIcon>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace app {
namespace {

struct ActionDef {
    const char* name;
    const char* caption;
    const char* shortcut; //!< portable text of QKeySequence
    const char* hint;     //!< tooltip and status tip
};

// Every command of the window. Those without a handler here are provided by
// other parts of the program (connectCommand) and stay disabled until then.
constexpr ActionDef ACTIONS[] = {
    {"FileNew", "&New", "Ctrl+N", "Create New Batch File"},
    {"FileOpen", "&Open", "Ctrl+O", "Open Batch File"},
    {"FileSave", "&Save", "Ctrl+S", "Save Batch File"},
    {"FileSaveAs", "Save &As...", "F12", "Save the batch file under a new name"},
    {"FileClose", "&Close File", "Ctrl+F4", "Close the currently open file"},
    {"FilePrint", "&Print", "Ctrl+P", "Print Batch File"},
    {"TheFile1", "&1. File 1", "Ctrl+F1", ""},
    {"TheFile2", "&2. File 2", "Ctrl+F2", ""},
    {"TheFile3", "&3. File 3", "Ctrl+F3", ""},
    {"FileExit", "E&xit", "Ctrl+Q", "Exit Quillet"},
    {"Undo1", "&Undo", "Ctrl+Z", "Undo the last change"},
    {"EditCut1", "Cu&t", "Ctrl+X", "Cut"},
    {"EditCopy1", "&Copy", "Ctrl+C", "Copy"},
    {"EditPaste1", "&Paste", "Ctrl+V", "Paste"},
    {"EditInsert1", "&Insert Command", "Ins", "Insert Command"},
    {"InsertFilename1", "I&nsert Filename", "Shift+Ins", "Insert Filename"},
    {"InsertPath1", "In&sert Filepath", "Ctrl+Ins", "Insert Path"},
    {"EditInsertVariable", "Insert &Variable", "Ctrl+Shift+Ins", "Insert Variable"},
    {"InsertBat", "Insert &Batch File", "Ctrl+Alt+Ins", "Insert Batch File"},
    {"ShortenPath", "S&horten Path", "Ctrl+Alt+S", "Convert selection to a short path name"},
    {"RelativePath", "Make &Relative Path", "Ctrl+Alt+R", "Make Relative Path"},
    {"EditFind1", "&Find", "Ctrl+F", "Finds a specified text within the file"},
    {"Replace1", "R&eplace...", "Ctrl+H", "Replace text within the file"},
    {"GoToLine", "Goto Line", "F5", "Goto Line"},
    {"BatchUpdateVer", "Update Batch File", "F11", "Update Batch File"},
    {"BatchSyntaxCheck", "&Check Syntax", "F7", "Checks the syntax of the batch file"},
    {"BatchRun", "&Run", "F9", "Runs the current batch file"},
    {"BatchStepThrough", "&Step Through", "Ctrl+F9", "Runs the current batch file, asking you for confirmation for each line"},
    {"EditorOptions1", "Editor O&ptions...", "", "Editor Options"},
    {"EditorOptionsAdvancedview1", "Easy &Mode Options...", "", ""},
    {"CheckForUpdate1", "&Check for program update", "Ctrl+U", "Check for program update"},
    {"HelpContents", "&Contents", "F1", "Display Help"},
    {"GraphicalHelp1", "&Graphical Help", "", "Allows you to choose a specific feature to get help on"},
    {"GettingStarted1", "Getting &Started Guide", "", "Getting Started Guide"},
    {"Tutorials1", "&Tutorials", "", "Tutorials"},
    {"HelpAbout", "&About", "", "About"},
    {"ContactSupport1", "C&ontact Technical Support", "", "Contact Technical Support"},
    {"SwitchPages", "Switch Layout", "F3", ""},
    {"SwitchPagesEasy", "Next Wizard Page", "F4", ""},
    {"WelcomeScreen1", "Welcome Screen", "", ""},
};

// Where the toolbar's hint differs from the menu's.
constexpr std::pair<const char*, const char*> TOOLBAR_HINTS[] = {{"BatchSyntaxCheck", "Check Syntax (F7)"}};

// Toolbar pictures: the desktop theme's icon of that name, else the one that
// ships with the program (resources/icons/toolbar).
constexpr std::pair<const char*, const char*> ICONS[] = {
    {"FileNew", "document-new"},         {"FileOpen", "document-open"},
    {"FileSave", "document-save"},       {"FilePrint", "document-print"},
    {"EditCut1", "edit-cut"},            {"EditCopy1", "edit-copy"},
    {"EditPaste1", "edit-paste"},        {"EditInsert1", "insert-text"},
    {"BatchUpdateVer", "view-refresh"},  {"BatchSyntaxCheck", "tools-check-spelling"},
    {"BatchRun", "media-playback-start"}, {"HelpContents", "help-contents"},
};

QIcon themedIcon(const char* action) {
    for (const auto& [name, icon] : ICONS) {
        if (qstrcmp(name, action) != 0) continue;
        const QString themeName = QString::fromLatin1(icon);
        QIcon bundled;
        for (const int size : {24, 48}) bundled.addFile(QStringLiteral(":/icons/%1-%2.png").arg(themeName).arg(size));
        return QIcon::fromTheme(themeName, bundled);
    }
    return {};
}

} // namespace

void TForm1::buildActions() {
    for (const auto& def : ACTIONS) {
        auto* act = new QAction(QString::fromUtf8(def.caption), this);
        act->setObjectName(def.name);
        act->setShortcut(QKeySequence(QString::fromUtf8(def.shortcut)));
        act->setToolTip(QString::fromUtf8(def.hint));
        act->setStatusTip(QString::fromUtf8(def.hint));
        act->setIcon(themedIcon(def.name));
        addAction(act); // shortcuts work with the menus closed and on every page
        m_actions.insert(def.name, act);
        m_unwired.insert(def.name);
    }
    m_actions["EditorOptionsAdvancedview1"]->setVisible(false);
    m_unwired.remove("EditorOptionsAdvancedview1"); // hidden, and does nothing

    const std::pair<const char*, void (TForm1::*)()> handlers[] = {
        {"FileNew", &TForm1::FileNewExecute},       {"FileOpen", &TForm1::FileOpenExecute},
        {"FileSave", &TForm1::FileSaveExecute},     {"FileSaveAs", &TForm1::FileSaveAsExecute},
        {"FileClose", &TForm1::FileCloseExecute},   {"FilePrint", &TForm1::FilePrintExecute},
        {"Undo1", &TForm1::Undo1Click},
        {"EditFind1", &TForm1::EditFind1Execute},   {"Replace1", &TForm1::Replace1Click},
        {"GoToLine", &TForm1::GoToLineExecute},     {"EditorOptions1", &TForm1::EditorOptions1Click},
        {"BatchSyntaxCheck", &TForm1::BatchSyntaxCheckExecute}, {"SwitchPages", &TForm1::SwitchPagesExecute},
        {"SwitchPagesEasy", &TForm1::SwitchPagesEasyExecute},   {"WelcomeScreen1", &TForm1::WelcomeScreen1Execute},
    };
    for (const auto& [name, handler] : handlers) connectCommand(name, [this, h = handler] { (this->*h)(); });
    connectCommand("FileExit", [this] { close(); });
    connectCommand("EditCut1", [this] { m_richEdit1->cut(); });
    connectCommand("EditCopy1", [this] { m_richEdit1->copy(); });
    connectCommand("EditPaste1", [this] { m_richEdit1->paste(); });
    for (std::size_t i = 0; i < 3; ++i)
        connectCommand(QStringLiteral("TheFile%1").arg(i + 1), [this, i] { TheFileClick(i); });

    QList<QKeySequence> shortcuts;
    for (auto* act : std::as_const(m_actions))
        if (!act->shortcut().isEmpty()) shortcuts << act->shortcut();
    m_editorView->releaseKeys(shortcuts);
}

void TForm1::connectCommand(const QString& name, std::function<void()> handler) {
    QAction* act = m_actions.value(name);
    if (!act) return;
    connect(act, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    m_unwired.remove(name);
    act->setEnabled(true);
}

void TForm1::setCommandEnabled(const QString& commandName, bool enabled) {
    // The toolbar's Update Batch File button is the F11 command's.
    const QString name = commandName == QLatin1String("BatchUpdate") ? QStringLiteral("BatchUpdateVer") : commandName;
    if (QAction* act = m_actions.value(name)) {
        act->setEnabled(enabled && !m_unwired.contains(name));
    } else if (QMenu* menu = m_menus.value(name)) {
        menu->menuAction()->setEnabled(enabled);
    } else if (auto* other = findChild<QAction*>(name)) {
        other->setEnabled(enabled);
    } else if (auto* widget = findChild<QWidget*>(name)) {
        widget->setEnabled(enabled);
    }
}

void TForm1::buildMenus() {
    auto* bar = menuBar();
    bar->setObjectName("MainMenu1");
    auto addMenu = [this](QMenu* parent, const char* name, const char* caption) {
        auto* menu = parent ? parent->addMenu(QString::fromUtf8(caption)) : menuBar()->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(name);
        m_menus.insert(name, menu);
        return menu;
    };
    auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (*name == '-') menu->addSeparator();
            else menu->addAction(m_actions.value(name));
        }
    };
    auto* file = addMenu(nullptr, "FileMenu", "&File");
    add(file, {"FileNew", "FileOpen", "FileSave", "FileSaveAs", "FileClose", "-", "FilePrint"});
    m_recentSeparator = file->addSeparator();
    m_recentSeparator->setObjectName("N6");
    add(file, {"TheFile1", "TheFile2", "TheFile3", "-", "FileExit"});
    auto* edit = addMenu(nullptr, "EditMenu", "&Edit");
    add(edit, {"Undo1", "-", "EditCut1", "EditCopy1", "EditPaste1", "-"});
    add(addMenu(edit, "InsertMenu", "&Insert..."), {"EditInsert1", "InsertFilename1", "InsertPath1", "EditInsertVariable", "InsertBat"});
    add(edit, {"ShortenPath", "RelativePath", "-", "EditFind1", "Replace1", "GoToLine"});
    auto* batch = addMenu(nullptr, "BatchMenu", "&Batch");
    add(batch, {"BatchUpdateVer", "BatchSyntaxCheck"});
    QAction* problems = m_problemsDock->toggleViewAction();
    problems->setText(QStringLiteral("&Problems List"));
    problems->setObjectName("ViewProblems");
    batch->addAction(problems);
    add(batch, {"-", "BatchRun", "BatchStepThrough"});
    auto* options = addMenu(nullptr, "OptionsMenu", "&Options");
    add(options, {"EditorOptions1", "EditorOptionsAdvancedview1"});
    buildRuleChoiceMenu(options);
    buildEncodingOptions(options);
    add(options, {"-", "CheckForUpdate1"});
    add(addMenu(nullptr, "HelpMenu", "&Help"),
        {"HelpContents", "GraphicalHelp1", "GettingStarted1", "-", "Tutorials1", "ContactSupport1", "-", "HelpAbout"});
}

// Options | Check Rules: which rules F7 applies, kept in the settings.
void TForm1::buildRuleChoiceMenu(QMenu* options) {
    auto* menu = options->addMenu(QStringLiteral("Check &Rules"));
    menu->setObjectName("CheckRulesMenu");
    auto* group = new QActionGroup(menu);
    const std::pair<const char*, const char*> choices[] = {
        {"CheckRulesAutomatic", "&Automatic"}, {"CheckRulesClassic", "&Classic"}, {"CheckRulesCmd", "&Windows command interpreter"}};
    const auto stored = core::checker::ruleChoiceOf(
        core::settings::readInteger(m_services.settings, core::settings::Setting::CheckRules));
    for (int i = 0; i < 3; ++i) {
        const auto choice = core::checker::ruleChoiceOf(i);
        QAction* action = menu->addAction(QString::fromUtf8(choices[i].second));
        action->setObjectName(choices[i].first);
        action->setCheckable(true);
        action->setChecked(choice == stored);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, choice] {
            core::settings::writeInteger(m_services.settings, core::settings::Setting::CheckRules,
                                         core::checker::storedRuleChoice(choice));
        });
    }
}

// Options | Default Encoding (what Open assumes when a file shows no sign of
// another) and the console warning on save, both kept in the settings.
void TForm1::buildEncodingOptions(QMenu* options) {
    auto* menu = options->addMenu(QStringLiteral("Default &Encoding"));
    menu->setObjectName("DefaultEncodingMenu");
    auto* group = new QActionGroup(menu);
    const auto stored = core::text::encodingOfKey(
        core::settings::readText(m_services.settings, core::settings::Setting::DefaultEncoding));
    for (const auto encoding : core::text::ALL_ENCODINGS) {
        const auto key = std::string(core::text::encodingKey(encoding));
        QAction* action = menu->addAction(platform::fromUtf8(core::text::encodingName(encoding)));
        action->setObjectName(QStringLiteral("DefaultEncoding_") + platform::fromUtf8(key));
        action->setCheckable(true);
        action->setChecked(encoding == stored.value_or(core::text::Encoding::Windows1252));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, key] {
            core::settings::writeText(m_services.settings, core::settings::Setting::DefaultEncoding, key);
        });
    }
    QAction* warn = options->addAction(QStringLiteral("&Warn When the Console Would Show Different Characters"));
    warn->setObjectName("WarnConsoleCharacters");
    warn->setCheckable(true);
    warn->setChecked(core::settings::readBool(m_services.settings, core::settings::Setting::WarnConsoleCharacters));
    connect(warn, &QAction::toggled, this, [this](bool on) {
        core::settings::writeBool(m_services.settings, core::settings::Setting::WarnConsoleCharacters, on);
    });
}

void TForm1::buildToolBar() {
    auto* bar = addToolBar("ToolBar1");
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setIconSize(QSize(24, 24));
    const char* order[] = {"FileNew",  "FileOpen",       "FileSave",         "FilePrint", "-1",
                           "EditCut1", "EditCopy1",      "EditPaste1",       "EditInsert1", "-2",
                           "BatchUpdateVer", "BatchSyntaxCheck", "BatchRun", "-3", "HelpContents"};
    for (const char* name : order) {
        if (*name == '-') {
            bar->addSeparator()->setObjectName(QStringLiteral("ToolSeparator%1").arg(name + 1));
            continue;
        }
        QAction* act = m_actions.value(name);
        bar->addAction(act);
        if (auto* button = bar->widgetForAction(act)) button->setObjectName(QStringLiteral("ToolButton_") + name);
    }
    // Pictures only; the tooltip says what a button does, with its key.
    for (QAction* act : bar->actions()) {
        if (act->isSeparator() || act->shortcut().isEmpty() || act->toolTip().contains(QLatin1Char('('))) continue;
        act->setToolTip(act->toolTip() + QStringLiteral(" (") + act->shortcut().toString(QKeySequence::NativeText) +
                        QLatin1Char(')'));
    }
    for (const auto& [name, hint] : TOOLBAR_HINTS) m_actions.value(name)->setToolTip(QString::fromUtf8(hint));
}

void TForm1::buildContextMenus() {
    // Context entries have captions of their own and follow their command's state.
    auto mirror = [this](QMenu* menu, const char* name, const char* caption) {
        QAction* source = m_actions.value(name);
        auto* entry = menu->addAction(QString::fromUtf8(caption));
        entry->setEnabled(source->isEnabled());
        connect(entry, &QAction::triggered, source, &QAction::trigger);
        connect(source, &QAction::enabledChanged, entry, &QAction::setEnabled);
    };
    m_editorMenu = new QMenu(this);
    m_editorMenu->setObjectName("PopupMenu1");
    mirror(m_editorMenu, "FileNew", "&New File");
    mirror(m_editorMenu, "FileOpen", "&Open File");
    mirror(m_editorMenu, "FileClose", "&Close File");
    m_editorMenu->addSeparator();
    mirror(m_editorMenu, "EditCut1", "Cu&t");
    mirror(m_editorMenu, "EditCopy1", "&Copy");
    mirror(m_editorMenu, "EditPaste1", "&Paste");
    m_editorMenu->addSeparator();
    auto* insert = m_editorMenu->addMenu("&Insert");
    insert->setObjectName("PopupInsert1");
    mirror(insert, "EditInsert1", "&Command");
    mirror(insert, "InsertFilename1", "&Filename");
    mirror(insert, "InsertPath1", "&Path");
    mirror(insert, "EditInsertVariable", "&Variable");
    mirror(insert, "InsertBat", "&Batch File");
    mirror(m_editorMenu, "RelativePath", "Make &Relative Path");
    mirror(m_editorMenu, "ShortenPath", "S&horten Path");
    mirror(m_editorMenu, "GoToLine", "&Goto Line");
    m_editorMenu->addSeparator();
    mirror(m_editorMenu, "BatchSyntaxCheck", "&Check Syntax");
    m_richEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_richEdit1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_editorMenu->popup(m_richEdit1->mapToGlobal(at)); });

    m_tabMenu = new QMenu(this);
    m_tabMenu->setObjectName("PopupMenu2");
    mirror(m_tabMenu, "FileNew", "&New File");
    mirror(m_tabMenu, "FileOpen", "&Open File");
    mirror(m_tabMenu, "FileClose", "&Close File");
    m_tabControl1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tabControl1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { m_tabMenu->popup(m_tabControl1->mapToGlobal(at)); });
}

void TForm1::applyCommandRules(bool welcomeMode, bool easyActive, bool byEasyRule) {
    for (const auto& rule : core::settings::commandRules()) {
        const auto name = QString::fromUtf8(rule.name.data(), static_cast<qsizetype>(rule.name.size()));
        if (byEasyRule && rule.offOnEasy) setCommandEnabled(name, !easyActive);
        if (!byEasyRule && rule.offInWelcome) setCommandEnabled(name, !welcomeMode);
    }
}

} // namespace app
