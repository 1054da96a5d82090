#pragma once
// "FOR & File Attributes": a FOR loop over files, ATTRIB lines, and SUBST.
#include <QWidget>

namespace app::wizard {

class Browser;

class ForAttributesPage : public QWidget {
    Q_OBJECT
public:
    explicit ForAttributesPage(Browser& browser, QWidget* parent = nullptr);

private:
    QWidget* buildForGroup();
    QWidget* buildAttributesGroup();
    QWidget* buildSubstGroup();

    Browser& m_browser;
};

} // namespace app::wizard
