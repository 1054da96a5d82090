#pragma once
// What the main window needs from the Easy layout's page widget: the page
// numbers it saves and restores ("EasyActive" 1..7, "EasyNetActive" 1..4)
// and F4's page moves. The wizard widget implements it; until it is set, a
// placeholder with empty pages stands in.
namespace app {

class EasyPages {
public:
    virtual ~EasyPages() = default;
    //! The selected page of PageControl2, 1 .. 7.
    virtual int wizardPage() const = 0;
    virtual void setWizardPage(int page) = 0;
    //! The selected page of PageControl3 (the "Network" page's pages), 1 .. 4.
    virtual int networkPage() const = 0;
    virtual void setNetworkPage(int page) = 0;
};

} // namespace app
