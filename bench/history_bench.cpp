// Find and Undo at the sizes a long-kept collection reaches: 1,000 categories,
// 100,000 line items and 2,000 recipes.
#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/category_commands.h"
#include "catalogue/find.h"
#include "catalogue/item_commands.h"
#include "history/history.h"
#include "platform/files.h"
#include "recipes/recipe_commands.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <benchmark/benchmark.h>

namespace pantrix {
namespace {

using testing::FakeUi;
using testing::TestFolder;

constexpr int kCategories = 1000;
constexpr int kItemsPerCategory = 100;
constexpr int kRecipes = 2000;

std::string CategoryName(int i)
{
    return "Category " + std::to_string((i * 7919) % kCategories);
}

// Items spread over the file as a user's additions would be; recipes with a
// few lines of text each.
struct Collection
{
    Collection()
    {
        std::string categories, items;
        for (int c = 0; c < kCategories; ++c)
            categories += CategoryRecord(CategoryName(c));
        for (int n = 0; n < kItemsPerCategory; ++n)
            for (int c = 0; c < kCategories; ++c)
                items += ItemRecord(CategoryName(c), "Item " + std::to_string(n) + " cr\xE8me");
        if (!ReplaceFile(folder.File("category.lst"), categories, Durability::Replaceable) ||
            !ReplaceFile(folder.File("std_item.lst"), items, Durability::Replaceable))
            std::abort();
        for (int r = 0; r < kRecipes; ++r) {
            const std::string name = "Main Dish - Recipe " + std::to_string(r);
            folder.Write(name + ".rcp", "Category 1\xB0 Item 1\r\n");
            folder.Write(name + ".txt", "Heat the oven. Mix the flour, the butter and the "
                                        "eggs; bake for forty minutes and let it cool.\r\n");
        }
        LoadCategoryList(s, ui);
        RefreshRecipeList(s, ui);
    }
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
};

// Opening Find reads the catalogue and every recipe once.
void FindSessionStart(benchmark::State& state)
{
    Collection c;
    for (auto _ : state)
        benchmark::DoNotOptimize(FindIndex(c.s, c.ui));
}
BENCHMARK(FindSessionStart)->Unit(benchmark::kMillisecond);

// One keystroke: the text typed so far, searched to the first 200 results. The
// last two find nothing, so they pass over everything.
void FindKeystroke(benchmark::State& state)
{
    Collection c;
    const FindIndex index(c.s, c.ui);
    const char* typed[] = {"i", "it", "item 4", "creme", "recipe 19", "oven", "zz", "no such"};
    std::size_t k = 0, found = 0;
    for (auto _ : state) {
        found += index.Search(typed[k++ % std::size(typed)]).size();
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(FindKeystroke)->Unit(benchmark::kMicrosecond);

// The worst catalogue step to take back: a rename of a category whose hundred
// items lie all over the item file, both files written together. Each
// iteration is one undo and one redo.
void UndoAndRedoCategoryRename(benchmark::State& state)
{
    Collection c;
    History history;
    SelectCategory(c.s, c.ui, 500);
    c.ui.AnswerInput("Renamed");
    history.Record(c.s, c.ui, StepKind::EditCategory, [&] { EditCategory(c.s, c.ui); });
    for (auto _ : state)
        if (!history.Undo(c.s, c.ui) || !history.Redo(c.s, c.ui))
            std::abort();
}
BENCHMARK(UndoAndRedoCategoryRename)->Unit(benchmark::kMillisecond);

// A hundred catalogue edits of every kind, and what the history keeps of them.
void HistoryOfAHundredCatalogueEdits(benchmark::State& state)
{
    for (auto _ : state) {
        Collection c;
        History history;
        for (int n = 0; n < 100; ++n) {
            SelectCategory(c.s, c.ui, static_cast<std::size_t>(n * 7 % kCategories));
            SelectItem(c.s, static_cast<std::size_t>(n % kItemsPerCategory));
            const auto record = [&](StepKind kind, auto command) {
                history.Record(c.s, c.ui, kind, [&] { command(c.s, c.ui); });
            };
            switch (n % 6) {
            case 0:
                c.ui.AnswerInput("New item " + std::to_string(n));
                record(StepKind::NewItem, NewItem);
                break;
            case 1:
                c.ui.AnswerMessage(MessageAnswer::Yes);
                record(StepKind::DeleteItem, DeleteItem);
                break;
            case 2:
                EditItem(c.s);
                c.ui.AnswerInput("Renamed item " + std::to_string(n));
                record(StepKind::ChangeItemName, ChangeItemName);
                break;
            case 3:
                c.ui.AnswerInput("Renamed category " + std::to_string(n));
                record(StepKind::EditCategory, EditCategory);
                break;
            case 4:
                c.ui.AnswerInput("New category " + std::to_string(n));
                record(StepKind::NewCategory, NewCategory);
                break;
            case 5:
                c.ui.AnswerMessage(MessageAnswer::Yes);
                c.ui.AnswerMessage(MessageAnswer::Yes);
                record(StepKind::DeleteCategory, DeleteCategory);
                break;
            }
        }
        state.counters["history_MB"] = static_cast<double>(history.MemoryUse()) / 1e6;
        state.counters["steps"] = 0;
        for (const Step* step = history.NextUndo(); step; step = history.NextUndo()) {
            state.counters["steps"] += 1;
            if (!history.Undo(c.s, c.ui))
                std::abort();
        }
    }
}
BENCHMARK(HistoryOfAHundredCatalogueEdits)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
} // namespace pantrix
