#pragma once
// A one-line label that gives up width to its neighbours: text that does not
// fit loses its middle to an ellipsis, so both ends of a path (the drive or
// first folders, and the file name) stay in view. text() stays whole.
#include <QLabel>

namespace app {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace app
