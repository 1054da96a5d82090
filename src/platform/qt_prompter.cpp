#include "platform/qt_prompter.h"

#include "platform/qt_colour.h"
#include "platform/qt_text.h"
#include "platform/scintilla_editor_view.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace platform {
namespace {

using core::ports::Answer;
using core::ports::Buttons;
using core::ports::MessageKind;

struct ButtonAnswer {
    QMessageBox::StandardButton button;
    Answer answer;
};

std::vector<ButtonAnswer> buttonsOf(Buttons buttons) {
    using B = QMessageBox;
    switch (buttons) {
    case Buttons::Ok: return {{B::Ok, Answer::Ok}};
    case Buttons::OkAbort: return {{B::Ok, Answer::Ok}, {B::Abort, Answer::Abort}};
    case Buttons::OkIgnoreAbort: return {{B::Ok, Answer::Ok}, {B::Ignore, Answer::Ignore}, {B::Abort, Answer::Abort}};
    case Buttons::YesNo: return {{B::Yes, Answer::Yes}, {B::No, Answer::No}};
    case Buttons::YesCancel: return {{B::Yes, Answer::Yes}, {B::Cancel, Answer::Cancel}};
    case Buttons::YesNoCancel: return {{B::Yes, Answer::Yes}, {B::No, Answer::No}, {B::Cancel, Answer::Cancel}};
    }
    return {{B::Ok, Answer::Ok}};
}

std::pair<QMessageBox::Icon, QString> lookOf(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning: return {QMessageBox::Warning, QStringLiteral("Warning")};
    case MessageKind::Error: return {QMessageBox::Critical, QStringLiteral("Error")};
    case MessageKind::Information: return {QMessageBox::Information, QStringLiteral("Information")};
    case MessageKind::Confirmation: return {QMessageBox::Question, QStringLiteral("Confirm")};
    }
    return {QMessageBox::NoIcon, QString()};
}

// The answer for closing the box with Escape or the title bar: Cancel when the
// set has it (so a "No" that discards work is never the accident), else the
// set's other backing-out button, else its last one.
Answer escapeAnswer(const std::vector<ButtonAnswer>& set) {
    for (const Answer wanted : {Answer::Cancel, Answer::No, Answer::Abort})
        for (const auto& b : set)
            if (b.answer == wanted) return b.answer;
    return set.back().answer;
}

std::string nativePath(const QString& path) { return toUtf8(QDir::toNativeSeparators(path)); }

QString describedFilter(const QString& description, QString patterns) {
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (description.contains(QLatin1Char('('))) return description;
    return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

} // namespace

QString qtFileFilter(const std::string& filter) {
    const auto parts = fromUtf8(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) filters << describedFilter(parts[i], parts[i + 1]);
    return filters.join(QStringLiteral(";;"));
}

Answer QtPrompter::message(MessageKind kind, Buttons buttons, const std::string& text) {
    const auto set = buttonsOf(buttons);
    const auto [icon, title] = lookOf(kind);
    QMessageBox box(icon, title, fromUtf8(text), QMessageBox::NoButton, m_parent);
    // Messages quote file names, server replies and system errors: never markup.
    box.setTextFormat(Qt::PlainText);
    for (const auto& b : set) box.addButton(b.button);
    box.setDefaultButton(set.front().button);
    const auto escape = escapeAnswer(set);
    for (const auto& b : set)
        if (b.answer == escape) box.setEscapeButton(b.button);
    const auto pressed = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const auto& b : set)
        if (b.button == pressed) return b.answer;
    return escape;
}

std::optional<std::string> QtPrompter::inputBox(const std::string& caption, const std::string& prompt,
                                                 const std::string& initial) {
    QInputDialog dialog(m_parent);
    dialog.setWindowTitle(fromUtf8(caption));
    dialog.setLabelText(fromUtf8(prompt));
    dialog.setTextValue(fromUtf8(initial));
    for (auto* label : dialog.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
    // The title bar sets its caption in a larger, bolder face beside its
    // buttons: a box only as wide as its prompt cuts the caption short.
    const int titleRoom = dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) * 3 / 2 + 120;
    dialog.setMinimumWidth(std::max(dialog.minimumSizeHint().width(), titleRoom));
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return toUtf8(dialog.textValue());
}

std::vector<std::string> QtPrompter::openFiles(const core::ports::FileDialogRequest& request) {
    QFileDialog dialog(m_parent, fromUtf8(request.title), fromUtf8(request.initialFolder), qtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    const auto filters = dialog.nameFilters();
    if (request.filterIndex < static_cast<std::size_t>(filters.size()))
        dialog.selectNameFilter(filters[static_cast<qsizetype>(request.filterIndex)]);
    if (!request.fileName.empty()) dialog.selectFile(fromUtf8(request.fileName));
    std::vector<std::string> chosen;
    if (dialog.exec() != QDialog::Accepted) return chosen;
    for (const auto& file : dialog.selectedFiles()) chosen.push_back(nativePath(file));
    return chosen;
}

std::optional<std::string> QtPrompter::saveFile(const core::ports::FileDialogRequest& request) {
    QFileDialog dialog(m_parent, fromUtf8(request.title), fromUtf8(request.initialFolder), qtFileFilter(request.filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(fromUtf8(request.defaultExtension));
    if (!request.fileName.empty()) dialog.selectFile(fromUtf8(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return nativePath(dialog.selectedFiles().front());
}

std::optional<std::string> QtPrompter::chooseFolder(const std::string& caption, const std::string& initialFolder) {
    const auto folder = QFileDialog::getExistingDirectory(m_parent, fromUtf8(caption), fromUtf8(initialFolder));
    if (folder.isEmpty()) return std::nullopt;
    return nativePath(folder);
}

std::optional<core::ports::FontChoice> QtPrompter::chooseFont(const core::ports::FontChoice& initial) {
    bool ok = false;
    // The font the editor really shows: a stored face that is not installed
    // falls back to the fixed-width system font, and the dialog opens on that.
    const auto font = QFontDialog::getFont(&ok, editorFont(fromUtf8(initial.name), initial.size), m_parent);
    if (!ok) return std::nullopt;
    return core::ports::FontChoice{toUtf8(font.family()), font.pointSize()};
}

std::optional<core::settings::ColourValue> QtPrompter::chooseColour(const core::settings::ColourValue& initial) {
    const auto colour = QColorDialog::getColor(toQColor(initial), m_parent);
    if (!colour.isValid()) return std::nullopt;
    return fromQColor(colour);
}

} // namespace platform
