#pragma once
// "File Operations": copy, move, copy a directory, delete, rename and create.
#include <QWidget>

class QAbstractButton;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

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
    void enableCopyOptions(bool verify, bool folderOptions);
    void enableRenameFields(bool from, bool extension);

    Browser& m_browser;
    QPlainTextEdit* m_memo1 = nullptr;
    QPlainTextEdit* m_memo2 = nullptr;
    QLineEdit* m_edit4 = nullptr;
    QLineEdit* m_edit12 = nullptr;
    QLineEdit* m_edit14 = nullptr;
    QPushButton* m_button9 = nullptr;
    QAbstractButton* m_copyDirectory = nullptr;
    QAbstractButton* m_deleteDirectory = nullptr;
    QAbstractButton* m_verify = nullptr;
    QGroupBox* m_subFolders = nullptr;
    QList<QAbstractButton*> m_folderOptions;
};

} // namespace app::wizard
