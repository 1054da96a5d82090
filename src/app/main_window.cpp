#include "app/main_window.h"

#include <Qsci/qsciscintilla.h>

#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName("TForm1");
    setWindowTitle("Quillet");
    setMinimumSize(800, 565);
    setMaximumSize(1152, 864);
    resize(800, 575);

    m_pageControl1 = new QTabWidget(this);
    m_pageControl1->setObjectName("PageControl1");
    m_pageControl1->addTab(buildEasyPage(), "Easy");
    m_pageControl1->addTab(buildAdvancedPage(), "Advanced");
    m_pageControl1->addTab(buildWelcomePage(), "Welcome");
    setCentralWidget(m_pageControl1);
}

QWidget* TForm1::buildEasyPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("I want to..."));
    layout->addStretch();
    return page;
}

QWidget* TForm1::buildAdvancedPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_tabControl1 = new QTabBar;
    m_tabControl1->setObjectName("TabControl1");
    m_tabControl1->addTab("Untitled.bat");
    m_richEdit1 = new QsciScintilla;
    m_richEdit1->setObjectName("RichEdit1");
    m_richEdit1->setEolMode(QsciScintilla::EolWindows);
    m_richEdit1->setUtf8(true);
    layout->addWidget(m_tabControl1);
    layout->addWidget(m_richEdit1, 1);
    return page;
}

QWidget* TForm1::buildWelcomePage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet5");
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel("Choose one of the options below to start using the Quillet:"));
    layout->addStretch();
    return page;
}

} // namespace app
