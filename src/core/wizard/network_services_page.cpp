#include "core/wizard/network_services_page.h"

#include "core/wizard/line_parts.h"
#include "core/wizard/wizard_texts.h"

namespace core::wizard {

namespace {
constexpr std::string_view START_STOP = "StartStopService";
constexpr std::string_view COMPUTER_KIND = "ServiceComputerKind";
constexpr std::string_view PAUSE_CONTINUE = "PauseContinueService";

// A service must be picked from the list: there is no free text.
void serviceLine(const std::optional<std::string>& selected, std::string_view verb, std::string_view missing,
                 GeneratorContext& context) {
    if (!selected) return context.warn(std::string(missing));
    context.appendLine("NET " + std::string(verb) + " " + quoted(*selected));
}
} // namespace

const std::vector<std::string>& pausableServices() {
    static const std::vector<std::string> items = {
        "FILE SERVER FOR MACINTOSH", "LPDSVC", "NET LOGON", "NETWORK DDE", "NETWORK DDE DSDM",
        "NT LM SECURITY SUPPORT PROVIDER", "REMOTE ACCESS SERVER", "SCHEDULE", "SERVER",
        "SIMPLE TCP/IP SERVICES", "WORKSTATION",
    };
    return items;
}

std::vector<std::string> NetworkServicesChoices::startStopItems() const {
    const auto action = RadioButton51   ? ServiceAction::Start
                        : RadioButton52 ? ServiceAction::Stop
                                        : ServiceAction::Other;
    return offeredServices(servicesFile, action);
}

void NetworkServicesChoices::startStopChoiceChanged() {
    ComboBox3.reset();
}

void NetworkServicesChoices::visitFields(FieldVisitor& visitor) {
    visitor.radio("RadioButton51", START_STOP, RadioButton51);
    visitor.radio("RadioButton52", START_STOP, RadioButton52);
    visitor.radio("RadioButton55", COMPUTER_KIND, RadioButton55);
    visitor.radio("RadioButton56", COMPUTER_KIND, RadioButton56);
    // Visited after the switches: what the list offers depends on them.
    visitor.choice("ComboBox3", ComboBox3, startStopItems());
    visitor.radio("RadioButton53", PAUSE_CONTINUE, RadioButton53);
    visitor.radio("RadioButton54", PAUSE_CONTINUE, RadioButton54);
    visitor.choice("ComboBox4", ComboBox4, pausableServices());
}

void generateStartService(const NetworkServicesChoices& page, GeneratorContext& context) {
    serviceLine(page.ComboBox3, "START", texts::FORGOT_SERVICE_TO_START, context);
}

void generateStopService(const NetworkServicesChoices& page, GeneratorContext& context) {
    serviceLine(page.ComboBox3, "STOP", texts::FORGOT_SERVICE_TO_STOP, context);
}

void generatePauseService(const NetworkServicesChoices& page, GeneratorContext& context) {
    serviceLine(page.ComboBox4, "PAUSE", texts::FORGOT_SERVICE_TO_PAUSE, context);
}

void generateContinueService(const NetworkServicesChoices& page, GeneratorContext& context) {
    serviceLine(page.ComboBox4, "CONTINUE", texts::FORGOT_SERVICE_TO_CONTINUE, context);
}

} // namespace core::wizard
