#pragma once
// The two editor commands that rewrite a selected path: Shorten Path and
// Make Relative Path.
#include "core/ports/editor_view.h"
#include "core/ports/file_system.h"
#include "core/ports/prompter.h"

#include <string>

namespace core::aids {

class PathConversions {
public:
    //! ShortenPathExecute: the selection becomes its short form (the 8.3 alias
    //! for a path that does not exist here). Enclosing double quotes go, as the
    //! short form needs none. An empty selection does nothing.
    void shortenPath(ports::EditorView& editor, ports::FileSystem& files) const;

    //! RelativePathExecute: asks for a directory, starting at the last one
    //! chosen; on OK it is remembered and the selection becomes the path
    //! relative to it (enclosing quotes kept). Cancel changes nothing.
    void makeRelativePath(ports::EditorView& editor, ports::Prompter& prompter);

    //! The directory last chosen (UTF-8); empty until the first choice.
    const std::string& baseDirectory() const { return m_baseDirectory; }

private:
    std::string m_baseDirectory;
};

} // namespace core::aids
