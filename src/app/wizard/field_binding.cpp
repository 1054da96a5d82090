#include "app/wizard/field_binding.h"

#include "app/wizard/wizard_widgets.h"
#include "platform/qt_text.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableWidget>

namespace app::wizard {

namespace {

template <typename Widget> Widget* find(QWidget& root, std::string_view name) {
    return root.findChild<Widget*>(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

QString shown(const std::string& cp1252) { return platform::fromCp1252(cp1252); }
std::string stored(const QString& text) { return platform::toCp1252(text); }

QString dateText(const QDate& date) { return QLocale().toString(date, QLocale::ShortFormat); }

QString cellText(const QTableWidget& grid, int row, int column) {
    const QTableWidgetItem* item = grid.item(row, column);
    return item != nullptr ? item->text() : QString();
}

void setCell(QTableWidget& grid, int row, int column, const QString& text) {
    if (grid.item(row, column) == nullptr) grid.setItem(row, column, new QTableWidgetItem);
    grid.item(row, column)->setText(text);
}

} // namespace

void WidgetReader::check(std::string_view name, bool& value) {
    if (auto* box = find<QAbstractButton>(m_root, name)) value = box->isChecked();
}

void WidgetReader::radio(std::string_view name, std::string_view, bool& value) { check(name, value); }

void WidgetReader::text(std::string_view name, std::string& value) {
    QWidget* widget = find<QWidget>(m_root, name);
    if (auto* line = qobject_cast<QLineEdit*>(widget))
        // A masked field counts its blank positions, as typed.
        value = stored(line->inputMask().isEmpty() ? line->text() : line->displayText());
    else if (auto* date = qobject_cast<QDateEdit*>(widget))
        value = stored(dateText(date->date()));
    else if (auto* combo = qobject_cast<QComboBox*>(widget))
        value = stored(combo->currentText());
}

void WidgetReader::memo(std::string_view name, std::vector<std::string>& lines) {
    auto* text = find<QPlainTextEdit>(m_root, name);
    if (text == nullptr) return;
    lines.clear();
    const QString all = text->toPlainText();
    if (all.isEmpty()) return;
    QStringList split = all.split('\n');
    // A final line break ends the last line; it does not start another.
    if (all.endsWith('\n')) split.removeLast();
    for (const auto& line : split) lines.push_back(stored(line));
}

void WidgetReader::number(std::string_view name, int& value, int, int) {
    if (auto* spin = find<QSpinBox>(m_root, name)) value = spin->value();
}

void WidgetReader::choice(std::string_view name, std::optional<std::string>& selected, const std::vector<std::string>&) {
    auto* combo = find<QComboBox>(m_root, name);
    if (combo == nullptr) return;
    if (combo->currentIndex() < 0)
        selected.reset();
    else
        selected = stored(combo->currentText());
}

void WidgetReader::grid(std::string_view name, core::wizard::GridRows& rows, std::size_t maxRows) {
    auto* table = find<QTableWidget>(m_root, name);
    if (table == nullptr) return;
    rows.clear();
    const int count = qMin(table->rowCount(), static_cast<int>(maxRows));
    for (int r = 0; r < count; ++r) rows.emplace_back(stored(cellText(*table, r, 0)), stored(cellText(*table, r, 1)));
}

void WidgetWriter::check(std::string_view name, bool& value) {
    auto* box = find<QAbstractButton>(m_root, name);
    if (box == nullptr) return;
    if (value)
        box->setChecked(true);
    else
        switchOff(box);
}

void WidgetWriter::radio(std::string_view name, std::string_view, bool& value) { check(name, value); }

void WidgetWriter::text(std::string_view name, std::string& value) {
    QWidget* widget = find<QWidget>(m_root, name);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setText(shown(value));
    } else if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        const QDate parsed = QLocale().toDate(shown(value), QLocale::ShortFormat);
        if (parsed.isValid()) date->setDate(parsed);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentText(shown(value));
    }
}

void WidgetWriter::memo(std::string_view name, std::vector<std::string>& lines) {
    auto* text = find<QPlainTextEdit>(m_root, name);
    if (text == nullptr) return;
    QStringList shownLines;
    for (const auto& line : lines) shownLines << shown(line);
    text->setPlainText(shownLines.join('\n'));
}

void WidgetWriter::number(std::string_view name, int& value, int, int) {
    if (auto* spin = find<QSpinBox>(m_root, name)) spin->setValue(value);
}

void WidgetWriter::choice(std::string_view name, std::optional<std::string>& selected, const std::vector<std::string>&) {
    auto* combo = find<QComboBox>(m_root, name);
    if (combo == nullptr) return;
    combo->setCurrentIndex(selected ? combo->findText(shown(*selected), Qt::MatchExactly) : -1);
}

void WidgetWriter::grid(std::string_view name, core::wizard::GridRows& rows, std::size_t) {
    auto* table = find<QTableWidget>(m_root, name);
    if (table == nullptr) return;
    for (int r = 0; r < table->rowCount(); ++r) {
        const auto index = static_cast<std::size_t>(r);
        setCell(*table, r, 0, index < rows.size() ? shown(rows[index].first) : QString());
        setCell(*table, r, 1, index < rows.size() ? shown(rows[index].second) : QString());
    }
}

} // namespace app::wizard
