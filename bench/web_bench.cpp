// "Make Pages and Index for All Recipes" for 2,000 recipes, beside a plain write
// of the same bytes under the same names: the pages should take at most twice as
// long as the disk needs for them.
#include "recipes/recipe_commands.h"
#include "settings/settings_record.h"
#include "state/main_screen_state.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"
#include "web/web_commands.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <map>

namespace pantrix {
namespace {

using testing::FakeUi;
using testing::TestFolder;

constexpr int kRecipes = 2000;

std::string Ingredients(int i)
{
    std::string lines;
    for (int k = 0; k < 12; ++k)
        lines += "Category " + std::to_string((i + k / 3) % 40) + "\xB0 Item " +
                 std::to_string(i * 12 + k) + "\r\n";
    return lines;
}

// A collection of recipes with a page of text each, and pictures of the sizes
// installed with the program.
struct Collection
{
    TestFolder folder;
    MainScreenState s = folder.State();
    FakeUi ui;
    fs::path web = folder.File("web");

    Collection()
    {
        std::string text;
        for (int line = 0; line < 40; ++line)
            text += "Stir the pot and taste it, then add what it needs.\r\n";
        for (int i = 0; i < kRecipes; ++i) {
            const std::string name = "Main Dish - Recipe " + std::to_string((i * 7919) % kRecipes);
            folder.Write(name + ".rcp", Ingredients(i));
            folder.Write(name + ".txt", text);
        }
        fs::create_directory(folder.File("graphics"));
        for (const char* name :
             {"graphics/backsample.gif", "graphics/topsample.gif", "graphics/sidesample.gif"})
            folder.Write(name, "GIF89a" + std::string(4000, '\x55'));
        folder.Write("gofore.jpg", "\xFF\xD8\xFF" + std::string(2000, '\x55'));
        s.Settings = DefaultSettings(s.DataPath);
        RefreshRecipeList(s, ui);
        ui.SetDocumentProgram("/bin/true");
        fs::create_directory(web);
    }
    void MakeAll()
    {
        ui.AnswerFile(ChosenFile{web / "index.htm", "index.htm"});
        MakeAllPages(s, ui);
    }
};

// The first time, into an empty folder: every page is a new file.
void MakePagesAndIndexFor2000(benchmark::State& state)
{
    Collection c;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(c.web);
        fs::create_directory(c.web);
        state.ResumeTiming();
        c.MakeAll();
    }
}
BENCHMARK(MakePagesAndIndexFor2000)->Unit(benchmark::kMillisecond);

// Again after a change of style: every page is replaced.
void MakePagesAndIndexFor2000InANewStyle(benchmark::State& state)
{
    Collection c;
    c.MakeAll();
    int width = 640;
    for (auto _ : state) {
        c.s.Settings.PageWidth = std::to_string(width += 10);
        c.MakeAll();
    }
}
BENCHMARK(MakePagesAndIndexFor2000InANewStyle)->Unit(benchmark::kMillisecond);

// Again with nothing changed: pages that hold their bytes already stay.
void MakePagesAndIndexFor2000Again(benchmark::State& state)
{
    Collection c;
    c.MakeAll();
    for (auto _ : state)
        c.MakeAll();
}
BENCHMARK(MakePagesAndIndexFor2000Again)->Unit(benchmark::kMillisecond);

// The bytes the command leaves in the folder, file by file.
std::map<fs::path, std::string> PagesOf(Collection& c)
{
    c.MakeAll();
    std::map<fs::path, std::string> files;
    for (const auto& entry : fs::directory_iterator(c.web)) {
        std::ifstream in(entry.path(), std::ios::binary);
        files[entry.path()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

void WritePlainly(const std::map<fs::path, std::string>& files)
{
    for (const auto& [file, bytes] : files) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
}

// The same bytes under the same names with plain file streams, into an empty
// folder and over the files already there.
void PlainWriteOfTheSameBytes(benchmark::State& state)
{
    Collection c;
    const auto files = PagesOf(c);
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(c.web);
        fs::create_directory(c.web);
        state.ResumeTiming();
        WritePlainly(files);
    }
}
BENCHMARK(PlainWriteOfTheSameBytes)->Unit(benchmark::kMillisecond);

void PlainWriteOfTheSameBytesOverThem(benchmark::State& state)
{
    Collection c;
    const auto files = PagesOf(c);
    for (auto _ : state)
        WritePlainly(files);
}
BENCHMARK(PlainWriteOfTheSameBytesOverThem)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pantrix
