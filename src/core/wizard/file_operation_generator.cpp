#include "core/wizard/file_operation_generator.h"

#include "core/text/checker_lines.h"
#include "core/text/codepage.h"
#include "core/wizard/line_parts.h"
#include "core/wizard/target_lines.h"
#include "core/wizard/wizard_texts.h"

#include <functional>
#include <string_view>

namespace core::wizard {
namespace {

using Line = std::function<std::string(const std::string& shortSource)>;

// Warns when a required field is empty; true when the section may go on.
bool required(bool filled, std::string_view warning, GeneratorContext& context) {
    if (!filled) context.warn(std::string(warning));
    return filled;
}

bool documentHolds(GeneratorContext& context, const std::string& probe) {
    const auto count = context.document.lineCount();
    for (std::size_t i = 0; i < count; ++i)
        if (text::equalsIgnoreCase(text::oneBytePerCharacter(context.document.line(i)), probe)) return true;
    return false;
}

// The duplicate question of COPY and XCOPY: true when the section goes on.
bool confirmDuplicate(GeneratorContext& context, const std::string& probe, std::string_view question) {
    return !documentHolds(context, probe) || context.ask(std::string(question));
}

// One line per source of Memo1, built from its short form.
void appendPerSource(const FileOperationChoices& page, GeneratorContext& context, const Line& line) {
    for (const auto& source : page.Memo1) context.appendLine(line(pathArgument(context, source)));
}

void copyFiles(const FileOperationChoices& page, GeneratorContext& context) {
    if (!required(!page.Memo1.empty(), texts::FORGOT_FILES_TO_COPY, context)) return;
    if (!required(!page.Edit4.empty(), texts::FORGOT_DESTINATION_DIRECTORY, context)) return;
    const auto destination = quotedFor(context.target, page.Edit4);
    const auto first = pathArgument(context, page.Memo1.front());
    if (!confirmDuplicate(context, "COPY " + first + " " + destination + " /Y", texts::COPY_EXISTS)) return;
    const std::string verify = page.verify() ? " /V" : "";
    if (page.RadioButton2)
        appendPerSource(page, context, [&](const std::string& s) { return "COPY " + s + " " + destination + " /Y" + verify; });
    if (page.RadioButton1)
        appendPerSource(page, context, [&](const std::string& s) { return "COPY " + s + " " + destination + " /-Y" + verify; });
}

void moveFiles(const FileOperationChoices& page, GeneratorContext& context) {
    if (!required(!page.Memo1.empty(), texts::FORGOT_FILES_TO_MOVE, context)) return;
    if (!required(!page.Edit4.empty(), texts::FORGOT_DESTINATION_DIRECTORY, context)) return;
    const auto destination = quotedFor(context.target, page.Edit4);
    if (page.RadioButton2)
        appendPerSource(page, context, [&](const std::string& s) { return "MOVE /Y " + s + " " + destination; });
    if (page.RadioButton1)
        appendPerSource(page, context, [&](const std::string& s) { return "MOVE /-Y " + s + " " + destination; });
}

void copyDirectory(const FileOperationChoices& page, GeneratorContext& context) {
    if (!required(!page.Memo1.empty(), texts::FORGOT_DIRECTORY_TO_COPY, context)) return;
    if (!required(!page.Edit4.empty(), texts::FORGOT_DESTINATION_DRIVE_DIRECTORY, context)) return;
    const auto destination = quotedFor(context.target, page.Edit4);
    const auto first = pathArgument(context, page.Memo1.front());
    if (!confirmDuplicate(context, "XCOPY " + first + " " + destination, texts::XCOPY_EXISTS)) return;
    for (const bool confirm : {false, true}) {
        if (confirm ? !page.RadioButton1 : !page.RadioButton2) continue;
        auto switches = xcopySwitches(confirm, page.subfolderMode(), page.verify(), context.xcopyMask);
        // Today's XCOPY asks whether a missing destination is a file or a folder; /I answers "folder".
        if (context.target == Target::Windows) switches += " /I";
        appendPerSource(page, context, [&](const std::string& s) { return "XCOPY " + s + " " + destination + " " + switches; });
    }
}

void deleteFiles(const FileOperationChoices& page, GeneratorContext& context) {
    if (!required(!page.Memo2.empty(), texts::FORGOT_FILES_TO_DELETE, context)) return;
    for (const auto& target : page.Memo2)
        context.appendLine("DEL " + quotedFor(context.target, target) + (page.CheckBox3 ? " /P" : ""));
}

// Windows has no DELTREE: RD /S removes the tree, /Q where DELTREE /Y did not ask.
std::string deleteDirectoryLine(const std::string& target, bool prompt, bool rmdir, Target interpreter) {
    if (interpreter == Target::Windows) return "RD /S " + std::string(prompt ? "" : "/Q ") + quotedOnce(target);
    if (rmdir) return "RMDIR " + quoted(target) + (prompt ? " /S" : " /S /Q");
    return prompt ? "DELTREE " + quoted(target) : "DELTREE /Y " + quoted(target);
}

void deleteDirectory(const FileOperationChoices& page, GeneratorContext& context) {
    if (!required(!page.Memo2.empty(), texts::FORGOT_DIRECTORY_TO_DELETE, context)) return;
    for (const auto& target : page.Memo2)
        context.appendLine(deleteDirectoryLine(target, page.CheckBox3, page.CheckBox45, context.target));
}

void renameFile(const FileOperationChoices& page, GeneratorContext& context) {
    if (!required(!page.Edit12.empty(), texts::FORGOT_FILE_TO_RENAME, context)) return;
    if (!required(!page.Edit13.empty() && !page.Edit14.empty(), texts::FORGOT_NEW_FILENAME, context)) return;
    context.appendLine("RENAME " + pathArgument(context, page.Edit12) + " " +
                       quotedFor(context.target, page.Edit13 + "." + page.Edit14));
}

void renameDirectory(const FileOperationChoices& page, GeneratorContext& context) {
    if (!required(!page.Edit12.empty(), texts::FORGOT_DIRECTORY_TO_RENAME, context)) return;
    if (!required(!page.Edit13.empty(), texts::FORGOT_NEW_DIRECTORY_NAME_FOR_RENAME, context)) return;
    context.appendLine("RENAME " + pathArgument(context, page.Edit12) + " " + quotedFor(context.target, page.Edit13));
}

void createDirectory(const FileOperationChoices& page, GeneratorContext& context) {
    if (!required(!page.Edit13.empty(), texts::FORGOT_NEW_DIRECTORY, context)) return;
    context.appendLine("MD " + quotedFor(context.target, page.Edit13));
}

} // namespace

std::string xcopySwitches(bool confirm, int subfolderMode, bool verify, unsigned mask) {
    std::string switches = confirm ? "/-Y" : "/Y";
    if (subfolderMode == 2) switches += " /S";
    if (subfolderMode == 3) switches += " /T";
    if (verify) switches += " /V";
    constexpr std::pair<unsigned, std::string_view> OPTIONS[] = {{1, " /W"}, {2, " /H"}, {4, " /P"}, {8, " /Q"}, {16, " /D"}};
    for (const auto& [bit, option] : OPTIONS)
        if (mask & bit) switches += option;
    if (subfolderMode == 1) switches += " /E";
    return switches;
}

void generateFileOperation(int code, const FileOperationChoices& page, GeneratorContext& context) {
    using Generator = void (*)(const FileOperationChoices&, GeneratorContext&);
    constexpr Generator SECTIONS[] = {copyFiles,       moveFiles,  copyDirectory,   deleteFiles,
                                      deleteDirectory, renameFile, renameDirectory, createDirectory};
    if (code >= 1 && code <= 8) SECTIONS[code - 1](page, context);
}

} // namespace core::wizard
