#include "core/checker/name_set.h"

#include "core/text/codepage.h"

namespace core::checker {

void NameSet::add(std::string_view name) { m_keys.insert(text::toUpper(name)); }

bool NameSet::insert(std::string_view name) { return m_keys.insert(text::toUpper(name)).second; }

bool NameSet::contains(std::string_view name) const {
    return !m_keys.empty() && m_keys.contains(text::toUpper(name));
}

} // namespace core::checker
