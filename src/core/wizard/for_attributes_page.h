#pragma once
// The "FOR & File Attributes" page: a FOR loop over a list of files, ATTRIB
// lines for a list of files, and a SUBST line.
#include "core/wizard/fields.h"
#include "core/wizard/generator_context.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace core::wizard {

struct ForAttributesChoices {
    bool CheckBox29 = false;                //!< "Create a FOR statement"
    std::vector<std::string> Memo5;         //!< "For each of these files:"
    std::string ComboBox1;                  //!< "Execute the following command:" (editable)
    bool CheckBox43 = false;                //!< "Cancel": no %%f between command and arguments
    std::string Edit26;                     //!< "Other Arguments:"
    bool CheckBox36 = false;                //!< "Modify file attributes"
    std::vector<std::string> Memo9;         //!< "&File(s) to modify:"
    bool CheckBox38 = false;                //!< "Read Only"
    bool CheckBox39 = false;                //!< "Archive"
    bool CheckBox40 = false;                //!< "Hidden"
    bool CheckBox41 = false;                //!< "System"
    bool CheckBox37 = false;                //!< "Substitute a drive letter for a local directory path"
    std::string Edit33;                     //!< "&Local directory path:"
    std::optional<std::string> ComboBox5;   //!< "Drive letter to subst.:"

    void visitFields(FieldVisitor& visitor);
};

//! The commands `ComboBox1` suggests.
std::span<const std::string_view> forCommandSuggestions();
//! The items of `ComboBox5`: the letters D to Z.
const std::vector<std::string>& substDriveLetters();

//! Section code 15: one FOR line over the short forms of the listed files.
void generateForStatement(const ForAttributesChoices& page, GeneratorContext& context);
//! Section code 18: one ATTRIB line per listed file, every attribute set or cleared.
void generateAttributes(const ForAttributesChoices& page, GeneratorContext& context);
//! Section code 20: one SUBST line, or a warning.
void generateSubst(const ForAttributesChoices& page, GeneratorContext& context);

} // namespace core::wizard
