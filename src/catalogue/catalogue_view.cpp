#include "catalogue/catalogue_view.h"

#include "catalogue/catalogue_records.h"
#include "platform/record_file.h"
#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "text/fields.h"

#include <algorithm>

namespace pantrix {
namespace {

void SortForDisplay(std::vector<std::string>& names)
{
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
}

} // namespace

void LoadCategoryList(MainScreenState& s, Ui& ui)
{
    auto& list = s.Catalogue.CatList;
    list.clear();
    auto block = RecordFile(s.DataFile(kCategoryFile), kCategoryRecordLength).ReadAll();
    if (!block)
        return ShowFailure(ui, block.status());
    list.reserve(block.value().Count());
    for (std::size_t i = 0; i < block.value().Count(); ++i)
        list.emplace_back(block.value().At(i));
    SortForDisplay(list);
}

void LoadItemList(MainScreenState& s, Ui& ui)
{
    if (s.Catalogue.CatEdit.empty())
        return;
    auto& list = s.Catalogue.StdList;
    list.clear();
    s.Catalogue.StdListCurrent.reset();
    auto block = RecordFile(s.DataFile(kItemFile), kItemRecordLength).ReadAll();
    if (!block)
        return ShowFailure(ui, block.status());
    const std::string category = CategoryRecord(s.Catalogue.CatEdit);
    for (std::size_t i = 0; i < block.value().Count(); ++i) {
        const auto record = block.value().At(i);
        if (ItemCategory(record) == category)
            list.emplace_back(ItemName(record));
    }
    SortForDisplay(list);
}

void SelectCategory(MainScreenState& s, Ui& ui, std::size_t row)
{
    if (row >= s.Catalogue.CatList.size())
        return;
    s.Catalogue.SelectedCategory = s.Catalogue.CatList[row];
    s.Catalogue.CatEdit = s.Catalogue.SelectedCategory;
    LoadItemList(s, ui);
}

void SelectItem(MainScreenState& s, std::size_t row)
{
    if (row >= s.Catalogue.StdList.size())
        return;
    s.Catalogue.StdListCurrent = row;
    s.Catalogue.SelectedItem = s.Catalogue.StdList[row];
    s.Catalogue.StdEdit = s.Catalogue.SelectedItem;
}

} // namespace pantrix
