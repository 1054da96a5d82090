#pragma once
// The frame that "Insert Filename" and "Insert Path" share: a heading, an
// editable combo box with the history, and "&Browse...", "&Insert" and
// "&Close". Both are modeless, stay open after Insert, and save their history
// however they close (Close, Esc, the close box, or still open at exit).
//
// Object names: Label1 (heading), ComboBox1, Button1 "&Browse...",
// Button2 "&Insert", Button3 "&Close".
#include "app/aids/aid_services.h"

#include <QDialog>

#include <string>
#include <vector>

class QBoxLayout;
class QComboBox;

namespace app::aids {

class HistoryDialog : public QDialog {
    Q_OBJECT
public:
    //! Shows the dialog (or brings it forward).
    void showDialog();

protected:
    HistoryDialog(const AidServices& services, const char* objectName, const char* caption, const char* heading,
                  QWidget* parent);

    //! The column the derived dialog may add controls to, above the buttons.
    QBoxLayout* column() const { return m_column; }
    //! The combo box text as document text.
    std::string comboText() const;
    //! Lists the history and shows text in the edit field.
    void showHistory(const std::vector<std::string>& entries, const std::string& text);

    virtual void browse() = 0;
    virtual void insert() = 0;
    //! Saves the history; called once per closing.
    virtual void saveHistory() = 0;
    //! For the derived destructor: saves the history of a dialog open at exit.
    void closeAtExit();

    AidServices m_services;
    QComboBox* m_comboBox1 = nullptr;

private:
    QBoxLayout* m_column = nullptr;
};

} // namespace app::aids
