// Start-up and shutdown, and the moves between the three layouts.
#include "app/main_window.h"

#include "app/easy_pages.h"
#include "app/launch.h"
#include "app/editor/editor_options.h"
#include "app/window_texts.h"
#include "core/documents/launch_request.h"
#include "core/info/help_contexts.h"
#include "core/settings/list_files.h"
#include "core/settings/session.h"
#include "core/settings/startup_state.h"
#include "platform/qt_printer.h"

#include <QCloseEvent>
#include <QScreen>
#include <QTabWidget>

namespace app {

using core::ports::Answer;
using core::ports::Buttons;
using core::ports::MessageKind;
using core::settings::TopPage;

bool TForm1::startUp(const std::vector<std::string>& arguments) {
    applyStartupState();
    applyEditorOptions();
    m_documents->loadRecentFiles();
    refreshRecentFiles();
    if (m_pageControl1->isTabVisible(pageIndex(TopPage::Welcome))) WelcomeScreen1Execute();
    m_editorView->setModified(false);
    std::vector<std::string> files;
    for (const auto& file : core::documents::filesFromCommandLine(arguments)) files.push_back(absoluteNativePath(file));
    if (!m_documents->restoreSession(core::settings::sessionToRestore(m_services.settings, !files.empty())))
        m_documents->start(files);
    if (screenLargeEnough()) return true;
    m_services.prompter.message(MessageKind::Error, Buttons::Ok, texts::SCREEN_TOO_SMALL);
    return false;
}

void TForm1::applyStartupState() {
    const auto state = core::settings::readStartupState(m_services.settings, m_services.files.programFolder());
    m_easy->setWizardPage(state.wizardPage);
    m_easy->setNetworkPage(state.networkPage);
    selectPage(state.activePage);
    m_pageControl1->setTabVisible(pageIndex(TopPage::Welcome), state.welcomeVisible);
    resize(state.width, state.height);
    if (state.maximised) setWindowState(windowState() | Qt::WindowMaximized);
    m_documents->setInitialFolders(state.openFolder, state.saveFolder);
    m_documents->browseDialog().setStartFolder(state.browseFolder);
    if (state.loadIgnoreList)
        m_ignoredCommands = core::settings::loadList(m_services.settings, m_services.files, core::settings::ListFile::Ignore);
    if (!state.welcomeVisible) {
        // Without the Welcome page the stored layout is Advanced or Easy.
        m_pageControl1->removeTab(pageIndex(TopPage::Welcome));
        m_tabSheet5->deleteLater();
        m_welcomePageExists = false;
        selectPage(state.activePage == TopPage::Easy ? TopPage::Easy : TopPage::Advanced);
    }
}

void TForm1::applyEditorOptions() {
    m_look = editor::readEditorLook(m_services.settings);
    m_editorView->setLook(m_look);
    m_services.printer.setFont(m_look.font);
}

bool TForm1::screenLargeEnough() const {
    const QScreen* display = screen();
    const QSize available = display ? display->availableGeometry().size() : size();
    return std::min(width(), available.width()) >= 800 && std::min(height(), available.height()) >= 550;
}

void TForm1::SwitchPagesExecute() {
    const auto active = activePage();
    const auto target = core::settings::switchedLayout(active);
    if (target != active) selectPage(target);
}

void TForm1::SwitchPagesEasyExecute() { m_easy->setWizardPage(core::settings::nextWizardPage(m_easy->wizardPage())); }

void TForm1::WelcomeScreen1Execute() {
    const bool welcomeMode = m_welcomePageExists && m_pageControl1->isTabVisible(pageIndex(TopPage::Welcome));
    if (welcomeMode) selectPage(TopPage::Welcome);
    m_pageControl1->setTabVisible(pageIndex(TopPage::Easy), !welcomeMode);
    m_pageControl1->setTabVisible(pageIndex(TopPage::Advanced), !welcomeMode);
    applyCommandRules(welcomeMode, false, /*byEasyRule=*/false);
}

void TForm1::BitBtn3Click() { leaveWelcome(TopPage::Easy, core::info::help::EASY_LAYOUT_INTRO); }
void TForm1::BitBtn4Click() { leaveWelcome(TopPage::Advanced, core::info::help::ADVANCED_LAYOUT_INTRO); }

void TForm1::leaveWelcome(TopPage layout, int helpTopic) {
    m_pageControl1->setTabVisible(pageIndex(TopPage::Welcome), false);
    m_pageControl1->setTabVisible(pageIndex(TopPage::Advanced), true);
    m_pageControl1->setTabVisible(pageIndex(TopPage::Easy), true);
    selectPage(layout);
    if (helpTopic != 0) m_services.help.showTopic(helpTopic);
    WelcomeScreen1Execute();
}

void TForm1::PageControl1Change(int) {
    const auto active = activePage();
    if (active != TopPage::Welcome) applyCommandRules(false, active == TopPage::Easy, /*byEasyRule=*/true);
}

bool TForm1::confirmExit() {
    return m_services.prompter.message(MessageKind::Confirmation, Buttons::YesNo, texts::EXIT_QUESTION) == Answer::Yes;
}

void TForm1::closeEvent(QCloseEvent* event) {
    // A cancelled or failed save while closing keeps the window and its documents.
    const auto session = m_documents->session();
    if (!confirmExit() || !m_documents->closeAll()) {
        event->ignore();
        return;
    }
    core::settings::writeSession(m_services.settings, session);
    writeShutdown();
    event->accept();
    emit closed();
}

void TForm1::writeShutdown() {
    core::settings::ShutdownState state;
    state.activePage = activePage();
    state.wizardPage = m_easy->wizardPage();
    state.networkPage = m_easy->networkPage();
    state.welcomePageExists = m_welcomePageExists;
    state.welcomeVisible = m_welcomePageExists && m_pageControl1->isTabVisible(pageIndex(TopPage::Welcome));
    state.maximised = isMaximized();
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    state.height = normal.height();
    state.width = normal.width();
    state.ignoredCommands = m_ignoredCommands;
    state.openDialogFileName = m_documents->openDialogFileName();
    state.browseDialogFileName = m_documents->browseDialog().fileName();
    state.saveDialogFileName = m_documents->saveDialogFileName();
    core::settings::writeShutdownState(m_services.settings, m_services.files, m_services.prompter, state);
}

} // namespace app
