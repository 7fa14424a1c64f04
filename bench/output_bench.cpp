// Laying out a Today's List of 10,000 entries for the clipboard and the printer.
#include "output/list_layout.h"

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

} // namespace
} // namespace pantrix
