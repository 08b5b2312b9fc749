#include "link/TrafficLog.h"

#include "shell/SettingsFiles.h"
#include "ui/platform/FileDialogs.h"

namespace qx {

TrafficLog::TrafficLog(std::function<double()> nowMs, int capacity, QObject* parent)
    : QAbstractTableModel(parent),
      nowMs_(std::move(nowMs)),
      startMs_(nowMs_()),
      capacity_(capacity) {}

void TrafficLog::record(const TrafficRecord& record) {
    if (paused_) return;
    if (int(rows_.size()) >= capacity_) {
        beginRemoveRows({}, 0, 0);
        rows_.pop_front();
        endRemoveRows();
    }
    const int last = int(rows_.size());
    beginInsertRows({}, last, last);
    rows_.push_back({nowMs_() - startMs_, record});
    endInsertRows();
}

void TrafficLog::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

QString TrafficLog::rowsText(const QList<int>& rows) const {
    QString text;
    for (int r : rows) text += trafficRowText(row(r)) + QLatin1Char('\n');
    return text;
}

QString TrafficLog::allRowsText() const {
    QList<int> all;
    for (int r = 0; r < rowCount(); ++r) all << r;
    return rowsText(all);
}

int TrafficLog::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int TrafficLog::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString TrafficLog::cellText(const TrafficRow& row, int column) const {
    switch (column) {
        case Time:
            return QString::number(qRound64(row.atMs));
        case LinkColumn:
            return linkName(row.record.link);
        case Event:
            return eventName(row.record.event);
        case Text:
            return wireText(row.record);
        case Index:
            return queryIndexText(row.record);
        case Destination:
            return destinationText(row.record);
    }
    return {};
}

QVariant TrafficLog::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return cellText(row(index.row()), index.column());
    if (role == Qt::TextAlignmentRole && (index.column() == Time || index.column() == Index))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant TrafficLog::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
        case Time:
            return QStringLiteral("時刻(ms)");
        case LinkColumn:
            return QStringLiteral("回線");
        case Event:
            return QStringLiteral("種類");
        case Text:
            return QStringLiteral("内容");
        case Index:
            return QStringLiteral("QueryIndex");
        case Destination:
            return QStringLiteral("行き先");
    }
    return {};
}

TrafficSave saveTrafficLog(const TrafficLog& log, FileDialogs& dialogs) {
    const std::optional<QString> path =
        dialogs.saveFileName(QStringLiteral("通信ログ保存"), QStringLiteral("QuorvelX-traffic.txt"),
                             QStringLiteral("テキストファイル (*.txt)"));
    if (!path) return TrafficSave::Cancelled;
    return saveFileAtomically(*path, log.allRowsText().toUtf8(), FileAccess::Default)
               ? TrafficSave::Saved
               : TrafficSave::Failed;
}

}  // namespace qx
