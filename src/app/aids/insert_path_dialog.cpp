#include "app/aids/insert_path_dialog.h"

#include "app/aids/aid_dialog_texts.h"
#include "core/aids/aid_texts.h"
#include "platform/qt_text.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>

namespace app::aids {

TForm10::TForm10(const AidServices& services, QWidget* parent)
    : HistoryDialog(services, "TForm10", texts::PATH_CAPTION, texts::PATH_HEADING, parent),
      m_aid(services.settings, services.files, services.prompter) {
    showHistory(m_aid.history().entries(), {});

    auto* heading = new QLabel(QString::fromUtf8(texts::STANDARD_HEADING));
    heading->setObjectName("Label2");
    m_listBox1 = new QListWidget;
    m_listBox1->setObjectName("ListBox1");
    for (const auto& directory : core::aids::texts::STANDARD_DIRECTORIES)
        m_listBox1->addItem(platform::fromCp1252(directory.entry));
    const int rows = m_listBox1->count();
    m_listBox1->setFixedHeight(m_listBox1->sizeHintForRow(0) * rows + 2 * m_listBox1->frameWidth() + 2);
    heading->setBuddy(m_listBox1);
    column()->addWidget(heading);
    column()->addWidget(m_listBox1);

    connect(m_listBox1, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { ListBox1DblClick(m_listBox1->row(item)); });
}

TForm10::~TForm10() { closeAtExit(); }

void TForm10::browse() {
    const auto text = m_aid.browse(comboText());
    showHistory(m_aid.history().entries(), text);
}

void TForm10::insert() { m_aid.insert(comboText(), m_services.editor); }

void TForm10::ListBox1DblClick(int row) {
    if (row >= 0) core::aids::InsertPath::insertStandardDirectory(static_cast<std::size_t>(row), m_services.editor);
}

} // namespace app::aids
