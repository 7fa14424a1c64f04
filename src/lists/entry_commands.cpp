#include "lists/entry_commands.h"

#include "lists/list_commands.h"
#include "lists/todays_list.h"
#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "text/cp1252.h"

namespace pantrix {
namespace {

// A one-time item keeps 30 characters; a changed entry keeps a category, the
// marker and its space, and an item.
constexpr std::size_t kOneTimeItemWidth = 30;
constexpr std::size_t kModifiedEntryWidth = 62;

} // namespace

void AddFromCatalogue(MainScreenState& s, Ui&)
{
    const CatalogueView& catalogue = s.Catalogue;
    // With neither a category nor an item there is nothing to build an entry from.
    if (catalogue.CatEdit.empty() && !catalogue.StdListCurrent)
        return;
    const std::string item =
        catalogue.StdListCurrent ? catalogue.StdList[*catalogue.StdListCurrent] : std::string();
    const std::string text = CatalogueEntryText(catalogue.CatEdit, item);
    if (!CheckForDuplicate(s.List, text))
        InsertSorted(s.List, {text, false});
    RefreshListCount(s);
    CenterOn(s.List, text);
    ClearEditBoxes(s);
}

void AddOneTimeItem(MainScreenState& s, Ui& ui)
{
    const std::string answer = FromUtf8(
        ui.InputBox("Special item...\r\n\r\n(maximum length of item limited to 30 characters)",
                    "One-time item", "", kOneTimeItemWidth));
    if (answer.empty())
        return;
    const std::string text = OneTimeEntryText(answer);
    InsertSorted(s.List, {text, false});
    RefreshListCount(s);
    CenterOn(s.List, text);
}

void RemoveCurrentEntry(MainScreenState& s)
{
    auto& list = s.List;
    if (!list.Current || *list.Current >= list.Entries.size())
        return;
    list.Entries.erase(list.Entries.begin() + static_cast<std::ptrdiff_t>(*list.Current));
    list.Current.reset();
    RefreshListCount(s);
    ClearEditBoxes(s);
}

void ModifyCurrentEntry(MainScreenState& s, Ui& ui)
{
    auto& list = s.List;
    if (!list.Current || *list.Current >= list.Entries.size())
        return;
    const std::string answer =
        FromUtf8(ui.InputBox("Modify item...", "Make changes",
                             ToUtf8(list.Entries[*list.Current].Text), kModifiedEntryWidth));
    if (answer.empty())
        return;
    list.Entries.erase(list.Entries.begin() + static_cast<std::ptrdiff_t>(*list.Current));
    list.Current = InsertSorted(list, {answer.substr(0, kModifiedEntryWidth), false});
    RefreshListCount(s);
}

void SelectEntry(MainScreenState& s, std::size_t row)
{
    if (row < s.List.Entries.size())
        s.List.Current = row;
}

void SetEntryChecked(MainScreenState& s, std::size_t row, bool checked)
{
    if (row < s.List.Entries.size())
        s.List.Entries[row].Checked = checked;
}

} // namespace pantrix
