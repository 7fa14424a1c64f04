// Laying out a Today's List of 10,000 entries for the clipboard and the printer,
// and printing a recipe text of 100 KB.
#include "output/list_layout.h"
#include "output/simple_print.h"
#include "support/fake_ui.h"

#include <benchmark/benchmark.h>

namespace pantrix {
namespace {

std::vector<ListEntry> LargeList()
{
    std::vector<ListEntry> entries;
    for (int i = 0; i < 10000; ++i)
        entries.push_back({"Category " + std::to_string(i / 40) + "\xB0 Item " + std::to_string(i) +
                               std::string(20, ' '),
                           i % 4 == 0});
    return entries;
}

void LayOutOneColumn(benchmark::State& state)
{
    const auto entries = LargeList();
    for (auto _ : state)
        benchmark::DoNotOptimize(LayoutText("My Pantrix", {2026, 12, 6}, entries, Columns::One));
}
BENCHMARK(LayOutOneColumn)->Unit(benchmark::kMillisecond);

void LayOutTwoColumns(benchmark::State& state)
{
    const auto entries = LargeList();
    for (auto _ : state)
        benchmark::DoNotOptimize(LayoutText("My Pantrix", {2026, 12, 6}, entries, Columns::Two));
}
BENCHMARK(LayOutTwoColumns)->Unit(benchmark::kMillisecond);

// Paragraphs of wrapped sentences, as a long recipe has them, over many pages.
void PrintRecipeText(benchmark::State& state)
{
    std::string text;
    while (text.size() < 100 * 1024)
        text += "Stir the sauce slowly over a low heat until it thickens, then season it. "
                "Add the herbs and simmer for ten more minutes.\r\n\r\n";
    for (auto _ : state) {
        testing::FakeUi ui;
        benchmark::DoNotOptimize(SimplePrint(ui, text, 2, 5, 70, 63));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(PrintRecipeText)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pantrix
