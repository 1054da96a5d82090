#include "app/wizard/choice_dialogs.h"

#include "app/wizard/wizard_page_texts.h"
#include "app/wizard/wizard_widgets.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace app::wizard {

TForm5::TForm5(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm5");
    setWindowTitle(texts::RESET_CAPTION);
    auto* thisPage = button("Button1", "&This Page");
    auto* all = button("Button2", "&All");
    auto* cancel = button("Button3", "&Cancel");
    cancel->setDefault(true);
    auto* column = new QVBoxLayout(this);
    column->addWidget(new QLabel(texts::RESET_QUESTION));
    column->addLayout(rowOf({thisPage, all, cancel}, false));
    connect(thisPage, &QPushButton::clicked, this, [this] {
        m_scope = ResetScope::ThisPage;
        accept();
    });
    connect(all, &QPushButton::clicked, this, [this] {
        m_scope = ResetScope::All;
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<ResetScope> TForm5::ask() {
    // The safe answer has the focus: Enter straight away clears nothing.
    findChild<QPushButton*>("Button3")->setFocus();
    if (exec() != QDialog::Accepted) return std::nullopt;
    return m_scope;
}

TForm13::TForm13(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm13");
    setWindowTitle(texts::ADD_SERVICE_CAPTION);
    m_name = edit("Edit1");
    auto* ok = button("Button1", "&OK");
    ok->setDefault(true);
    auto* cancel = button("Button2", "&Cancel");
    auto* column = new QVBoxLayout(this);
    column->addWidget(label(texts::ADD_SERVICE_PROMPT, m_name));
    column->addWidget(m_name);
    auto* buttons = compactRow();
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    column->addLayout(buttons);
    setMinimumWidth(340);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<QString> TForm13::ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return m_name->text();
}

} // namespace app::wizard
