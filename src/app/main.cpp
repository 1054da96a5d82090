#include "app/help/version_option.h"
#include "app/launch.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (app::help::printVersionIfAsked(argc, argv)) return 0;
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Marrowfen Software");
    QApplication::setApplicationName("Quillet");
    QApplication::setApplicationDisplayName("Quillet");
    QApplication::setApplicationVersion(QUILLET_VERSION);
    return app::runWindow(QApplication::arguments());
}
