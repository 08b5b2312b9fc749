#pragma once

#include <QFileSystemWatcher>
#include <QLabel>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "ui/devices/SerialPortRows.h"

namespace qx {

// The device list of systems without a device manager: the serial ports with the COM number the
// tool opens each as, their device path, description and USB ids, so that the operator knows
// which COM number to choose. The list follows devices that are plugged in or out.
class SerialPortsWindow : public QWidget {
    Q_OBJECT
public:
    using RowSource = std::function<QList<SerialPortRow>()>;

    // The system's ports and /dev by default; tests give their own rows and folder.
    explicit SerialPortsWindow(RowSource rows = systemRows(),
                               const QStringList& watchedFolders = {QStringLiteral("/dev")},
                               QWidget* parent = nullptr);

    static RowSource systemRows();

    void refresh();
    const QTableWidget& table() const { return table_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    RowSource rows_;
    QLabel note_;
    QTableWidget table_;
    QFileSystemWatcher watcher_;
    QTimer settle_;  // a device comes with a burst of changes; the list is read once they settle
};

}  // namespace qx
