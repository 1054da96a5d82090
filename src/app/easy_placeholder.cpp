#include "app/easy_placeholder.h"

#include "core/settings/layouts.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace app {
namespace {

QTabWidget* pageControl(const char* name, int pages, std::string_view (*caption)(int)) {
    auto* control = new QTabWidget;
    control->setObjectName(name);
    for (int number = 1; number <= pages; ++number) {
        const auto text = caption(number);
        control->addTab(new QWidget, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    return control;
}

} // namespace

EasyPlaceholder::EasyPlaceholder(QWidget* parent) : QWidget(parent) {
    setObjectName("EasyPlaceholder");
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(QStringLiteral("I want to..."));
    heading->setObjectName("Label1");
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 4);
    heading->setFont(font);
    layout->addWidget(heading);
    m_pageControl2 = pageControl("PageControl2", core::settings::WIZARD_PAGES, core::settings::wizardPageCaption);
    m_pageControl3 = pageControl("PageControl3", core::settings::NETWORK_PAGES, core::settings::networkPageCaption);
    auto* networkPage = m_pageControl2->widget(core::settings::NETWORK_WIZARD_PAGE - 1);
    (new QVBoxLayout(networkPage))->addWidget(m_pageControl3);
    layout->addWidget(m_pageControl2, 1);
}

int EasyPlaceholder::wizardPage() const { return m_pageControl2->currentIndex() + 1; }
void EasyPlaceholder::setWizardPage(int page) { m_pageControl2->setCurrentIndex(page - 1); }
int EasyPlaceholder::networkPage() const { return m_pageControl3->currentIndex() + 1; }
void EasyPlaceholder::setNetworkPage(int page) { m_pageControl3->setCurrentIndex(page - 1); }

} // namespace app
