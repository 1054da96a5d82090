#include "app/info/check_for_update.h"

#include "core/version.h"
#include "platform/pop3/curl_pop3_client.h"

namespace app::info {

void checkForProgramUpdate(QWidget* parent, const UpdateInfoServices& services) {
    platform::CurlPop3Client client;
    TForm2 window(services, client, core::PRODUCT_VERSION, parent);
    window.exec();
}

} // namespace app::info
