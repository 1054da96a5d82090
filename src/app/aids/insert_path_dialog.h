#pragma once
// TForm10, "Insert Path": a directory from the history or a directory
// chooser, inserted at the caret in its short form, or one of the five
// standard directories by double-click.
//
// Object names, besides the shared frame's: Label2 (standard heading),
// ListBox1 (standard directories).
#include "app/aids/history_dialog.h"
#include "core/aids/insert_aids.h"

class QListWidget;

namespace app::aids {

class TForm10 : public HistoryDialog {
    Q_OBJECT
public:
    explicit TForm10(const AidServices& services, QWidget* parent = nullptr);
    ~TForm10() override;

private:
    void browse() override;
    void insert() override;
    void saveHistory() override { m_aid.close(); }
    void ListBox1DblClick(int row);

    core::aids::InsertPath m_aid;
    QListWidget* m_listBox1 = nullptr;
};

} // namespace app::aids
