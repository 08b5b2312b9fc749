#include "LanSession.h"

#include <QRadioButton>
#include <QtTest>

LanSession::LanSession(const QStringList& simulatorArguments,
                       const Program::PlatformChoice& choosePlatform) {
    simulator_ = SimulatorProcess::onOwnLoopbackAddress(simulatorArguments);
    if (!simulator_) {
        problem_ = QStringLiteral("no loopback address with a free port 9999");
        return;
    }
    program_ = std::make_unique<Program>(choosePlatform);
    program_->form->controls().setText(QStringLiteral("Text13"), address());
    program_->click(QStringLiteral("Option8"));
    if (!program_->widget<QRadioButton>(QStringLiteral("Option8"))->isChecked())
        problem_ = QStringLiteral("the LAN link could not be chosen");
    else if (program_->text(QStringLiteral("Command60")) != QLatin1String("OK"))
        problem_ = QStringLiteral("the ping of %1 did not answer").arg(address());
}

QStringList LanSession::commands() const {
    return simulator_->commands();
}

bool LanSession::waitForCommands(int count, int timeoutMs) const {
    QDeadlineTimer deadline(timeoutMs);
    while (commands().size() < count) {
        if (deadline.hasExpired()) return false;
        QTest::qWait(20);
    }
    return true;
}
