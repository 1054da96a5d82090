#include "app/encoding_controls.h"

#include "app/main_window.h"
#include "core/text/encoding.h"
#include "platform/qt_text.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>

namespace app {
namespace {

using core::text::Encoding;

// A menu with one entry per encoding; choosing one calls handler with it.
QMenu* encodingMenu(QWidget* parent, const char* name, const QString& caption,
                    const std::function<void(Encoding)>& handler) {
    auto* menu = new QMenu(caption, parent);
    menu->setObjectName(name);
    for (Encoding encoding : core::text::ALL_ENCODINGS) {
        auto* entry = menu->addAction(platform::fromUtf8(core::text::encodingName(encoding)));
        entry->setObjectName(QString::fromLatin1(name) + QLatin1Char('_') + platform::fromUtf8(core::text::encodingKey(encoding)));
        QObject::connect(entry, &QAction::triggered, menu, [handler, encoding] { handler(encoding); });
    }
    return menu;
}

} // namespace

void installEncodingControls(TForm1& window) {
    auto& documents = window.documents();
    const auto reopen = [&documents](Encoding encoding) { documents.reopenWithEncoding(encoding); };
    const auto save = [&documents](Encoding encoding) { documents.saveWithEncoding(encoding); };
    auto* reopenMenu = encodingMenu(&window, "ReopenWithEncoding", QObject::tr("Reopen with &Encoding"), reopen);
    auto* saveMenu = encodingMenu(&window, "SaveWithEncoding", QObject::tr("Save with E&ncoding"), save);
    if (auto* file = window.findChild<QMenu*>("FileMenu")) {
        file->insertMenu(window.action("FilePrint"), reopenMenu);
        file->insertMenu(window.action("FilePrint"), saveMenu);
        file->insertSeparator(window.action("FilePrint"));
    }

    auto* button = new QToolButton;
    button->setObjectName("StatusEncoding");
    button->setAutoRaise(true);
    button->setToolTip(QObject::tr("The encoding the file is saved in; click to change it"));
    button->setPopupMode(QToolButton::InstantPopup);
    auto* popup = new QMenu(button);
    popup->addMenu(encodingMenu(popup, "StatusReopen", QObject::tr("Reopen with Encoding"), reopen));
    popup->addMenu(encodingMenu(popup, "StatusSave", QObject::tr("Save with Encoding"), save));
    button->setMenu(popup);
    window.statusBar()->addPermanentWidget(button);
    const auto show = [button, &documents] {
        button->setText(platform::fromUtf8(core::text::encodingName(documents.currentEncoding())));
    };
    documents.addListener([show](core::documents::DocumentEvent) { show(); });
    // The path panel gives up the room the item takes, so it shows at the
    // window's smallest width.
    button->setText(platform::fromUtf8(core::text::encodingName(Encoding::Utf8WithMark))); // the widest name
    if (auto* path = window.findChild<QLabel*>("StatusPanel1"))
        path->setMinimumWidth(std::max(0, path->minimumWidth() - button->sizeHint().width() - 8));
    show();
}

} // namespace app
