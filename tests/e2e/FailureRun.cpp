#include "FailureRun.h"

#include <sys/resource.h>

#include <QComboBox>
#include <QFile>
#include <QtTest>
#include <algorithm>

#include "SimulatorProcess.h"
#include "link/LanLink.h"
#include "link/SerialLink.h"
#include "shell/ControlLocking.h"

namespace {

constexpr int kProbeIntervalMs = 10;
constexpr int kIdleMs = 500;

const QStringList kMotorGearFields{"Text1(1)",   "Text1(2)",   "Text1(100)",
                                   "Text1(101)", "Text1(102)", "Text1(103)"};

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

qint64 residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

}  // namespace

FailureRun::FailureRun(Program& program, const QString& scenario) : program_(program) {
    figures_.scenario = scenario;
    rssAtStartKb_ = residentKb();
    probe_.setTimerType(Qt::PreciseTimer);
    probe_.setInterval(kProbeIntervalMs);
    QObject::connect(&probe_, &QTimer::timeout, [this] { probeTick(); });
}

FailureRun::~FailureRun() = default;

void FailureRun::probeTick() {
    figures_.longestGapMs = std::max(figures_.longestGapMs, sinceTick_.nsecsElapsed() / 1e6);
    sinceTick_.restart();
    qx::Form1& form = *program_.form;
    figures_.mostBuffered = std::max({figures_.mostBuffered, form.comm().rxBuffer().size(),
                                      form.comm().burstSize(), form.frmTerm().rxBuffer().size()});
}

void FailureRun::during(int atMs, std::function<void()> action) {
    auto timer = std::make_unique<QTimer>();
    timer->setSingleShot(true);
    timer->setInterval(atMs);
    QObject::connect(timer.get(), &QTimer::timeout, [this, action] {
        ++actionsRan_;
        actionLate_ = actionLate_ || !running_;
        action();
    });
    actions_.push_back(std::move(timer));
}

void FailureRun::click(const QString& control) {
    QElapsedTimer took;
    took.start();
    sinceTick_.start();
    probe_.start();
    for (const auto& action : actions_) action->start();
    running_ = true;
    program_.click(control);
    running_ = false;
    probe_.stop();
    probeTick();
    figures_.sequenceMs = took.elapsed();
}

FailureFigures FailureRun::finish() {
    const double cpuBefore = cpuSeconds();
    QTest::qWait(kIdleMs);
    figures_.idleCpuPercent = 100.0 * (cpuSeconds() - cpuBefore) * 1000.0 / kIdleMs;
    figures_.rssGrowthKb = residentKb() - rssAtStartKb_;
    return figures_;
}

void printFigures(const QList<FailureFigures>& runs) {
    qInfo("%-64s %9s %9s %9s %9s %10s", "scenario", "sequence", "max gap", "buffered", "idle CPU",
          "RSS grown");
    for (const FailureFigures& f : runs)
        qInfo("%-64s %7lld ms %6.1f ms %7lld B %8.1f %% %7lld kB", qPrintable(f.scenario),
              f.sequenceMs, f.longestGapMs, qlonglong(f.mostBuffered), f.idleCpuPercent,
              f.rssGrowthKb);
}

void showReadSettings(Program& program) {
    qx::Controls& c = program.form->controls();
    qx::AllDispON(c);
    const QStringList gear{"12800", "12800", "1", "16", "0", "32"};
    for (int i = 0; i < kMotorGearFields.size(); ++i) c.setText(kMotorGearFields[i], gear[i]);
}

bool motorGearFieldsEmpty(const Program& program) {
    return std::all_of(kMotorGearFields.begin(), kMotorGearFields.end(),
                       [&](const QString& field) { return program.text(field).isEmpty(); });
}

namespace {

bool captionButtonAnswers(Program& program) {
    program.form->controls().setText(QStringLiteral("Text1(0)"), QString());
    return program.click(QStringLiteral("Command5(0)")) &&
           QTest::qWaitFor([&] { return program.text(QStringLiteral("Text1(0)")) == "800"; }, 3000);
}

}  // namespace

bool serialConnectionAnswers(Program& program, SimulatorProcess& sim, bool vanished) {
    const QString device = vanished ? sim.waitForNewPty() : sim.ptyPath();
    if (device.isEmpty()) return false;
    qputenv("QUORVELX_COM10", device.toLocal8Bit());
    qx::Comm& comm = program.form->comm();
    comm.COMM1open();
    const bool answered = comm.portOpen() && captionButtonAnswers(program);
    comm.COMM1close();
    return answered;
}

bool lanConnectionAnswers(Program& program, const QString& address) {
    program.form->controls().setText(QStringLiteral("Text13"), address);
    const bool answered = captionButtonAnswers(program);
    program.form->frmTerm().NETOffLine1();
    return answered;
}

void chooseModel(Program& program, const QString& model) {
    auto* models = program.widget<QComboBox>(QStringLiteral("Combo2"));
    models->setCurrentIndex(models->findText(model));
    Q_EMIT models->activated(models->currentIndex());
}

void pressWithKeyboard(Program& program, const QString& button) {
    QTest::keyClick(program.widget<QWidget>(button), Qt::Key_Space);
}
