#include "app/wizard/update_options_dialog.h"

#include "app/wizard/wizard_page_texts.h"
#include "app/wizard/wizard_widgets.h"
#include "platform/qt_text.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace app::wizard {

namespace {

QToolButton* smallButton(const char* name, const QString& glyph, const QString& hint) {
    auto* tool = new QToolButton;
    tool->setObjectName(name);
    tool->setText(glyph);
    tool->setToolTip(hint);
    tool->setFixedSize(26, 26);
    return tool;
}

} // namespace

TForm14::TForm14(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm14");
    setWindowTitle(texts::UPDATE_OPTIONS_CAPTION);
    auto* explanation = new QLabel(texts::UPDATE_OPTIONS_EXPLANATION);
    explanation->setWordWrap(true);
    explanation->setFrameShape(QFrame::StyledPanel);
    explanation->setMargin(6);
    m_entries = new QListWidget;
    m_entries->setObjectName("CheckListBox1");
    auto* up = smallButton("SpeedButton2", QString(QChar(0x25B2)), texts::MOVE_UP_HINT);
    auto* tick = smallButton("SpeedButton1", QString(QChar(0x2713)), texts::TICK_HINT);
    auto* down = smallButton("SpeedButton3", QString(QChar(0x25BC)), texts::MOVE_DOWN_HINT);
    m_targets = new QComboBox;
    m_targets->setObjectName("ComboBox1");
    m_targets->setToolTip(texts::TARGET_HINT);
    m_targets->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_targets->setMinimumContentsLength(30);
    auto* update = button("BitBtn1", "&Update");
    update->setDefault(true);
    auto* cancel = button("BitBtn2", "&Cancel");

    auto* buttons = new QVBoxLayout;
    buttons->addStretch(1);
    for (auto* tool : {up, tick, down}) buttons->addWidget(tool);
    buttons->addStretch(1);
    auto* grid = new QGridLayout(this);
    grid->addWidget(explanation, 0, 0, 1, 2);
    grid->addWidget(m_entries, 1, 0);
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(label("Batch File to Update:", m_targets), 2, 0, 1, 2);
    grid->addWidget(m_targets, 3, 0, 1, 2);
    auto* footer = compactRow();
    footer->addStretch(1);
    footer->addWidget(update);
    footer->addWidget(cancel);
    grid->addLayout(footer, 4, 0, 1, 2);
    grid->setRowStretch(1, 1);
    resize(420, 380);

    connect(up, &QToolButton::clicked, this, [this] { move(true); });
    connect(down, &QToolButton::clicked, this, [this] { move(false); });
    connect(tick, &QToolButton::clicked, this, &TForm14::toggleSelected);
    connect(m_entries, &QListWidget::itemChanged, this, &TForm14::itemChanged);
    connect(m_targets, &QComboBox::currentIndexChanged, this, [this] {
        // The hint names the chosen document in full.
        if (m_targets->currentIndex() >= 0) m_targets->setToolTip(platform::plainToolTip(m_targets->currentText()));
    });
    connect(update, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool TForm14::choose(core::wizard::UpdateList& list, const std::vector<std::string>& targets, std::size_t selected) {
    m_list = &list;
    m_targets->clear();
    m_targets->setToolTip(texts::TARGET_HINT);
    for (const auto& name : targets) m_targets->addItem(platform::fromCp1252(name));
    if (!targets.empty()) m_targets->setCurrentIndex(static_cast<int>(selected));
    showEntries(-1);
    const bool confirmed = exec() == QDialog::Accepted;
    m_list = nullptr;
    return confirmed;
}

std::string TForm14::target() const { return platform::toCp1252(m_targets->currentText()); }

void TForm14::showEntries(int selectedRow) {
    m_filling = true;
    m_entries->clear();
    for (const auto& entry : m_list->entries()) {
        auto* item = new QListWidgetItem(platform::fromCp1252(entry.text), m_entries);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(entry.included ? Qt::Checked : Qt::Unchecked);
    }
    m_entries->setCurrentRow(selectedRow);
    m_filling = false;
}

void TForm14::move(bool up) {
    const int row = m_entries->currentRow();
    if (row < 0) return;
    const auto index = static_cast<std::size_t>(row);
    if (up ? m_list->moveUp(index) : m_list->moveDown(index)) showEntries(up ? row - 1 : row + 1);
}

void TForm14::toggleSelected() {
    const int row = m_entries->currentRow();
    if (row < 0 || !m_list->toggle(static_cast<std::size_t>(row))) return;
    showEntries(row);
}

void TForm14::itemChanged(QListWidgetItem* item) {
    if (m_filling || m_list == nullptr) return;
    const auto index = static_cast<std::size_t>(m_entries->row(item));
    if (m_list->at(index).included != (item->checkState() == Qt::Checked)) m_list->toggle(index);
}

} // namespace app::wizard
