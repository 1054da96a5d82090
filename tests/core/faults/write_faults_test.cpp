// Every file the program writes, under every fault a disk can give: the write
// fails with the system's reason in the message the user sees, the old file
// stays as it was, no temporary file is left behind, and once the fault is
// gone the same object writes its file.
#include "fault_injection.h"

#include "core/aids/command_templates.h"
#include "core/aids/insert_aids.h"
#include "core/documents/document_set.h"
#include "core/documents/memory_editor_view.h"
#include "core/info/notice_file.h"
#include "core/run/launcher.h"
#include "core/settings/memory_settings_store.h"
#include "core/settings/startup_state.h"
#include "core/wizard/services_list.h"
#include "support/fake_file_system.h"
#include "support/scripted_prompter.h"
#include "support/temp_dir.h"

#include <iostream>
#include <memory>

using namespace faults_test;

namespace {

constexpr std::string_view OLD = "old contents\r\n";

// A writer working in a data folder that already holds its old target file.
class Writer {
public:
    explicit Writer(const std::string& folder) : files(folder) {}
    virtual ~Writer() = default;
    //! One write as the user asks for it: "written", or "failed", with the messages shown.
    virtual std::string write() = 0;
    //! The message shown when the system refuses the write for reason error.
    virtual std::string failure(const std::string& target, const std::string& error) const = 0;
    //! The target's bytes after the write that follows the fault.
    virtual std::string written() const = 0;

protected:
    std::string outcome(bool ok) {
        std::string text = ok ? "written" : "failed";
        for (std::size_t i = 0; i < prompter.shown.size(); ++i) text += (i ? " | " : ": ") + prompter.shown[i].text;
        prompter.shown.clear();
        return text;
    }

    testing_support::DiskFileSystem files;
    testing_support::ScriptedPrompter prompter;
    core::settings::MemorySettingsStore store;
};

std::string cannotCreate(const std::string& target, const std::string& error) {
    return "Cannot create file \"" + target + "\". " + error;
}

class DocumentWriter : public Writer {
public:
    using Writer::Writer;
    std::string failure(const std::string& target, const std::string& error) const override {
        return cannotCreate(target, error);
    }

protected:
    core::documents::MemoryEditorView editor;
    core::documents::PickLists lists;
    core::documents::DocumentSet set{editor, prompter, files, store, lists};
};

class Save : public DocumentWriter {
public:
    explicit Save(const std::string& folder) : DocumentWriter(folder) {
        set.start(folder + "job.bat");
        set.insertAtCaret("REM ");
    }
    std::string write() override { return outcome(set.save()); }
    std::string written() const override { return "REM old contents\r\n"; }
};

class SaveAs : public DocumentWriter {
public:
    explicit SaveAs(const std::string& folder) : DocumentWriter(folder), m_target(folder + "job.bat") { set.start(); }
    std::string write() override {
        prompter.saveAnswers = {m_target};
        return outcome(set.saveAs());
    }
    std::string written() const override {
        return "@ECHO OFF\r\n:START\r\n"
               "ECHO This Batch file was created with the Quillet from Marrowfen Software.\r\n";
    }

private:
    std::string m_target;
};

std::string listNotSaved(const std::string& target, const std::string& error) {
    return "Quillet could not save " + target + ": " + error + ".";
}

// Each Add writes the custom store, the template typed before included.
class CustomTemplates : public Writer {
public:
    using Writer::Writer;
    std::string write() override {
        prompter.inputs = {m_next};
        m_templates.add();
        m_next = "ECHO second";
        return outcome(prompter.shown.empty());
    }
    std::string failure(const std::string& target, const std::string& error) const override {
        return listNotSaved(target, error);
    }
    std::string written() const override { return "ECHO first\r\nECHO second\r\n"; }

private:
    core::aids::CommandTemplates m_templates{store, files, prompter};
    std::string m_next = "ECHO first";
};

void browse(core::aids::InsertFilename& dialog) { dialog.browse(); }
void browse(core::aids::InsertPath& dialog) { dialog.browse(""); }

// The Insert Filename and Insert Path dialogs write their history as they close.
template <typename Dialog> class DialogHistory : public Writer {
public:
    DialogHistory(const std::string& folder, const std::string& chosen, std::string written)
        : Writer(folder), m_written(std::move(written)) {
        prompter.openAnswers = {{chosen}};
        prompter.folderAnswers = {chosen};
        browse(m_dialog);
    }
    std::string write() override {
        m_dialog.close();
        return outcome(prompter.shown.empty());
    }
    std::string failure(const std::string& target, const std::string& error) const override {
        return listNotSaved(target, error);
    }
    std::string written() const override { return m_written; }

private:
    Dialog m_dialog{store, files, prompter};
    std::string m_written;
};

class Services : public Writer {
public:
    using Writer::Writer;
    std::string write() override { return outcome(core::wizard::addService(store, files, prompter, "SPOOLER")); }
    std::string failure(const std::string& target, const std::string& error) const override {
        return listNotSaved(target, error);
    }
    std::string written() const override { return "SPOOLER\r\n"; }
};

class IgnoredCommandsAtExit : public Writer {
public:
    using Writer::Writer;
    std::string write() override {
        core::settings::ShutdownState state;
        state.ignoredCommands = {"SETLOCAL"};
        core::settings::writeShutdownState(store, files, prompter, state);
        return outcome(prompter.shown.empty());
    }
    std::string failure(const std::string&, const std::string& error) const override {
        return "The file 'Ignore.qlt' could not be saved. This file contains the 'Ignored Commands' specified "
               "whilst running the syntax checker. If you are running QLT on Windows 2000 or Windows XP, you "
               "will see this message if you are not an administrator.\n\n" +
               error + ".";
    }
    std::string written() const override { return "SETLOCAL\r\n"; }
};

class Launcher : public Writer {
public:
    using Writer::Writer;
    std::string write() override {
        return outcome(core::run::runDocument(core::run::RunMode::Run, m_document, prompter, files, m_shell));
    }
    std::string failure(const std::string& target, const std::string& error) const override {
        return "Quillet could not write the launcher " + target + ": " + error + ".";
    }
    std::string written() const override { return "@ECHO OFF\r\nCOMMAND /C C:\\BATCH\\JOB.BAT\r\n"; }

private:
    struct SavedDocument : core::run::RunnableDocument {
        bool modified() const override { return false; }
        std::string path() const override { return "C:\\BATCH\\JOB.BAT"; }
        bool save() override { return true; }
        bool saveAs() override { return true; }
    } m_document;
    struct Desktop : core::ports::Shell {
        bool open(const std::string&, std::string&) override { return true; }
    } m_shell;
};

class UpdateNotice : public Writer {
public:
    using Writer::Writer;
    std::string write() override { return outcome(core::info::saveNotice(files, prompter, {"2.3", "News"}).has_value()); }
    std::string failure(const std::string& target, const std::string& error) const override {
        return "Could not write " + target + ":\n" + error;
    }
    std::string written() const override { return "2.3\r\nNews\r\n"; }
};

struct WriterCase {
    const char* name;
    const char* file;
    std::unique_ptr<Writer> (*make)(const std::string& folder);
};

template <typename W> std::unique_ptr<Writer> make(const std::string& folder) { return std::make_unique<W>(folder); }

const WriterCase WRITERS[] = {
    {"Save", "job.bat", make<Save>},
    {"Save As", "job.bat", make<SaveAs>},
    {"command templates", "Custom.qlt", make<CustomTemplates>},
    {"Insert Filename history", "Files.qlt",
     [](const std::string& folder) -> std::unique_ptr<Writer> {
         return std::make_unique<DialogHistory<core::aids::InsertFilename>>(folder, "C:\\DATA\\A.TXT",
                                                                            "C:\\DATA\\A.TXT\r\n");
     }},
    {"Insert Path history", "Paths.qlt",
     [](const std::string& folder) -> std::unique_ptr<Writer> {
         return std::make_unique<DialogHistory<core::aids::InsertPath>>(folder, "C:\\Program Files",
                                                                        "C:\\PROGRA~1\r\n");
     }},
    {"services file", "Services.qlt", make<Services>},
    {"ignored commands at exit", "Ignore.qlt", make<IgnoredCommandsAtExit>},
    {"launcher", "start.bat", make<Launcher>},
    {"update notice", "Updateinfo.txt", make<UpdateNotice>},
};

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
            const auto subject = writer.make(folder.string() + "/");
            FaultInjector injector(fault.fault, folder, target);
            if (!injector.possible()) {
                std::cout << "skipped: " << fault.name << " (root that cannot act as another user)\n";
                continue;
            }
            const auto story = injector.run([&](FaultInjector& faulty) {
                // Each step in its own statement: the operands of + have no set order.
                auto text = faulty.underFault([&] {
                    const auto first = subject->write();
                    return "first: " + first + "\nleft: " + describe(target) +
                           "\ntemporary files: " + std::to_string(temporaryFilesIn(folder));
                });
                const auto then = subject->write();
                return text + "\nthen: " + then + "\nfile: " + describe(target);
            });
            EXPECT_EQ(story, "first: failed: " + subject->failure(target, fault.error) + "\nleft: " +
                                 afterFault(fault) + "\ntemporary files: 0\nthen: written\nfile: " +
                                 subject->written());
        }
    }
}
