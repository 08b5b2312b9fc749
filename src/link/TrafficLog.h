#pragma once

#include <QAbstractTableModel>
#include <deque>
#include <functional>

#include "link/TrafficObserver.h"
#include "link/TrafficText.h"

namespace qx {

class FileDialogs;

// The traffic monitor's rows: every record of the links and the parser, oldest first, with its
// time since the log was made. Only the last `capacity` rows are kept, so that a monitor left
// open for days holds no more than a few megabytes; the oldest row goes as a new one comes.
// While paused, records are let pass and not kept.
class TrafficLog : public QAbstractTableModel, public TrafficObserver {
    Q_OBJECT
public:
    enum Column { Time, LinkColumn, Event, Text, Index, Destination, ColumnCount };
    static constexpr int kDefaultCapacity = 10000;

    explicit TrafficLog(std::function<double()> nowMs, int capacity = kDefaultCapacity,
                        QObject* parent = nullptr);

    void record(const TrafficRecord& record) override;

    void clear();
    void setPaused(bool paused) { paused_ = paused; }
    bool paused() const { return paused_; }
    int capacity() const { return capacity_; }

    const TrafficRow& row(int index) const { return rows_[std::size_t(index)]; }
    // The rows' lines (trafficRowText), in the order given, each ended by a line break.
    QString rowsText(const QList<int>& rows) const;
    QString allRowsText() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString cellText(const TrafficRow& row, int column) const;

    std::function<double()> nowMs_;
    double startMs_;
    int capacity_;
    bool paused_ = false;
    std::deque<TrafficRow> rows_;
};

enum class TrafficSave { Cancelled, Saved, Failed };

// Writes every row of the log to a text file the operator names, one line per row.
TrafficSave saveTrafficLog(const TrafficLog& log, FileDialogs& dialogs);

}  // namespace qx
