#include "recipes/recipe_commands.h"

#include "support/data_folder.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace pantrix {
namespace {

using namespace testing;
using Names = std::vector<std::string>;
using Command = void (*)(MainScreenState&, Ui&);

const std::string kMilk = "Dairy\xB0 Milk";
const std::string kApples = "Produce\xB0 Apples";
const std::string kHint =
    "\r\n\r\nHint - to categorize recipes, name them with a category prefix like this: "
    "\r\n\r\n\"Main Dish - [your title],\r\n\"Desert - [your title], etc.\r\n\r\nIf you do "
    "this they will be listed by category! Note that you can always rename recipes later on.";

class RecipeCommand : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override { s.List.Name = "My Pantrix"; }
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
    void Run(Command command, std::string typed)
    {
        ui.AnswerInput(std::move(typed));
        command(s, ui);
    }
    void Run(Command command, MessageAnswer answer)
    {
        ui.AnswerMessage(answer);
        command(s, ui);
    }
    Names Folder() const
    {
        Names names;
        for (const auto& entry : fs::directory_iterator(folder.Path()))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // Every message as "title: text"; a question's title is followed by its default.
    std::string Said() const
    {
        std::string said;
        for (const Message& m : ui.Messages) {
            const bool question = m.Buttons == MessageButtons::YesNo;
            const bool yes = m.DefaultButton == MessageAnswer::Yes;
            said += m.Title + (question ? (yes ? " [Yes]" : " [No]") : "") + ": " + m.Text + "\n";
        }
        return said;
    }
    void StartAfresh()
    {
        for (const auto& entry : fs::directory_iterator(folder.Path()))
            fs::remove_all(entry.path());
        s = folder.State();
        s.List.Name = "My Pantrix";
        ui.Messages.clear();
    }
};

TEST_F(RecipeCommand, OpeningReadsTheTextFileWholeAndSavesTheChangedTextFirst)
{
    const std::string bytes("a\rb\n\0\xFF\r\n", 8); // lone CR and LF, binary bytes
    Recipe("Apple", "", "Peel\r\n");
    Recipe("Soup", "", bytes);
    Open("Soup");
    EXPECT_EQ(s.Recipes.EditorText, bytes);
    EXPECT_EQ(s.RecipePanel, " Soup ");
    EXPECT_EQ(s.Recipes.Selected, 1u);
    EXPECT_TRUE(s.Recipes.ClipNotesOn);
    EditRecipeText(s, "  Stir\r\n  well  ");
    Open("Apple");
    EXPECT_EQ(folder.Read("Soup.txt"), "Stir\r\n  well\r\n");
    EXPECT_EQ(s.Recipes.EditorText, "Peel\r\n");
    EXPECT_FALSE(s.Recipes.RecipeChanged);
}

TEST_F(RecipeCommand, TextTypedWithNoRecipeOpenReplacesARecipesOwnTextOnlyIfAgreed)
{
    using Case = std::tuple<std::optional<std::string>, std::optional<MessageAnswer>, std::string>;
    for (const auto& [own, answer, kept] :
         {Case{std::nullopt, std::nullopt, "Typed\r\n"}, Case{" \r\n", std::nullopt, "Typed\r\n"},
          Case{"Own\r\n", MessageAnswer::Yes, "Typed\r\n"},
          Case{"Own\r\n", MessageAnswer::No, "Own\r\n"}}) {
        SCOPED_TRACE(own.value_or("missing"));
        StartAfresh();
        Recipe("Apple");
        Recipe("Soup", "", own);
        EditRecipeText(s, "Typed");
        EXPECT_TRUE(SaveChangedRecipeText(s, ui) && s.Recipes.RecipeChanged); // kept in memory
        EXPECT_FALSE(folder.Exists(".txt") || fs::exists(".txt"));
        if (answer)
            ui.AnswerMessage(*answer);
        Open("Soup");
        EXPECT_EQ(folder.Read("Soup.txt"), kept);
        EXPECT_EQ(Said(), answer ? "Recipe text [No]: Keep the text you typed as the "
                                   "text of Soup ?\n"
                                 : "");
    }
    StartAfresh();
    Recipe("Apple", "", "Own\r\n");
    EditRecipeText(s, "Typed");
    Run(NewRecipe, "Bread"); // no question: the new recipe has no text to replace
    EXPECT_EQ(folder.Read("Bread.txt"), "Typed\r\n");
    EXPECT_EQ(folder.Read("Apple.txt"), "Own\r\n");
}

TEST_F(RecipeCommand, ANewRecipeTakesTodaysListAndIsOpenedByWalkingTheListToIt)
{
    Recipe("Apple pie");
    Recipe("Cake");
    Recipe("Zucchini", "", "Old\r\n");
    Open("Zucchini");
    EditRecipeText(s, "New text");
    s.List.Entries = {{"  " + kMilk + " ", false}, {"   ", false}, {kApples, true}};
    Run(NewRecipe, "  Bread  ");
    EXPECT_EQ(ui.Inputs[0], (InputRequest{"New recipe name..." + kHint, "New Recipe", ""}));
    EXPECT_EQ(folder.Read("Bread.rcp"), kMilk + "\r\n" + kApples + "\r\n");
    EXPECT_EQ(folder.Read("Zucchini.txt"), "New text\r\n");
    EXPECT_EQ(s.RecipePanel, " Bread ");
    EXPECT_EQ(s.Recipes.Selected, 1u);
    EXPECT_EQ(s.List.Current, 2u);
    Run(NewRecipe, "");
    Run(NewRecipe, "   ");
    EXPECT_EQ(Folder(), (Names{"Apple pie.rcp", "Apple pie.txt", "Bread.rcp", "Bread.txt",
                               "Cake.rcp", "Zucchini.rcp", "Zucchini.txt"}));
}

TEST_F(RecipeCommand, ANewNameThatExistsOrCannotBeAFileNameChangesNoFile)
{
    const std::string tooLong = "Recipe name: This recipe name is too long to be the name of a "
                                "file. Please choose a shorter name.\n";
    const std::pair<std::string, std::string> cases[] = {
        {" . ", "Recipe name: \".\" cannot be the name of a file. Please choose another name.\n"},
        {"..", "Recipe name: \"..\" cannot be the name of a file. Please choose another name.\n"},
        {std::string(244, 'x'), tooLong},
        {std::string(122, '\xE9'), tooLong}, // two bytes each in the file name
        {"Soup", "New Recipe: A recipe named Soup already exists; it is opened unchanged.\n"}};
    for (const auto& [typed, said] : cases) {
        SCOPED_TRACE(typed);
        StartAfresh();
        Recipe("Soup", kMilk, "Own");
        s.List.Entries = {{kApples, false}};
        Run(NewRecipe, typed);
        EXPECT_EQ(Said(), said);
        EXPECT_EQ(folder.Read("Soup.rcp"), kMilk);
    }
    EXPECT_EQ(s.Recipes.EditorText, "Own");
    Run(NewRecipe, std::string(243, 'x')); // the longest name that fits
    EXPECT_EQ(Folder().size(), 4u);
}

TEST_F(RecipeCommand, WritesThatFailAreReportedOnceAndLoseNothing)
{
    for (const bool missingFolder : {false, true}) {
        StartAfresh();
        fs::create_directory(folder.File("Soup.rcp"));
        if (missingFolder)
            s.DataFolder = folder.File("gone");
        Run(NewRecipe, "Soup");
        EXPECT_EQ(Said(), "Error saving recipe...: Unable to save " +
                              (s.DataFolder / "Soup").string() +
                              "\r\n\r\nPlease try again, making sure the name contains only "
                              "letters, numbers, or spaces, and does not contain any "
                              "punctuation.\n");
        EXPECT_EQ(Folder(), Names{"Soup.rcp"}); // no twin left behind
        EXPECT_EQ(s.Recipes.CurrentRecipe, "");
    }
    StartAfresh();
    Recipe("Apple");
    Recipe("Stew");
    fs::create_directory(folder.File("Stew.txt"));
    Open("Stew");
    EditRecipeText(s, "Stir");
    Open("Apple");
    EXPECT_EQ(s.Recipes.CurrentRecipe + s.Recipes.EditorText, "StewStir");
    EXPECT_FALSE(SaveChangedRecipeText(s, ui) || StoreChangedRecipeText(s));
    EXPECT_TRUE(s.Recipes.RecipeChanged);
    fs::remove(folder.File("Stew.rcp"));
    fs::create_directories(folder.File("Stew.rcp/inside"));
    Run(DeleteRecipe, MessageAnswer::Yes);
    EXPECT_EQ(s.Recipes.CurrentRecipe, "Stew");
    EXPECT_EQ(ui.Messages.size(), 4u); // each failure, and the question
}

TEST_F(RecipeCommand, NamesAreMadeSafeAndFileNamesOutsideTheCodePageKeepTheirBytes)
{
    Run(NewRecipe, " a*b/c\\d|e:f<g>h?i\"j ");
    EXPECT_EQ(Folder(), (Names{"a_b-c-d-e-f-g-h-i-j.rcp", "a_b-c-d-e-f-g-h-i-j.txt"}));
    Run(RenameRecipe, "Cr\350me br\373l\351e");
    EXPECT_EQ(Folder(), (Names{"Crème brûlée.rcp", "Crème brûlée.txt"}));
    EXPECT_EQ(s.Recipes.Files[0].Name, s.Recipes.CurrentRecipe);
    folder.Write("Список.rcp", kMilk);
    Open("??????");
    Run(RenameRecipe, "Borscht");
    EXPECT_EQ(folder.Read("Borscht.rcp"), kMilk);
    folder.Write("Ωμέγα.rcp", "");
    Open("?????");
    Run(DeleteRecipe, MessageAnswer::Yes);
    EXPECT_EQ(Folder(),
              (Names{"Borscht.rcp", "Borscht.txt", "Crème brûlée.rcp", "Crème brûlée.txt"}));
}

TEST_F(RecipeCommand, RenamingMovesBothFilesUnlessTheNameIsTheSameOrTaken)
{
    Recipe("Soup", kMilk, "S");
    Recipe("Stew", "", "T");
    folder.Write("Notes.txt", "N");
    Open("Soup");
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"   ", ""},
        {" Soup", "New Name : The recipe is named Soup already; nothing was changed.\n"},
        {"Stew", "New Name : A recipe named Stew already exists; Soup keeps its name.\n"},
        {"Notes", "New Name : A recipe named Notes already exists; Soup keeps its name.\n"}};
    for (const auto& [typed, said] : cases) {
        SCOPED_TRACE(typed);
        ui.Messages.clear();
        Run(RenameRecipe, typed);
        EXPECT_EQ(Said(), said);
        EXPECT_EQ(Folder(), (Names{"Notes.txt", "Soup.rcp", "Soup.txt", "Stew.rcp", "Stew.txt"}));
        EXPECT_EQ(s.Recipes.CurrentRecipe, "Soup");
    }
    EXPECT_EQ(ui.Inputs[0], (InputRequest{"New name for Soup" + kHint, "New Name ", "Soup"}));
    fs::remove(folder.File("Soup.txt"));
    EditRecipeText(s, "Stir");
    Run(RenameRecipe, "Broth");
    EXPECT_EQ(Folder(), (Names{"Broth.rcp", "Broth.txt", "Notes.txt", "Stew.rcp", "Stew.txt"}));
    EXPECT_EQ(folder.Read("Broth.rcp") + folder.Read("Broth.txt"), kMilk + "Stir\r\n");
    EXPECT_EQ(s.RecipePanel, " Broth ");
    EXPECT_EQ(s.Recipes.Selected, 0u);
}

TEST_F(RecipeCommand, DeletingAsksThenRemovesBothFilesEvenWhenOneIsMissing)
{
    for (const char* missing : {"", "Soup.txt", "Soup.rcp"}) {
        SCOPED_TRACE(missing);
        StartAfresh();
        Recipe("Soup", kMilk, "Text");
        Open("Soup");
        Run(DeleteRecipe, MessageAnswer::No);
        EXPECT_EQ(Said(), "Confirm [No]: Delete recipe: Soup ?\n");
        if (*missing)
            fs::remove(folder.File(missing));
        EditRecipeText(s, "Changed");
        Run(DeleteRecipe, MessageAnswer::Yes);
        EXPECT_EQ(Folder(), Names{});
        EXPECT_EQ(s.RecipePanel, "(No Recipe Selected)");
        EXPECT_EQ(s.Recipes.CurrentRecipe + s.Recipes.EditorText, "");
        EXPECT_FALSE(s.Recipes.RecipeChanged || !s.Recipes.Files.empty());
    }
}

TEST_F(RecipeCommand, CommandsOnTheOpenRecipeNeedOneAndSavingNeedsAList)
{
    RenameRecipe(s, ui); // neither asks anything
    DeleteRecipe(s, ui);
    GetIngredientList(s, ui);
    SaveIngredientList(s, ui);
    Recipe("Soup");
    Open("Soup");
    SaveIngredientList(s, ui);
    EXPECT_EQ(Said(), "Nothing to do!: Please pick a recipe.\nNothing to do!: Please provide a "
                      "name.\nNothing to do!: Please build a list to record.\n");
}

TEST_F(RecipeCommand, GettingAddsTheLinesTheListLacksAtTheirSortedPlaces)
{
    Recipe("Soup", "  " + kMilk + "\r\nBakery\xB0 Bread\r\n\r\nBakery\xB0 Bread \n" + kApples +
                       "\r\x01\xFF"); // lone LF and CR end lines, bytes stay as they are
    s.List.Entries = {{kMilk, true}, {kApples, false}};
    s.List.Current = 1;
    Open("Soup");
    Run(GetIngredientList, MessageAnswer::No);
    EXPECT_EQ(Said(), "Confirm [Yes]: Add Soup ingredients to My Pantrix ?\n");
    EXPECT_EQ(s.List.Entries.size(), 2u);
    Run(GetIngredientList, MessageAnswer::Yes);
    Run(GetIngredientList, MessageAnswer::Yes);
    const std::vector<ListEntry> expected = {{"", false},
                                             {"\x01\xFF", false},
                                             {"Bakery\xB0 Bread", false},
                                             {kMilk, true},
                                             {kApples, false}};
    EXPECT_EQ(s.List.Entries, expected);
    EXPECT_EQ(s.List.Current, 4u);
    EXPECT_EQ(s.ListPanel, "5 Items listed for: My Pantrix");
    fs::remove(folder.File("Soup.rcp"));
    Run(GetIngredientList, MessageAnswer::Yes);
    EXPECT_EQ(folder.Read("Soup.rcp"), "");
    fs::remove(folder.File("Soup.rcp"));
    fs::create_directory(folder.File("Soup.rcp"));
    Run(GetIngredientList, MessageAnswer::Yes);
    EXPECT_EQ(ui.Messages.size(), 6u); // the unreadable file is reported
}

TEST_F(RecipeCommand, SavingReplacesTheIngredientFileAfterTheQuestion)
{
    Recipe("Soup", "Old\r\n");
    Open("Soup");
    s.List.Entries = {{"  " + kMilk, false}, {"  ", false}, {kApples, true}};
    Run(SaveIngredientList, MessageAnswer::No);
    EXPECT_EQ(Said(), "Ready to record list... [Yes]: Save the current contents of My "
                      "Pantrix as \r\nthe Soup ingredient list?\n");
    EXPECT_EQ(folder.Read("Soup.rcp"), "Old\r\n");
    Run(SaveIngredientList, MessageAnswer::Yes);
    EXPECT_EQ(folder.Read("Soup.rcp"), kMilk + "\r\n" + kApples + "\r\n");
    EXPECT_EQ(s.List.Current, 2u);
    Run(GetIngredientList, MessageAnswer::Yes); // what was saved is there already
    EXPECT_EQ(s.List.Entries.size(), 3u);
    s.List.Entries = {{"   ", false}};
    Run(SaveIngredientList, MessageAnswer::Yes);
    EXPECT_EQ(folder.Read("Soup.rcp"), "");
}

} // namespace
} // namespace pantrix
