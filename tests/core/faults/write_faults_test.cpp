// Every file the program writes, under every fault a disk can give: the write
// fails with the system's reason in the message the user sees, the old file
// stays as it was, no temporary file is left behind, and once the fault is
// gone the same object writes its file.
#include "fault_injection.h"

#include "core/aids/command_templates.h"
#include "core/documents/document_set.h"
#include "core/documents/memory_editor_view.h"
#include "core/info/notice_file.h"
#include "core/run/launcher.h"
#include "core/settings/memory_settings_store.h"
#include "core/settings/startup_state.h"
#include "core/wizard/services_list.h"
#include "core/aids/disk_file_system.h"
#include "support/fake_document.h"
#include "support/recording_shell.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <functional>
#include <iostream>
#include <memory>
#include <set>

using namespace faults_test;

namespace {

constexpr std::string_view OLD = "old contents\r\n";

// What every writer works with, in a data folder that already holds its old target file.
struct Rig {
    explicit Rig(const std::string& folder) : files(folder) {}
    core::aids::DiskFileSystem files;
    testing_support::ScriptedPrompter prompter;
    core::settings::MemorySettingsStore store;
};

struct Documents {
    explicit Documents(Rig& rig) : set(editor, rig.prompter, rig.files, rig.store, lists) {}
    core::documents::MemoryEditorView editor;
    core::documents::PickLists lists;
    core::documents::DocumentSet set;
};

//! One write as the user asks for it; false when it failed.
using Write = std::function<bool()>;

//! Save of job.bat after typing "REM " at its start.
Write savingAnEditedJob(Rig& rig) {
    auto documents = std::make_shared<Documents>(rig);
    documents->set.start({rig.files.dataFolder() + "job.bat"});
    documents->set.insertAtCaret("REM ");
    return [documents] { return documents->set.save(); };
}

struct WriterCase {
    const char* name;
    const char* file;
    const char* failure; //!< the message shown, with {target} and {error} to fill in
    const char* written; //!< the target's bytes after the write that follows the fault
    Write (*make)(Rig& rig);
};

const char* const CANNOT_CREATE = "Cannot create file \"{target}\". {error}";
const char* const LIST_NOT_SAVED = "Quillet could not save {target}: {error}.";

const WriterCase WRITERS[] = {
    {"Save", "job.bat", CANNOT_CREATE, "REM old contents\r\n", savingAnEditedJob},
    // A file with a second name is rewritten in place, its old contents held until the new ones are safe.
    {"Save of a hard-linked file", "job.bat", CANNOT_CREATE, "REM old contents\r\n",
     [](Rig& rig) -> Write {
         fs::create_hard_link(rig.files.dataFolder() + "job.bat", rig.files.dataFolder() + "other name.bat");
         return savingAnEditedJob(rig);
     }},
    {"Save As", "job.bat", CANNOT_CREATE,
     "@ECHO OFF\r\n:START\r\nECHO This Batch file was created with the Quillet from Marrowfen Software.\r\n",
     [](Rig& rig) -> Write {
         auto documents = std::make_shared<Documents>(rig);
         documents->set.start();
         return [documents, &rig] {
             rig.prompter.saveAnswers = {rig.files.dataFolder() + "job.bat"};
             return documents->set.saveAs();
         };
     }},
    // The list files share one writer (list_saving): the command templates and
    // the services file stand for them all. Each Add writes the custom store, the
    // template typed before included.
    {"command templates", "Custom.qlt", LIST_NOT_SAVED, "ECHO first\r\nECHO second\r\n",
     [](Rig& rig) -> Write {
         auto templates = std::make_shared<core::aids::CommandTemplates>(rig.store, rig.files, rig.prompter);
         return [templates, &rig, next = std::string("ECHO first")]() mutable {
             rig.prompter.inputs = {next};
             templates->add();
             next = "ECHO second";
             return rig.prompter.shown.empty();
         };
     }},
    {"services file", "Services.qlt", LIST_NOT_SAVED, "SPOOLER\r\n",
     [](Rig& rig) -> Write {
         return [&rig] { return core::wizard::addService(rig.store, rig.files, rig.prompter, "SPOOLER"); };
     }},
    {"ignored commands at exit", "Ignore.qlt",
     "The file 'Ignore.qlt' could not be saved. This file contains the 'Ignored Commands' specified whilst running "
     "the syntax checker. If you are running QLT on Windows 2000 or Windows XP, you will see this message if you "
     "are not an administrator.\n\n{error}.",
     "SETLOCAL\r\n",
     [](Rig& rig) -> Write {
         return [&rig] {
             core::settings::ShutdownState state;
             state.ignoredCommands = {"SETLOCAL"};
             core::settings::writeShutdownState(rig.store, rig.files, rig.prompter, state);
             return rig.prompter.shown.empty();
         };
     }},
    {"launcher", "start.bat", "Quillet could not write the launcher {target}: {error}.",
     "@ECHO OFF\r\nCOMMAND /C C:\\BATCH\\JOB.BAT\r\n",
     [](Rig& rig) -> Write {
         return [&rig, document = testing_support::FakeDocument(), shell = testing_support::RecordingShell()]() mutable {
             document.filePath = "C:\\BATCH\\JOB.BAT";
             return core::run::runDocument(core::run::RunMode::Run, document, rig.prompter, rig.files, shell);
         };
     }},
    {"update notice", "Updateinfo.txt", "Could not write {target}:\n{error}", "2.3\r\nNews\r\n",
     [](Rig& rig) -> Write {
         return [&rig] { return core::info::saveNotice(rig.files, rig.prompter, {"2.3", "News"}).has_value(); };
     }},
};

std::string filledIn(std::string text, const std::string& target, const std::string& error) {
    for (const auto& [hole, value] : {std::pair<std::string, std::string>{"{target}", target}, {"{error}", error}})
        if (const auto at = text.find(hole); at != std::string::npos) text.replace(at, hole.size(), value);
    return text;
}

//! "written", or "failed", with the messages shown since the last call.
std::string outcome(Rig& rig, bool ok) {
    std::string text = ok ? "written" : "failed";
    for (std::size_t i = 0; i < rig.prompter.shown.size(); ++i)
        text += (i ? " | " : ": ") + rig.prompter.shown[i].text;
    rig.prompter.shown.clear();
    return text;
}

std::string afterFault(const FaultCase& fault) {
    if (fault.targetSurvives) return std::string(OLD);
    return fault.fault == Fault::TargetIsADirectory ? "(a directory)" : "(nothing)";
}

} // namespace

TEST(WriteFaults, EveryWriteKeepsTheOldFileReportsTheReasonAndWorksAgain) {
    for (const auto& writer : WRITERS) {
        for (const auto& fault : WRITE_FAULTS) {
            SCOPED_TRACE(std::string(writer.name) + ", " + fault.name);
            testing_support::TempDir dir;
            const auto folder = dir.path() / "data";
            const auto target = (folder / writer.file).string();
            fs::create_directory(folder);
            dir.write(std::string("data/") + writer.file, OLD);
            Rig rig(folder.string() + "/");
            const auto write = writer.make(rig);
            FaultInjector injector(fault.fault, folder, target);
            if (!injector.possible()) {
                std::cout << "skipped: " << fault.name << " (root that cannot act as another user)\n";
                continue;
            }
            const auto story = injector.run([&](FaultInjector& faulty) {
                // Each step in its own statement: the operands of + have no set order.
                auto text = faulty.underFault([&] {
                    const auto first = outcome(rig, write());
                    return "first: " + first + "\nleft: " + describe(target) +
                           "\ntemporary files: " + std::to_string(temporaryFilesIn(folder));
                });
                const auto then = outcome(rig, write());
                return text + "\nthen: " + then + "\nfile: " + describe(target);
            });
            EXPECT_EQ(story, "first: failed: " + filledIn(writer.failure, target, fault.error) +
                                 "\nleft: " + afterFault(fault) + "\ntemporary files: 0\nthen: written\nfile: " +
                                 writer.written);
        }
    }
}

// A save writes the file the user means: through symbolic links, into every
// hard link, in place where no temporary file can be made, never over a device.
TEST(WriteFaults, SaveWritesTheFileTheUserMeans) {
    using Make = void (*)(const fs::path& job, const fs::path& real);
    const std::tuple<const char*, Make, const char*> cases[] = {
        {"link", [](const fs::path& job, const fs::path&) { fs::create_symlink("real.bat", job); },
         "written | job.bat -> real.bat | real.bat: new"},
        {"link to nothing", [](const fs::path& job, const fs::path&) { fs::create_symlink("new.bat", job); },
         "written | job.bat -> new.bat | new.bat: new | real.bat: old"},
        {"hard link", [](const fs::path& job, const fs::path& real) { fs::create_hard_link(real, job); },
         "written | job.bat: new (2 names) | real.bat: new (2 names)"},
        {"device", [](const fs::path& job, const fs::path&) { fs::create_symlink("/dev/null", job); },
         "failed: Is not a regular file | job.bat -> /dev/null | real.bat: old"},
        {"writable file in a read-only folder", [](const fs::path& job, const fs::path& real) {
             fs::copy_file(real, job);
             fs::permissions(job, fs::perms::all);
             fs::permissions(job.parent_path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                             fs::perm_options::remove);
         }, "written | job.bat: new | real.bat: old"},
    };
    for (const auto& [name, make, expected] : cases) {
        SCOPED_TRACE(name);
        testing_support::TempDir dir; // open to all, so that root can act as another user
        fs::permissions(dir.path(), fs::perms::all);
        fs::permissions(dir.write("real.bat", "old"), fs::perms::all);
        make(dir.path() / "job.bat", dir.path() / "real.bat");
        const auto written = [&] {
            const ActAsNobody nobody;
            return core::text::writeFileAtomically(dir.file("job.bat"), "new");
        }();
        std::string story = written.ok ? "written" : "failed: " + written.error;
        for (const auto& entry : std::set<fs::path>(fs::directory_iterator(dir.path()), {})) {
            story += " | " + entry.filename().string();
            if (fs::is_symlink(entry)) story += " -> " + fs::read_symlink(entry).string();
            else story += ": " + describe(entry) + (fs::hard_link_count(entry) > 1 ? " (2 names)" : "");
        }
        EXPECT_EQ(story, expected);
    }
}
