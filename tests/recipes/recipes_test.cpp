// The recipe collection as the user works it. After each step the golden file
// holds what was said and asked, the open recipe, Today's List and every file.
#include "recipes/recipe_commands.h"
#include "recipes/recipe_files.h"
#include "support/data_folder.h"
#include "support/golden.h"
#include "support/transcript.h"

namespace pantrix {
namespace {

using namespace testing;
using Command = void (*)(MainScreenState&, Ui&);

const std::string kMilk = "Dairy\xB0 Milk";
const std::string kApples = "Produce\xB0 Apples";

class Recipes : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override { s.List.Name = "My Pantrix"; }
    void TearDown() override { ExpectGolden(told, "recipes/" + Name() + ".txt"); }
    static std::string Name()
    {
        return ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    // A recipe made earlier; without a text its text file is missing.
    void Recipe(const std::string& name, std::string_view ingredients = "",
                std::optional<std::string_view> text = std::nullopt)
    {
        folder.Write(name + ".rcp", ingredients);
        if (text)
            folder.Write(name + ".txt", *text);
    }
    void Open(std::string_view shown)
    {
        RefreshRecipeList(s, ui);
        for (std::size_t row = 0; row < s.Recipes.Files.size(); ++row)
            if (s.Recipes.Files[row].Name == shown)
                return OpenRecipe(s, ui, row);
        FAIL() << shown << " is not listed";
    }
    void Run(Command command, auto answer)
    {
        if constexpr (std::is_same_v<decltype(answer), MessageAnswer>)
            ui.AnswerMessage(answer);
        else
            ui.AnswerInput(answer);
        command(s, ui);
    }
    void Step(std::string_view name)
    {
        const RecipeView& r = s.Recipes;
        told += "== " + std::string(name) + "\n" + TakeTranscript(ui, folder.Path());
        told += "open \"" + r.CurrentRecipe + "\" as \"" + s.RecipePanel + "\" at row " +
                (r.Selected ? std::to_string(*r.Selected) : "-") +
                (r.RecipeChanged ? ", changed" : "") + (r.ClipNotesOn ? ", notes" : "") + ": " +
                OneLine(r.EditorText) + "\nlisted:";
        for (const RecipeEntry& entry : r.Files)
            told += " " + entry.Name + "=" + entry.File.filename().string();
        told += "\nToday's List:";
        for (const ListEntry& entry : s.List.Entries)
            told += (entry.Checked ? " [x]" : " [ ]") + entry.Text;
        told += " (current " + (s.List.Current ? std::to_string(*s.List.Current) : "-") + ") " +
                s.ListPanel + "\n" + Listing(folder.Path());
    }
    void StartAfresh()
    {
        for (const auto& entry : fs::directory_iterator(folder.Path()))
            fs::remove_all(entry.path());
        s = folder.State();
        s.List.Name = "My Pantrix";
    }
    std::string told;
};

TEST_F(Recipes, OpeningReadsTheTextWholeAndSavesTheChangedTextFirst)
{
    Recipe("Apple", "", "Peel\r\n");
    Recipe("Soup", "", std::string("a\rb\n\0\xFF\r\n", 8)); // lone CR and LF, binary bytes
    Open("Soup");
    Step("open Soup");
    EditRecipeText(s, "  Stir\r\n  well  ");
    Open("Apple");
    Step("change the text, open Apple");
}

TEST_F(Recipes, TextTypedWithNoRecipeOpenReplacesARecipesOwnTextOnlyIfAgreed)
{
    for (const auto& [own, answer] : {std::pair{std::optional<std::string>(), MessageAnswer::Ok},
                                      {" \r\n", MessageAnswer::Ok},
                                      {"Own\r\n", MessageAnswer::Yes},
                                      {"Own\r\n", MessageAnswer::No}}) {
        StartAfresh();
        Recipe("Apple");
        Recipe("Soup", "", own);
        EditRecipeText(s, "Typed");
        EXPECT_TRUE(SaveChangedRecipeText(s, ui)); // kept in memory
        EXPECT_FALSE(fs::exists(".txt"));
        if (answer != MessageAnswer::Ok)
            ui.AnswerMessage(answer);
        Open("Soup");
        Step("type, open Soup whose text is " + OneLine(own.value_or("missing")));
    }
    StartAfresh();
    Recipe("Apple", "", "Own\r\n");
    EditRecipeText(s, "Typed");
    Run(NewRecipe, "Bread");
    Step("type, make Bread: nothing to replace, no question");
}

TEST_F(Recipes, ANewRecipeTakesTodaysListAndIsOpenedByWalkingTheListToIt)
{
    Recipe("Apple pie");
    Recipe("Cake");
    Recipe("Zucchini", "", "Old\r\n");
    Open("Zucchini");
    EditRecipeText(s, "New text");
    s.List.Entries = {{"  " + kMilk + " ", false}, {"   ", false}, {kApples, true}};
    Run(NewRecipe, "  Bread  ");
    Step("make Bread with Zucchini's text changed");
    Run(NewRecipe, "");
    Run(NewRecipe, "   ");
    Step("no name");
}

TEST_F(Recipes, ANewNameThatExistsOrCannotBeAFileNameChangesNoFile)
{
    for (const std::string& typed : {std::string(" . "), std::string(".."), std::string(244, 'x'),
                                     std::string(122, '\xE9'), std::string("Soup")}) {
        StartAfresh();
        Recipe("Soup", kMilk, "Own");
        s.List.Entries = {{kApples, false}};
        Run(NewRecipe, typed);
        Step("make " + typed);
    }
    Run(NewRecipe, std::string(243, 'x'));
    Step("the longest name that fits");
}

TEST_F(Recipes, WritesThatFailAreReportedOnceAndLoseNothing)
{
    for (const char* dataFolder : {"", "gone"}) {
        StartAfresh();
        fs::create_directory(folder.File("Soup.rcp"));
        if (*dataFolder)
            s.DataFolder = folder.File(dataFolder);
        Run(NewRecipe, "Soup");
        Step(std::string("make Soup where a folder has its name; data folder ") + dataFolder);
    }
    StartAfresh();
    Recipe("Apple");
    Recipe("Stew");
    fs::create_directory(folder.File("Stew.txt"));
    Open("Stew");
    EditRecipeText(s, "Stir");
    Open("Apple");
    EXPECT_FALSE(SaveChangedRecipeText(s, ui) || StoreChangedRecipeText(s));
    Step("Stew's text cannot be written: it stays open and changed");
    fs::remove(folder.File("Stew.rcp"));
    fs::create_directories(folder.File("Stew.rcp/inside"));
    Run(DeleteRecipe, MessageAnswer::Yes);
    Step("delete Stew, which cannot be removed");
}

TEST_F(Recipes, NamesAreMadeSafeAndFileNamesOutsideTheCodePageKeepTheirBytes)
{
    Run(NewRecipe, " a*b/c\\d|e:f<g>h?i\"j ");
    Run(RenameRecipe, "Cr\350me br\373l\351e");
    Step("make, then rename to a name with accents");
    folder.Write("Список.rcp", kMilk);
    Open("??????");
    Run(RenameRecipe, "Borscht");
    folder.Write("Ωμέγα.rcp", "");
    Open("?????");
    Run(DeleteRecipe, MessageAnswer::Yes);
    Step("rename one and delete another named outside the code page");
}

TEST_F(Recipes, RenamingMovesBothFilesUnlessTheNameIsTheSameOrTaken)
{
    Recipe("Soup", kMilk, "S");
    Recipe("Stew", "", "T");
    folder.Write("Notes.txt", "N");
    Open("Soup");
    for (const char* typed : {"", "   ", " Soup", "Stew", "Notes"}) {
        Run(RenameRecipe, typed);
        Step(std::string("rename to \"") + typed + "\"");
    }
    fs::remove(folder.File("Soup.txt"));
    EditRecipeText(s, "Stir");
    Run(RenameRecipe, "Broth");
    Step("rename to Broth, the text file missing and the text changed");
}

TEST_F(Recipes, DeletingAsksThenRemovesBothFilesEvenWhenOneIsMissing)
{
    for (const char* missing : {"", "Soup.txt", "Soup.rcp"}) {
        StartAfresh();
        Recipe("Soup", kMilk, "Text");
        Open("Soup");
        Run(DeleteRecipe, MessageAnswer::No);
        if (*missing)
            fs::remove(folder.File(missing));
        EditRecipeText(s, "Changed");
        Run(DeleteRecipe, MessageAnswer::Yes);
        Step(std::string("No, then Yes with this missing: ") + missing);
    }
}

TEST_F(Recipes, IngredientsMoveBetweenTheOpenRecipeAndTodaysList)
{
    RenameRecipe(s, ui); // neither asks anything without an open recipe
    DeleteRecipe(s, ui);
    GetIngredientList(s, ui);
    SaveIngredientList(s, ui);
    Recipe("Soup", "  " + kMilk + "\r\nBakery\xB0 Bread\r\n\r\nBakery\xB0 Bread \n" + kApples +
                       "\r\x01\xFF"); // lone LF and CR end lines, bytes stay as they are
    Open("Soup");
    SaveIngredientList(s, ui);
    Step("no recipe open, then an empty list to save");
    s.List.Entries = {{kMilk, true}, {kApples, false}};
    s.List.Current = 1;
    Run(GetIngredientList, MessageAnswer::No);
    Run(GetIngredientList, MessageAnswer::Yes);
    Run(GetIngredientList, MessageAnswer::Yes);
    Step("get: No, then Yes twice");
    for (const char* damage : {"missing", "a folder"}) {
        fs::remove_all(folder.File("Soup.rcp"));
        if (damage == std::string("a folder"))
            fs::create_directory(folder.File("Soup.rcp"));
        Run(GetIngredientList, MessageAnswer::Yes);
        Step(std::string("get from an ingredient file that is ") + damage);
    }
    fs::remove_all(folder.File("Soup.rcp"));
    folder.Write("Soup.rcp", "Old\r\n");
    s.List.Entries = {{"  " + kMilk, false}, {"  ", false}, {kApples, true}};
    Run(SaveIngredientList, MessageAnswer::No);
    Run(SaveIngredientList, MessageAnswer::Yes);
    Run(GetIngredientList, MessageAnswer::Yes);
    Step("save: No, then Yes; what was saved is there already");
    s.List.Entries = {{"   ", false}};
    Run(SaveIngredientList, MessageAnswer::Yes);
    Step("save a list of one blank entry");
}

TEST_F(Recipes, TheCollectionIsTheRcpFilesSortedWithoutRegardToCase)
{
    for (const char* name : {"b.rcp", "a.rcp", "A.rcp", "Crème.rcp", "Я.rcp", "Ж.rcp", "c.RCP",
                             "d.rcp.txt", ".rcp", "  .rcp", "e.txt"})
        folder.Write(name, "");
    fs::create_directory(folder.File("dir.rcp"));
    RefreshRecipeList(s, ui);
    Step("the folder's recipes");
    EXPECT_EQ(ListRecipes(folder.Path()), s.Recipes.Files);
    std::error_code error;
    EXPECT_TRUE(ListRecipes(folder.File("missing"), error).empty() && error);
}

} // namespace
} // namespace pantrix
