#include "ui/window/SettingsRestoreWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace qx {

namespace {

const QString kMasked = QStringLiteral("••••••••");

// What a lamp's saved state reads as.
QString lampText(const QString& value) {
    if (value == QLatin1String(kLampLitValue)) return QStringLiteral("点灯");
    if (value == QLatin1String(kLampUnlitValue)) return QStringLiteral("消灯");
    if (value == QLatin1String(kLampNotReadValue)) return QStringLiteral("未読込");
    return value;
}

QString shownValue(const RestoreRow& row, const std::optional<QString>& value, bool unmasked) {
    if (!value) return QStringLiteral("—");
    if (row.setting->secret && !unmasked && !value->isEmpty()) return kMasked;
    return QString(row.setting->control).startsWith(QLatin1String("Shape")) ? lampText(*value)
                                                                            : *value;
}

// Light backgrounds that tell the rows' outcomes apart at a glance.
QColor rowColor(const RestoreRow& row) {
    switch (row.state) {
        case RestoreState::Verified:
            return QColor(0xd8, 0xf0, 0xd8);
        case RestoreState::NotVerified:
        case RestoreState::NoAnswer:
        case RestoreState::NotConnected:
            return QColor(0xf8, 0xd8, 0xd8);
        case RestoreState::Written:
        case RestoreState::Cancelled:
        case RestoreState::WrittenUnchecked:
            return QColor(0xf8, 0xf0, 0xd0);
        case RestoreState::Idle:
            break;
    }
    if (row.setIndex >= 0 && !row.problem.isEmpty()) return QColor(0xf8, 0xf0, 0xd0);
    if (!row.writable()) return QColor(0xee, 0xee, 0xee);
    return QColor(Qt::white);
}

QString headerText(const RestorePlan& plan) {
    const SettingsBackup& backup = plan.file.backup;
    QStringList lines;
    lines << QStringLiteral("ファイル: %1").arg(plan.path.toHtmlEscaped());
    if (!plan.file.problem.isEmpty()) {
        lines << QStringLiteral("<font color=\"#c00000\">%1</font>")
                     .arg(plan.file.problem.toHtmlEscaped());
    } else {
        lines << QStringLiteral("保存日時: %1　　ツール: %2　　接続: %3")
                     .arg(backup.saved, backup.tool, backup.link)
                     .toHtmlEscaped();
    }
    if (!plan.file.unknownKeys.isEmpty())
        lines << QStringLiteral("このツールの知らない項目（使いません）: %1")
                     .arg(plan.file.unknownKeys.join(QStringLiteral(", ")))
                     .toHtmlEscaped();
    lines << QStringLiteral(
        "チェックした項目をSETボタンと同じコマンドで書き込み、読み直して確かめます。"
        "モーターギア・工場出荷時設定・再起動・WiFiモードは書き込みません。");
    return lines.join(QStringLiteral("<br>"));
}

QTableWidgetItem* readOnlyItem() {
    auto* item = new QTableWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

SettingsRestoreWindow::SettingsRestoreWindow(Form1& form, RestorePlan plan, QWidget* parent)
    : QWidget(parent, Qt::Window), form_(form), plan_(std::move(plan)) {
    setWindowTitle(QStringLiteral("設定復元"));
    setAttribute(Qt::WA_DeleteOnClose);
    if (parent) setFont(parent->font());  // a window of its own does not inherit the font
    resize(820, 640);

    header_ = new QLabel(headerText(plan_));
    header_->setWordWrap(true);
    header_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    table_ = new QTableWidget(int(plan_.rows.size()), ColumnCount);
    showPasswords_ = new QCheckBox(QStringLiteral("パスワードを表示"));
    onlyDifferences_ = new QCheckBox(QStringLiteral("違いのある項目だけ表示"));
    progress_ = new QProgressBar;
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setFormat(QString());  // empty until a restore runs
    write_ = new QPushButton(QStringLiteral("書き込み"));
    cancel_ = new QPushButton(QStringLiteral("中止"));
    close_ = new QPushButton(QStringLiteral("閉じる"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showPasswords_);
    buttons->addWidget(onlyDifferences_);
    buttons->addWidget(progress_, 1);
    buttons->addWidget(write_);
    buttons->addWidget(cancel_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header_);
    layout->addWidget(table_, 1);
    layout->addLayout(buttons);

    buildTable();
    showRunning();
    connect(showPasswords_, &QCheckBox::toggled, this, [this] { showValues(); });
    connect(onlyDifferences_, &QCheckBox::toggled, this, [this] { showValues(); });
    connect(table_, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { tickChanged(item); });
    connect(write_, &QPushButton::clicked, this, [this] { runRestore(); });
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancelRequested_ = true;
        showRunning();
    });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
}

void SettingsRestoreWindow::buildTable() {
    const QSignalBlocker blocker(table_);
    table_->setHorizontalHeaderLabels({QStringLiteral("項目"), QStringLiteral("現在の値"),
                                       QStringLiteral("ファイルの値"), QStringLiteral("書込"),
                                       QStringLiteral("結果")});
    table_->verticalHeader()->hide();
    table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    table_->setWordWrap(false);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    for (int row = 0; row < int(plan_.rows.size()); ++row) {
        for (int column = 0; column < ColumnCount; ++column)
            table_->setItem(row, column, readOnlyItem());
        if (plan_.rows[row].writable())
            table_->item(row, Write)->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        table_->item(row, Setting)->setText(QString::fromUtf8(plan_.rows[row].setting->caption));
        table_->item(row, Setting)->setToolTip(QLatin1String(plan_.rows[row].setting->control));
        showRow(row);
    }
    QHeaderView* header = table_->horizontalHeader();
    header->setSectionResizeMode(Setting, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(InWindow, QHeaderView::Interactive);
    header->setSectionResizeMode(InFile, QHeaderView::Interactive);
    header->setSectionResizeMode(Write, QHeaderView::ResizeToContents);
    header->setStretchLastSection(true);
    table_->setColumnWidth(InWindow, 150);
    table_->setColumnWidth(InFile, 150);
}

void SettingsRestoreWindow::showRow(int row) {
    const QSignalBlocker blocker(table_);
    const RestoreRow& r = plan_.rows[row];
    const bool unmasked = showPasswords_->isChecked();
    table_->item(row, InWindow)->setText(shownValue(r, r.windowValue, unmasked));
    table_->item(row, InFile)->setText(shownValue(r, r.fileValue, unmasked));
    if (r.writable())
        table_->item(row, Write)->setCheckState(r.ticked ? Qt::Checked : Qt::Unchecked);
    table_->item(row, Result)->setText(rowStatus(r));
    table_->item(row, Result)->setToolTip(rowStatus(r));
    const QColor color = rowColor(r);
    for (int column = 0; column < ColumnCount; ++column)
        table_->item(row, column)->setBackground(color);
    const bool differs = r.fileValue != r.windowValue || !r.problem.isEmpty() ||
                         r.state != RestoreState::Idle || r.ticked;
    table_->setRowHidden(row, onlyDifferences_->isChecked() && !differs);
}

void SettingsRestoreWindow::showOnlyDifferences(bool only) {
    onlyDifferences_->setChecked(only);
}

void SettingsRestoreWindow::showValues() {
    for (int row = 0; row < int(plan_.rows.size()); ++row) showRow(row);
}

// The operator's tick, kept in the plan; while the restore runs the ticks stay as they were.
void SettingsRestoreWindow::tickChanged(QTableWidgetItem* item) {
    if (item->column() != Write) return;
    RestoreRow& row = plan_.rows[item->row()];
    if (!running_) row.ticked = item->checkState() == Qt::Checked;
    showRow(item->row());
    showRunning();
}

void SettingsRestoreWindow::showRunning() {
    const bool anyTicked =
        std::any_of(plan_.rows.begin(), plan_.rows.end(),
                    [](const RestoreRow& r) { return r.ticked && r.writable(); });
    write_->setEnabled(!running_ && anyTicked);
    cancel_->setEnabled(running_ && !cancelRequested_);
    close_->setEnabled(!running_);
}

void SettingsRestoreWindow::runRestore() {
    running_ = true;
    cancelRequested_ = false;
    showRunning();
    qx::runRestore(form_, plan_, *this);
    running_ = false;
    showRunning();
    if (closeWhenDone_) close();
}

void SettingsRestoreWindow::stepReached(int step, int steps) {
    progress_->setFormat(QStringLiteral("%v / %m"));
    progress_->setRange(0, qMax(1, steps));
    progress_->setValue(steps == 0 ? 1 : step);
}

void SettingsRestoreWindow::rowChanged(int row) {
    showRow(row);
    table_->scrollToItem(table_->item(row, Setting));
}

void SettingsRestoreWindow::closeEvent(QCloseEvent* event) {
    if (!running_) {
        event->accept();
        return;
    }
    // The restore is inside a wait: it is told to stop, and the window closes once it has.
    cancelRequested_ = true;
    closeWhenDone_ = true;
    showRunning();
    event->ignore();
}

}  // namespace qx
