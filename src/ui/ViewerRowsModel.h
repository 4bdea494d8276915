#pragma once

#include <memory>
#include <QAbstractListModel>

#include "logview/ViewerRows.h"

namespace torva::ui {

// The viewer's rows as a list model: a row's text is made only when a view
// paints it, so a file of half a million rows costs no item per row.
class ViewerRowsModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    explicit ViewerRowsModel(QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The rows were replaced.
    void reset(std::shared_ptr<const ViewerRows> rows);

  private:
    std::shared_ptr<const ViewerRows> rows_;
};

}  // namespace torva::ui
