#pragma once
// The "Variables and IF" page: SET lines from a two-column grid and one IF
// statement built from a condition and an action.
#include "core/wizard/fields.h"
#include "core/wizard/generator_context.h"

#include <cstddef>
#include <string>

namespace core::wizard {

inline constexpr std::size_t VARIABLE_ROWS = 10;

struct VariablesChoices {
    bool CheckBox26 = false;                       //!< "Set variables to be used in the batch file"
    GridRows StringGrid1 = GridRows(VARIABLE_ROWS); //!< (Variable Name, Value), heading row left out
    bool CheckBox27 = false;                       //!< "Create an 'IF' statement to:"
    bool RadioButton37 = false;                    //!< compare two strings
    std::string Edit19;                            //!< "String 1:"
    std::string Edit20;                            //!< "String 2:"
    bool RadioButton38 = false;                    //!< a file exists
    std::string Edit21;                            //!< "Filename:"
    bool RadioButton41 = false;                    //!< a directory exists
    std::string Edit22;                            //!< "Directory Name:"
    bool RadioButton39 = false;                    //!< "Run a command:"
    std::string Edit23;
    bool RadioButton40 = false;                    //!< go to a label
    std::string Edit24;
    bool CheckBox28 = false;                       //!< "Execute command when result is false"

    void visitFields(FieldVisitor& visitor);
};

//! Section code 16: one SET line per filled grid row; the names join the variable list.
void generateSetVariables(const VariablesChoices& page, GeneratorContext& context);
//! Section code 17: at most one IF line.
void generateIfStatement(const VariablesChoices& page, GeneratorContext& context);

} // namespace core::wizard
