#pragma once
// Every wizard page record lists its fields, by control name, to a visitor:
// `qlt generate` sets them from a plan, the window binds its widgets to them
// by object name, and tests can walk them. Text values are document text
// (Windows-1252 bytes), as they become parts of batch command lines.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace core::wizard {

using GridRows = std::vector<std::pair<std::string, std::string>>;

class FieldVisitor {
public:
    virtual ~FieldVisitor() = default;
    //! A check box.
    virtual void check(std::string_view name, bool& value) = 0;
    //! A radio button of a group: at most one of a group is on.
    virtual void radio(std::string_view name, std::string_view group, bool& value) = 0;
    //! An edit box, masked edit, combo box text or date text.
    virtual void text(std::string_view name, std::string& value) = 0;
    //! A multi-line field: one entry per line.
    virtual void memo(std::string_view name, std::vector<std::string>& lines) = 0;
    //! A spin box with its range.
    virtual void number(std::string_view name, int& value, int minimum, int maximum) = 0;
    //! A drop-down list: the selected item's text, or nothing.
    virtual void choice(std::string_view name, std::optional<std::string>& selected,
                        const std::vector<std::string>& items) = 0;
    //! A grid of (name, value) rows, at most maxRows of them.
    virtual void grid(std::string_view name, GridRows& rows, std::size_t maxRows) = 0;
};

//! A visitor for work on some kinds of field only: every kind it does not
//! override is passed over.
class SkippingFieldVisitor : public FieldVisitor {
public:
    void check(std::string_view, bool&) override {}
    void radio(std::string_view, std::string_view, bool&) override {}
    void text(std::string_view, std::string&) override {}
    void memo(std::string_view, std::vector<std::string>&) override {}
    void number(std::string_view, int&, int, int) override {}
    void choice(std::string_view, std::optional<std::string>&, const std::vector<std::string>&) override {}
    void grid(std::string_view, GridRows&, std::size_t) override {}
};

} // namespace core::wizard
