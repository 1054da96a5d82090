#include "app/aids/aids_commands.h"

#include "app/aids/insert_command_dialog.h"
#include "app/aids/insert_filename_dialog.h"
#include "app/aids/insert_path_dialog.h"
#include "app/main_window.h"
#include "app/wizard/variable_select_dialog.h"
#include "core/aids/insert_aids.h"
#include "core/aids/variable_select.h"
#include "core/run/launcher.h"

namespace app::aids {

AidsCommands::AidsCommands(TForm1& window, AidPorts ports)
    : QObject(&window), m_window(window), m_ports(ports), m_ifPage(window), m_document(window) {
    setObjectName("AidsCommands");
    const AidServices services{ports.prompter, ports.settings, ports.files, window.editorView(), m_ifPage};
    m_form9 = new TForm9(services, &window);
    m_form10 = new TForm10(services, &window);
    m_insertCommandSelect = new TInsertCommandSelect(services, &window);

    const std::pair<const char*, void (AidsCommands::*)()> commands[] = {
        {"EditInsert1", &AidsCommands::EditInsert1Execute},
        {"InsertFilename1", &AidsCommands::InsertFilename1Click},
        {"InsertPath1", &AidsCommands::InsertPath1Click},
        {"EditInsertVariable", &AidsCommands::EditInsertVariableExecute},
        {"InsertBat", &AidsCommands::InsertBatExecute},
        {"ShortenPath", &AidsCommands::ShortenPathExecute},
        {"RelativePath", &AidsCommands::RelativePathExecute},
        {"BatchRun", &AidsCommands::Run2Click},
        {"BatchStepThrough", &AidsCommands::Run1Click},
    };
    for (const auto& [name, handler] : commands)
        window.connectCommand(name, [this, h = handler] { (this->*h)(); });
}

void AidsCommands::EditInsert1Execute() { m_insertCommandSelect->showDialog(); }
void AidsCommands::InsertFilename1Click() { m_form9->showDialog(); }
void AidsCommands::InsertPath1Click() { m_form10->showDialog(); }

void AidsCommands::EditInsertVariableExecute() {
    // The dialog belongs to the Easy layout, which delivers its choice.
    auto* select = m_window.findChild<wizard::TForm12*>("TForm12");
    if (select == nullptr) return;
    using core::aids::VariableTarget;
    const auto target = core::aids::targetForInsertVariable(topPageInFront(m_window, "TabSheet1"),
                                                            static_cast<VariableTarget>(select->target()));
    select->showVariables(static_cast<int>(target));
}

void AidsCommands::InsertBatExecute() {
    // The second open dialog: its file is the one whose folder is kept at exit.
    if (auto chosen = core::aids::insertBatchFileCall(m_ports.prompter, m_window.editorView()))
        m_window.documents().browseDialog().keepFolderOf(std::move(*chosen));
}

void AidsCommands::ShortenPathExecute() { m_paths.shortenPath(m_window.editorView(), m_ports.files); }
void AidsCommands::RelativePathExecute() { m_paths.makeRelativePath(m_window.editorView(), m_ports.prompter); }

void AidsCommands::Run2Click() {
    core::run::runDocument(core::run::RunMode::Run, m_document, m_ports.prompter, m_ports.files, m_ports.shell);
}

void AidsCommands::Run1Click() {
    core::run::runDocument(core::run::RunMode::StepThrough, m_document, m_ports.prompter, m_ports.files,
                           m_ports.shell);
}

} // namespace app::aids
