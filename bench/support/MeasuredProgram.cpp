#include "MeasuredProgram.h"

#include <QAbstractButton>
#include <QThread>

namespace bench {

namespace {
constexpr int kPortAttempts = 30;
}  // namespace

std::unique_ptr<SimulatorProcess> startSimulator(const QStringList& arguments) {
    const bool tcp = !arguments.contains(QStringLiteral("--no-tcp"));
    const QStringList withPort =
        tcp ? arguments + QStringList{QStringLiteral("--tcp-port"), QStringLiteral("9999")}
            : arguments;
    for (int attempt = 0; attempt < kPortAttempts; ++attempt) {
        auto sim = std::make_unique<SimulatorProcess>(withPort);
        if (sim->started() && (!tcp || sim->tcpPort() == 9999)) {
            if (!sim->ptyPath().isEmpty())
                qputenv("QUORVELX_COM10", sim->ptyPath().toLocal8Bit());
            return sim;
        }
        QThread::sleep(1);
    }
    require(false, "the simulator did not start (is TCP port 9999 taken?)");
    return nullptr;
}

MeasuredProgram::MeasuredProgram()
    : program([this](qx::QtPlatform& real) -> qx::Platform& {
          measured = std::make_unique<MeasuredPlatform>(real);
          return measured->platform;
      }) {}

SequenceCost MeasuredProgram::click(const QString& button) {
    auto* widget = program.widget<QAbstractButton>(button);
    require(widget && widget->isEnabled(), qPrintable(button + QStringLiteral(" cannot be clicked")));
    return measureSequence(*measured, [widget] { widget->click(); });
}

void MeasuredProgram::chooseLan() {
    program.form->controls().setText(QStringLiteral("Text13"), QStringLiteral("127.0.0.1"));
    program.widget<QAbstractButton>(QStringLiteral("Option8"))->click();
}

}  // namespace bench
