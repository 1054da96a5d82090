// The two lists of "Reset Choices", written as data so that they can be read
// against the pages control by control. ("Edit", 2, 14) stands for Edit2 to
// Edit14. Page state that follows a control (the verify and time-delay flags,
// the XCOPY option mask) is derived from it, so it is cleared with it.
#include "core/wizard/reset_choices.h"

namespace core::wizard {
namespace {

using enum ResetAction;

constexpr ResetEntry ALL[] = {
    {Off, "CheckBox", 1, 13},   {Off, "CheckBox15"},
    {Empty, "MaskEdit", 1, 4},  {Empty, "Memo", 1, 3},       {Empty, "Edit", 2, 14},
    {Off, "RadioButton24"},     {Off, "CheckBox26"},
    {Empty, "StringGrid1"},
    {Empty, "Edit", 15, 24},    {Empty, "Memo4"},
    {Off, "CheckBox21"},        {Off, "CheckBox23"},         {Off, "CheckBox24"},
    {Off, "CheckBox27"},        {Off, "CheckBox28"},         {Off, "CheckBox29"},
    {Empty, "Memo5"},           {Empty, "Edit26"},           {Empty, "ComboBox1"},
    {Off, "CheckBox36"},        {Off, "CheckBox37"},
    {Empty, "Memo9"},           {Empty, "Edit33"},
    {Off, "CheckBox35"},
    {Empty, "Edit", 43, 49},    {Empty, "Memo10"},
    {Off, "CheckBox34"},        {Off, "CheckBox33"},         {Off, "CheckBox42"},
    {Empty, "Edit", 34, 42},
    {Off, "RadioButton", 51, 54},
    {Off, "RadioButton43"},     {Off, "RadioButton44"},      {Off, "RadioButton47"}, {Off, "RadioButton48"},
    {Empty, "Edit25"},          {Empty, "Edit", 27, 32},
};

constexpr ResetEntry FILE_OPERATIONS[] = {
    {Off, "CheckBox1"},
    {Off, "CheckBox", 2, 5},   {Off, "CheckBox13"},      {Off, "CheckBox", 15, 20},
    {Empty, "Memo1"},          {Empty, "Memo2"},
    {Empty, "Edit12"},         {Empty, "Edit13"},        {Empty, "Edit14"},         {Empty, "Edit4"},
    {Off, "RadioButton24"},
};

constexpr ResetEntry USER_INTERACTION[] = {
    {Off, "CheckBox6"},        {Off, "CheckBox7"},       {Off, "CheckBox8"},
    {Empty, "Edit", 5, 11},    {Empty, "MaskEdit", 1, 4},
};

constexpr ResetEntry PROGRAMS[] = {
    {Off, "CheckBox", 9, 12},
    {Empty, "Memo3"},          {Empty, "Edit2"},         {Empty, "Edit3"},
};

constexpr ResetEntry MISCELLANEOUS[] = {
    {Empty, "Edit", 15, 18},   {Empty, "Memo4"},
    {Off, "CheckBox21"},       {Off, "CheckBox23"},      {Off, "CheckBox24"},
};

constexpr ResetEntry VARIABLES_AND_IF[] = {
    {Off, "CheckBox", 26, 28},
    {Empty, "StringGrid1"},
    {Empty, "Edit", 19, 24},
};

constexpr ResetEntry FOR_AND_ATTRIBUTES[] = {
    {Off, "CheckBox29"},
    {Empty, "Memo5"},          {Empty, "Edit26"},        {Empty, "ComboBox1"},
    {Off, "CheckBox36"},       {Off, "CheckBox37"},
    {Empty, "Memo9"},          {Empty, "Edit33"},
};

constexpr ResetEntry NETWORK_SHARING[] = {
    {Off, "RadioButton43"},    {Off, "RadioButton44"},   {Off, "RadioButton47"},    {Off, "RadioButton48"},
    {Empty, "Edit25"},         {Empty, "Edit", 27, 32},
};

constexpr ResetEntry NETWORK_SERVICES[] = {
    {Off, "RadioButton", 51, 54},
};

constexpr ResetEntry OTHER_NETWORK_COMMANDS[] = {
    {Off, "CheckBox34"},       {Off, "CheckBox33"},      {Off, "CheckBox42"},
    {Empty, "Edit", 34, 42},
};

constexpr ResetEntry SERVER_COMMANDS[] = {
    {Off, "CheckBox35"},
    {Empty, "Edit", 43, 49},   {Empty, "Memo10"},
};

} // namespace

std::span<const ResetEntry> resetAllList() { return ALL; }

std::span<const ResetEntry> resetPageList(WizardPage page) {
    switch (page) {
    case WizardPage::FileOperations: return FILE_OPERATIONS;
    case WizardPage::UserInteraction: return USER_INTERACTION;
    case WizardPage::Programs: return PROGRAMS;
    case WizardPage::Miscellaneous: return MISCELLANEOUS;
    case WizardPage::VariablesAndIf: return VARIABLES_AND_IF;
    case WizardPage::ForAndAttributes: return FOR_AND_ATTRIBUTES;
    case WizardPage::NetworkSharing: return NETWORK_SHARING;
    case WizardPage::NetworkServices: return NETWORK_SERVICES;
    case WizardPage::OtherNetworkCommands: return OTHER_NETWORK_COMMANDS;
    case WizardPage::ServerCommands: return SERVER_COMMANDS;
    }
    return {};
}

} // namespace core::wizard
