#include "app/main_window.h"

#include "app/easy_placeholder.h"
#include "app/elided_label.h"
#include "app/problems/problems_dock.h"
#include "app/window_texts.h"
#include "core/info/help_contexts.h"
#include "platform/qt_text.h"

#include <Qsci/qsciscintilla.h>

#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

// The pictures compiled into the program (a static library needs the call).
static void initIcons() { Q_INIT_RESOURCE(icons); }

namespace app {

using core::settings::TopPage;

QIcon programIcon() {
    QIcon icon;
    for (const int size : {48, 64, 128, 256}) icon.addFile(QStringLiteral(":/icons/quillet-%1.png").arg(size));
    return icon;
}

TForm1::TForm1(WindowServices services, QWidget* parent) : QMainWindow(parent), m_services(services) {
    initIcons();
    setObjectName("TForm1");
    setWindowTitle(texts::TITLE);
    setWindowIcon(programIcon());
    setMinimumSize(800, 565);
    resize(800, 575);
    setAcceptDrops(true);

    m_pageControl1 = new QTabWidget(this);
    m_pageControl1->setObjectName("PageControl1");
    m_pageControl1->addTab(buildEasyPage(), "Easy");
    m_pageControl1->addTab(buildAdvancedPage(), "Advanced");
    m_pageControl1->addTab(buildWelcomePage(), "Welcome");
    setCentralWidget(m_pageControl1);
    buildStatusBar();

    m_editorView = std::make_unique<platform::ScintillaEditorView>(m_richEdit1);
    m_documents = std::make_unique<core::documents::DocumentSet>(*m_editorView, services.prompter, services.files,
                                                                 services.settings, m_pickLists);
    m_documents->setListener([this](core::documents::DocumentEvent event) { documentsChanged(event); });
    m_documents->setKeeper(m_editorView.get());

    buildActions();
    buildMenus();
    buildToolBar();
    buildContextMenus();

    connect(m_pageControl1, &QTabWidget::currentChanged, this, &TForm1::PageControl1Change);
    connect(m_tabControl1, &QTabBar::currentChanged, this, &TForm1::TabControl1Change);
    connect(m_richEdit1, &QsciScintilla::textChanged, this, &TForm1::RichEdit1Change);
    connect(m_richEdit1, &QsciScintilla::modificationChanged, this, [this](bool modified) {
        if (!modified && !m_editorView->replacingText()) m_documents->savePointReached();
    });
    connect(m_problemsDock, &ProblemsDock::goToLine, this, &TForm1::goToProblemLine);
    connect(m_problemsDock, &ProblemsDock::ignoreRequested, this, &TForm1::ignoreProblem);
    connectProblemFixes();
    setUpComforts();
    setUpLiveCheck();
}

TForm1::~TForm1() = default;

QWidget* TForm1::buildEasyPage() {
    m_tabSheet2 = new QWidget;
    m_tabSheet2->setObjectName("TabSheet2");
    auto* layout = new QVBoxLayout(m_tabSheet2);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* placeholder = new EasyPlaceholder;
    layout->addWidget(placeholder);
    m_easyWidget = placeholder;
    m_easy = placeholder;
    return m_tabSheet2;
}

void TForm1::setEasyLayout(QWidget* widget, EasyPages* pages) {
    const int wizardPage = m_easy->wizardPage();
    const int networkPage = m_easy->networkPage();
    delete m_easyWidget;
    m_tabSheet2->layout()->addWidget(widget);
    m_easyWidget = widget;
    m_easy = pages;
    m_easy->setWizardPage(wizardPage);
    m_easy->setNetworkPage(networkPage);
}

// The Advanced page: the tab strip and the editor, with the Problems list docked below.
QWidget* TForm1::buildAdvancedPage() {
    m_tabSheet1 = new QMainWindow;
    m_tabSheet1->setObjectName("TabSheet1");
    auto* area = static_cast<QMainWindow*>(m_tabSheet1);
    area->setWindowFlags(Qt::Widget);
    auto* page = new QWidget;
    page->setObjectName("EditorArea");
    area->setCentralWidget(page);
    m_problemsDock = new ProblemsDock(area);
    area->addDockWidget(Qt::BottomDockWidgetArea, m_problemsDock);
    m_problemsDock->hide();
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabControl1 = new QTabBar;
    m_tabControl1->setObjectName("TabControl1");
    m_tabControl1->setExpanding(false);
    m_tabControl1->setDocumentMode(true);
    m_richEdit1 = new QsciScintilla;
    m_richEdit1->setObjectName("RichEdit1");
    m_richEdit1->viewport()->installEventFilter(this);
    layout->addWidget(m_tabControl1);
    layout->addWidget(m_richEdit1, 1);
    return m_tabSheet1;
}

namespace {

// A layout button with a line under it saying what the layout is for.
QWidget* layoutChoice(QPushButton* button, const char* purpose) {
    auto* box = new QWidget;
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    button->setMinimumSize(200, 44);
    column->addWidget(button);
    auto* line = new QLabel(QString::fromUtf8(purpose));
    line->setWordWrap(true);
    line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    line->setFixedWidth(240);
    column->addWidget(line, 0, Qt::AlignHCenter);
    return box;
}

} // namespace

QWidget* TForm1::buildWelcomePage() {
    m_tabSheet5 = new QWidget;
    m_tabSheet5->setObjectName("TabSheet5");
    auto* layout = new QVBoxLayout(m_tabSheet5);
    layout->addStretch(1);
    auto* picture = new QLabel;
    picture->setObjectName("WelcomeIcon");
    picture->setPixmap(programIcon().pixmap(96, 96));
    picture->setAlignment(Qt::AlignCenter);
    layout->addWidget(picture);
    auto* title = new QLabel(texts::TITLE);
    title->setObjectName("WelcomeTitle");
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() * 2);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);
    auto* prompt = new QLabel(texts::WELCOME_PROMPT);
    prompt->setObjectName("Label2");
    prompt->setAlignment(Qt::AlignCenter);
    layout->addWidget(prompt);
    layout->addSpacing(12);

    auto* easy = new QPushButton("&Easy Layout");
    easy->setObjectName("BitBtn3");
    easy->setToolTip("Starts Quillet in the easy interface mode");
    auto* advanced = new QPushButton("&Advanced Layout");
    advanced->setObjectName("BitBtn4");
    advanced->setToolTip("Starts Quillet in the advanced interface mode");
    auto* help = new QPushButton(QIcon::fromTheme("help-contents", QIcon(":/icons/help-contents-24.png")), "");
    help->setObjectName("SpeedButton1");
    help->setToolTip("Display Help");
    help->setFixedSize(44, 44);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(layoutChoice(easy, texts::WELCOME_EASY_PURPOSE), 0, Qt::AlignTop);
    buttons->addSpacing(16);
    buttons->addWidget(layoutChoice(advanced, texts::WELCOME_ADVANCED_PURPOSE), 0, Qt::AlignTop);
    buttons->addSpacing(16);
    buttons->addWidget(help, 0, Qt::AlignTop);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addSpacing(16);

    m_welcomeRecentHeading = new QLabel(texts::WELCOME_RECENT);
    m_welcomeRecentHeading->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_welcomeRecentHeading);
    m_welcomeRecent = new QListWidget;
    m_welcomeRecent->setObjectName("WelcomeRecent");
    m_welcomeRecent->setFixedWidth(520);
    m_welcomeRecent->setMaximumHeight(90);
    m_welcomeRecent->setToolTip("Double-click (or Enter) opens the file in the Advanced layout");
    layout->addWidget(m_welcomeRecent, 0, Qt::AlignHCenter);
    layout->addStretch(2);
    connect(easy, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    connect(advanced, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(help, &QPushButton::clicked, this, [this] { m_services.help.showTopic(core::info::help::WELCOME); });
    connect(m_welcomeRecent, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        leaveWelcome(TopPage::Advanced, 0);
        m_documents->openFile(platform::toUtf8(item->data(Qt::UserRole).toString()));
    });
    return m_tabSheet5;
}

void TForm1::buildStatusBar() {
    auto* bar = new QStatusBar;
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    m_statusPanel0 = new QLabel(texts::STATUS_NOTICE);
    m_statusPanel0->setObjectName("StatusPanel0");
    m_statusPanel0->setFixedWidth(360);
    m_statusPanel1 = new ElidedLabel; // shows the file name, as plain text
    m_statusPanel1->setObjectName("StatusPanel1");
    m_statusPanel2 = new QLabel;
    m_statusPanel2->setObjectName("StatusPanel2");
    bar->addWidget(m_statusPanel0);
    bar->addWidget(m_statusPanel1, 1);
    bar->addPermanentWidget(m_statusPanel2);
    setStatusBar(bar);
}

int TForm1::pageIndex(TopPage page) const {
    switch (page) {
    case TopPage::Easy: return m_pageControl1->indexOf(m_tabSheet2);
    case TopPage::Advanced: return m_pageControl1->indexOf(m_tabSheet1);
    case TopPage::Welcome: return m_welcomePageExists ? m_pageControl1->indexOf(m_tabSheet5) : -1;
    }
    return -1;
}

TopPage TForm1::activePage() const {
    const int index = m_pageControl1->currentIndex();
    if (index == pageIndex(TopPage::Easy)) return TopPage::Easy;
    if (m_welcomePageExists && index == pageIndex(TopPage::Welcome)) return TopPage::Welcome;
    return TopPage::Advanced;
}

void TForm1::selectPage(TopPage page) {
    const int index = pageIndex(page);
    if (index >= 0) m_pageControl1->setCurrentIndex(index);
}

const core::checker::ProblemList& TForm1::problems() const { return m_problemsDock->list(); }

QAction* TForm1::action(const QString& name) const { return m_actions.value(name); }

} // namespace app
