#include "app/help/version_option.h"
#include "app/launch.h"
#include "core/text/file_io.h"
#include "core/version.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    core::text::ignoreFileSizeSignal();
    if (app::help::printVersionIfAsked(argc, argv)) return 0;
    QApplication application(argc, argv);
    QApplication::setOrganizationName(core::COMPANY_NAME);
    QApplication::setApplicationName(core::PRODUCT_NAME);
    QApplication::setApplicationDisplayName(core::PRODUCT_NAME);
    QApplication::setApplicationVersion(core::PRODUCT_VERSION);
    return app::runWindow(QApplication::arguments());
}
