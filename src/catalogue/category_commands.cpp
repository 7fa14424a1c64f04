#include "catalogue/category_commands.h"

#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_view.h"
#include "lists/list_commands.h"
#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"

#include <algorithm>

namespace pantrix {
namespace {

const std::string kLengthNote =
    kCrLf + kCrLf + "(maximum length of category limited to 30 characters)";

// An all-space category is a category like any other: only an empty edit box
// means that none is picked.
bool CategoryPicked(const MainScreenState& s, Ui& ui, const char* nothingToDo)
{
    if (!s.Catalogue.CatEdit.empty())
        return true;
    ui.ShowMessage(Information(nothingToDo, "Nothing to do!"));
    return false;
}

void ShowNoCategory(MainScreenState& s)
{
    s.Catalogue.StdList.clear();
    s.Catalogue.StdListCurrent.reset();
    ClearEditBoxes(s);
}

} // namespace

void NewCategory(MainScreenState& s, Ui& ui)
{
    const std::string answer =
        FromUtf8(ui.InputBox("New category name..." + kLengthNote, "New Category", "", kNameWidth));
    if (answer.empty())
        return;
    auto categories = CategoryFile(s).ReadAll();
    if (!categories)
        return ShowFailure(ui, categories.status());
    const std::string wanted = UpperCase(Trim(answer));
    bool exists = false;
    for (std::size_t i = 0; i < categories.value().Count(); ++i)
        exists = exists || UpperCase(Trim(categories.value().At(i))) == wanted;
    if (!exists)
        if (Status added = CategoryFile(s).Append(CategoryRecord(answer)); !added)
            ShowFailure(ui, added);
    LoadCategoryList(s, ui);
}

void EditCategory(MainScreenState& s, Ui& ui)
{
    if (!CategoryPicked(s, ui, "Please pick a category to edit."))
        return;
    const std::string answer =
        FromUtf8(ui.InputBox("Change category name..." + kLengthNote, "New Category",
                             ToUtf8(s.Catalogue.CatEdit), kNameWidth));
    if (answer.empty())
        return;
    auto categories = CategoryFile(s).ReadAll();
    auto items = ItemFile(s).ReadAll();
    if (!categories || !items)
        return ShowFailure(ui, !categories ? categories.status() : items.status());
    const std::string oldName = s.Catalogue.SelectedCategory;
    const std::string newName = CategoryRecord(answer);
    const auto isOld = [&oldName](std::string_view name) { return TrimmedEqual(name, oldName); };
    const std::string newCategories =
        ChangeFirstRecord(categories.value(), isOld, [&](std::string_view) {
            return newName;
        }).value_or(std::string(categories.value().WholeRecords()));
    std::string newItems(items.value().WholeRecords());
    for (std::size_t i = 0; i < items.value().Count(); ++i)
        if (isOld(ItemCategory(items.value().At(i))))
            newItems.replace(i * kItemRecordLength, kNameWidth, newName);
    const Status written = ReplaceCatalogue(s, newItems, newCategories);
    if (!written.durable())
        ShowFailure(ui, written); // when written, it says the change may not survive a power cut
    if (!written)
        return;
    s.Catalogue.CatEdit = newName;
    s.Catalogue.SelectedCategory = newName;
    ShowNoCategory(s);
    LoadCategoryList(s, ui);
}

void DeleteCategory(MainScreenState& s, Ui& ui)
{
    if (!CategoryPicked(s, ui, "Please pick a category to delete."))
        return;
    const std::string name = ToUtf8(Trim(s.Catalogue.CatEdit));
    if (!Confirmed(ui, Question("Delete Category: " + name + " ?", "Confirm")))
        return;
    const Message second{
        "Are you sure you want to delete category: " + name + " ?" + kCrLf + kCrLf +
            "If you do, you will not be able to see any of the line items for "
            "the category anymore!",
        "Confirm", MessageIcon::Exclamation, MessageButtons::YesNo, MessageAnswer::No};
    if (!Confirmed(ui, second))
        return;
    auto categories = CategoryFile(s).ReadAll();
    if (!categories)
        return ShowFailure(ui, categories.status());
    const std::string kept = KeepRecords(
        categories.value(), [&name](std::string_view record) { return Trim(record) != name; });
    if (Status written = CategoryFile(s).ReplaceAll(kept); !written)
        return ShowFailure(ui, written);
    s.Catalogue.CatEdit.clear();
    ShowNoCategory(s);
    LoadCategoryList(s, ui);
}

} // namespace pantrix
