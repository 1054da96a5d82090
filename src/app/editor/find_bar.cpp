#include "app/editor/find_bar.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace app::editor {
namespace {

QToolButton* barButton(const char* name, const QString& caption, const QString& tip) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    return button;
}

} // namespace

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
    setObjectName("FindBar");
    m_find = new QLineEdit;
    m_find->setObjectName("FindText");
    m_find->setPlaceholderText(QStringLiteral("Find"));
    m_find->setClearButtonEnabled(true);
    m_find->setMinimumWidth(220);
    m_find->installEventFilter(this);
    m_matchCase = new QCheckBox(QStringLiteral("Match &case"));
    m_matchCase->setObjectName("FindMatchCase");
    m_wholeWord = new QCheckBox(QStringLiteral("&Whole word"));
    m_wholeWord->setObjectName("FindWholeWord");
    auto* previous = barButton("FindPrevious", QStringLiteral("\u25B2"), QStringLiteral("Previous match (Shift+Enter)"));
    auto* next = barButton("FindNext", QStringLiteral("\u25BC"), QStringLiteral("Next match (Enter)"));
    auto* close = barButton("FindClose", QStringLiteral("\u2715"), QStringLiteral("Close the Find bar (Esc)"));
    m_note = new QLabel;
    m_note->setObjectName("FindNote");
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 3, 6, 3);
    row->addWidget(new QLabel(QStringLiteral("Find:")));
    row->addWidget(m_find);
    row->addWidget(previous);
    row->addWidget(next);
    row->addWidget(m_matchCase);
    row->addWidget(m_wholeWord);
    row->addWidget(m_note, 1);
    row->addWidget(close);
    connect(m_find, &QLineEdit::textChanged, this, &FindBar::searchChanged);
    connect(m_matchCase, &QCheckBox::toggled, this, &FindBar::searchChanged);
    connect(m_wholeWord, &QCheckBox::toggled, this, &FindBar::searchChanged);
    connect(previous, &QToolButton::clicked, this, [this] { emit findNext(true); });
    connect(next, &QToolButton::clicked, this, [this] { emit findNext(false); });
    connect(close, &QToolButton::clicked, this, [this] {
        hide();
        emit closed();
    });
}

QString FindBar::findText() const { return m_find->text(); }

core::documents::SearchOptions FindBar::options() const { return {m_matchCase->isChecked(), m_wholeWord->isChecked()}; }

void FindBar::open(const QString& text) {
    show();
    if (!text.isEmpty()) m_find->setText(text);
    m_find->selectAll();
    m_find->setFocus();
}

void FindBar::setNote(const QString& note) { m_note->setText(note); }

QString FindBar::note() const { return m_note->text(); }

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_find || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        emit findNext((key->modifiers() & Qt::ShiftModifier) != 0);
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        hide();
        emit closed();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace app::editor
