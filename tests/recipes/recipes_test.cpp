// The recipe collection as the user works it, told as stories under tests/data/recipes
// whose commands show what was said and asked, the open recipe, Today's List and every file.
#include "recipes/recipe_commands.h"
#include "recipes/recipe_files.h"
#include "support/data_folder.h"
#include "support/story.h"
#include "support/transcript.h"

namespace pantrix {
namespace {

using namespace testing;

class Recipes : public StoryTest
{
protected:
    Recipes() { s.List.Name = "My Pantrix"; }
    std::string Shown()
    {
        const RecipeView& r = s.Recipes;
        std::string told = TakeTranscript(ui, folder.Path()) + "open \"" + r.CurrentRecipe +
                           "\" as \"" + s.RecipePanel + "\" at row " +
                           (r.Selected ? std::to_string(*r.Selected) : "-") +
                           (r.RecipeChanged ? ", changed" : "") + (r.ClipNotesOn ? ", notes" : "") +
                           ": " + OneLine(r.EditorText) + "\nlisted:";
        for (const RecipeEntry& entry : r.Files)
            told += " " + entry.Name + "=" + entry.File.filename().string();
        told += "\nToday's List:";
        for (const ListEntry& entry : s.List.Entries)
            told += (entry.Checked ? " [x]" : " [ ]") + entry.Text;
        told += " (current " + (s.List.Current ? std::to_string(*s.List.Current) : "-") + ") " +
                s.ListPanel + "\n" + Listing(folder.Path());
        return told;
    }
    std::string Open(const std::string& shown)
    {
        RefreshRecipeList(s, ui);
        for (std::size_t row = 0; row < s.Recipes.Files.size(); ++row)
            if (s.Recipes.Files[row].Name == shown)
                return OpenRecipe(s, ui, row), Shown();
        return shown + " is not listed\n";
    }
    auto Command(void (*command)(MainScreenState&, Ui&))
    {
        return [this, command](auto) { return command(s, ui), Shown(); };
    }
};

TEST_P(Recipes, Story)
{
    Tell("recipes",
         {{"afresh", Quiet([&](auto) {
               for (const auto& entry : fs::directory_iterator(folder.Path()))
                   fs::remove_all(entry.path());
               s = folder.State(), s.List.Name = "My Pantrix";
           })},
          {"datafolder", Quiet([&](auto name) { s.DataFolder = folder.File(name); })},
          {"list", Quiet([&](auto entries) {
               s.List.Entries.clear();
               for (const std::string& entry : Fields(entries))
                   s.List.Entries.push_back({entry.substr(3), entry[1] == 'x'});
           })},
          {"current", Quiet([&](auto row) { s.List.Current = std::stoul(row); })},
          {"open", [&](auto shown) { return Open(shown); }},
          {"edit", Quiet([&](auto text) { EditRecipeText(s, text); })},
          {"new", Command(NewRecipe)},
          {"rename", Command(RenameRecipe)},
          {"delete", Command(DeleteRecipe)},
          {"get", Command(GetIngredientList)},
          {"save", Command(SaveIngredientList)},
          {"refresh", Command(RefreshRecipeList)},
          {"save-text",
           [&](auto) {
               return std::string(SaveChangedRecipeText(s, ui) ? "kept\n" : "not kept\n") +
                      (fs::exists(".txt") ? "a text file written where the program runs\n" : "");
           }},
          {"store-text",
           [&](auto) {
               return (StoreChangedRecipeText(s).ok() ? "stored\n" : "not stored\n") + Shown();
           }},
          {"plain-listing", [&](auto) {
               std::error_code error;
               return std::string(ListRecipes(folder.Path()) == s.Recipes.Files ? "agrees\n"
                                                                                : "differs\n") +
                      (ListRecipes(folder.File("missing"), error).empty() && error
                           ? "a missing folder fails\n"
                           : "");
           }}});
}

// A text read and saved unchanged is the same bytes, however often: the line break
// that ends the file is not taken into the text. A file made elsewhere keeps its
// text and ends in CR LF once saved.
TEST(RecipeText, ReadAndSavedUnchangedKeepsItsBytes)
{
    // Without bytes of its own to be saved as, a file is saved as it stands.
    const std::pair<std::string, std::string> fileAndSaved[] = {
        {"\r\n", ""}, // an emptied box
        {"Boil.\r\nServe hot.\r\n", ""},
        {"Boil.\r\n\r\n\r\n", ""}, // lines added by earlier saves stay
        {"350\xA0\xB0\x46\r\n", ""},
        {"", "\r\n"}, // made empty when first opened
        {"Boil.", "Boil.\r\n"},
        {"Boil.\n", "Boil.\r\n"},
        {"a\rb\r", "a\rb\r\n"},
        {"  Boil.  \r\n", "Boil.\r\n"},
    };
    for (const auto& [file, changed] : fileAndSaved) {
        const std::string& saved = changed.empty() ? file : changed;
        EXPECT_EQ(FormatRecipeText(ParseRecipeText(file)), saved) << OneLine(file);
        EXPECT_EQ(FormatRecipeText(ParseRecipeText(saved)), saved) << OneLine(file);
    }
}

INSTANTIATE_TEST_SUITE_P(Recipes, Recipes, Stories("recipes"), kStoryName);

} // namespace
} // namespace pantrix
