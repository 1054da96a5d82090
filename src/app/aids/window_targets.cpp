#include "app/aids/window_targets.h"

#include "app/main_window.h"
#include "platform/qt_text.h"

#include <QLineEdit>
#include <QTabWidget>

namespace app::aids {
namespace {

//! The "Variables and IF" page, numbered as the wizard's pages are stored.
constexpr int VARIABLES_AND_IF_PAGE = 5;

const char* fieldName(core::aids::IfPageField field) {
    switch (field) {
    case core::aids::IfPageField::String1: return "Edit19";
    case core::aids::IfPageField::String2: return "Edit20";
    case core::aids::IfPageField::Command: return "Edit23";
    case core::aids::IfPageField::Label: return "Edit24";
    }
    return "";
}

} // namespace

bool topPageInFront(const QWidget& window, const char* pageName) {
    const auto* pages = window.findChild<QTabWidget*>("PageControl1");
    return pages != nullptr && pages->currentWidget() != nullptr &&
           pages->currentWidget()->objectName() == QLatin1String(pageName);
}

bool WindowIfPage::inFront() const {
    const auto* wizard = m_window.findChild<QTabWidget*>("PageControl2");
    return topPageInFront(m_window, "TabSheet2") && wizard != nullptr &&
           wizard->currentIndex() == VARIABLES_AND_IF_PAGE - 1;
}

void WindowIfPage::setField(core::aids::IfPageField field, const std::string& text) {
    if (auto* edit = m_window.findChild<QLineEdit*>(fieldName(field))) edit->setText(platform::fromCp1252(text));
}

bool WindowDocument::modified() const { return m_window.editorView().modified(); }
std::string WindowDocument::path() const { return m_window.documents().currentFilePath(); }
bool WindowDocument::save() { return m_window.documents().save(); }
bool WindowDocument::saveAs() { return m_window.documents().saveAs(); }

} // namespace app::aids
