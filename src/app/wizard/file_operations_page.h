#pragma once
// "File Operations": copy, move, copy a directory, delete, rename and create.
#include <QWidget>

class QAbstractButton;
class QLineEdit;
class QPlainTextEdit;

namespace app::wizard {

class Browser;

class FileOperationsPage : public QWidget {
    Q_OBJECT
public:
    explicit FileOperationsPage(Browser& browser, QWidget* parent = nullptr);

private:
    QWidget* buildCopyGroup();
    QWidget* buildDeleteGroup();
    QWidget* buildRenameGroup();

    Browser& m_browser;
    QPlainTextEdit* m_memo1 = nullptr;
    QPlainTextEdit* m_memo2 = nullptr;
    QLineEdit* m_edit4 = nullptr;
    QAbstractButton* m_copyDirectory = nullptr;
    QAbstractButton* m_deleteDirectory = nullptr;
};

} // namespace app::wizard
