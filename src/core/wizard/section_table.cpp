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
    // Extension point: rows 16 to 32 ("Set Variables" ... "Change network
    // user accounts") follow here, in this order, with their pages.
};

} // namespace

std::span<const SectionRow> sectionTable() { return SECTIONS; }

const SectionRow* findSection(std::string_view entryText) {
    for (const auto& row : SECTIONS)
        if (row.entryText == entryText) return &row;
    return nullptr;
}

} // namespace core::wizard
