#pragma once
// TForm14 "Select Batch File Update Options": the update list with check
// marks, buttons to reorder and tick entries, and the document to update.
#include "core/wizard/update_list.h"

#include <QDialog>

#include <string>
#include <vector>

class QComboBox;
class QListWidget;
class QListWidgetItem;

namespace app::wizard {

class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);

    //! Shows the list (changed in place by the buttons) and the targets with
    //! one selected; true when closed with "&Update".
    bool choose(core::wizard::UpdateList& list, const std::vector<std::string>& targets, std::size_t selected);
    //! The document chosen to update (document text).
    std::string target() const;

private:
    void showEntries(int selectedRow);
    void move(bool up);
    void toggleSelected();
    void itemChanged(QListWidgetItem* item);

    core::wizard::UpdateList* m_list = nullptr;
    QListWidget* m_entries = nullptr;
    QComboBox* m_targets = nullptr;
    bool m_filling = false;
};

} // namespace app::wizard
