#pragma once
// A HelpViewer for tests: remembers the topic asked for and shows nothing.
#include "core/ports/help_viewer.h"

namespace testing_support {

class RecordingHelpViewer : public core::ports::HelpViewer {
public:
    void showTopic(int context) override { m_lastTopic = context; }
    void showContents() override { m_lastTopic = 0; }
    int lastTopic() const { return m_lastTopic; }

private:
    int m_lastTopic = -1;
};

} // namespace testing_support
