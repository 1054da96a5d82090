#include "core/wizard/network_sharing_page.h"

#include "core/wizard/line_parts.h"
#include "core/wizard/target_lines.h"
#include "core/wizard/wizard_texts.h"

#include <array>

namespace core::wizard {

namespace {
constexpr std::string_view SHARE_SWITCH = "ShareSwitch";
constexpr std::string_view SIMULTANEOUS_USERS = "SimultaneousUsers";
constexpr std::string_view CONNECTION_SWITCH = "ConnectionSwitch";
constexpr std::string_view DEVICE_NAME = "DeviceName";

// The /CACHE switch of each offline caching item, in item order.
constexpr std::array<std::string_view, 3> CACHE_SWITCHES = {" /CACHE:Automatic", " /CACHE:Manual", " /CACHE:No"};
// Today's NET SHARE names automatic caching "Documents" and none "None".
constexpr std::array<std::string_view, 3> WINDOWS_CACHE_SWITCHES = {" /CACHE:Documents", " /CACHE:Manual", " /CACHE:None"};

std::string cachePart(const std::optional<std::string>& selected, Target target) {
    const auto& items = offlineCachingItems();
    const auto& switches = target == Target::Windows ? WINDOWS_CACHE_SWITCHES : CACHE_SWITCHES;
    for (std::size_t i = 0; selected && i < items.size(); ++i)
        if (items[i] == *selected) return std::string(switches[i]);
    return {};
}

std::string shareOptions(const NetworkSharingChoices& page, Target target) {
    if (page.RadioButton44) return " /DELETE";
    const std::string remark = page.Edit28.empty() ? std::string() : " /REMARK:" + quotedFor(target, page.Edit28);
    return remark + cachePart(page.ComboBox2, target);
}

// Today's NET SHARE removes a share by its name alone.
void windowsShare(const NetworkSharingChoices& page, GeneratorContext& context) {
    const auto name = quotedWhenNeeded(page.Edit25);
    if (page.RadioButton44) return context.appendLine("NET SHARE " + name + " /DELETE");
    const std::string head = "NET SHARE " + name + "=" + quotedOnce(page.Edit27);
    if (page.RadioButton45)
        context.appendLine(head + " /USERS:" + std::to_string(page.CSpinEdit1) + shareOptions(page, Target::Windows));
    else if (page.RadioButton46)
        context.appendLine(head + " /UNLIMITED" + shareOptions(page, Target::Windows));
}

// Today's NET USE disconnects by the device alone, or by the network path when
// the device was "next available" (NET USE * /DELETE would drop every
// connection); an empty password is left out rather than written as a blank.
void windowsConnection(const NetworkSharingChoices& page, GeneratorContext& context) {
    const std::string device = page.RadioButton49 ? page.Edit29 : "*";
    const std::string password = page.CheckBox31 ? " *" : page.Edit31.empty() ? "" : " " + quotedWhenNeeded(page.Edit31);
    const std::string path = page.CheckBox30 ? std::string() : quotedOnce(page.Edit30);
    if (page.RadioButton48) {
        if (page.RadioButton49) return context.appendLine("NET USE " + device + " /DELETE");
        if (page.CheckBox30) return context.warn(std::string(texts::NO_DEVICE_TO_DISCONNECT));
        return context.appendLine("NET USE " + path + " /DELETE");
    }
    if (page.CheckBox30) return context.appendLine("NET USE " + device + password + " /HOME");
    const std::string user = page.CheckBox32 ? " /USER:" + quotedWhenNeeded(page.Edit32) : std::string();
    context.appendLine("NET USE " + device + " " + path + password + user);
}
} // namespace

const std::vector<std::string>& offlineCachingItems() {
    static const std::vector<std::string> items = {"Enabled, Auto re-integrate", "Enabled, Manual re-integrate",
                                                   "Disabled"};
    return items;
}

void NetworkSharingChoices::visitFields(FieldVisitor& visitor) {
    visitor.radio("RadioButton43", SHARE_SWITCH, RadioButton43);
    visitor.radio("RadioButton44", SHARE_SWITCH, RadioButton44);
    visitor.text("Edit25", Edit25);
    visitor.text("Edit27", Edit27);
    visitor.text("Edit28", Edit28);
    visitor.choice("ComboBox2", ComboBox2, offlineCachingItems());
    visitor.radio("RadioButton45", SIMULTANEOUS_USERS, RadioButton45);
    visitor.radio("RadioButton46", SIMULTANEOUS_USERS, RadioButton46);
    visitor.number("CSpinEdit1", CSpinEdit1, MIN_SHARE_USERS, MAX_SHARE_USERS);
    visitor.radio("RadioButton47", CONNECTION_SWITCH, RadioButton47);
    visitor.radio("RadioButton48", CONNECTION_SWITCH, RadioButton48);
    visitor.text("Edit29", Edit29);
    visitor.radio("RadioButton49", DEVICE_NAME, RadioButton49);
    visitor.radio("RadioButton50", DEVICE_NAME, RadioButton50);
    visitor.text("Edit30", Edit30);
    visitor.check("CheckBox30", CheckBox30);
    visitor.text("Edit31", Edit31);
    visitor.check("CheckBox31", CheckBox31);
    visitor.check("CheckBox32", CheckBox32);
    visitor.text("Edit32", Edit32);
}

void enterNetworkPath(std::string& text) {
    if (text == NETWORK_PATH_PLACEHOLDER) text.clear();
}

void leaveNetworkPath(std::string& text) {
    if (text.empty()) text = NETWORK_PATH_PLACEHOLDER;
}

void generateShare(const NetworkSharingChoices& page, GeneratorContext& context) {
    if (page.Edit25.empty()) return context.warn(std::string(texts::FORGOT_SHARE_NAME));
    if (page.Edit27.empty()) return context.warn(std::string(texts::FORGOT_SHARE_PATH));
    if (context.target == Target::Windows) return windowsShare(page, context);
    // Removing keeps the name, path and user limit in the line.
    const std::string head = "NET SHARE " + page.Edit25 + "=" + quoted(page.Edit27);
    if (page.RadioButton45)
        context.appendLine(head + " /USERS:" + std::to_string(page.CSpinEdit1) + shareOptions(page, Target::Classic));
    else if (page.RadioButton46)
        context.appendLine(head + " /UNLIMITED" + shareOptions(page, Target::Classic));
}

void generateConnection(const NetworkSharingChoices& page, GeneratorContext& context) {
    const std::string device = page.RadioButton49 ? page.Edit29 : "*";
    const std::string password = page.CheckBox31 ? "*" : page.Edit31;
    const std::string user = page.CheckBox32 ? " /USER:" + page.Edit32 : std::string();
    const std::string disconnect = page.RadioButton48 ? " /DELETE" : "";
    if (!page.RadioButton47 && !page.RadioButton48) return;
    if (context.target == Target::Windows) return windowsConnection(page, context);
    // The HOME forms leave out the network path and the user part.
    if (page.CheckBox30)
        context.appendLine("NET USE " + device + " " + password + " /HOME" + disconnect);
    else
        context.appendLine("NET USE " + device + " " + quoted(page.Edit30) + " " + password + user + disconnect);
}

} // namespace core::wizard
