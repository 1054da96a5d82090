#pragma once
// TForm9, "Insert Filename": a file name from the history or a file open
// dialog, inserted at the caret in its short form.
#include "app/aids/history_dialog.h"
#include "core/aids/insert_aids.h"

namespace app::aids {

class TForm9 : public HistoryDialog {
    Q_OBJECT
public:
    explicit TForm9(const AidServices& services, QWidget* parent = nullptr);
    ~TForm9() override;

private:
    void browse() override;
    void insert() override;
    void saveHistory() override { m_aid.close(); }

    core::aids::InsertFilename m_aid;
};

} // namespace app::aids
