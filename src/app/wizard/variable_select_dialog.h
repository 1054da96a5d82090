#pragma once
// TForm12 "Variable Select": the variables the batch file defines, or (in
// label mode, "Available Labels") its labels. Modeless; its choice goes where
// the variable target says.
#include "core/documents/pick_lists.h"

#include <QDialog>

class QLabel;
class QListWidget;

namespace app::wizard {

//! Where the dialog's variable goes: 0 the editor, 1 "String 1:", 2
//! "String 2:", 3 label mode.
enum VariableTarget : int { TARGET_EDITOR = 0, TARGET_STRING1 = 1, TARGET_STRING2 = 2, TARGET_LABEL = 3 };

class TForm12 : public QDialog {
    Q_OBJECT
public:
    explicit TForm12(core::documents::PickLists& lists, QWidget* parent = nullptr);

    //! Variable mode for a target (0, 1 or 2), the lists read afresh.
    void showVariables(int target);
    //! Label mode (target 3).
    void showLabels();
    int target() const { return m_target; }

signals:
    //! "%NAME%" for the selected variable, and the target it goes to.
    void variableChosen(int target, const QString& reference);
    //! The selected label's name, without the colon.
    void labelChosen(const QString& name);

private:
    void fill();
    void okClicked();

    core::documents::PickLists& m_lists;
    int m_target = TARGET_EDITOR;
    QLabel* m_heading = nullptr;
    QListWidget* m_variables = nullptr;
    QListWidget* m_labels = nullptr;
};

} // namespace app::wizard
