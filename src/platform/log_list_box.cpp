#include "platform/log_list_box.h"

#include <QHeaderView>

int LogLinesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant LogLinesModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= lines_.size())
        return {};
    return lines_.at(index.row());
}

void LogLinesModel::append(const QString& line) {
    const int row = static_cast<int>(lines_.size());
    beginInsertRows({}, row, row);
    lines_.append(line);
    endInsertRows();
}

void LogLinesModel::clear() {
    beginResetModel();
    lines_.clear();
    endResetModel();
}

TLogListBox::TLogListBox(QWidget* parent) : QTableView(parent), model_(new LogLinesModel(this)) {
    setModel(model_);
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void TLogListBox::Add(const QString& line) { model_->append(line); }

void TLogListBox::Clear() { model_->clear(); }

void TLogListBox::ScrollToEnd() {
    if (Count() > 0)
        scrollTo(model_->index(Count() - 1), QAbstractItemView::PositionAtBottom);
}
