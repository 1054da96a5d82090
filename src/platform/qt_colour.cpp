#include "platform/qt_colour.h"

#include <QApplication>
#include <QPalette>

namespace platform {
namespace {

using core::settings::SystemColour;

struct PaletteColour {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The palette entry that plays each desktop colour's part in a Qt theme.
PaletteColour paletteColour(SystemColour colour) {
    using P = QPalette;
    switch (colour) {
    case SystemColour::Window: return {P::Active, P::Base};
    case SystemColour::WindowText: return {P::Active, P::Text};
    case SystemColour::Menu:
    case SystemColour::MenuBar:
    case SystemColour::BtnFace:
    case SystemColour::ScrollBar:
    case SystemColour::ActiveBorder:
    case SystemColour::InactiveBorder:
    case SystemColour::AppWorkSpace:
    case SystemColour::Background: return {P::Active, P::Window};
    case SystemColour::MenuText:
    case SystemColour::CaptionText:
    case SystemColour::InactiveCaptionText: return {P::Active, P::WindowText};
    case SystemColour::BtnText: return {P::Active, P::ButtonText};
    case SystemColour::Highlight:
    case SystemColour::MenuHighlight:
    case SystemColour::ActiveCaption:
    case SystemColour::GradientActiveCaption: return {P::Active, P::Highlight};
    case SystemColour::InactiveCaption:
    case SystemColour::GradientInactiveCaption: return {P::Inactive, P::Highlight};
    case SystemColour::HighlightText: return {P::Active, P::HighlightedText};
    case SystemColour::WindowFrame:
    case SystemColour::DkShadow3D: return {P::Active, P::Shadow};
    case SystemColour::BtnShadow: return {P::Active, P::Dark};
    case SystemColour::GrayText: return {P::Disabled, P::Text};
    case SystemColour::BtnHighlight: return {P::Active, P::Light};
    case SystemColour::Light3D: return {P::Active, P::Midlight};
    case SystemColour::InfoText: return {P::Active, P::ToolTipText};
    case SystemColour::InfoBk: return {P::Active, P::ToolTipBase};
    case SystemColour::HotLight: return {P::Active, P::Link};
    }
    return {P::Active, P::Text};
}

} // namespace

QColor toQColor(const core::settings::ColourValue& colour) {
    if (colour.system) {
        const auto entry = paletteColour(*colour.system);
        return QApplication::palette().color(entry.group, entry.role);
    }
    return QColor(colour.red(), colour.green(), colour.blue());
}

core::settings::ColourValue fromQColor(const QColor& colour) {
    return core::settings::colourFromRgb(static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                                         static_cast<std::uint8_t>(colour.blue()));
}

} // namespace platform
