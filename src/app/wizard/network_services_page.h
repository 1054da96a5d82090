#pragma once
// "Network Services": start, stop, pause or continue a network service.
#include <QComboBox>
#include <QWidget>

#include <functional>

namespace app::wizard {

//! A drop-down list that asks for its items each time it drops down.
class RebuiltComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    std::function<QStringList()> items;
    void showPopup() override;
};

class NetworkServicesPage : public QWidget {
    Q_OBJECT
public:
    explicit NetworkServicesPage(QWidget* parent = nullptr);

    //! Where the Start/Stop list comes from when it drops down.
    void setServiceList(std::function<QStringList()> items) { m_services->items = std::move(items); }

signals:
    //! "Add a new service to the list".
    void addServiceRequested();

private:
    RebuiltComboBox* m_services = nullptr;
};

} // namespace app::wizard
