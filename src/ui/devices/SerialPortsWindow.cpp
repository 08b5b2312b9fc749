#include "ui/devices/SerialPortsWindow.h"

#include <QHeaderView>
#include <QVBoxLayout>

namespace qx {

namespace {

constexpr int kSettleMs = 300;

const QStringList kHeaders{QStringLiteral("COM"), QStringLiteral("デバイス"),
                           QStringLiteral("説明"), QStringLiteral("USB ID")};

}  // namespace

SerialPortsWindow::SerialPortsWindow(RowSource rows, const QStringList& watchedFolders,
                                     QWidget* parent)
    : QWidget(parent), rows_(std::move(rows)) {
    setWindowTitle(QStringLiteral("シリアルポート"));
    setObjectName(QStringLiteral("SerialPorts"));
    note_.setWordWrap(true);
    table_.setColumnCount(kHeaders.size());
    table_.setHorizontalHeaderLabels(kHeaders);
    table_.setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_.setSelectionBehavior(QAbstractItemView::SelectRows);
    table_.verticalHeader()->hide();
    table_.horizontalHeader()->setStretchLastSection(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&note_);
    layout->addWidget(&table_);
    resize(640, 260);

    settle_.setSingleShot(true);
    connect(&settle_, &QTimer::timeout, this, &SerialPortsWindow::refresh);
    if (!watchedFolders.isEmpty()) watcher_.addPaths(watchedFolders);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this,
            [this] { settle_.start(kSettleMs); });
    refresh();
}

SerialPortsWindow::RowSource SerialPortsWindow::systemRows() {
    return [] {
        return serialPortRows(systemSerialPorts(), hostPortNaming(),
                              QProcessEnvironment::systemEnvironment());
    };
}

void SerialPortsWindow::refresh() {
    const QList<SerialPortRow> rows = rows_();
    table_.setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const SerialPortRow& row = rows[r];
        const QStringList cells{row.com, row.device, row.description, row.usbId};
        for (int c = 0; c < cells.size(); ++c) table_.setItem(r, c, new QTableWidgetItem(cells[c]));
    }
    table_.resizeColumnsToContents();
    note_.setText(rows.isEmpty() ? QStringLiteral("シリアルポートが見つかりません。")
                                 : QStringLiteral("COM 番号は「接続」の前に選ぶポートの番号です。"
                                                  "QUORVELX_COM<n> で別の装置を指定できます。"));
}

void SerialPortsWindow::showEvent(QShowEvent* event) {
    refresh();
    QWidget::showEvent(event);
}

}  // namespace qx
