// A read-only list model over names the program holds, shown without copying
// them: only the rows on screen are converted.
#pragma once

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace pantrix {

class NameListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    NameListModel(const std::vector<std::string>& names, QObject* parent);

    // The names have changed; the views read them again.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const std::vector<std::string>& m_names;
};

} // namespace pantrix
