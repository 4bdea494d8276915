#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace torva::ui {

// One of the main window's lists as a model over the core's entries. The
// core changes the entries first and then says what changed; the model keeps
// the number of rows its views know and moves it with inserts, removals and
// resets, so an entry added to a long list costs what it costs in a short one.
class DayListModel final : public QAbstractListModel {
    Q_OBJECT
  public:
    DayListModel(const std::vector<std::string>& entries, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The entries appended since the views last heard become rows.
    void appended();
    // The entry at row was removed.
    void removed(int row);
    // The entries were cleared or replaced.
    void reset();
    // True when entries were appended that the views do not show yet.
    bool behind() const { return rows_ != static_cast<int>(entries_.size()); }

  private:
    const std::vector<std::string>& entries_;
    int rows_;
};

}  // namespace torva::ui
