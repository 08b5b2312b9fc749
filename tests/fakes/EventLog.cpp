#include "fakes/EventLog.h"

namespace qx::test {

QStringList EventLog::of(const QString& kind) const {
    QStringList out;
    for (const QString& row : rows_) {
        const QStringList parts = row.split(QLatin1Char(' '));
        if (parts.size() >= 3 && parts[1] == kind) out << parts.mid(2).join(QLatin1Char(' '));
    }
    return out;
}

QStringList EventLog::timedOf(const QString& kind) const {
    QStringList out;
    for (const QString& row : rows_) {
        const QStringList parts = row.split(QLatin1Char(' '));
        if (parts.size() >= 3 && parts[1] == kind)
            out << parts[0] + QLatin1Char(' ') + parts.mid(2).join(QLatin1Char(' '));
    }
    return out;
}

}  // namespace qx::test
