#pragma once
// Help until the help window exists: remembers the topic asked for and shows
// nothing, so the commands that open help can be wired already.
#include "core/ports/help_viewer.h"

namespace platform {

class PlaceholderHelpViewer : public core::ports::HelpViewer {
public:
    void showTopic(int context) override { m_lastTopic = context; }
    void showContents() override { m_lastTopic = 0; }
    int lastTopic() const { return m_lastTopic; }

private:
    int m_lastTopic = -1;
};

} // namespace platform
