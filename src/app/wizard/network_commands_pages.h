#pragma once
// "Other Network Commands" (NET SEND, NET TIME, RUNAS) and "Server Commands"
// (NET USER): pages with no enabling rules of their own.
#include <QWidget>

namespace app::wizard {

class Browser;

class OtherNetworkPage : public QWidget {
    Q_OBJECT
public:
    explicit OtherNetworkPage(Browser& browser, QWidget* parent = nullptr);

private:
    QWidget* buildMessageGroup();
    QWidget* buildTimeGroup();
    QWidget* buildRunAsGroup();

    Browser& m_browser;
};

class ServerCommandsPage : public QWidget {
    Q_OBJECT
public:
    explicit ServerCommandsPage(QWidget* parent = nullptr);

private:
    QWidget* buildAccountColumn();
    QWidget* buildDetailsColumn();
};

} // namespace app::wizard
