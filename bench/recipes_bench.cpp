// The recipe collection at 2,000 recipes, and ingredients moved between a
// recipe and a Today's List of 10,000 entries.
#include "recipes/recipe_commands.h"
#include "recipes/recipe_files.h"
#include "state/main_screen_state.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"
#include "text/fields.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>

namespace pantrix {
namespace {

using testing::FakeUi;
using testing::TestFolder;

constexpr int kRecipes = 2000;
constexpr int kEntries = 10000;

std::string Entry(int i)
{
    return "Category " + std::to_string(i % 300) + "\xB0 Item " + std::to_string(i);
}

// Names with category prefixes in no particular order, as a user's collection
// grows; each recipe has both files.
void WriteCollection(const TestFolder& folder)
{
    const std::string text(2000, 'x');
    for (int i = 0; i < kRecipes; ++i) {
        const std::string name = "Main Dish - Recipe " + std::to_string((i * 7919) % kRecipes);
        folder.Write(name + ".rcp", Entry(i) + "\r\n" + Entry(i + 1) + "\r\n");
        folder.Write(name + ".txt", text);
    }
}

// Today's List of 10,000 entries, sorted as the list keeps them.
TodaysList LargeList()
{
    TodaysList list;
    list.Name = "My Pantrix";
    for (int i = 0; i < kEntries; ++i)
        list.Entries.push_back({Entry(2 * i), false});
    std::stable_sort(
        list.Entries.begin(), list.Entries.end(),
        [](const ListEntry& a, const ListEntry& b) { return LessNoCase(a.Text, b.Text); });
    return list;
}

void RefreshACollectionOf2000(benchmark::State& state)
{
    TestFolder folder;
    WriteCollection(folder);
    MainScreenState s = folder.State();
    FakeUi ui;
    for (auto _ : state) {
        RefreshRecipeList(s, ui);
        benchmark::DoNotOptimize(s.Recipes.Files.data());
    }
}
BENCHMARK(RefreshACollectionOf2000)->Unit(benchmark::kMillisecond);

void OpenARecipeOf2000(benchmark::State& state)
{
    TestFolder folder;
    WriteCollection(folder);
    MainScreenState s = folder.State();
    FakeUi ui;
    RefreshRecipeList(s, ui);
    std::size_t row = 0;
    for (auto _ : state) {
        OpenRecipe(s, ui, row);
        row = (row + 997) % kRecipes;
    }
}
BENCHMARK(OpenARecipeOf2000)->Unit(benchmark::kMicrosecond);

// Half the recipe's 10,000 lines are new to the list, spread over all of it.
void ReadMacIntoAListOf10000(benchmark::State& state)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
    std::string lines;
    for (int i = 0; i < kEntries; ++i)
        lines += Entry(i) + "\r\n";
    folder.Write("Soup.rcp", lines);
    const TodaysList list = LargeList();
    for (auto _ : state) {
        state.PauseTiming();
        s.List = list;
        state.ResumeTiming();
        ReadMac(s, ui, folder.File("Soup"));
    }
    if (s.List.Entries.size() != kEntries * 3 / 2)
        std::abort();
}
BENCHMARK(ReadMacIntoAListOf10000)->Unit(benchmark::kMillisecond);

// Writing includes syncing the file to disk, as every save of a recipe does.
void SaveMacOfAListOf10000(benchmark::State& state)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    s.List = LargeList();
    for (auto _ : state)
        if (!SaveMac(s, folder.File("Soup")))
            std::abort();
}
BENCHMARK(SaveMacOfAListOf10000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pantrix
