#pragma once
// "Network Sharing": create or remove a share, connect to or disconnect from one.
#include <QWidget>

class QAbstractButton;
class QLineEdit;

namespace app::wizard {

class Browser;

class NetworkSharingPage : public QWidget {
    Q_OBJECT
public:
    explicit NetworkSharingPage(Browser& browser, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildShareGroup();
    QWidget* buildConnectGroup();

    Browser& m_browser;
    QLineEdit* m_networkPath = nullptr;
};

} // namespace app::wizard
