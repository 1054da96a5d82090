#include "app/help/help_window.h"

#include "app/help/help_texts.h"
#include "platform/qt_text.h"

#include <QApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace app::help {
namespace {

constexpr int TOPIC_ROLE = Qt::UserRole;
constexpr auto STYLE_SHEET = "help.css";

QPushButton* toolButton(const char* text, QWidget* parent) {
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setAutoDefault(false);
    return button;
}

} // namespace

HelpWindow::HelpWindow(core::ports::FileSystem& files, QWidget* parent) : QWidget(parent, Qt::Window), m_files(files) {
    setObjectName("HelpWindow");
    setWindowTitle(texts::WINDOW_TITLE);
    resize(900, 620);

    m_tabs = new QTabWidget;
    m_contents = new QTreeWidget;
    m_contents->setObjectName("contentsTree");
    m_contents->setHeaderHidden(true);
    m_tabs->addTab(m_contents, texts::CONTENTS_TAB);

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    m_searchBox = new QLineEdit;
    m_searchBox->setObjectName("searchBox");
    m_searchBox->setPlaceholderText(texts::SEARCH_PROMPT);
    m_searchBox->setClearButtonEnabled(true);
    m_results = new QListWidget;
    m_results->setObjectName("searchResults");
    searchLayout->addWidget(m_searchBox);
    searchLayout->addWidget(m_results);
    m_tabs->addTab(searchPage, texts::SEARCH_TAB);

    m_view = new QTextBrowser;
    m_view->setObjectName("topicView");
    m_view->setOpenExternalLinks(true);

    auto* back = toolButton(texts::BACK, this);
    auto* forward = toolButton(texts::FORWARD, this);
    auto* home = toolButton(texts::HOME, this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(home);
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addStretch();

    auto* splitter = new QSplitter;
    splitter->addWidget(m_tabs);
    splitter->addWidget(m_view);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);

    connect(back, &QPushButton::clicked, m_view, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, m_view, &QTextBrowser::forward);
    connect(m_view, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_view, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(home, &QPushButton::clicked, this, &HelpWindow::showContents);
    connect(m_view, &QTextBrowser::sourceChanged, this, &HelpWindow::pageChanged);
    connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        if (const auto topic = item->data(0, TOPIC_ROLE); topic.isValid()) openTopic(topic.toULongLong());
    });
    connect(m_contents, &QTreeWidget::itemClicked, m_contents, &QTreeWidget::itemActivated);
    connect(m_searchBox, &QLineEdit::textChanged, this, &HelpWindow::search);
    connect(m_results, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { openTopic(item->data(TOPIC_ROLE).toULongLong()); });
    connect(m_results, &QListWidget::itemClicked, m_results, &QListWidget::itemActivated);
}

HelpWindow::~HelpWindow() = default;

const core::info::HelpLibrary& HelpWindow::library() {
    if (!m_library) {
        m_library = std::make_unique<core::info::HelpLibrary>(m_files, m_files.programFolder());
        QFile css(platform::fromUtf8(m_library->pathOf(STYLE_SHEET)));
        if (css.open(QIODevice::ReadOnly)) m_view->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
        m_view->setSearchPaths({platform::fromUtf8(m_library->folder())});
        buildContents();
    }
    return *m_library;
}

void HelpWindow::buildContents() {
    const auto& index = m_library->index();
    std::vector<QTreeWidgetItem*> books;
    for (const auto& title : index.books()) {
        books.push_back(new QTreeWidgetItem(m_contents, {platform::fromUtf8(title)}));
    }
    for (std::size_t i = 0; i < index.topics().size(); ++i) {
        const auto& topic = index.topics()[i];
        auto* item = new QTreeWidgetItem(books[topic.book], {platform::fromUtf8(topic.title)});
        item->setData(0, TOPIC_ROLE, QVariant::fromValue<qulonglong>(i));
        m_topicItems.push_back(item);
    }
    m_contents->expandAll();
}

void HelpWindow::showTopic(int context) {
    const auto& help = library();
    raiseWindow();
    if (!help.loaded()) return showContents();
    const auto target = help.index().target(context);
    const auto topic = target ? help.index().topicOf(target->page) : std::nullopt;
    if (!topic) return showMessage(QString::fromUtf8(texts::NO_TOPIC).arg(context));
    openTopic(*topic, platform::fromUtf8(target->anchor));
}

void HelpWindow::showContents() {
    const auto& help = library();
    raiseWindow();
    m_tabs->setCurrentWidget(m_contents);
    if (!help.loaded() || help.index().topics().empty()) {
        const auto problem = help.problems().empty() ? QString() : platform::fromUtf8(help.problems().front());
        return showMessage(QString::fromUtf8(texts::NO_HELP).arg(platform::fromUtf8(help.folder()), problem.toHtmlEscaped()));
    }
    openTopic(0);
}

void HelpWindow::openTopic(std::size_t topic, const QString& anchor) {
    auto url = QUrl::fromLocalFile(platform::fromUtf8(m_library->pathOf(m_library->index().topics().at(topic).page)));
    if (!anchor.isEmpty()) url.setFragment(anchor);
    m_view->setSource(url);
    if (!anchor.isEmpty()) m_view->scrollToAnchor(anchor);
}

void HelpWindow::showMessage(const QString& html) {
    m_view->clearHistory();
    m_view->setHtml(html);
}

void HelpWindow::pageChanged(const QUrl& page) {
    // Keep the contents in step with the page on view, however it was reached.
    const auto topic = m_library->index().topicOf(platform::toUtf8(page.isLocalFile() ? page.fileName() : QString()));
    if (topic && *topic < m_topicItems.size()) m_contents->setCurrentItem(m_topicItems[*topic]);
}

QString HelpWindow::currentPage() const {
    return m_view->source().isLocalFile() ? m_view->source().fileName() : QString();
}

void HelpWindow::search(const QString& query) {
    const auto& help = library();
    if (m_searchBox->text() != query) {
        const QSignalBlocker quiet(m_searchBox);
        m_searchBox->setText(query);
    }
    m_tabs->setCurrentIndex(1);
    m_results->clear();
    const auto found = help.search(platform::toUtf8(query));
    for (const auto topic : found) {
        auto* item = new QListWidgetItem(platform::fromUtf8(help.index().topics()[topic].title), m_results);
        item->setData(TOPIC_ROLE, QVariant::fromValue<qulonglong>(topic));
    }
    if (found.empty() && !query.trimmed().isEmpty()) {
        auto* none = new QListWidgetItem(texts::NO_MATCH, m_results);
        none->setFlags(Qt::NoItemFlags);
    }
}

// Help asked for in a modal dialog would open behind it, out of reach until
// the dialog closes: it is then modal itself, over the dialog, until closed.
void HelpWindow::raiseWindow() {
    const QWidget* modal = QApplication::activeModalWidget();
    const auto wanted = modal ? Qt::ApplicationModal : Qt::NonModal;
    if (modal != this && windowModality() != wanted) {
        hide(); // a shown window keeps the modality it was shown with
        setWindowModality(wanted);
    }
    show();
    raise();
    activateWindow();
}

} // namespace app::help
