#include "ui/window/SequenceProgressBar.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

namespace qx {

namespace {

constexpr int kTextPixels = 10;  // smaller than the window's 12, so that a long name fits
constexpr int kBarHeight = 6;

// Only the size is its own: the face comes from the window.
QLabel* smallLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    QFont size;
    size.setPixelSize(kTextPixels);
    label->setFont(size);
    return label;
}

}  // namespace

QString progressCount(int reached, int steps, int msLeft) {
    const int seconds = (qMax(msLeft, 0) + 999) / 1000;
    return QStringLiteral("%1/%2　残り %3 秒").arg(reached).arg(steps).arg(seconds);
}

SequenceProgressBar::SequenceProgressBar(QWidget* parent)
    : QWidget(parent),
      name_(smallLabel(this)),
      count_(smallLabel(this)),
      bar_(new QProgressBar(this)) {
    setObjectName(QStringLiteral("SequenceProgress"));
    count_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar_->setTextVisible(false);
    bar_->setFixedHeight(kBarHeight);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(name_, 0, 0);
    layout->addWidget(count_, 0, 1);
    layout->addWidget(bar_, 1, 0, 1, 2);
    hide();
}

void SequenceProgressBar::started(const QString& name, int steps, int msLeft) {
    name_->setText(name);
    stepReached(0, steps, msLeft);
    show();
    raise();
}

void SequenceProgressBar::stepReached(int reached, int steps, int msLeft) {
    bar_->setRange(0, qMax(steps, 1));
    bar_->setValue(qMin(reached, steps));
    count_->setText(progressCount(reached, steps, msLeft));
}

void SequenceProgressBar::finished() {
    hide();
}

QString SequenceProgressBar::name() const {
    return name_->text();
}

QString SequenceProgressBar::count() const {
    return count_->text();
}

int SequenceProgressBar::percent() const {
    return bar_->maximum() > 0 ? bar_->value() * 100 / bar_->maximum() : 0;
}

}  // namespace qx
