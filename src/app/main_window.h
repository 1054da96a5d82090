#pragma once
// TForm1: the whole program in one window: the three layouts "Easy",
// "Advanced" and "Welcome", the document tabs and the editor.
#include <QMainWindow>

class QTabWidget;
class QTabBar;
class QsciScintilla;

namespace app {

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

    QTabWidget* pageControl() const { return m_pageControl1; }
    QsciScintilla* editor() const { return m_richEdit1; }

private:
    QWidget* buildEasyPage();
    QWidget* buildAdvancedPage();
    QWidget* buildWelcomePage();

    QTabWidget* m_pageControl1 = nullptr;
    QTabBar* m_tabControl1 = nullptr;
    QsciScintilla* m_richEdit1 = nullptr;
};

} // namespace app
