#include "core/wizard/section_table.h"

#include <array>

namespace core::wizard {
namespace {

constexpr SectionRow SECTIONS[] = {
    {"CheckBox4", "Copy File(s)", 1},
    {"CheckBox5", "Move File(s)", 2},
    {"RadioButton24", "Copy Directory", 3},
    {"CheckBox2", "Delete File(s)", 4},
    {"CheckBox15", "Delete Directory", 5},
    {"CheckBox13", "Rename File", 6},
    {"RadioButton57", "Rename Directory", 7},
    {"RadioButton42", "Create New Directory", 8},
    {"CheckBox6", "Create a Choice", 9},
    {"CheckBox9", "Run a Program", 10},
    {"CheckBox10", "Open File(s)", 11},
    {"CheckBox21", "Shutdown / Restart Computer", 12},
    {"CheckBox23", "Grab Keyboard Input", 13},
    {"CheckBox24", "Combine ASCII Files", 14},
    {"CheckBox44", "Combine Binary Files", 14},
    {"CheckBox26", "Set Variables", 16},
    {"CheckBox27", "Create an IF statement", 17},
    {"CheckBox29", "Create a FOR statement", 15},
    {"CheckBox36", "Modify File Attributes", 18},
    {"CheckBox37", "Drive Letter for a file path", 20},
    {"RadioButton43", "Create a Network Share", 21},
    {"RadioButton44", "Remove a Network Share", 21},
    {"RadioButton47", "Connect to a network share", 23},
    {"RadioButton48", "Disconnect from a network share", 23},
    {"RadioButton51", "Start a Network Service", 25},
    {"RadioButton52", "Stop a Network Service", 26},
    {"RadioButton53", "Pause a Network Service", 27},
    {"RadioButton54", "Continue a Network Service", 28},
    {"CheckBox34", "Send a message to another computer", 29},
    {"CheckBox33", "Synchronise time with another computer", 30},
    {"CheckBox42", "Run a command as another user", 31},
    {"CheckBox35", "Change network user accounts", 24},
};

} // namespace

std::span<const SectionRow> sectionTable() { return SECTIONS; }

const SectionRow* findSection(std::string_view entryText) {
    for (const auto& row : SECTIONS)
        if (row.entryText == entryText) return &row;
    return nullptr;
}

} // namespace core::wizard
