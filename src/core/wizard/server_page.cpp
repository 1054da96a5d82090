#include "core/wizard/server_page.h"

#include "core/wizard/line_parts.h"
#include "core/wizard/target_lines.h"

namespace core::wizard {

namespace {
constexpr std::string_view ACCOUNT_ACTION = "AccountAction";
constexpr std::size_t WORKSTATION_SLOTS = 8;

// "/NAME:" + the quoted text + a blank, or nothing for an empty text.
std::string quotedPart(std::string_view name, const std::string& value) {
    return value.empty() ? std::string() : "/" + std::string(name) + ":" + quoted(value) + " ";
}

// Always eight slots (seven commas): a missing line is an empty slot, lines
// past the eighth are left out.
std::string workstationsPart(const std::vector<std::string>& memo, Target target) {
    if (!holdsText(memo)) return {};
    std::string out = "/WORKSTATIONS:";
    // Today's NET USER reads an empty slot as a name: only the names typed are written.
    std::string separator;
    for (std::size_t slot = 0; slot < WORKSTATION_SLOTS; ++slot) {
        const bool typed = slot < memo.size() && !memo[slot].empty();
        if (target == Target::Windows && !typed) continue;
        out += separator + (slot < memo.size() ? memo[slot] : std::string());
        separator = ",";
    }
    return out + " ";
}

// Every part after the password, up to and with "/TIMES:ALL ".
std::string accountParts(const ServerChoices& page, Target target) {
    return std::string(page.CheckBox48 ? "/ACTIVE:YES " : "/ACTIVE:NO ") +
           (page.CheckBox49 ? "/PASSWORDCHG:YES " : "/PASSWORDCHG:NO ") + quotedPart("FULLNAME", page.Edit45) +
           quotedPart("COMMENT", page.Edit46) +
           (page.CheckBox50 ? "/EXPIRES:" + page.DateTimePicker1 + " " : "/EXPIRES:NEVER ") +
           quotedPart("HOMEDIR", page.Edit47) + quotedPart("PROFILEPATH", page.Edit48) +
           quotedPart("SCRIPTPATH", page.Edit49) + workstationsPart(page.Memo10, target) +
           quotedPart("USERCOMMENT", page.Edit50) + "/TIMES:ALL ";
}
} // namespace

void ServerChoices::visitFields(FieldVisitor& visitor) {
    visitor.check("CheckBox35", CheckBox35);
    visitor.radio("RadioButton65", ACCOUNT_ACTION, RadioButton65);
    visitor.radio("RadioButton66", ACCOUNT_ACTION, RadioButton66);
    visitor.radio("RadioButton67", ACCOUNT_ACTION, RadioButton67);
    visitor.text("Edit43", Edit43);
    visitor.text("Edit44", Edit44);
    visitor.check("CheckBox46", CheckBox46);
    visitor.check("CheckBox47", CheckBox47);
    visitor.check("CheckBox48", CheckBox48);
    visitor.check("CheckBox49", CheckBox49);
    visitor.text("Edit45", Edit45);
    visitor.text("Edit50", Edit50);
    visitor.check("CheckBox50", CheckBox50);
    visitor.text("DateTimePicker1", DateTimePicker1);
    visitor.text("Edit47", Edit47);
    visitor.text("Edit48", Edit48);
    visitor.text("Edit49", Edit49);
    visitor.memo("Memo10", Memo10);
    visitor.text("Edit46", Edit46);
}

void generateUserAccounts(const ServerChoices& page, GeneratorContext& context) {
    const auto target = context.target;
    const std::string user = "NET USER " + (target == Target::Windows ? quotedWhenNeeded(page.Edit43) : page.Edit43) + " ";
    // The Windows line ends with its last switch, not with a blank.
    const auto emit = [&](std::string line) {
        if (target == Target::Windows)
            while (!line.empty() && line.back() == ' ') line.pop_back();
        context.appendLine(line);
    };
    const std::string domain = page.CheckBox47 ? "/DOMAIN" : "";
    const std::string password = page.CheckBox46 ? "* " : page.Edit44 + " ";
    if (page.RadioButton65)
        emit(user + password + "/ADD " + accountParts(page, target) + domain);
    else if (page.RadioButton67)
        emit(user + password + accountParts(page, target) + domain);
    else if (page.RadioButton66)
        emit(user + "/DELETE " + domain);
}

} // namespace core::wizard
