#include "app/todays_list_model.h"

#include "app/text_bridge.h"
#include "lists/entry_commands.h"

namespace pantrix {
namespace {

// A row shows at most this much of an entry, and a longer one ends in "...": an
// entry of any length then costs no more than a row's width to show.
constexpr std::size_t kShownLength = 250;

QString ShownText(const std::string& text)
{
    if (text.size() <= kShownLength)
        return ToQt(text);
    return ToQt(text.substr(0, kShownLength)) + QChar(0x2026);
}

} // namespace

TodaysListModel::TodaysListModel(MainScreenState& state, QObject* parent)
    : QAbstractListModel(parent), m_state(state)
{
}

void TodaysListModel::Refresh()
{
    beginResetModel();
    endResetModel();
}

int TodaysListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_state.List.Entries.size());
}

QVariant TodaysListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const ListEntry& entry = m_state.List.Entries[static_cast<std::size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole: return ShownText(entry.Text);
    case Qt::CheckStateRole: return entry.Checked ? Qt::Checked : Qt::Unchecked;
    default: return {};
    }
}

bool TodaysListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::CheckStateRole)
        return false;
    SetEntryChecked(m_state, static_cast<std::size_t>(index.row()),
                    value.value<Qt::CheckState>() == Qt::Checked);
    emit dataChanged(index, index, {Qt::CheckStateRole});
    return true;
}

Qt::ItemFlags TodaysListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

} // namespace pantrix
