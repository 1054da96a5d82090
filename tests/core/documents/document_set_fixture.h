#pragma once
// A document set on a memory editor, a scripted prompter, a temporary folder
// and a memory settings store, started as the program starts: "Untitled.bat".
#include "core/documents/document_set.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "core/aids/disk_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace documents_test {

using Lines = std::vector<std::string>;

//! The tab strip as the user sees it: captions in order, the selected one in brackets.
inline std::string tabsOf(const core::documents::DocumentSet& documents) {
    std::string out;
    const auto& captions = documents.tabCaptions();
    for (std::size_t i = 0; i < captions.size(); ++i)
        out += (i ? " " : "") + (i == documents.currentTab() ? "[" + captions[i] + "]" : captions[i]);
    return out;
}

class DocumentSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        set.loadRecentFiles();
        set.start();
    }

    std::string tabs() const { return tabsOf(set); }
    //! Writes a file below the temporary folder (folders as needed); its path.
    std::string file(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories((dir.path() / name).parent_path());
        return dir.write(name, bytes);
    }
    std::string open(const std::string& name, const std::string& bytes = "@ECHO OFF\r\n") {
        auto path = file(name, bytes);
        set.openFile(path);
        return path;
    }
    void type(const std::string& text) { set.insertAtCaret(text); }

    testing_support::TempDir dir;
    core::aids::DiskFileSystem files{dir.folder()};
    core::documents::MemoryEditorView editor;
    testing_support::ScriptedPrompter prompter;
    core::settings::MemorySettingsStore store;
    core::documents::PickLists lists;
    core::documents::DocumentSet set{editor, prompter, files, store, lists};
};

} // namespace documents_test
