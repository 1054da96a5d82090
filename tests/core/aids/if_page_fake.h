#pragma once
// The "Variables and IF" page as the aids see it, recording what they set.
#include "core/aids/if_page.h"

#include <map>
#include <string>

namespace testing_support {

class FakeIfPage : public core::aids::IfPage {
public:
    bool shown = false;
    std::map<core::aids::IfPageField, std::string> fields;

    bool inFront() const override { return shown; }
    void setField(core::aids::IfPageField field, const std::string& text) override { fields[field] = text; }
};

} // namespace testing_support
