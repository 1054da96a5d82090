// The document commands and the tab strip: each handler asks the document set
// to act; the set reports what changed and the window redraws it.
#include "app/main_window.h"

#include "core/documents/document_texts.h"
#include "core/documents/launch_request.h"
#include "platform/qt_text.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolTip>
#include <QTabBar>
#include <QUrl>

namespace app {

using core::documents::DocumentEvent;

void TForm1::FileNewExecute() { m_documents->newFile(); }
void TForm1::FileOpenExecute() { m_documents->fileOpen(); }
void TForm1::FileSaveExecute() { m_documents->save(); }
void TForm1::FileSaveAsExecute() { m_documents->saveAs(); }
void TForm1::FileCloseExecute() { m_documents->closeFile(); }
void TForm1::TheFileClick(std::size_t index) { m_documents->openRecent(index); }

void TForm1::TabControl1Change(int index) {
    if (index >= 0) m_documents->selectTab(static_cast<std::size_t>(index));
}

void TForm1::RichEdit1Change() {
    if (!m_editorView->replacingText()) m_documents->editorChanged();
}

void TForm1::documentsChanged(DocumentEvent event) {
    switch (event) {
    case DocumentEvent::TabsChanged: refreshTabs(); break;
    case DocumentEvent::RecentFilesChanged: refreshRecentFiles(); break;
    case DocumentEvent::SaveAsLineAdded:
        statusBar()->showMessage(platform::fromUtf8(std::string(core::documents::SAVE_AS_LINE_NOTE)), 10000);
        break;
    }
}

void TForm1::refreshTabs() {
    const QSignalBlocker blocker(m_tabControl1);
    const auto& captions = m_documents->tabCaptions();
    const int count = static_cast<int>(captions.size());
    while (m_tabControl1->count() > count) m_tabControl1->removeTab(m_tabControl1->count() - 1);
    for (int i = 0; i < count; ++i) {
        const auto caption = platform::fromUtf8(captions[static_cast<std::size_t>(i)]);
        if (i < m_tabControl1->count()) m_tabControl1->setTabText(i, caption);
        else m_tabControl1->addTab(caption);
    }
    m_tabControl1->setCurrentIndex(static_cast<int>(m_documents->currentTab()));
    // Tabs added while the page is hidden do not tell the layout their height;
    // without this the strip stays zero pixels high until the next change.
    m_tabControl1->updateGeometry();
    m_statusPanel1->setText(platform::fromUtf8(m_documents->statusText()));
    m_statusPanel1->setToolTip(platform::plainToolTip(m_statusPanel1->text())); // whole where the bar is narrow
    setWindowTitle(platform::fromUtf8(m_documents->windowTitle()));
}

void TForm1::refreshRecentFiles() {
    const auto& recent = m_documents->recentFiles();
    for (std::size_t i = 0; i < core::documents::RecentFiles::COUNT; ++i) {
        QAction* entry = m_actions.value(QStringLiteral("TheFile%1").arg(i + 1));
        entry->setText(platform::fromUtf8(recent.caption(i)));
        entry->setVisible(recent.visible(i));
    }
    m_recentSeparator->setVisible(recent.separatorVisible());
    if (!m_welcomePageExists) return;
    m_welcomeRecent->clear();
    for (std::size_t i = 0; i < core::documents::RecentFiles::COUNT; ++i) {
        if (!recent.visible(i)) continue;
        const QString path = platform::fromUtf8(recent.file(i));
        auto* item = new QListWidgetItem(QFileInfo(path).fileName() + QStringLiteral("   \u2014   ") + path);
        item->setData(Qt::UserRole, path);
        item->setToolTip(platform::plainToolTip(path));
        m_welcomeRecent->addItem(item);
    }
    m_welcomeRecentHeading->setVisible(m_welcomeRecent->count() > 0);
    m_welcomeRecent->setVisible(m_welcomeRecent->count() > 0);
}

void TForm1::openRequest(const QString& request) {
    const auto path = core::documents::parseOpenRequest(platform::toUtf8(request));
    if (!path) return;
    m_documents->openFile(*path);
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
}

void TForm1::openDroppedFiles(const QList<QUrl>& urls) {
    for (const auto& url : urls)
        if (url.isLocalFile()) m_documents->openFile(platform::toUtf8(QDir::toNativeSeparators(url.toLocalFile())));
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    openDroppedFiles(event->mimeData()->urls());
    event->acceptProposedAction();
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    // Files dropped on the editor open as documents instead of being pasted as text.
    if (watched == m_richEdit1->viewport()) {
        if (event->type() == QEvent::ContextMenu && problemMarginMenu(*static_cast<QContextMenuEvent*>(event))) return true;
        if (event->type() == QEvent::ToolTip) {
            // The margin marker of a line with problems names them.
            const auto* help = static_cast<QHelpEvent*>(event);
            const QString text = m_editorView->problemTextAt(help->pos());
            if (text.isEmpty()) QToolTip::hideText();
            else QToolTip::showText(help->globalPos(), platform::plainToolTip(text), m_richEdit1->viewport());
            return true;
        }
        if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (drag->mimeData()->hasUrls()) {
                drag->acceptProposedAction();
                return true;
            }
        } else if (event->type() == QEvent::Drop) {
            auto* drop = static_cast<QDropEvent*>(event);
            if (drop->mimeData()->hasUrls()) {
                dropEvent(drop);
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace app
