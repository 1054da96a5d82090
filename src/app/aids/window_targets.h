#pragma once
// The main window as the editing aids see it: the wizard's "Variables and IF"
// page (found by its controls' names, whichever Easy layout is in place) and
// the current document that Run saves and runs.
#include "core/aids/if_page.h"
#include "core/run/runnable_document.h"

class QWidget;

namespace app {
class TForm1;
}

namespace app::aids {

//! True while the page of the window's top page control (PageControl1) named
//! pageName ("TabSheet1" Advanced, "TabSheet2" Easy) is in front.
bool topPageInFront(const QWidget& window, const char* pageName);

class WindowIfPage : public core::aids::IfPage {
public:
    explicit WindowIfPage(QWidget& window) : m_window(window) {}
    bool inFront() const override;
    //! Sets the line edit Edit19, Edit20, Edit23 or Edit24, if the Easy layout has it.
    void setField(core::aids::IfPageField field, const std::string& text) override;

private:
    QWidget& m_window;
};

class WindowDocument : public core::run::RunnableDocument {
public:
    explicit WindowDocument(TForm1& window) : m_window(window) {}
    bool modified() const override;
    std::string path() const override;
    bool save() override;
    bool saveAs() override;

private:
    TForm1& m_window;
};

} // namespace app::aids
