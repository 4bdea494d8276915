#include "ui/ViewerRowsModel.h"

namespace torva::ui {

ViewerRowsModel::ViewerRowsModel(QObject* parent)
    : QAbstractListModel(parent), rows_(std::make_shared<const ViewerRows>()) {}

int ViewerRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_->size());
}

QVariant ViewerRowsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() ||
        static_cast<std::size_t>(index.row()) >= rows_->size()) {
        return {};
    }
    return QString::fromStdString(rows_->text(static_cast<std::size_t>(index.row())));
}

void ViewerRowsModel::reset(std::shared_ptr<const ViewerRows> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

}  // namespace torva::ui
