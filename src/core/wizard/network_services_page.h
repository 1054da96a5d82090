#pragma once
// The "Network Services" page: NET START, STOP, PAUSE and CONTINUE of a
// service picked from a drop-down list.
#include "core/wizard/fields.h"
#include "core/wizard/generator_context.h"
#include "core/wizard/services_list.h"

#include <optional>
#include <string>
#include <vector>

namespace core::wizard {

struct NetworkServicesChoices {
    bool RadioButton51 = false;            //!< "Start a network service"
    bool RadioButton52 = false;            //!< "Stop a network service (admin rights needed)"
    bool RadioButton55 = false;            //!< the batch file runs on a server
    bool RadioButton56 = true;             //!< the batch file runs on a workstation
    std::optional<std::string> ComboBox3;  //!< the service to start or stop
    bool RadioButton53 = false;            //!< "Pause a network service"
    bool RadioButton54 = false;            //!< "Continue a paused network service"
    std::optional<std::string> ComboBox4;  //!< the service to pause or continue

    //! The names of "Services.qlt" when its flag is set; the owner loads them.
    std::vector<std::string> servicesFile;

    //! What `ComboBox3` offers when dropped down now.
    std::vector<std::string> startStopItems() const;
    //! Choosing start, stop, server or workstation empties the drop-down (the
    //! window also enables it on start or stop; it is disabled until then).
    void startStopChoiceChanged();

    void visitFields(FieldVisitor& visitor);
};

//! The fixed items of `ComboBox4`.
const std::vector<std::string>& pausableServices();

//! Section code 25: NET START of the selected service.
void generateStartService(const NetworkServicesChoices& page, GeneratorContext& context);
//! Section code 26: NET STOP of the selected service.
void generateStopService(const NetworkServicesChoices& page, GeneratorContext& context);
//! Section code 27: NET PAUSE of the selected service.
void generatePauseService(const NetworkServicesChoices& page, GeneratorContext& context);
//! Section code 28: NET CONTINUE of the selected service.
void generateContinueService(const NetworkServicesChoices& page, GeneratorContext& context);

} // namespace core::wizard
