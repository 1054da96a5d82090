#include "app/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Marrowfen Software");
    QApplication::setApplicationName("Quillet");
    QApplication::setApplicationDisplayName("Quillet");
    QApplication::setApplicationVersion(QUILLET_VERSION);
    app::TForm1 window;
    window.show();
    return QApplication::exec();
}
