#pragma once
// The Easy page before the wizard widget is set: the heading "I want to...",
// PageControl2 with its seven empty pages and PageControl3 with four.
#include "app/easy_pages.h"

#include <QWidget>

class QTabWidget;

namespace app {

class EasyPlaceholder : public QWidget, public EasyPages {
    Q_OBJECT
public:
    explicit EasyPlaceholder(QWidget* parent = nullptr);

    int wizardPage() const override;
    void setWizardPage(int page) override;
    int networkPage() const override;
    void setNetworkPage(int page) override;

private:
    QTabWidget* m_pageControl2 = nullptr;
    QTabWidget* m_pageControl3 = nullptr;
};

} // namespace app
