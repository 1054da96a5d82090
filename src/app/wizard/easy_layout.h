#pragma once
// The "Easy" layout: the wizard headed "I want to...", its seven pages (the
// last holding the four network pages), and at its foot "Update Batch File",
// "Reset Choices" and the progress of an update.
#include "app/wizard/browser.h"

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;

namespace app::wizard {

class EasyLayout : public QWidget {
    Q_OBJECT
public:
    EasyLayout(core::ports::Prompter& prompter, core::ports::FileSystem& files, QWidget* parent = nullptr);

    //! The wizard page on view, 1 to 7 in tab order; any other number selects 1.
    int wizardPage() const;
    void setWizardPage(int number);
    //! The network page on view, 1 to 4; any other number selects 1.
    int networkPage() const;
    void setNetworkPage(int number);
    //! The next-page key: 1 to 2, ..., 5 to 6, 6 back to 1; nothing on 7.
    void stepWizardPage();

    Browser& browser() { return m_browser; }

signals:
    //! The IF page's command field gained or lost the focus.
    void commandFieldFocused(bool focused);

private:
    QWidget* buildFoot();

    Browser m_browser;
    QTabWidget* m_pages = nullptr;
    QTabWidget* m_networkPages = nullptr;
    QLabel* m_updating = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_update = nullptr;
    QPushButton* m_reset = nullptr;
};

} // namespace app::wizard
