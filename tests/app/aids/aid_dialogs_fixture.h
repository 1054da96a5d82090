#pragma once
// The ports an editing aid's dialog works through, scripted, with a main
// window for it to stay above, and small helpers to drive it by object name.
#include "app/aids/aid_services.h"
#include "core/aids/if_page_fake.h"
#include "core/documents/memory_editor_view.h"
#include "core/settings/memory_settings_store.h"
#include "support/mapped_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <QAbstractButton>
#include <QDialog>
#include <QMainWindow>

#include <gtest/gtest.h>

namespace testing_support {

struct AidDialogTest : ::testing::Test {
    TempDir dir;
    MappedFileSystem files{dir.folder()};
    core::settings::MemorySettingsStore settings;
    ScriptedPrompter prompter;
    core::documents::MemoryEditorView editor{{"COPY  D:\\"}};
    FakeIfPage ifPage;
    QMainWindow window;

    AidDialogTest() { editor.setCaret(5); }
    app::aids::AidServices services() { return {prompter, settings, files, editor, ifPage}; }

    template <typename T> static T* child(const QObject* parent, const char* name) {
        auto* found = parent->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    static void click(const QObject* dialog, const char* button) {
        if (auto* found = child<QAbstractButton>(dialog, button)) found->click();
    }
};

} // namespace testing_support
