#pragma once

namespace core::ports {

//! The help window, opened at a topic by context number.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showTopic(int context) = 0;
    virtual void showContents() = 0;
};

} // namespace core::ports
