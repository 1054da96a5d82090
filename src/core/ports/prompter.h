#pragma once
// Message boxes and standard dialogs. Every text crossing this port is UTF-8;
// callers convert document text (Windows-1252) with core::text::toUtf8.
#include "core/settings/colour_name.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace core::ports {

enum class MessageKind { Warning, Error, Information, Confirmation };
enum class Buttons { Ok, OkAbort, OkIgnoreAbort, YesNo, YesCancel, YesNoCancel };
enum class Answer { Ok, Abort, Ignore, Yes, No, Cancel };

struct FileDialogRequest {
    std::string title;
    std::string filter;           //!< "Batch Files (*.bat)|*.bat|All Files (*.*)|*.*" style pairs
    std::size_t filterIndex = 0;  //!< 0-based: the filter selected when the dialog opens
    std::string initialFolder;
    std::string fileName;         //!< proposed name (save dialogs)
    std::string defaultExtension; //!< without the dot, e.g. "bat"
    bool multiSelect = false;
};

struct FontChoice {
    std::string name; //!< face name
    int size = 10;    //!< points
};

class Prompter {
public:
    virtual ~Prompter() = default;
    //! A modal message box; returns the button pressed.
    virtual Answer message(MessageKind kind, Buttons buttons, const std::string& text) = 0;
    //! A one-line input box; nothing when cancelled.
    virtual std::optional<std::string> inputBox(const std::string& caption, const std::string& prompt,
                                                const std::string& initial) = 0;
    //! File open dialog; empty when cancelled (several names only with multiSelect).
    virtual std::vector<std::string> openFiles(const FileDialogRequest& request) = 0;
    //! File save dialog; nothing when cancelled.
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;
    //! Folder chooser; nothing when cancelled.
    virtual std::optional<std::string> chooseFolder(const std::string& caption, const std::string& initialFolder) = 0;
    //! Font chooser; nothing when cancelled.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    //! Colour chooser; nothing when cancelled.
    virtual std::optional<settings::ColourValue> chooseColour(const settings::ColourValue& initial) = 0;
};

} // namespace core::ports
