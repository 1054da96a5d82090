#include "app/editor/find_dialogs.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app::editor {
namespace {

QLineEdit* field(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMinimumWidth(220);
    return edit;
}

QPushButton* button(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

// Fields on the left, the buttons stacked on the right, as search boxes usually look.
void arrange(QDialog* dialog, QFormLayout* fields, const QList<QPushButton*>& buttons) {
    auto* column = new QVBoxLayout;
    for (auto* b : buttons) column->addWidget(b);
    column->addStretch();
    auto* row = new QHBoxLayout(dialog);
    row->addLayout(fields, 1);
    row->addLayout(column);
    dialog->setModal(false);
    dialog->setSizeGripEnabled(false);
}

} // namespace

ReplaceDialog::ReplaceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("ReplaceDialog1");
    setWindowTitle(QStringLiteral("Replace"));
    m_find = field("FindText");
    m_replace = field("ReplaceText");
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Fi&nd what:"), m_find);
    fields->addRow(QStringLiteral("Re&place with:"), m_replace);
    auto* next = button("FindNext", QStringLiteral("&Find Next"));
    next->setDefault(true);
    auto* one = button("Replace", QStringLiteral("&Replace"));
    auto* all = button("ReplaceAll", QStringLiteral("Replace &All"));
    auto* cancel = button("Cancel", QStringLiteral("Cancel"));
    arrange(this, fields, {next, one, all, cancel});
    connect(next, &QPushButton::clicked, this, &ReplaceDialog::findNext);
    connect(one, &QPushButton::clicked, this, &ReplaceDialog::replace);
    connect(all, &QPushButton::clicked, this, &ReplaceDialog::replaceAll);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
}

QString ReplaceDialog::findText() const { return m_find->text(); }

void ReplaceDialog::setFindText(const QString& text) {
    m_find->setText(text);
    m_find->selectAll();
    m_find->setFocus();
}
QString ReplaceDialog::replaceText() const { return m_replace->text(); }

} // namespace app::editor
