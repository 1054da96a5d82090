#include "app/aids/insert_filename_dialog.h"

#include "app/aids/aid_dialog_texts.h"

namespace app::aids {

TForm9::TForm9(const AidServices& services, QWidget* parent)
    : HistoryDialog(services, "TForm9", texts::FILENAME_CAPTION, texts::FILENAME_HEADING, parent),
      m_aid(services.settings, services.files, services.prompter) {
    showHistory(m_aid.history().entries(), {});
}

TForm9::~TForm9() { closeAtExit(); }

void TForm9::browse() {
    if (const auto chosen = m_aid.browse()) showHistory(m_aid.history().entries(), *chosen);
}

void TForm9::insert() { m_aid.insert(comboText(), m_services.editor); }

} // namespace app::aids
