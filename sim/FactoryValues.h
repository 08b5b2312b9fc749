#pragma once

#include <QHash>
#include <QString>

namespace qx::sim {

// Queries answered from the controller's clock rather than from a stored value.
inline const QString kDateQuery = QStringLiteral(":GX81#");  // "MM/DD/YY"
inline const QString kTimeQuery = QStringLiteral(":GX80#");  // "HH:MM:SS"

// The reply bodies (without "#") that a controller fresh from the factory gives to the queries of
// the settings window. Every text reply has at least two characters, so that the window's
// re-asking of short replies stays quiet against a healthy controller.
QHash<QString, QString> factoryQueryValues();

}  // namespace qx::sim
