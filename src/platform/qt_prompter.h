#pragma once
// Message boxes and the standard dialogs on Qt: QMessageBox, QInputDialog,
// QFileDialog, QFontDialog and QColorDialog, each modal to the parent window.
#include "core/ports/prompter.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace platform {

//! "Batch Files (*.bat)|*.bat|All Files (*.*)|*.*" as QFileDialog's
//! "Batch Files (*.bat);;All Files (*.*)"; patterns separated by ';' become
//! blank-separated, and a description already naming its patterns keeps them.
QString qtFileFilter(const std::string& filter);

class QtPrompter : public core::ports::Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    core::ports::Answer message(core::ports::MessageKind kind, core::ports::Buttons buttons,
                                const std::string& text) override;
    std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                        const std::string& initial) override;
    std::vector<std::string> openFiles(const core::ports::FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const core::ports::FileDialogRequest& request) override;
    std::optional<std::string> chooseFolder(const std::string& caption, const std::string& initialFolder) override;
    std::optional<core::ports::FontChoice> chooseFont(const core::ports::FontChoice& initial) override;
    std::optional<core::settings::ColourValue> chooseColour(const core::settings::ColourValue& initial) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace platform
