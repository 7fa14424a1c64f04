#include "lists/todays_list.h"

#include "text/fields.h"

#include <algorithm>

namespace pantrix {

std::string CatalogueEntryText(std::string_view category, std::string_view item)
{
    std::string text(Trim(category));
    text += kCategoryMarker;
    text += ' ';
    text += item;
    return text;
}

std::string OneTimeEntryText(std::string_view item)
{
    std::string text = "special";
    text += kCategoryMarker;
    text += ' ';
    text += item.substr(0, 30);
    return text;
}

std::size_t InsertSorted(TodaysList& list, ListEntry entry)
{
    const auto place = std::upper_bound(
        list.Entries.begin(), list.Entries.end(), entry.Text,
        [](const std::string& text, const ListEntry& e) { return LessNoCase(text, e.Text); });
    const auto index = static_cast<std::size_t>(place - list.Entries.begin());
    list.Entries.insert(place, std::move(entry));
    return index;
}

bool CheckForDuplicate(const TodaysList& list, std::string_view text)
{
    const std::string_view wanted = Trim(text);
    return std::any_of(list.Entries.begin(), list.Entries.end(),
                       [wanted](const ListEntry& e) { return Trim(e.Text) == wanted; });
}

void CenterOn(TodaysList& list, std::string_view text)
{
    if (list.Entries.empty())
        return;
    const std::string_view wanted = Trim(text);
    const auto found =
        std::find_if(list.Entries.begin(), list.Entries.end(),
                     [wanted](const ListEntry& e) { return Trim(e.Text) == wanted; });
    list.Current = found == list.Entries.end()
                       ? list.Entries.size() - 1
                       : static_cast<std::size_t>(found - list.Entries.begin());
}

std::string ListCountText(const TodaysList& list)
{
    return std::to_string(list.Entries.size()) + " Items listed for: " + list.Name;
}

std::string ListNameFromPath(std::string_view path)
{
    std::string_view name = path.substr(0, path.size() >= 4 ? path.size() - 4 : 0);
    const auto slash = name.find_last_of("/\\");
    if (slash != std::string_view::npos)
        name.remove_prefix(slash + 1);
    return std::string(name);
}

} // namespace pantrix
