#include "app/wizard/variable_select_dialog.h"

#include "app/wizard/wizard_page_texts.h"
#include "app/wizard/wizard_widgets.h"
#include "platform/qt_text.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace app::wizard {

namespace {
QListWidget* list(const char* name) {
    auto* names = new QListWidget;
    names->setObjectName(name);
    return names;
}
} // namespace

TForm12::TForm12(core::documents::PickLists& lists, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_lists(lists) {
    setObjectName("TForm12");
    m_heading = new QLabel;
    m_heading->setObjectName("Label1");
    m_variables = list("ListBox1");
    m_labels = list("ListBox2");
    auto* ok = button("Button1", "OK");
    ok->setDefault(true);
    auto* close = button("Button2", "&Close");
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_heading);
    column->addWidget(m_variables);
    column->addWidget(m_labels);
    auto* buttons = compactRow();
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(close);
    column->addLayout(buttons);
    resize(260, 300);
    connect(ok, &QPushButton::clicked, this, &TForm12::okClicked);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void TForm12::showVariables(int target) {
    m_target = target;
    setWindowTitle(texts::VARIABLE_CAPTION);
    m_heading->setText(texts::VARIABLE_HEADING);
    m_labels->hide();
    m_variables->show();
    fill();
    show();
    raise();
}

void TForm12::showLabels() {
    m_target = TARGET_LABEL;
    setWindowTitle(texts::LABEL_CAPTION);
    m_heading->setText(texts::LABEL_HEADING);
    m_variables->hide();
    m_labels->show();
    fill();
    show();
    raise();
}

void TForm12::fill() {
    const auto refill = [](QListWidget* names, const std::vector<std::string>& entries) {
        const QString kept = names->currentItem() != nullptr ? names->currentItem()->text() : QString();
        names->clear();
        for (const auto& entry : entries) names->addItem(platform::fromCp1252(entry));
        const auto found = names->findItems(kept, Qt::MatchExactly);
        if (!kept.isEmpty() && !found.isEmpty()) names->setCurrentItem(found.front());
    };
    refill(m_variables, m_lists.variables);
    refill(m_labels, m_lists.labels);
}

void TForm12::okClicked() {
    // Both lists deliver their selection, the variable by the target.
    if (auto* variable = m_variables->currentItem())
        emit variableChosen(m_target, '%' + variable->text() + '%');
    if (auto* label = m_labels->currentItem()) emit labelChosen(label->text());
}

} // namespace app::wizard
