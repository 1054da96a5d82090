#pragma once
// A set of names looked up as whole strings with letter case ignored
// (Windows-1252), in constant time: the ignored commands, the labels and the
// SET variables of a document are each indexed once per check rather than
// searched per line.
#include <string>
#include <string_view>
#include <unordered_set>

namespace core::checker {

class NameSet {
public:
    void add(std::string_view name);
    //! Adds the name; false when it was there already.
    bool insert(std::string_view name);
    bool contains(std::string_view name) const;
    bool empty() const { return m_keys.empty(); }

private:
    std::unordered_set<std::string> m_keys; //!< upper-cased names
};

} // namespace core::checker
