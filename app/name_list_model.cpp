#include "app/name_list_model.h"

#include "app/text_bridge.h"

namespace pantrix {

NameListModel::NameListModel(const std::vector<std::string>& names, QObject* parent)
    : QAbstractListModel(parent), m_names(names)
{
}

void NameListModel::Refresh()
{
    beginResetModel();
    endResetModel();
}

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_names.size());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return ToQt(m_names[static_cast<std::size_t>(index.row())]);
}

} // namespace pantrix
