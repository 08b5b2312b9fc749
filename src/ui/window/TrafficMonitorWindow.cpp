#include "ui/window/TrafficMonitorWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "link/TrafficLog.h"
#include "shell/Form1.h"

namespace qx {

namespace {

// Room for the time, the link, the event, the reply, the index and the widest destination.
constexpr std::array kColumnWidths = {70, 64, 90, 300, 80, 200};

}  // namespace

TrafficMonitorWindow::TrafficMonitorWindow(Form1& form, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form) {
    setWindowTitle(QStringLiteral("通信ログ"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (parent) setFont(parent->font());  // a window of its own does not inherit the font
    resize(860, 520);

    Scheduler& scheduler = form_.platform().scheduler;
    log_ = new TrafficLog([&scheduler] { return scheduler.nowMs(); }, TrafficLog::kDefaultCapacity,
                          this);
    table_ = new QTableView;
    table_->setModel(log_);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    // Rows of one height: the view need not measure ten thousand of them.
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    for (int column = 0; column < int(kColumnWidths.size()); ++column)
        table_->setColumnWidth(column, kColumnWidths[std::size_t(column)]);
    table_->horizontalHeader()->setStretchLastSection(true);
    new QShortcut(QKeySequence::Copy, table_, [this] { copySelectedRows(); });
    watchTheEnd();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(table_, 1);
    layout->addWidget(createButtons());

    form_.setTrafficObserver(log_);
}

TrafficMonitorWindow::~TrafficMonitorWindow() {
    if (form_.trafficObserver() == log_) form_.setTrafficObserver(nullptr);
}

QWidget* TrafficMonitorWindow::createButtons() {
    auto* copy = new QPushButton(QStringLiteral("コピー"));
    auto* save = new QPushButton(QStringLiteral("保存…"));
    auto* clear = new QPushButton(QStringLiteral("クリア"));
    pause_ = new QPushButton(QStringLiteral("一時停止"));
    pause_->setCheckable(true);
    auto* close = new QPushButton(QStringLiteral("閉じる"));
    status_ = new QLabel;
    connect(copy, &QPushButton::clicked, this, [this] { copySelectedRows(); });
    connect(save, &QPushButton::clicked, this, [this] { saveRows(); });
    connect(clear, &QPushButton::clicked, this, [this] { clearRows(); });
    connect(pause_, &QPushButton::toggled, this, [this](bool on) { setPaused(on); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* strip = new QWidget;
    auto* buttons = new QHBoxLayout(strip);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {copy, save, clear, pause_}) buttons->addWidget(button);
    buttons->addWidget(status_, 1);
    buttons->addWidget(close);
    return strip;
}

// The view stays at the newest row while it was there when the row came; a view scrolled up
// stays where the operator put it.
void TrafficMonitorWindow::watchTheEnd() {
    connect(log_, &QAbstractItemModel::rowsAboutToBeInserted, this, [this] {
        const QScrollBar* bar = table_->verticalScrollBar();
        followingEnd_ = bar->value() == bar->maximum();
    });
    connect(log_, &QAbstractItemModel::rowsInserted, this, [this] {
        if (followingEnd_) table_->scrollToBottom();
    });
}

void TrafficMonitorWindow::copySelectedRows() {
    QList<int> rows;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows()) rows << index.row();
    std::sort(rows.begin(), rows.end());
    if (rows.isEmpty()) return;
    QApplication::clipboard()->setText(log_->rowsText(rows));
}

void TrafficMonitorWindow::saveRows() {
    switch (saveTrafficLog(*log_, form_.platform().files)) {
        case TrafficSave::Saved:
            status_->setText(QStringLiteral("保存しました"));
            break;
        case TrafficSave::Failed:
            status_->setText(QStringLiteral("保存できませんでした"));
            break;
        case TrafficSave::Cancelled:
            status_->clear();
            break;
    }
}

void TrafficMonitorWindow::clearRows() {
    log_->clear();
    status_->clear();
}

void TrafficMonitorWindow::setPaused(bool paused) {
    log_->setPaused(paused);
    if (pause_->isChecked() != paused) pause_->setChecked(paused);
    status_->setText(paused ? QStringLiteral("一時停止中: 記録していません") : QString());
}

}  // namespace qx
