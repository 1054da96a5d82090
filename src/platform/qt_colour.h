#pragma once
// Colours as the settings store names them, to and from QColor. System
// colours follow the application palette, so they match the desktop theme.
#include "core/settings/colour_name.h"

#include <QColor>

namespace platform {

QColor toQColor(const core::settings::ColourValue& colour);
core::settings::ColourValue fromQColor(const QColor& colour);

} // namespace platform
