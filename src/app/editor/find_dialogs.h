#pragma once
// The modeless Find (FindDialog1) and Replace (ReplaceDialog1) dialogs. They
// only report what the user asked for; the window searches. Searching is
// always case-sensitive, never whole-word only, always forward, so those
// options are not offered.
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace app::editor {

class FindDialog : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);
    QString findText() const;
    //! The text to search for, selected so typing replaces it.
    void setFindText(const QString& text);

signals:
    void findNext();

private:
    QLineEdit* m_find = nullptr;
};

class ReplaceDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReplaceDialog(QWidget* parent = nullptr);
    QString findText() const;
    void setFindText(const QString& text);
    QString replaceText() const;

signals:
    void findNext();
    void replace();
    void replaceAll();

private:
    QLineEdit* m_find = nullptr;
    QLineEdit* m_replace = nullptr;
};

} // namespace app::editor
