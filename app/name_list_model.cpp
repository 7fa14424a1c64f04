#include "app/name_list_model.h"

#include "app/text_bridge.h"

namespace pantrix {

NameListModel::NameListModel(Count count, NameAt nameAt, QObject* parent, Shown shown)
    : QAbstractListModel(parent), m_count(std::move(count)), m_nameAt(std::move(nameAt)),
      m_shown(shown ? shown : ToQt)
{
}

NameListModel::NameListModel(const std::vector<std::string>& names, QObject* parent)
    : NameListModel([&names] { return names.size(); },
                    [&names](std::size_t row) -> const std::string& { return names[row]; }, parent)
{
}

void NameListModel::Refresh()
{
    beginResetModel();
    endResetModel();
}

int NameListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_count());
}

QVariant NameListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() ||
        (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
        return {};
    return m_shown(m_nameAt(static_cast<std::size_t>(index.row())));
}

} // namespace pantrix
