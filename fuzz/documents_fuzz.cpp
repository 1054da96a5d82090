// An open request as a second launch sends it. A request names a path only
// when it has the documented shape, and a named path opens as a document that
// can be found again by its tab, switched to and closed.
#include "fuzz_ports.h"
#include "fuzz_targets.h"

#include "core/documents/document_set.h"
#include "core/documents/launch_request.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace fuzz {
namespace {

void checkShape(std::string_view request, const std::string& path) {
    constexpr std::string_view START = "[open(\"";
    if (path.empty() || !request.starts_with(START)) fail();
    if (request.substr(START.size(), path.size()) != path) fail();
    if (request.substr(START.size() + path.size(), 3) != "\")]") fail();
    if (path.find_first_of("\r\n") != std::string::npos || path.find("\")]") != std::string::npos) fail();
}

void openAndClose(const std::string& path) {
    MemoryFiles files;
    files.files[path] = "@ECHO OFF\r\nPAUSE\r\n";
    core::documents::MemoryEditorView editor;
    CountingPrompter prompter;
    core::settings::MemorySettingsStore store;
    core::documents::PickLists lists;
    core::documents::DocumentSet documents(editor, prompter, files, store, lists);
    documents.loadRecentFiles();
    documents.start({path});
    if (documents.tabCaptions().size() != 1 || documents.currentFilePath() != path) fail();
    documents.newFile();
    if (!documents.openFile(path) || documents.tabCaptions().size() != 2 || documents.currentTab() != 0) fail();
    const auto caption = documents.tabCaptions()[0];
    documents.newFile();
    if (!documents.switchToDocument(caption, true) || documents.currentFilePath() != path) fail();
    if (editor.lines() != std::vector<std::string>{"@ECHO OFF", "PAUSE"}) fail();
    if (!documents.closeAll() || prompter.messages != 0) fail();
}

} // namespace

int openRequestInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view request(reinterpret_cast<const char*>(data), size);
    const auto path = core::documents::parseOpenRequest(request);
    if (!path) return 0;
    checkShape(request, *path);
    if (*path != "/newfile" && core::documents::filesFromCommandLine({*path}) != std::vector<std::string>{*path}) fail();
    openAndClose(*path);
    return 0;
}

} // namespace fuzz
