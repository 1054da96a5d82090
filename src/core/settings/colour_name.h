#pragma once
// Colour names as the settings store keeps them: a toolkit identifier
// ("clRed", "clWindowText", ...) or "$" and eight hex digits 00BBGGRR.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace core::settings {

//! The desktop theme colours a name can stand for; the window resolves them.
enum class SystemColour {
    ScrollBar, Background, ActiveCaption, InactiveCaption, Menu, Window, WindowFrame,
    MenuText, WindowText, CaptionText, ActiveBorder, InactiveBorder, AppWorkSpace,
    Highlight, HighlightText, BtnFace, BtnShadow, GrayText, BtnText, InactiveCaptionText,
    BtnHighlight, DkShadow3D, Light3D, InfoText, InfoBk, HotLight, GradientActiveCaption,
    GradientInactiveCaption, MenuHighlight, MenuBar,
};

//! A colour: either a fixed 0x00BBGGRR value or a system colour.
struct ColourValue {
    std::optional<SystemColour> system;
    std::uint32_t bgr = 0; //!< meaningful when !system

    static ColourValue fixed(std::uint32_t bgr) { return {std::nullopt, bgr & 0x00FFFFFFu}; }
    static ColourValue ofSystem(SystemColour c) { return {c, 0}; }
    std::uint8_t red() const { return static_cast<std::uint8_t>(bgr & 0xFF); }
    std::uint8_t green() const { return static_cast<std::uint8_t>((bgr >> 8) & 0xFF); }
    std::uint8_t blue() const { return static_cast<std::uint8_t>((bgr >> 16) & 0xFF); }
    friend bool operator==(const ColourValue&, const ColourValue&) = default;
};

struct NamedColour {
    std::string_view name;
    ColourValue value;
};

//! Every identifier a colour value can hold, standard colours first.
std::span<const NamedColour> colourIdentifiers();

//! Reads a colour name; identifiers ignore letter case. Nothing for garbage.
std::optional<ColourValue> parseColourName(std::string_view text);

//! The name to store: the identifier when the colour has one, else "$00BBGGRR".
std::string colourName(const ColourValue& colour);

//! Colour from red, green and blue bytes.
ColourValue colourFromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b);

} // namespace core::settings
