// Today's List as the window shows it: the entries with their check boxes. A
// tick by the user goes straight to the program's list.
#pragma once

#include "state/main_screen_state.h"

#include <QAbstractListModel>

namespace pantrix {

class TodaysListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    TodaysListModel(MainScreenState& state, QObject* parent);

    // The entries have changed; the view reads them again.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    MainScreenState& m_state;
};

} // namespace pantrix
