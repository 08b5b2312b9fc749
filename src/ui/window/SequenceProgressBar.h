#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include "shell/SequenceProgress.h"

class QLabel;
class QProgressBar;

namespace qx {

// Where the bar sits: the free row of the lower strip, between the speed buttons on the left and
// the backup buttons on the right.
inline constexpr QRect kSequenceProgressPlace{392, 734, 216, 24};

// "12/46　残り 8 秒": the step reached out of all steps, and the waits ahead in whole seconds
// (rounded up, so that it says 0 only when nothing is left to wait).
QString progressCount(int reached, int steps, int msLeft);

// The thin progress bar of a long sequence in the lower strip of the main window: the sequence's
// name and count above a bar of the steps reached. Shown from the sequence's start to its end.
class SequenceProgressBar : public QWidget, public SequenceProgress {
    Q_OBJECT
public:
    explicit SequenceProgressBar(QWidget* parent = nullptr);

    void started(const QString& name, int steps, int msLeft) override;
    void stepReached(int reached, int steps, int msLeft) override;
    void finished() override;

    QString name() const;
    QString count() const;
    int percent() const;

private:
    QLabel* name_;
    QLabel* count_;
    QProgressBar* bar_;
};

}  // namespace qx
