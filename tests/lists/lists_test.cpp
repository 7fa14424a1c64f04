// Today's List: its file, the entry commands, and switching, clearing and saving
// lists, as stories under tests/data/lists whose steps show the messages and
// dialogs, the list with its ticks and current entry, and the files.
#include "catalogue/catalogue_view.h"
#include "lists/entry_commands.h"
#include "lists/list_commands.h"
#include "lists/todays_list.h"
#include "support/data_folder.h"
#include "support/story.h"
#include "support/transcript.h"

namespace pantrix {
namespace {

using namespace testing;
using namespace std::string_literals;

// Dairy and Produce each hold Milk; the default list holds two entries.
class Lists : public StoryTest
{
protected:
    Lists()
    {
        folder.Write("category.lst", Categories({"Dairy", "Produce"}));
        folder.Write("std_item.lst", Items({{"Dairy", "Milk"}, {"Produce", "Milk"}}));
        folder.Write("My Pantrix.pxl", "*Dairy\xB0 Eggs\r\nproduce\xB0 Apples\r\n");
        LoadCategoryList(s, ui);
        OpenDefaultList(s, ui);
    }
    // Shows what a command left, a filled item edit box too; the dialogs start in the data folder.
    auto Shown(std::function<void(std::string)> command)
    {
        return [this, command](std::string argument) {
            command(std::move(argument));
            std::string shown = TakeTranscript(ui, folder.Path());
            for (std::size_t i = 0; i < s.List.Entries.size(); ++i)
                shown += (s.List.Current == i ? "> ["s : "  ["s) + " x"[s.List.Entries[i].Checked] +
                         "] " + OneLine(s.List.Entries[i].Text) + "|\n";
            shown += s.Catalogue.StdEdit.empty() ? "" : "edit box [" + s.Catalogue.StdEdit + "]\n";
            return Portable(shown + s.ListPanel + "\n" + Listing(folder.Path()) + "\n",
                            folder.Path());
        };
    }
};

TEST_P(Lists, Story)
{
    Tell("lists",
         {{"entry", Quiet([&](auto text) { s.List.Entries.push_back({text}); })},
          {"category", Quiet([&](auto row) { SelectCategory(s, ui, std::stoul(row)); })},
          {"item", Quiet([&](auto row) { SelectItem(s, std::stoul(row)); })},
          {"current", Quiet([&](auto row) { SelectEntry(s, std::stoul(row)); })},
          {"none-current", Quiet([&](auto) { s.List.Current.reset(); })},
          {"tick", Quiet([&](auto row) { SetEntryChecked(s, std::stoul(row), true); })},
          {"fresh", Quiet([&](auto) { s = folder.State(); })},
          {"center", Shown([&](auto text) { CenterOn(s.List, text); })},
          {"duplicate", [&](auto t) { return CheckForDuplicate(s.List, t) ? "yes\n"s : "no\n"s; }},
          {"name", [&](auto path) { return "[" + ListNameFromPath(path) + "]\n"; }},
          {"OpenDefaultList", Shown([&](auto) { OpenDefaultList(s, ui); })},
          {"WriteListFile", Shown([&](auto) { EXPECT_TRUE(WriteListFile(s)); })},
          {"AddFromCatalogue", Shown([&](auto) { AddFromCatalogue(s, ui); })},
          {"AddOneTimeItem", Shown([&](auto) { AddOneTimeItem(s, ui); })},
          {"ModifyCurrentEntry", Shown([&](auto) { ModifyCurrentEntry(s, ui); })},
          {"RemoveCurrentEntry", Shown([&](auto) { RemoveCurrentEntry(s); })},
          {"SelectList", Shown([&](auto) { SelectList(s, ui); })},
          {"ClearList", Shown([&](auto) { ClearList(s, ui); })},
          {"SaveListBeforeLeaving", [&, show = Shown([](auto) {})](auto a) {
               const std::string saved = std::to_string(SaveListBeforeLeaving(s, ui));
               return "saved: " + saved + "\n" + show(a);
           }}});
}

INSTANTIATE_TEST_SUITE_P(Lists, Lists, Stories("lists"), kStoryName);

} // namespace
} // namespace pantrix
