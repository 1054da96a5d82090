#include "app/aids/history_dialog.h"

#include "app/aids/aid_dialog_texts.h"
#include "app/aids/aid_widgets.h"
#include "platform/qt_text.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace app::aids {

HistoryDialog::HistoryDialog(const AidServices& services, const char* objectName, const char* caption,
                             const char* headingText, QWidget* parent)
    : QDialog(parent), m_services(services) {
    makeModeless(this, objectName, caption);
    auto* heading = new QLabel(QString::fromUtf8(headingText));
    heading->setObjectName("Label1");
    m_comboBox1 = new QComboBox;
    m_comboBox1->setObjectName("ComboBox1");
    m_comboBox1->setEditable(true);
    m_comboBox1->setInsertPolicy(QComboBox::NoInsert); // the history grows by Browse only
    m_comboBox1->setMinimumContentsLength(40);
    heading->setBuddy(m_comboBox1);

    auto* browseButton = pushButton("Button1", texts::BROWSE);
    auto* insertButton = pushButton("Button2", texts::INSERT);
    insertButton->setDefault(true); // Enter in the combo box inserts
    auto* closeButton = pushButton("Button3", texts::CLOSE);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(browseButton);
    buttons->addStretch(1);
    buttons->addWidget(insertButton);
    buttons->addWidget(closeButton);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(heading);
    outer->addWidget(m_comboBox1);
    m_column = new QVBoxLayout;
    outer->addLayout(m_column);
    outer->addStretch(1);
    outer->addLayout(buttons);

    connect(browseButton, &QPushButton::clicked, this, [this] { browse(); });
    connect(insertButton, &QPushButton::clicked, this, [this] { insert(); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    // Close, Esc and the close box all end in finished().
    connect(this, &QDialog::finished, this, [this] { saveHistory(); });
}

void HistoryDialog::showDialog() { bringForward(this); }

std::string HistoryDialog::comboText() const { return platform::toCp1252(m_comboBox1->currentText()); }

void HistoryDialog::showHistory(const std::vector<std::string>& entries, const std::string& text) {
    m_comboBox1->clear();
    for (const auto& entry : entries) m_comboBox1->addItem(platform::fromCp1252(entry));
    m_comboBox1->setEditText(platform::fromCp1252(text));
}

void HistoryDialog::closeAtExit() {
    if (isVisible()) saveHistory();
}

} // namespace app::aids
