#include "fakes/EventLog.h"

namespace qx::test {

QStringList EventLog::timedOf(const QString& kind) const {
    QStringList out;
    for (const QString& row : rows_) {
        if (row.section(QLatin1Char(' '), 1, 1) == kind)
            out << row.section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ') +
                       row.section(QLatin1Char(' '), 2);
    }
    return out;
}

QStringList EventLog::of(const QString& kind) const {
    QStringList out;
    for (const QString& row : timedOf(kind)) out << row.section(QLatin1Char(' '), 1);
    return out;
}

}  // namespace qx::test
