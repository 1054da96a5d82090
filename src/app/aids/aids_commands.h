#pragma once
// The editing aids and Run in the main window: creates the "Insert Filename",
// "Insert Path" and "Insert Command Template" dialogs once (in that order)
// and connects the commands that show them, Insert Variable (the Easy
// layout's "Variable Select"), Insert Batch File, Shorten Path, Make Relative
// Path, Run and Step Through. Install it between the window's
// construction and its start-up, so start-up's enabling rules apply to the
// commands it provides. The window owns it.
#include "app/aids/aid_services.h"
#include "app/aids/window_targets.h"
#include "core/aids/path_conversions.h"
#include "core/ports/shell.h"

#include <QObject>

namespace app {
class TForm1;
}

namespace app::aids {

class TForm10;
class TForm9;
class TInsertCommandSelect;

//! The window's services the aids work through.
struct AidPorts {
    core::ports::Prompter& prompter;
    core::ports::SettingsStore& settings;
    core::ports::FileSystem& files;
    core::ports::Shell& shell;
};

class AidsCommands : public QObject {
    Q_OBJECT
public:
    AidsCommands(TForm1& window, AidPorts ports);

    void EditInsert1Execute();
    void InsertFilename1Click();
    void InsertPath1Click();
    //! Variable Select in variable mode: for the editor when the Advanced
    //! layout is in front, else for the target the IF page set last.
    void EditInsertVariableExecute();
    void InsertBatExecute();
    void ShortenPathExecute();
    void RelativePathExecute();
    void Run2Click(); //!< Run
    void Run1Click(); //!< Step Through

private:
    TForm1& m_window;
    AidPorts m_ports;
    WindowIfPage m_ifPage;
    WindowDocument m_document;
    core::aids::PathConversions m_paths;
    TForm9* m_form9 = nullptr;
    TForm10* m_form10 = nullptr;
    TInsertCommandSelect* m_insertCommandSelect = nullptr;
};

} // namespace app::aids
