#pragma once
// Another program may change or delete an open file while the user works
// elsewhere: each time the window is activated again, the documents look.
#include <QObject>

namespace app {

class TForm1;

class OutsideChangeWatch : public QObject {
    Q_OBJECT
public:
    //! Watches window (which owns the watch).
    explicit OutsideChangeWatch(TForm1& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TForm1& m_window;
};

} // namespace app
