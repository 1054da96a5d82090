#include "app/help/version_option.h"
#include "app/launch.h"
#include "core/text/file_io.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    core::text::ignoreFileSizeSignal();
    if (app::help::printVersionIfAsked(argc, argv)) return 0;
    QApplication application(argc, argv);
    QApplication::setOrganizationName("Marrowfen Software");
    QApplication::setApplicationName("Quillet");
    QApplication::setApplicationDisplayName("Quillet");
    QApplication::setApplicationVersion(QUILLET_VERSION);
    return app::runWindow(QApplication::arguments());
}
