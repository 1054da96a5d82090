#include "app/launch.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Marrowfen Software");
    QApplication::setApplicationName("Quillet");
    QApplication::setApplicationDisplayName("Quillet");
    QApplication::setApplicationVersion(QUILLET_VERSION);
    return app::runWindow(QApplication::arguments());
}
