#include "catalogue/item_commands.h"

#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_view.h"
#include "lists/list_commands.h"
#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"

namespace pantrix {
namespace {

const std::string kLengthNote = kCrLf + kCrLf + "(maximum length of item limited to 30 characters)";

// Replaces the item file by `records` when there are new records; the frame
// closes and the line items are shown again either way.
void FinishItemEdit(MainScreenState& s, Ui& ui, const std::optional<std::string>& records)
{
    if (records)
        if (Status written = ItemFile(s).ReplaceAll(*records); !written)
            ShowFailure(ui, written);
    s.Catalogue.MoveBoxShowing = false;
    LoadItemList(s, ui);
}

} // namespace

void NewItem(MainScreenState& s, Ui& ui)
{
    if (s.Catalogue.CatEdit.empty()) {
        ui.ShowMessage(
            Information("Please pick a category, then add an item to it.", "Nothing to do!"));
        return;
    }
    const std::string answer = FromUtf8(
        ui.InputBox("New item for category: " + ToUtf8(CategoryRecord(s.Catalogue.CatEdit)) +
                        kLengthNote,
                    "New item", "", kNameWidth));
    if (Trim(answer).empty())
        return;
    const std::string record = ItemRecord(s.Catalogue.CatEdit, answer);
    s.Catalogue.StdEdit.clear();
    s.List.Current.reset();
    auto items = ItemFile(s).ReadAll();
    if (!items)
        return ShowFailure(ui, items.status());
    bool duplicate = false;
    for (std::size_t i = 0; i < items.value().Count() && !duplicate; ++i)
        duplicate = items.value().At(i) == record;
    if (!duplicate)
        if (Status added = ItemFile(s).Append(record); !added)
            ShowFailure(ui, added);
    LoadItemList(s, ui);
    ClearEditBoxes(s);
}

void EditItem(MainScreenState& s)
{
    const CatalogueView& c = s.Catalogue;
    if (!c.StdListCurrent || Trim(c.StdList[*c.StdListCurrent]).empty())
        return;
    s.Catalogue.MoveEd = std::string(Trim(c.StdList[*c.StdListCurrent]));
    s.Catalogue.MoveBoxShowing = true;
}

void ChangeItemName(MainScreenState& s, Ui& ui)
{
    const std::string oldName(Trim(s.Catalogue.StdEdit));
    const std::string answer = FromUtf8(ui.InputBox("Change item name..." + kLengthNote,
                                                    "Change Name", ToUtf8(oldName), kNameWidth));
    if (answer.empty())
        return;
    auto items = ItemFile(s).ReadAll();
    if (!items)
        return ShowFailure(ui, items.status());
    const std::string category = CategoryRecord(s.Catalogue.SelectedCategory);
    FinishItemEdit(s, ui,
                   ChangeFirstRecord(
                       items.value(),
                       [&](std::string_view record) {
                           return Trim(ItemName(record)) == oldName &&
                                  ItemCategory(record) == category;
                       },
                       [&](std::string_view record) {
                           return ItemRecord(ItemCategory(record), Trim(answer));
                       }));
}

void MoveItem(MainScreenState& s, Ui& ui)
{
    if (!s.Catalogue.MoveBoxShowing)
        return;
    auto items = ItemFile(s).ReadAll();
    if (!items)
        return ShowFailure(ui, items.status());
    const std::string& moved = s.Catalogue.MoveEd;
    FinishItemEdit(s, ui,
                   ChangeFirstRecord(
                       items.value(),
                       [&](std::string_view record) { return Trim(ItemName(record)) == moved; },
                       [&](std::string_view record) {
                           return ItemRecord(s.Catalogue.CatEdit, ItemName(record));
                       }));
}

void DeleteItem(MainScreenState& s, Ui& ui)
{
    if (Trim(s.Catalogue.StdEdit).empty()) {
        ui.ShowMessage(
            Information("Please pick an item (on the left) to delete.", "Nothing to do!"));
        return;
    }
    if (!Confirmed(ui, Question("Delete Item: " + ToUtf8(Trim(s.Catalogue.CatEdit)) + " " +
                                    ToUtf8(Trim(s.Catalogue.StdEdit)) + " ?",
                                "Confirm")))
        return;
    auto items = ItemFile(s).ReadAll();
    if (!items)
        return ShowFailure(ui, items.status());
    const std::string_view category = Trim(s.Catalogue.SelectedCategory);
    const std::string_view item = Trim(s.Catalogue.SelectedItem);
    const std::string kept = KeepRecords(items.value(), [&](std::string_view record) {
        return !(Trim(ItemCategory(record)) == category && Trim(ItemName(record)) == item);
    });
    if (Status written = ItemFile(s).ReplaceAll(kept); !written)
        return ShowFailure(ui, written);
    LoadItemList(s, ui);
    ClearEditBoxes(s);
}

void DeleteEditedItem(MainScreenState& s, Ui& ui)
{
    DeleteItem(s, ui);
    s.Catalogue.MoveBoxShowing = false;
}

void CancelItemEdit(MainScreenState& s)
{
    s.Catalogue.MoveBoxShowing = false;
}

} // namespace pantrix
