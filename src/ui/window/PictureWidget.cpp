#include "ui/window/PictureWidget.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

namespace qx {

PictureWidget::PictureWidget(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setCursor(Qt::PointingHandCursor);
}

// A panel of small keys: enough to show where the picture sits and that it can be clicked.
void PictureWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QLinearGradient shade(area.topLeft(), area.bottomLeft());
    shade.setColorAt(0, QColor(232, 238, 246));
    shade.setColorAt(1, QColor(188, 200, 218));
    painter.setPen(QPen(QColor(110, 120, 140), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(area, 4, 4);

    const int columns = 4, rows = 2;
    const qreal keyW = (area.width() - 8) / columns, keyH = (area.height() - 8) / rows;
    painter.setBrush(QColor(90, 104, 128));
    painter.setPen(Qt::NoPen);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            painter.drawRoundedRect(QRectF(area.left() + 4 + c * keyW + 2,
                                           area.top() + 4 + r * keyH + 2, keyW - 4, keyH - 4),
                                    2, 2);
    QFrame::paintEvent(event);
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QFrame::mouseReleaseEvent(event);
}

}  // namespace qx
