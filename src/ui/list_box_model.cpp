#include "ui/list_box_model.h"

#include "ui/window_helpers.h"

namespace ui {

QVariant ListBoxModel::data(const QModelIndex& index, int role) const
{
    const QVariant value = QStringListModel::data(index, role);
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return shownValue(value.toString());
    return value;
}

} // namespace ui
