#pragma once
// Binds the wizard's widgets to core's page records by object name: one
// visitor copies what the widgets show into a record, the other shows a
// record's values in the widgets. Neither decides anything about the fields.
#include "core/wizard/fields.h"

class QWidget;

namespace app::wizard {

//! Widgets -> record: a field whose widget is missing keeps its value.
class WidgetReader : public core::wizard::FieldVisitor {
public:
    explicit WidgetReader(QWidget& root) : m_root(root) {}
    void check(std::string_view name, bool& value) override;
    void radio(std::string_view name, std::string_view group, bool& value) override;
    void text(std::string_view name, std::string& value) override;
    void memo(std::string_view name, std::vector<std::string>& lines) override;
    void number(std::string_view name, int& value, int minimum, int maximum) override;
    void choice(std::string_view name, std::optional<std::string>& selected,
                const std::vector<std::string>& items) override;
    void grid(std::string_view name, core::wizard::GridRows& rows, std::size_t maxRows) override;

private:
    QWidget& m_root;
};

//! Record -> widgets. Writing sends no clicks: enabling rules do not run.
class WidgetWriter : public core::wizard::FieldVisitor {
public:
    explicit WidgetWriter(QWidget& root) : m_root(root) {}
    void check(std::string_view name, bool& value) override;
    void radio(std::string_view name, std::string_view group, bool& value) override;
    void text(std::string_view name, std::string& value) override;
    void memo(std::string_view name, std::vector<std::string>& lines) override;
    void number(std::string_view name, int& value, int minimum, int maximum) override;
    void choice(std::string_view name, std::optional<std::string>& selected,
                const std::vector<std::string>& items) override;
    void grid(std::string_view name, core::wizard::GridRows& rows, std::size_t maxRows) override;

private:
    QWidget& m_root;
};

} // namespace app::wizard
