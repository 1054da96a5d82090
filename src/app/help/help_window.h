#pragma once
// Quillet's help window: the contents on the left (with a search box over
// every topic on its second tab) and the topic page on the right. It is the
// program's HelpViewer: the menus, the Welcome page and F1 open it at a topic
// by context number, or at its contents.
#include "core/info/help_library.h"
#include "core/ports/file_system.h"
#include "core/ports/help_viewer.h"

#include <QWidget>

#include <memory>
#include <vector>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;
class QUrl;
class QTreeWidget;
class QTreeWidgetItem;

namespace app::help {

class HelpWindow : public QWidget, public core::ports::HelpViewer {
    Q_OBJECT
public:
    //! The pages are read from the program folder when the window first opens.
    explicit HelpWindow(core::ports::FileSystem& files, QWidget* parent = nullptr);
    ~HelpWindow() override;

    void showTopic(int context) override;
    void showContents() override;

    //! The page on view (file name inside the help folder), empty when none.
    QString currentPage() const;
    //! Fills the search results for a query, as typing in the search box does.
    void search(const QString& query);

private:
    const core::info::HelpLibrary& library();
    void buildContents();
    void openTopic(std::size_t topic, const QString& anchor = {});
    void showMessage(const QString& html);
    void pageChanged(const QUrl& page);
    void raiseWindow();

    core::ports::FileSystem& m_files;
    std::unique_ptr<core::info::HelpLibrary> m_library;
    QTabWidget* m_tabs = nullptr;
    QTreeWidget* m_contents = nullptr;
    std::vector<QTreeWidgetItem*> m_topicItems; //!< one per topic, in index order
    QLineEdit* m_searchBox = nullptr;
    QListWidget* m_results = nullptr;
    QTextBrowser* m_view = nullptr;
};

} // namespace app::help
