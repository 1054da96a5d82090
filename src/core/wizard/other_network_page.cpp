#include "core/wizard/other_network_page.h"

#include "core/wizard/line_parts.h"
#include "core/wizard/target_lines.h"
#include "core/wizard/wizard_texts.h"

namespace core::wizard {

namespace {
constexpr std::string_view MESSAGE_TARGET = "MessageTarget";
constexpr std::string_view TIME_SOURCE = "TimeSource";

// The time source's line, or a warning when its field is empty.
void timeLine(const std::string& field, const std::string& switchText, std::string_view missing,
              GeneratorContext& context) {
    if (field.empty()) return context.warn(std::string(missing));
    context.appendLine("NET TIME " + switchText + field + " /SET");
}

// NET SEND is gone: MSG reaches a user's sessions, or every session with "*";
// it reads the rest of the line as the message.
void windowsMessage(const OtherNetworkChoices& page, GeneratorContext& context) {
    const std::string message = " " + escapedText(page.Edit34);
    if (page.RadioButton59)
        context.appendLine("MSG " + (page.Edit35 == "*" ? page.Edit35 : quotedWhenNeeded(page.Edit35)) + message);
    else if (page.RadioButton60)
        context.warn(std::string(texts::NO_DOMAIN_MESSAGE));
    else if (page.RadioButton61)
        context.appendLine("MSG *" + message);
}
} // namespace

void OtherNetworkChoices::visitFields(FieldVisitor& visitor) {
    visitor.check("CheckBox34", CheckBox34);
    visitor.text("Edit34", Edit34);
    visitor.radio("RadioButton59", MESSAGE_TARGET, RadioButton59);
    visitor.text("Edit35", Edit35);
    visitor.radio("RadioButton60", MESSAGE_TARGET, RadioButton60);
    visitor.text("Edit36", Edit36);
    visitor.radio("RadioButton61", MESSAGE_TARGET, RadioButton61);
    visitor.check("CheckBox33", CheckBox33);
    visitor.radio("RadioButton62", TIME_SOURCE, RadioButton62);
    visitor.text("Edit37", Edit37);
    visitor.radio("RadioButton63", TIME_SOURCE, RadioButton63);
    visitor.text("Edit38", Edit38);
    visitor.radio("RadioButton64", TIME_SOURCE, RadioButton64);
    visitor.text("Edit39", Edit39);
    visitor.check("CheckBox42", CheckBox42);
    visitor.text("Edit42", Edit42);
    visitor.text("Edit40", Edit40);
    visitor.text("Edit41", Edit41);
}


void generateMessage(const OtherNetworkChoices& page, GeneratorContext& context) {
    if (page.Edit34.empty()) return context.warn(std::string(texts::FORGOT_MESSAGE_TEXT));
    if (context.target == Target::Windows) return windowsMessage(page, context);
    const std::string message = " " + quoted(page.Edit34);
    // The wildcard "*" must stay unquoted to reach every name.
    if (page.RadioButton59)
        context.appendLine("NET SEND " + (page.Edit35 == "*" ? page.Edit35 : quoted(page.Edit35)) + message);
    else if (page.RadioButton60)
        context.appendLine("NET SEND /DOMAIN:" + page.Edit36 + message);
    else if (page.RadioButton61)
        context.appendLine("NET SEND /USERS" + message);
}

void generateTimeSync(const OtherNetworkChoices& page, GeneratorContext& context) {
    if (page.RadioButton62) timeLine(page.Edit37, "", texts::FORGOT_TIME_COMPUTER, context);
    else if (page.RadioButton63) timeLine(page.Edit38, "/DOMAIN:", texts::FORGOT_TIME_DOMAIN, context);
    else if (page.RadioButton64) timeLine(page.Edit39, "/RTSDOMAIN:", texts::FORGOT_TIME_RTS_DOMAIN, context);
}

void generateRunAs(const OtherNetworkChoices& page, GeneratorContext& context) {
    if (page.Edit42.empty()) return context.warn(std::string(texts::FORGOT_RUNAS_USER));
    if (context.target == Target::Windows) {
        // RUNAS takes the command as one argument: a program path with blanks
        // goes in escaped quotes inside it, and no blank trails a missing argument.
        const std::string program = page.Edit40.find(' ') == std::string::npos ? page.Edit40 : "\\\"" + page.Edit40 + "\\\"";
        const std::string command = page.Edit41.empty() ? program : program + " " + page.Edit41;
        return context.appendLine("RUNAS /USER:" + quotedWhenNeeded(page.Edit42) + " " + quoted(command));
    }
    // Program and arguments share one pair of quotes, one blank apart even without arguments.
    context.appendLine("RUNAS /USER:" + page.Edit42 + " " + quoted(page.Edit40 + " " + page.Edit41));
}

} // namespace core::wizard
