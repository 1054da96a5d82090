#include "core/settings/colour_name.h"

#include "core/text/codepage.h"

#include <array>
#include <cstdio>

namespace core::settings {
namespace {

using S = SystemColour;
constexpr ColourValue fix(std::uint32_t bgr) { return {std::nullopt, bgr}; }
constexpr ColourValue sys(S c) { return {c, 0}; }

// Where two identifiers share a value, the first one is the name written.
constexpr std::array<NamedColour, 52> IDENTIFIERS = {{
    {"clBlack", fix(0x000000)}, {"clMaroon", fix(0x000080)}, {"clGreen", fix(0x008000)},
    {"clOlive", fix(0x008080)}, {"clNavy", fix(0x800000)}, {"clPurple", fix(0x800080)},
    {"clTeal", fix(0x808000)}, {"clGray", fix(0x808080)}, {"clSilver", fix(0xC0C0C0)},
    {"clRed", fix(0x0000FF)}, {"clLime", fix(0x00FF00)}, {"clYellow", fix(0x00FFFF)},
    {"clBlue", fix(0xFF0000)}, {"clFuchsia", fix(0xFF00FF)}, {"clAqua", fix(0xFFFF00)},
    {"clWhite", fix(0xFFFFFF)}, {"clMoneyGreen", fix(0xC0DCC0)}, {"clSkyBlue", fix(0xF0CAA6)},
    {"clCream", fix(0xF0FBFF)}, {"clMedGray", fix(0xA4A0A0)}, {"clLtGray", fix(0xC0C0C0)},
    {"clDkGray", fix(0x808080)},
    {"clScrollBar", sys(S::ScrollBar)}, {"clBackground", sys(S::Background)},
    {"clActiveCaption", sys(S::ActiveCaption)}, {"clInactiveCaption", sys(S::InactiveCaption)},
    {"clMenu", sys(S::Menu)}, {"clWindow", sys(S::Window)}, {"clWindowFrame", sys(S::WindowFrame)},
    {"clMenuText", sys(S::MenuText)}, {"clWindowText", sys(S::WindowText)},
    {"clCaptionText", sys(S::CaptionText)}, {"clActiveBorder", sys(S::ActiveBorder)},
    {"clInactiveBorder", sys(S::InactiveBorder)}, {"clAppWorkSpace", sys(S::AppWorkSpace)},
    {"clHighlight", sys(S::Highlight)}, {"clHighlightText", sys(S::HighlightText)},
    {"clBtnFace", sys(S::BtnFace)}, {"clBtnShadow", sys(S::BtnShadow)},
    {"clGrayText", sys(S::GrayText)}, {"clBtnText", sys(S::BtnText)},
    {"clInactiveCaptionText", sys(S::InactiveCaptionText)}, {"clBtnHighlight", sys(S::BtnHighlight)},
    {"cl3DDkShadow", sys(S::DkShadow3D)}, {"cl3DLight", sys(S::Light3D)},
    {"clInfoText", sys(S::InfoText)}, {"clInfoBk", sys(S::InfoBk)}, {"clHotLight", sys(S::HotLight)},
    {"clGradientActiveCaption", sys(S::GradientActiveCaption)},
    {"clGradientInactiveCaption", sys(S::GradientInactiveCaption)},
    {"clMenuHighlight", sys(S::MenuHighlight)}, {"clMenuBar", sys(S::MenuBar)},
}};

std::optional<std::uint32_t> parseHex(std::string_view digits) {
    if (digits.size() != 8) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(d);
    }
    return value;
}

} // namespace

std::span<const NamedColour> colourIdentifiers() { return IDENTIFIERS; }

std::optional<ColourValue> parseColourName(std::string_view text) {
    if (!text.empty() && text.front() == '$') {
        const auto value = parseHex(text.substr(1));
        if (!value || (*value >> 24) != 0) return std::nullopt; // high byte: not an RGB colour
        return ColourValue::fixed(*value);
    }
    for (const auto& named : IDENTIFIERS)
        if (text::equalsIgnoreCase(named.name, text)) return named.value;
    return std::nullopt;
}

std::string colourName(const ColourValue& colour) {
    for (const auto& named : IDENTIFIERS)
        if (named.value == colour) return std::string(named.name);
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(colour.bgr & 0xFFFFFF));
    return buffer;
}

ColourValue colourFromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return ColourValue::fixed(static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
                              (static_cast<std::uint32_t>(b) << 16));
}

} // namespace core::settings
