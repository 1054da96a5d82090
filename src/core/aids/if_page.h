#pragma once
// The fields of the wizard's "Variables and IF" page that the editing aids
// fill, as the window exposes them. Texts are document text (Windows-1252).
#include <string>

namespace core::aids {

enum class IfPageField {
    String1, //!< "String 1:" (Edit19)
    String2, //!< "String 2:" (Edit20)
    Command, //!< the IF command (Edit23)
    Label,   //!< the label name (Edit24)
};

class IfPage {
public:
    virtual ~IfPage() = default;
    //! True while the Easy layout shows its "Variables and IF" page in front.
    virtual bool inFront() const = 0;
    //! Replaces the whole text of a field.
    virtual void setField(IfPageField field, const std::string& text) = 0;
};

} // namespace core::aids
