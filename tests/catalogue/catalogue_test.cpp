// The catalogue's lists, commands, import and export, maintenance and merges, as stories
// under tests/data/catalogue whose steps show what was told, the lists and the files.
#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/category_commands.h"
#include "catalogue/import_export.h"
#include "catalogue/item_commands.h"
#include "catalogue/maintenance.h"
#include "catalogue/merge.h"
#include "shell/start_up.h"
#include "support/data_folder.h"
#include "support/story.h"
#include "support/transcript.h"

#include <algorithm>

namespace pantrix {
namespace {

using namespace testing;

// Records from "Dairy|Produce" or, for items, "Dairy/Milk|Produce/Apples"; none from "".
std::string Records(const std::string& list, bool items = false)
{
    std::string records;
    for (const std::string& name : list.empty() ? std::vector<std::string>() : Fields(list)) {
        const std::string category = name.substr(0, name.find('/'));
        records +=
            items ? ItemRecord(category, name.substr(category.size() + 1)) : CategoryRecord(name);
    }
    return records;
}

class Catalogue : public StoryTest
{
protected:
    auto Shown(std::function<void(std::string)> step)
    {
        return [this, step](std::string argument) {
            step(std::move(argument));
            const CatalogueView& c = s.Catalogue;
            std::string view;
            for (const auto* list : {&c.CatList, &c.StdList}) {
                for (const std::string& name : *list)
                    view += "[" + name + "]";
                view += "\n";
            }
            view += "edit boxes [" + c.CatEdit + "] [" + c.StdEdit + "], clicked [" +
                    c.SelectedCategory + "] [" + c.SelectedItem + "]" +
                    (c.MoveBoxShowing ? ", editing [" + c.MoveEd + "]\n" : "\n");
            return TakeTranscript(ui, folder.Path()) + (c.CatList.empty() ? "" : view) +
                   Listing(folder.Path()) + "\n";
        };
    }
    auto Command(void (*command)(MainScreenState&, Ui&))
    {
        return Shown([this, command](auto) { command(s, ui); });
    }
};

TEST_P(Catalogue, Story)
{
    const auto row = [](const std::vector<std::string>& list, std::string name) {
        return std::size_t(std::ranges::find(list, CategoryRecord(name)) - list.begin());
    };
    Tell(
        "catalogue",
        {{"records", Quiet([&](auto a) { // "file|records", of items if the file's name says so
              const std::string file = a.substr(0, a.find('|'));
              folder.Write(file, Records(a.substr(file.size() + 1), file.starts_with("std_item")));
          })},
         {"pick", Shown([&](auto name) { SelectCategory(s, ui, row(s.Catalogue.CatList, name)); })},
         {"pick-item", Quiet([&](auto name) { SelectItem(s, row(s.Catalogue.StdList, name)); })},
         {"item-row", Shown([&](auto row) { SelectItem(s, std::stoul(row)); })},
         {"category-box", Quiet([&](auto text) { s.Catalogue.CatEdit = text; })},
         {"list-current", Quiet([&](auto row) { s.List.Current = std::stoul(row); })},
         {"list-current?",
          [&](auto) { return s.List.Current ? "current: one\n" : "current: none\n"; }},
         {"merge", Shown([&](auto mode) {
              MergeNewCatalogue(folder.Path(), ui,
                                mode == "imported" ? MergeMode::Import : MergeMode::StartUp);
          })},
         {"start-again",
          Shown([&](auto) { RemoveStaleTwins(folder.Path()), MergeDeliveredCatalogue(s, ui); })},
         {"LoadCategoryList", Command(LoadCategoryList)},
         {"LoadItemList", Command(LoadItemList)},
         {"NewCategory", Command(NewCategory)},
         {"EditCategory", Command(EditCategory)},
         {"DeleteCategory", Command(DeleteCategory)},
         {"NewItem", Command(NewItem)},
         {"EditItem", Command([](MainScreenState& s, Ui&) { EditItem(s); })},
         {"ChangeItemName", Command(ChangeItemName)},
         {"MoveItem", Command(MoveItem)},
         {"DeleteEditedItem", Command(DeleteEditedItem)},
         {"DeleteItem", Command(DeleteItem)},
         {"ExportCatalogue", Command(ExportCatalogue)},
         {"ImportCatalogue", Command(ImportCatalogue)},
         {"PurgeOrphans", Command(PurgeOrphans)},
         {"ShowDataInformation", Command(ShowDataInformation)}});
}

INSTANTIATE_TEST_SUITE_P(Catalogue, Catalogue, Stories("catalogue"), kStoryName);

} // namespace
} // namespace pantrix
