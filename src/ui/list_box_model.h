#pragma once

#include <QStringListModel>

namespace ui {

// The entries of a list box. An entry is shown cut short when it is too long to show, while the
// model keeps it whole for whoever acts on it (Qt::EditRole).
class ListBoxModel : public QStringListModel
{
public:
    using QStringListModel::QStringListModel;

    QVariant data(const QModelIndex& index, int role) const override;
};

} // namespace ui
