// Every file the program reads, in every shape a user's disk can hand it: a
// missing file, an unreadable one, a binary one, a 50 MB one, one holding a
// NUL byte and a FIFO no one writes to. Nothing crashes, a document that cannot be read says why, a list
// file that cannot be read starts empty, and what comes next still works.
#include "fault_injection.h"

#include "core/documents/document_set_fixture.h"

#include "core/documents/document_set.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/list_files.h"
#include "core/settings/memory_settings_store.h"
#include "core/settings/settings_table.h"
#include "core/settings/startup_state.h"
#include "core/aids/disk_file_system.h"
#include "core/text/codepage.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <cstdio>
#include <sys/stat.h>

using namespace faults_test;
using core::settings::ListFile;
using Lines = std::vector<std::string>;

namespace {

enum class Input { Missing, Unreadable, Binary, Huge, WithNul, Fifo };

// Every byte value, three times over: LF and CR each break a line.
std::string binaryBytes() {
    std::string bytes;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

constexpr std::size_t HUGE_LINES = 260000; // 200-byte lines: 52 MB with their breaks
const std::string HUGE_LINE = "REM " + std::string(196, 'x');

std::string hugeBytes() {
    std::string bytes;
    bytes.reserve(HUGE_LINES * (HUGE_LINE.size() + 2));
    for (std::size_t i = 0; i < HUGE_LINES; ++i) bytes += HUGE_LINE + "\r\n";
    return bytes;
}

struct InputCase {
    Input input;
    const char* name;
    std::string (*bytes)();
    const char* summary; //!< what a successful read holds; empty: the read fails
    const char* error;   //!< the system's text when it fails
};

const InputCase INPUTS[] = {
    {Input::Missing, "missing", nullptr, "", "No such file or directory"},
    {Input::Unreadable, "unreadable", [] { return std::string("ECHO secret\r\n"); }, "", "Permission denied"},
    {Input::Binary, "binary", binaryBytes, "7 lines, 762 bytes, first \\x00\\x01\\x02\\x03\\x04\\x05\\x06\\x07\\x08\\t", ""},
    {Input::Huge, "50 MB", hugeBytes, "260000 lines, 52000000 bytes, first REM xxxxxxxxxxxxxxxx...", ""},
    {Input::WithNul, "NUL byte", [] { return std::string("ECHO A\0B\r\nPAUSE\r\n", 17); },
     "2 lines, 13 bytes, first ECHO A\\x00B", ""},
    {Input::Fifo, "FIFO", nullptr, "", "Is not a regular file"}, // would block until someone writes
};

// Count, total size and the first line's start, with control bytes spelled out.
std::string summaryOf(const Lines& lines) {
    if (lines.empty()) return "0 lines";
    std::size_t bytes = 0;
    for (const auto& line : lines) bytes += line.size();
    std::string first;
    for (std::size_t i = 0; i < lines.front().size() && i < 20; ++i) {
        const auto c = static_cast<unsigned char>(lines.front()[i]);
        char hex[8];
        std::snprintf(hex, sizeof hex, "\\x%02x", c);
        first += c == '\t' ? std::string("\\t") : c < 0x20 ? std::string(hex) : std::string(1, static_cast<char>(c));
    }
    if (lines.front().size() > 20) first += "...";
    return std::to_string(lines.size()) + " lines, " + std::to_string(bytes) + " bytes, first " + first;
}

//! Puts the input at path; an unreadable file is read as "nobody" when the
//! tests run as root. Returns false when that cannot be arranged here.
bool place(const InputCase& input, const std::string& path) {
    if (input.input == Input::Fifo) return mkfifo(path.c_str(), 0600) == 0;
    if (!input.bytes) return true;
    {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        const auto bytes = input.bytes();
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    if (input.input != Input::Unreadable) return true;
    fs::permissions(path, fs::perms::none);
    const ActAsNobody probe;
    return probe.permissionsCount();
}

template <typename Read> auto readAs(const InputCase& input, Read read) {
    if (input.input != Input::Unreadable) return read();
    const ActAsNobody nobody;
    return read();
}

struct DocumentsOnDisk {
    explicit DocumentsOnDisk(const std::string& folder) : files(folder) {
        set.loadRecentFiles();
        set.start();
    }
    std::string tabs() const { return documents_test::tabsOf(set); }
    core::aids::DiskFileSystem files;
    core::documents::MemoryEditorView editor;
    testing_support::ScriptedPrompter prompter;
    core::settings::MemorySettingsStore store;
    core::documents::PickLists lists;
    core::documents::DocumentSet set{editor, prompter, files, store, lists};
};

} // namespace

TEST(ReadFaults, OpenShowsWhyAFileCannotBeReadAndTakesAnyBytes) {
    for (const auto& input : INPUTS) {
        SCOPED_TRACE(input.name);
        testing_support::TempDir dir;
        const auto path = dir.file("input.bat");
        if (!place(input, path)) continue;
        DocumentsOnDisk documents(dir.folder());
        const bool opened = readAs(input, [&] { return documents.set.openFile(path); });
        // The editor holds the text decoded (here from Windows-1252); encoded back, it is the file's.
        Lines encoded;
        for (const auto& line : documents.editor.lines()) encoded.push_back(core::text::fromUtf8(line).bytes);
        const auto read = opened ? summaryOf(encoded) : documents.prompter.texts().at(0);
        const auto good = dir.write("good.bat", "PAUSE\r\n");
        EXPECT_TRUE(documents.set.openFile(good));
        EXPECT_EQ(read + " / " + documents.tabs(),
                  *input.summary ? std::string(input.summary) + " / Untitled.bat input.bat [good.bat]"
                                 : "Cannot open file \"" + path + "\". " + input.error + " / Untitled.bat [good.bat]");
        EXPECT_EQ(documents.editor.lines(), Lines{"PAUSE"});
    }
}

TEST(ReadFaults, ListFilesStartEmptyWhenUnreadableAndTakeAnyBytes) {
    for (const auto list : {ListFile::Ignore, ListFile::Custom, ListFile::Files, ListFile::Paths, ListFile::Services}) {
        for (const auto& input : INPUTS) {
            if (list != ListFile::Custom && input.input == Input::Huge) continue; // one list reads 50 MB
            if (input.input == Input::Fifo) continue; // starts empty like any unreadable list; a save refuses it
            SCOPED_TRACE(std::string(fileName(list)) + ", " + input.name);
            testing_support::TempDir dir;
            core::aids::DiskFileSystem files(dir.folder());
            core::settings::MemorySettingsStore store;
            core::settings::writeInteger(store, flagOf(list), 1);
            if (!place(input, core::settings::pathOf(files, list))) continue;
            const auto read = readAs(input, [&] { return loadList(store, files, list); });
            EXPECT_EQ(summaryOf(read), *input.summary ? input.summary : "0 lines");
            // A file without any permission is not the user's to write either.
            const bool writable = input.input != Input::Unreadable;
            EXPECT_EQ(saveList(store, files, list, {"NEXT"}).ok, writable);
            if (writable) {
                EXPECT_EQ(loadList(store, files, list), Lines{"NEXT"});
            }
        }
    }
}

// A settings store can hold anything a person or another program put there.
TEST(ReadFaults, GarbageInTheSettingsStoreReadsAsDefaults) {
    const std::string garbage[] = {binaryBytes(), std::string("1\0", 2), std::string(1 << 20, '7'),
                                   "99999999999", " 12", "0x10", "-"};
    for (const auto& value : garbage) {
        SCOPED_TRACE(value.substr(0, 12));
        core::settings::MemorySettingsStore store;
        for (const auto& def : core::settings::allSettings()) store.writeText(def.section, def.name, value);
        for (const auto& def : core::settings::allSettings()) {
            SCOPED_TRACE(std::string(def.name));
            if (def.type == core::settings::ValueType::Colour) {
                EXPECT_EQ(readText(store, def.id), def.textDefault);
            } else if (def.type != core::settings::ValueType::Text) {
                EXPECT_EQ(readInteger(store, def.id), def.intDefault);
            }
        }
        const auto state = core::settings::readStartupState(store, "/opt/quillet/");
        const core::settings::StartupState defaults;
        EXPECT_EQ(std::tuple(state.wizardPage, state.networkPage, state.activePage, state.welcomeVisible, state.height,
                             state.width, state.maximised, state.loadIgnoreList),
                  std::tuple(defaults.wizardPage, defaults.networkPage, defaults.activePage, defaults.welcomeVisible,
                             defaults.height, defaults.width, defaults.maximised, defaults.loadIgnoreList));
    }
}
