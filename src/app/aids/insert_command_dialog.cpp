#include "app/aids/insert_command_dialog.h"

#include "app/aids/aid_dialog_texts.h"
#include "app/aids/aid_widgets.h"
#include "app/help/context_help.h"
#include "core/aids/aid_texts.h"
#include "core/info/help_contexts.h"
#include "platform/qt_text.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace app::aids {

TInsertCommandSelect::TInsertCommandSelect(const AidServices& services, QWidget* parent)
    : QDialog(parent), m_services(services), m_templates(services.settings, services.files, services.prompter) {
    makeModeless(this, "TInsertCommandSelect", texts::TEMPLATES_CAPTION);

    auto* heading = new QLabel(QString::fromUtf8(texts::TEMPLATES_HEADING));
    heading->setObjectName("Label1");
    m_listBox1 = new QListWidget;
    m_listBox1->setObjectName("ListBox1");
    m_listBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    heading->setBuddy(m_listBox1);
    m_memo1 = new QPlainTextEdit(platform::fromCp1252(core::aids::texts::DESCRIPTION_PROMPT));
    m_memo1->setObjectName("Memo1");
    m_memo1->setReadOnly(true);
    m_memo1->setMaximumHeight(90);

    auto* insert = pushButton("Button1", texts::INSERT, texts::INSERT_HINT);
    insert->setDefault(true);
    auto* close = pushButton("Button2", texts::CLOSE, texts::CLOSE_HINT);
    auto* add = pushButton("Button3", texts::ADD, texts::ADD_HINT);
    for (QWidget* widget : {static_cast<QWidget*>(m_listBox1), static_cast<QWidget*>(m_memo1),
                            static_cast<QWidget*>(insert), static_cast<QWidget*>(close)})
        help::setHelpContext(widget, core::info::help::TEMPLATES);
    help::setHelpContext(add, core::info::help::TEMPLATES_ADD);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addStretch(1);
    buttons->addWidget(insert);
    buttons->addWidget(close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(heading);
    column->addWidget(m_listBox1, 1);
    column->addWidget(m_memo1);
    column->addLayout(buttons);
    resize(380, 360);

    fillList();
    connect(m_listBox1, &QListWidget::currentRowChanged, this, &TInsertCommandSelect::ListBox1Click);
    connect(insert, &QPushButton::clicked, this, &TInsertCommandSelect::Button1Click);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(add, &QPushButton::clicked, this, &TInsertCommandSelect::Button3Click);
    // Close, Esc and the close box all end in finished().
    connect(this, &QDialog::finished, this, &TInsertCommandSelect::FormClose);
}

TInsertCommandSelect::~TInsertCommandSelect() {
    if (isVisible()) m_templates.close(); // still open at exit
}

void TInsertCommandSelect::showDialog() { bringForward(this); }

void TInsertCommandSelect::fillList() {
    m_listBox1->clear();
    for (const auto& entry : m_templates.list()) m_listBox1->addItem(platform::fromCp1252(entry));
}

void TInsertCommandSelect::ListBox1Click() {
    const int row = m_listBox1->currentRow();
    std::optional<std::string_view> entry;
    if (row >= 0) entry = m_templates.list()[static_cast<std::size_t>(row)];
    m_memo1->setPlainText(platform::fromCp1252(core::aids::descriptionOf(entry)));
}

void TInsertCommandSelect::Button1Click() {
    const int row = m_listBox1->currentRow();
    if (row >= 0) m_templates.insert(static_cast<std::size_t>(row), m_services.ifPage, m_services.editor);
}

void TInsertCommandSelect::Button3Click() {
    if (const auto place = m_templates.add())
        m_listBox1->insertItem(static_cast<int>(*place), platform::fromCp1252(m_templates.list()[*place]));
}

void TInsertCommandSelect::FormClose() {
    m_templates.close();
    const QString kept = m_listBox1->currentItem() != nullptr ? m_listBox1->currentItem()->text() : QString();
    fillList();
    const auto found = m_listBox1->findItems(kept, Qt::MatchExactly);
    if (!kept.isEmpty() && !found.isEmpty()) m_listBox1->setCurrentItem(found.front());
}

} // namespace app::aids
