#include "ui/window/LampWidget.h"

#include <QPainter>

#include "ui/window/BgrColor.h"

namespace qx {

LampWidget::LampWidget(QWidget* parent) : QWidget(parent) {
    setBackColor(0);
}

void LampWidget::setBackColor(quint32 bgr) {
    backColor_ = bgr;
    setAccessibleName(bgrText(bgr));
    setProperty("backColor", QVariant::fromValue(bgr));
    update();
}

void LampWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(colorFromBgr(backColor_));
    painter.drawEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

}  // namespace qx
