#pragma once
// The modeless Replace dialog (ReplaceDialog1). It only reports what the user
// asked for; the window searches. Replacing is always case-sensitive, never
// whole-word only, always forward, so those options are not offered. (Finding
// has the Find bar.)
#include <QDialog>

class QLineEdit;
class QPushButton;

namespace app::editor {

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
