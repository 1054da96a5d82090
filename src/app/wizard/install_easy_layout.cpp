#include "app/wizard/install_easy_layout.h"

#include "app/main_window.h"
#include "app/wizard/document_set_targets.h"
#include "app/wizard/easy_layout.h"
#include "platform/qt_text.h"

#include <QAction>

namespace app::wizard {

EasyLayout& installEasyLayout(TForm1& window, core::ports::Prompter& prompter, core::ports::FileSystem& files,
                              core::ports::SettingsStore& settings) {
    auto* easy = new EasyLayout({prompter, files, settings, window.pickLists(), window.documents().browseDialog()});
    easy->setDocuments(std::make_unique<DocumentSetTargets>(window.documents(), window.editorView()));
    window.setEasyLayout(easy, easy);
    window.connectCommand("BatchUpdateVer", [easy] { easy->BatchUpdateVerExecute(); });
    QObject::connect(easy, &EasyLayout::commandFieldFocused, &window, [&window](bool focused) {
        if (QAction* insert = window.action("EditInsert1")) insert->setEnabled(focused);
    });
    QObject::connect(easy, &EasyLayout::insertIntoEditor, &window,
                     [&window](const QString& text) { window.documents().insertAtCaret(platform::toUtf8(text)); });
    return *easy;
}

} // namespace app::wizard
