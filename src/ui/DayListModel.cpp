#include "ui/DayListModel.h"

namespace torva::ui {

DayListModel::DayListModel(const std::vector<std::string>& entries, QObject* parent)
    : QAbstractListModel(parent), entries_(entries), rows_(static_cast<int>(entries.size())) {}

int DayListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant DayListModel::data(const QModelIndex& index, int role) const {
    // During a removal the views may still ask for a row the core dropped.
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rows_ ||
        static_cast<std::size_t>(index.row()) >= entries_.size()) {
        return {};
    }
    return QString::fromStdString(entries_[static_cast<std::size_t>(index.row())]);
}

void DayListModel::appended() {
    const int size = static_cast<int>(entries_.size());
    if (size < rows_) {
        reset();
        return;
    }
    if (size == rows_) {
        return;
    }
    beginInsertRows({}, rows_, size - 1);
    rows_ = size;
    endInsertRows();
}

void DayListModel::removed(int row) {
    if (row < 0 || row >= rows_ || static_cast<int>(entries_.size()) != rows_ - 1) {
        reset();
        return;
    }
    beginRemoveRows({}, row, row);
    --rows_;
    endRemoveRows();
}

void DayListModel::reset() {
    beginResetModel();
    rows_ = static_cast<int>(entries_.size());
    endResetModel();
}

}  // namespace torva::ui
