// Start-up and the category click over 1,000 categories and 100,000 line items,
// and the merge of a catalogue of that size.
#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/category_commands.h"
#include "catalogue/import_export.h"
#include "catalogue/maintenance.h"
#include "catalogue/merge.h"
#include "platform/files.h"
#include "shell/start_up.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <benchmark/benchmark.h>

namespace pantrix {
namespace {

using testing::FakeUi;
using testing::TestFolder;

constexpr int kCategories = 1000;
constexpr int kItemsPerCategory = 100;

std::string CategoryName(int i)
{
    return "Category " + std::to_string((i * 7919) % kCategories);
}

// Items are spread over the file as a user's additions would be, not grouped.
void WriteCatalogue(const TestFolder& folder, std::string_view itemFile, int variant)
{
    std::string categories;
    std::string items;
    items.reserve(kCategories * kItemsPerCategory * kItemRecordLength);
    for (int c = 0; c < kCategories; ++c)
        categories += CategoryRecord(CategoryName(c));
    for (int n = 0; n < kItemsPerCategory; ++n)
        for (int c = 0; c < kCategories; ++c)
            items += ItemRecord(CategoryName(c), "Item " + std::to_string(n * variant));
    if (!ReplaceFile(folder.File("category.lst"), categories, Durability::Replaceable) ||
        !ReplaceFile(folder.File(itemFile), items, Durability::Replaceable))
        std::abort();
}

void StartUpToFilledCategoryList(benchmark::State& state)
{
    TestFolder folder;
    WriteCatalogue(folder, "std_item.lst", 1);
    FakeUi ui;
    for (auto _ : state) {
        MainScreenState s = folder.State();
        LoadSettings(s, ui);
        SetHost(s);
        MergeDeliveredCatalogue(s, ui);
        FinishStartUp(s, ui);
        benchmark::DoNotOptimize(s.Catalogue.CatList.data());
    }
}
BENCHMARK(StartUpToFilledCategoryList)->Unit(benchmark::kMillisecond);

void CategoryClick(benchmark::State& state)
{
    TestFolder folder;
    WriteCatalogue(folder, "std_item.lst", 1);
    FakeUi ui;
    MainScreenState s = folder.State();
    LoadSettings(s, ui);
    FinishStartUp(s, ui);
    std::size_t row = 0;
    for (auto _ : state) {
        SelectCategory(s, ui, row);
        row = (row + 397) % s.Catalogue.CatList.size();
        benchmark::DoNotOptimize(s.Catalogue.StdList.data());
    }
}
BENCHMARK(CategoryClick)->Unit(benchmark::kMillisecond);

// 100,000 new item records against 100,000 present, half of them already there.
void MergeLargeCatalogue(benchmark::State& state)
{
    TestFolder folder;
    FakeUi ui;
    for (auto _ : state) {
        state.PauseTiming();
        WriteCatalogue(folder, "std_item.lst", 1);
        WriteCatalogue(folder, "std_item.new", 2);
        if (!ReplaceFile(folder.File("category.new"), "", Durability::Replaceable))
            std::abort();
        state.ResumeTiming();
        MergeNewCatalogue(folder.Path(), ui, MergeMode::Import);
    }
}
BENCHMARK(MergeLargeCatalogue)->Unit(benchmark::kMillisecond)->Iterations(5);

// The whole-file catalogue commands, each on a fresh catalogue of full size.
template <typename Command>
void OnFreshCatalogue(benchmark::State& state, Command command,
                      void (*prepare)(MainScreenState&, FakeUi&) = nullptr)
{
    TestFolder folder;
    for (auto _ : state) {
        state.PauseTiming();
        WriteCatalogue(folder, "std_item.lst", 1);
        FakeUi ui;
        MainScreenState s = folder.State();
        LoadCategoryList(s, ui);
        SelectCategory(s, ui, s.Catalogue.CatList.size() / 2);
        if (prepare)
            prepare(s, ui);
        state.ResumeTiming();
        command(s, ui);
    }
}

void RenameCategory(benchmark::State& state)
{
    OnFreshCatalogue(state, [](MainScreenState& s, FakeUi& ui) {
        ui.AnswerInput("Renamed category");
        EditCategory(s, ui);
    });
}
BENCHMARK(RenameCategory)->Unit(benchmark::kMillisecond)->Iterations(10);

void DeleteCategoryWithItems(benchmark::State& state)
{
    OnFreshCatalogue(state, [](MainScreenState& s, FakeUi& ui) {
        ui.AnswerMessage(MessageAnswer::Yes);
        ui.AnswerMessage(MessageAnswer::Yes);
        DeleteCategory(s, ui);
    });
}
BENCHMARK(DeleteCategoryWithItems)->Unit(benchmark::kMillisecond)->Iterations(10);

void PurgeLargeCatalogue(benchmark::State& state)
{
    OnFreshCatalogue(state, [](MainScreenState& s, FakeUi& ui) {
        ui.AnswerMessage(MessageAnswer::Yes);
        PurgeOrphans(s, ui);
    });
}
BENCHMARK(PurgeLargeCatalogue)->Unit(benchmark::kMillisecond)->Iterations(10);

void ExportLargeCatalogue(benchmark::State& state)
{
    OnFreshCatalogue(state, [](MainScreenState& s, FakeUi& ui) {
        ui.AnswerMessage(MessageAnswer::Yes);
        ExportCatalogue(s, ui);
    });
}
BENCHMARK(ExportLargeCatalogue)->Unit(benchmark::kMillisecond)->Iterations(10);

// The export imported again: 100,000 items, every one already there.
void ImportLargeCatalogue(benchmark::State& state)
{
    OnFreshCatalogue(
        state,
        [](MainScreenState& s, FakeUi& ui) {
            ui.AnswerMessage(MessageAnswer::Yes);
            ImportCatalogue(s, ui);
        },
        [](MainScreenState& s, FakeUi& ui) {
            ui.AnswerMessage(MessageAnswer::Yes);
            ExportCatalogue(s, ui);
            if (!MoveFile(s.DataFile("export.txt"), s.DataFile("import.txt")))
                std::abort();
        });
}
BENCHMARK(ImportLargeCatalogue)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace pantrix

BENCHMARK_MAIN();
