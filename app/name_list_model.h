// A read-only list model over names the program holds, shown without copying
// them: only the rows on screen are converted.
#pragma once

#include <QAbstractListModel>
#include <functional>
#include <string>
#include <vector>

namespace pantrix {

class NameListModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    using Count = std::function<std::size_t()>;
    using NameAt = std::function<const std::string&(std::size_t)>;
    using Shown = QString (*)(const std::string&);

    // `shown` converts a name for the screen: Windows-1252 catalogue names by
    // default, UTF-8 for file names.
    NameListModel(Count count, NameAt nameAt, QObject* parent, Shown shown = nullptr);
    NameListModel(const std::vector<std::string>& names, QObject* parent);

    // The names have changed; the views read them again.
    void Refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    Count m_count;
    NameAt m_nameAt;
    Shown m_shown;
};

} // namespace pantrix
