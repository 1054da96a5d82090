#pragma once
// TInsertCommandSelect, "Insert Command Template": the sorted list of command
// templates, the selected one's description, and Insert, Close and Add. It
// is modeless and stays open after Insert; closing it, however it is closed,
// drops the empty custom templates.
//
// Object names: Label1 (heading), ListBox1 (templates), Memo1 (description),
// Button1 "&Insert", Button2 "&Close", Button3 "&Add...".
#include "app/aids/aid_services.h"
#include "core/aids/command_templates.h"

#include <QDialog>

class QListWidget;
class QPlainTextEdit;

namespace app::aids {

class TInsertCommandSelect : public QDialog {
    Q_OBJECT
public:
    explicit TInsertCommandSelect(const AidServices& services, QWidget* parent = nullptr);
    ~TInsertCommandSelect() override;

    //! EditInsert1Execute: shows the dialog (or brings it forward).
    void showDialog();

private:
    void ListBox1Click();
    void Button1Click(); //!< &Insert
    void Button3Click(); //!< &Add...
    void FormClose();
    void fillList();

    AidServices m_services;
    core::aids::CommandTemplates m_templates;
    QListWidget* m_listBox1 = nullptr;
    QPlainTextEdit* m_memo1 = nullptr;
};

} // namespace app::aids
