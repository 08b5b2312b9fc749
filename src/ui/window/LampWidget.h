#pragma once

#include <QWidget>

namespace qx {

// A lamp shape: a small disc painted in its back colour. The colour value (blue-green-red order)
// is also readable as the accessible name ("0080FF") and as the dynamic property "backColor".
class LampWidget : public QWidget {
    Q_OBJECT
public:
    explicit LampWidget(QWidget* parent = nullptr);

    quint32 backColor() const { return backColor_; }
    void setBackColor(quint32 bgr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 backColor_ = 0;
};

}  // namespace qx
