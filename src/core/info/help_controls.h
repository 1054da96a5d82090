#pragma once
// The help topic of each page, dialog and area of the window, by the control's
// object name: F1 opens the topic of the focused control's nearest named parent.
#include <optional>
#include <span>
#include <string_view>

namespace core::info::help {

struct ControlTopic {
    std::string_view control; //!< object name of a page, dialog or area
    int context;
};

//! Every named control with a topic.
std::span<const ControlTopic> controlTopics();

//! The topic of a control; nothing for a control without one.
std::optional<int> topicOfControl(std::string_view objectName);

} // namespace core::info::help
