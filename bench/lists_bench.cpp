// Today's List at 10,000 entries: the gestures that change it and its file.
#include "lists/entry_commands.h"
#include "lists/list_commands.h"
#include "lists/list_file.h"
#include "state/main_screen_state.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include "text/fields.h"

#include <algorithm>
#include <benchmark/benchmark.h>

namespace pantrix {
namespace {

using testing::FakeUi;
using testing::TestFolder;

constexpr int kEntries = 10000;

TodaysList LargeList()
{
    TodaysList list;
    for (int i = 0; i < kEntries; ++i)
        list.Entries.push_back({"Category " + std::to_string(i % 300) + "\xB0 Item " +
                                    std::to_string(i) + std::string(20, ' '),
                                i % 3 == 0});
    std::stable_sort(
        list.Entries.begin(), list.Entries.end(),
        [](const ListEntry& a, const ListEntry& b) { return LessNoCase(a.Text, b.Text); });
    list.Name = "My Pantrix";
    return list;
}

void AddFromCatalogueToALargeList(benchmark::State& state)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
    s.List = LargeList();
    s.Catalogue.CatEdit = "Category 150";
    s.Catalogue.StdList = {"New item                      "};
    s.Catalogue.StdListCurrent = 0;
    for (auto _ : state) {
        AddFromCatalogue(s, ui);
        state.PauseTiming();
        RemoveCurrentEntry(s); // back to 10,000 entries
        s.Catalogue.StdListCurrent = 0;
        state.ResumeTiming();
    }
}
BENCHMARK(AddFromCatalogueToALargeList)->Unit(benchmark::kMicrosecond);

void RemoveFromALargeList(benchmark::State& state)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    s.List = LargeList();
    for (auto _ : state) {
        SelectEntry(s, kEntries / 2);
        const ListEntry removed = s.List.Entries[kEntries / 2];
        RemoveCurrentEntry(s);
        state.PauseTiming();
        InsertSorted(s.List, removed);
        state.ResumeTiming();
    }
}
BENCHMARK(RemoveFromALargeList)->Unit(benchmark::kMicrosecond);

void ModifyInALargeList(benchmark::State& state)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
    s.List = LargeList();
    for (auto _ : state) {
        state.PauseTiming();
        ui.AnswerInput("Category 7\xB0 Changed item");
        SelectEntry(s, kEntries / 3);
        state.ResumeTiming();
        ModifyCurrentEntry(s, ui);
    }
}
BENCHMARK(ModifyInALargeList)->Unit(benchmark::kMicrosecond);

void ReadALargeListFile(benchmark::State& state)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
    s.List = LargeList();
    s.List.File = folder.File("My Pantrix.pxl");
    if (!WriteListFile(s))
        std::abort();
    for (auto _ : state) {
        OpenDefaultList(s, ui);
        benchmark::DoNotOptimize(s.List.Entries.data());
    }
}
BENCHMARK(ReadALargeListFile)->Unit(benchmark::kMillisecond);

// Writing includes syncing the file to disk, as every save of the list does.
void WriteALargeListFile(benchmark::State& state)
{
    TestFolder folder;
    MainScreenState s = folder.State();
    s.List = LargeList();
    s.List.File = folder.File("My Pantrix.pxl");
    for (auto _ : state)
        if (!WriteListFile(s))
            std::abort();
}
BENCHMARK(WriteALargeListFile)->Unit(benchmark::kMillisecond);

void FormatALargeList(benchmark::State& state)
{
    const TodaysList list = LargeList();
    for (auto _ : state)
        benchmark::DoNotOptimize(FormatListFile(list.Entries));
}
BENCHMARK(FormatALargeList)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pantrix
