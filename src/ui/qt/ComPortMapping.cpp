#include "ui/qt/ComPortMapping.h"

#include <algorithm>
#include <tuple>

namespace qx {

namespace {

constexpr int kFirstComPort = 1;
constexpr int kLastComPort = 19;

// A location split into its text and the number it ends with: "/dev/ttyUSB10" -> ("/dev/ttyUSB",
// 10), so that the number is compared as a number.
struct LocationKey {
    QString stem;
    qulonglong number = 0;
    QString whole;
};

LocationKey locationKey(const QString& location) {
    qsizetype digitsStart = location.size();
    while (digitsStart > 0 && location.at(digitsStart - 1).isDigit()) {
        --digitsStart;
    }
    return {location.left(digitsStart), location.mid(digitsStart).toULongLong(), location};
}

bool naturalLess(const QString& a, const QString& b) {
    const LocationKey ka = locationKey(a);
    const LocationKey kb = locationKey(b);
    return std::tie(ka.stem, ka.number, ka.whole) < std::tie(kb.stem, kb.number, kb.whole);
}

std::optional<QString> unixComPortDevice(int number, QStringList systemPortLocations,
                                         const QProcessEnvironment& environment) {
    const QString chosen = environment.value(QStringLiteral("QUORVELX_COM%1").arg(number));
    if (!chosen.isEmpty()) {
        return chosen;
    }
    std::sort(systemPortLocations.begin(), systemPortLocations.end(), naturalLess);
    if (number > systemPortLocations.size()) {
        return std::nullopt;
    }
    return systemPortLocations.at(number - 1);
}

}  // namespace

PortNaming hostPortNaming() {
#ifdef Q_OS_WIN
    return PortNaming::Windows;
#else
    return PortNaming::Unix;
#endif
}

std::optional<QString> comPortDevice(int number, PortNaming naming,
                                     const QStringList& systemPortLocations,
                                     const QProcessEnvironment& environment) {
    if (number < kFirstComPort || number > kLastComPort) {
        return std::nullopt;
    }
    if (naming == PortNaming::Windows) {
        return QStringLiteral("COM%1").arg(number);
    }
    return unixComPortDevice(number, systemPortLocations, environment);
}

}  // namespace qx
