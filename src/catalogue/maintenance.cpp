#include "catalogue/maintenance.h"

#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_view.h"
#include "lists/list_commands.h"
#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"

#include <unordered_set>

namespace pantrix {
namespace {

// Each category takes the non-blank items whose category matches it trimmed, in
// file order. A category with two records takes them once: taking them again
// would double them at every purge and report a negative count removed.
std::string ItemsGroupedByCategory(const RecordBlock& categories, const RecordBlock& items)
{
    std::string grouped;
    std::unordered_set<std::string_view> taken;
    ForEachCategoryWithItems(categories, items, CategoryMatch::Trimmed,
                             [&](std::string_view category, const std::vector<std::size_t>& filed) {
                                 if (!taken.insert(Trim(category)).second)
                                     return;
                                 for (const std::size_t i : filed)
                                     if (!Trim(ItemName(items.At(i))).empty())
                                         grouped += items.At(i);
                             });
    return grouped;
}

} // namespace

void PurgeOrphans(MainScreenState& s, Ui& ui)
{
    if (!Confirmed(ui,
                   Question("When you delete a category, the line items remain (but hidden from "
                            "view). (You may recover items lost this way by adding the same name "
                            "category back in.) This option, however, removes the orphan records "
                            "altogether (possibly improving program speed). Proceed?",
                            "Confirm")))
        return;
    long long before = 0;
    long long after = 0;
    {
        BusyPointer busy(ui);
        auto categories = CategoryFile(s).ReadAll();
        auto items = ItemFile(s).ReadAll();
        if (!categories || !items)
            return ShowFailure(ui, !categories ? categories.status() : items.status());
        const std::string purged = ItemsGroupedByCategory(categories.value(), items.value());
        if (Status written = ItemFile(s).ReplaceAll(purged); !written)
            return ShowFailure(ui, written);
        before = static_cast<long long>(items.value().Count());
        after = static_cast<long long>(purged.size() / kItemRecordLength);
        LoadItemList(s, ui);
        ClearEditBoxes(s);
    }
    ui.ShowMessage({std::to_string(before - after) + " items have been permanently removed." +
                        kCrLf + kCrLf + "Your item file contains " + std::to_string(after) +
                        " unique items.",
                    "Complete", MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok});
}

void ShowDataInformation(MainScreenState& s, Ui& ui)
{
    auto categories = CategoryFile(s).ReadAll();
    auto items = ItemFile(s).ReadAll();
    if (!categories || !items)
        return ShowFailure(ui, !categories ? categories.status() : items.status());
    ui.ShowMessage(Information(
        "You have " + std::to_string(categories.value().Count()) + " categories with a total of " +
            std::to_string(items.value().Count()) + " unique line items!" + kCrLf + kCrLf +
            "The data files are in folder " + ShownName(s.DataPath),
        "Your Pantrix Data..."));
}

} // namespace pantrix
