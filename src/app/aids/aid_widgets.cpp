#include "app/aids/aid_widgets.h"

#include <QDialog>
#include <QPushButton>

namespace app::aids {

QPushButton* pushButton(const char* name, const char* caption, const char* hint) {
    auto* button = new QPushButton(QString::fromUtf8(caption));
    button->setObjectName(name);
    if (hint != nullptr) {
        button->setToolTip(QString::fromUtf8(hint));
        button->setStatusTip(QString::fromUtf8(hint));
    }
    return button;
}

void makeModeless(QDialog* dialog, const char* objectName, const char* caption) {
    dialog->setObjectName(objectName);
    dialog->setWindowTitle(QString::fromUtf8(caption));
    dialog->setModal(false);
    // A dialog with the main window as parent is its transient window: the
    // desktop keeps it above the main window, not above other programs.
    dialog->setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void bringForward(QDialog* dialog) {
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

} // namespace app::aids
