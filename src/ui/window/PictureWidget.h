#pragma once

#include <QFrame>

namespace qx {

// Stands in for a picture of the window (the calculation panel, the blinking sign): a small
// painted panel that reports clicks.
class PictureWidget : public QFrame {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace qx
