#include "sim/Controller.h"

#include <algorithm>

#include "sim/FactoryValues.h"
#include "sim/FaultShaping.h"
#include "sim/SetCommands.h"

namespace qx::sim {

namespace {

// A command longer than this without its "#" is line noise, not a command.
constexpr qsizetype kMaxCommandLength = 1024;

// The controller's clock forms of the date and time queries.
const QString kDateFormat = QStringLiteral("MM/dd/yy");
const QString kTimeFormat = QStringLiteral("HH:mm:ss");

QString argumentOf(const QString& command, const SetRule& rule) {
    const qsizetype prefixLength = qstrlen(rule.prefix);
    const qsizetype end = command.endsWith(QLatin1Char('#')) ? command.size() - 1 : command.size();
    return command.mid(prefixLength, std::max<qsizetype>(0, end - prefixLength));
}

}  // namespace

Controller::Controller()
    : values_(factoryQueryValues()), pcClock_([] { return QDateTime::currentDateTime(); }) {}

std::vector<Output> Controller::receive(const QByteArray& bytes, qint64 nowMs) {
    pending_ += bytes;
    std::vector<Output> outputs;
    for (const QString& command : takeCommands()) {
        log_.push_back({nowMs, command});
        const std::optional<Fault> fault = takeFault(command);
        const QByteArray reply = answer(command, fault && fault->kind == Fault::Kind::Ignore);
        const std::vector<Output> shaped = shapeAnswer(reply, answerDelayMs_, fault, random_());
        outputs.insert(outputs.end(), shaped.begin(), shaped.end());
    }
    return outputs;
}

// Commands run from ":" to the next "#"; anything between commands is noise and is skipped. A
// ":" inside a command is part of it (":SL21:07:05#").
std::vector<QString> Controller::takeCommands() {
    std::vector<QString> commands;
    while (true) {
        const qsizetype start = pending_.indexOf(':');
        if (start < 0) {
            pending_.clear();
            break;
        }
        pending_.remove(0, start);
        const qsizetype end = pending_.indexOf('#');
        if (end < 0) {
            if (pending_.size() > kMaxCommandLength) pending_.clear();
            break;
        }
        commands.push_back(QString::fromLatin1(pending_.left(end + 1)));
        pending_.remove(0, end + 1);
    }
    return commands;
}

QByteArray Controller::answer(const QString& command, bool ignored) {
    if (isQuery(command)) return (queryValue(command) + QLatin1Char('#')).toLatin1();
    const SetRule* rule = findSetRule(command);
    if (!rule) return {};
    const bool accepted = ignored || apply(*rule, argumentOf(command, *rule));
    if (!rule->answersOne) return {};
    return accepted ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
}

bool Controller::isQuery(const QString& command) const {
    return values_.contains(command) || command == kDateQuery || command == kTimeQuery;
}

bool Controller::apply(const SetRule& rule, const QString& argument) {
    const QString query = QString::fromLatin1(rule.query);
    const QString linked = QString::fromLatin1(rule.linkedQuery);
    auto store = [this, &query](const std::optional<QString>& value) {
        if (value) values_.insert(query, *value);
        return value.has_value();
    };
    switch (rule.effect) {
        case SetEffect::Store:
            return store(argument);
        case SetEffect::StoreFixed:
            return store(QString::fromLatin1(rule.fixed));
        case SetEffect::UtcOffset:
            return store(utcOffsetReply(argument));
        case SetEffect::Limit:
            return store(limitReply(argument));
        case SetEffect::SlewSpeed:
            return store(slewSpeedReply(argument));
        case SetEffect::StepsPerDegree:
            values_.insert(linked, withFirstField(values_.value(linked), argument));
            return store(argument);
        case SetEffect::AxisSettings: {
            // ":SXA1,R#" puts the axis back to its factory settings.
            const bool reset = argument == QLatin1String("R");
            const std::optional<QString> axis =
                reset ? factoryQueryValues().value(query) : axisReply(argument);
            if (axis) values_.insert(linked, axis->section(QLatin1Char(','), 0, 0));
            return store(axis);
        }
        case SetEffect::ClockDate: {
            const std::optional<QDate> date = parseControllerDate(argument);
            return date && setClock(QDateTime(*date, controllerTime().time()));
        }
        case SetEffect::ClockTime: {
            const std::optional<QTime> time = parseControllerTime(argument);
            return time && setClock(QDateTime(controllerTime().date(), *time));
        }
        case SetEffect::HomeToPole:
            setHomeToPole();
            return true;
        case SetEffect::FactoryDefaults:
            values_ = factoryQueryValues();
            return true;
    }
    return false;
}

bool Controller::setClock(const QDateTime& controllerTime) {
    if (!controllerTime.isValid()) return false;
    clockOffsetSeconds_ = pcClock_().secsTo(controllerTime);
    return true;
}

// A polar-north home: the altitude of the pole is the site's latitude, the azimuth north.
void Controller::setHomeToPole() {
    values_.insert(QStringLiteral(":G1#"), poleAltitude(values_.value(QStringLiteral(":Gt#"))));
    values_.insert(QStringLiteral(":G2#"), QStringLiteral("000"));
}

std::optional<Fault> Controller::takeFault(const QString& command) {
    if (onward_) return onward_;
    auto best = faults_.end();
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        const bool applies = it->second.times != 0 && command.startsWith(it->first);
        if (applies && (best == faults_.end() || it->first.size() > best->first.size())) best = it;
    }
    if (best == faults_.end()) return std::nullopt;
    if (best->second.times > 0) --best->second.times;
    if (best->second.onward) onward_ = best->second;
    return best->second;
}

void Controller::clientLeft() {
    pending_.clear();
    onward_.reset();
}

void Controller::setFault(const QString& commandPrefix, const Fault& fault) {
    auto same = std::find_if(faults_.begin(), faults_.end(),
                             [&](const auto& entry) { return entry.first == commandPrefix; });
    if (same != faults_.end())
        same->second = fault;
    else
        faults_.emplace_back(commandPrefix, fault);
}

void Controller::clearFaults() {
    faults_.clear();
    onward_.reset();
}

void Controller::setAnswerDelayMs(int ms) {
    answerDelayMs_ = std::max(0, ms);
}

QString Controller::queryValue(const QString& query) const {
    if (values_.contains(query)) return values_.value(query);
    if (query == kDateQuery) return controllerTime().toString(kDateFormat);
    if (query == kTimeQuery) return controllerTime().toString(kTimeFormat);
    return {};
}

void Controller::setQueryValue(const QString& query, const QString& value) {
    values_.insert(query, value);
}

void Controller::setPcClock(std::function<QDateTime()> pcClock) {
    pcClock_ = std::move(pcClock);
}

QDateTime Controller::controllerTime() const {
    return pcClock_().addSecs(clockOffsetSeconds_);
}

}  // namespace qx::sim
