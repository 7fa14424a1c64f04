// Undo and Redo: each kind of step taken, taken back and done again, with every
// file of the data folder and Today's List compared at each stage; and the steps
// that must not write: over a file another program changed, or half way.
#include "catalogue/catalogue_view.h"
#include "catalogue/category_commands.h"
#include "catalogue/item_commands.h"
#include "history/history.h"
#include "lists/entry_commands.h"
#include "lists/list_commands.h"
#include "recipes/recipe_commands.h"
#include "support/data_folder.h"
#include "support/faulty_file_system.h"
#include "support/transcript.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

// A folder with a catalogue, a list file, the recipe "Soup" open with the text
// "Boil.", Dairy picked and its Milk clicked, and Today's List of two entries.
class Steps : public Workspace
{
public:
    Steps()
    {
        folder.Write("category.lst", Categories({"Dairy", "Produce"}));
        folder.Write("std_item.lst", Items({{"Dairy", "Milk"}, {"Produce", "Kale"}}));
        folder.Write("My Pantrix.pxl", "Dairy\xB0 Milk\r\n*Produce\xB0 Kale\r\n");
        folder.Write("Soup.rcp", "Produce\xB0 Kale\r\n");
        folder.Write("Soup.txt", "Boil.\r\n");
        s.List.File = folder.File("My Pantrix.pxl");
        s.List.Name = "My Pantrix";
        s.List.Entries = {{"Dairy\xB0 Milk", false}, {"Produce\xB0 Kale", true}};
        s.List.Current = 0;
        LoadCategoryList(s, ui);
        SelectCategory(s, ui, 0);
        SelectItem(s, 0);
        RefreshRecipeList(s, ui);
        OpenRecipe(s, ui, 0);
    }
    std::string Everything()
    {
        std::string all =
            Listing(folder.Path()) + "open: " + s.Recipes.CurrentRecipe + " " +
            OneLine(s.Recipes.EditorText) + (s.Recipes.ClipNotesOn ? " (notes to copy)" : "") +
            (s.Recipes.RecipeChanged ? " (typed)" : "") + " " + s.RecipePanel + " " +
            s.Recipes.CurrentBase.string() + "\npicked: " + s.Catalogue.CatEdit + "|" +
            s.Catalogue.SelectedCategory + "|" + s.Catalogue.SelectedItem + "|" +
            s.Catalogue.CatList.front() + s.Catalogue.CatList.back() + // first and last categories
            std::to_string(s.Catalogue.StdListCurrent.value_or(9) * 10 +
                           s.List.Current.value_or(9)) + "\nlist:";
        for (const ListEntry& entry : s.List.Entries)
            all += (entry.Checked ? " *" : " ") + entry.Text;
        return all;
    }
    History history;
};

struct StepCase
{
    const char* Name; // as the Edit menu shows it
    StepKind Kind;
    std::function<void(Steps&)> Take;
    void (*Ready)(Steps&) = [](Steps&) {}; // what the user did before the command
};

const auto Yes = [](Steps& t) { t.ui.AnswerMessage(MessageAnswer::Yes); };
const auto Edit = [](Steps& t) { EditItem(t.s); }; // what Change Name and Move follow

const StepCase kSteps[] = {
    {"Add Dairy\xC2\xB0 Milk", StepKind::AddEntry,
     [](Steps& t) { t.s.List.Entries = {t.s.List.Entries[1]}, AddFromCatalogue(t.s, t.ui); }},
    {"Add special\xC2\xB0 Crème brûlée à la grand-m...", StepKind::AddEntry,
     [](Steps& t) { t.ui.AnswerInput("Crème brûlée à la grand-mère"), AddOneTimeItem(t.s, t.ui); }},
    {"Remove Dairy\xC2\xB0 Milk", StepKind::RemoveEntry, [](Steps& t) { RemoveCurrentEntry(t.s); }},
    {"Modify Dairy\xC2\xB0 Milk", StepKind::ModifyEntry,
     [](Steps& t) { t.ui.AnswerInput("Dairy\xC2\xB0 Cream"), ModifyCurrentEntry(t.s, t.ui); }},
    {"Clear List", StepKind::ClearList, [](Steps& t) { Yes(t), ClearList(t.s, t.ui); }},
    {"Get Ingredient List", StepKind::GetIngredients,
     [](Steps& t) { t.s.List.Entries.pop_back(), Yes(t), GetIngredientList(t.s, t.ui); }},
    {"New Item Cheese", StepKind::NewItem,
     [](Steps& t) { t.ui.AnswerInput("Cheese"), NewItem(t.s, t.ui); }},
    {"Delete Item Milk", StepKind::DeleteItem, [](Steps& t) { Yes(t), DeleteItem(t.s, t.ui); }},
    {"Change Name Milk", StepKind::ChangeItemName,
     [](Steps& t) { t.ui.AnswerInput("Skim milk"), ChangeItemName(t.s, t.ui); }, Edit},
    {"Move Milk", StepKind::MoveItem,
     [](Steps& t) { SelectCategory(t.s, t.ui, 1), MoveItem(t.s, t.ui); }, Edit},
    {"New Category Spices", StepKind::NewCategory,
     [](Steps& t) { t.ui.AnswerInput("Spices"), NewCategory(t.s, t.ui); }},
    {"Edit Category Dairy", StepKind::EditCategory,
     [](Steps& t) { t.ui.AnswerInput("Milk things"), EditCategory(t.s, t.ui); }},
    {"Delete Category Dairy", StepKind::DeleteCategory,
     [](Steps& t) { Yes(t), Yes(t), DeleteCategory(t.s, t.ui); }},
    {"New Recipe Борщ", StepKind::NewRecipe,
     [](Steps& t) { t.ui.AnswerInput("Борщ"), NewRecipe(t.s, t.ui); }},
    {"Re-Name Recipe Soup", StepKind::RenameRecipe,
     [](Steps& t) { t.ui.AnswerInput("Broth"), RenameRecipe(t.s, t.ui); }},
    {"Delete Recipe Soup", StepKind::DeleteRecipe,
     [](Steps& t) { Yes(t), DeleteRecipe(t.s, t.ui); }},
    {"Save Ingredient List", StepKind::SaveIngredients,
     [](Steps& t) { Yes(t), SaveIngredientList(t.s, t.ui); }},
};

TEST(History, EachStepIsTakenBackAndDoneAgainByteForByte)
{
    for (const StepCase& c : kSteps) {
        SCOPED_TRACE(c.Name);
        Steps t;
        c.Ready(t);
        const std::string before = t.Everything();
        t.history.Record(t.s, t.ui, c.Kind, [&] { c.Take(t); });
        const std::string after = t.Everything();
        ASSERT_NE(after, before);
        t.ui.Messages.clear(); // the command's own questions
        ASSERT_EQ(t.history.NextUndo() ? t.history.NextUndo()->Name : "none", c.Name);
        EXPECT_TRUE(t.history.Undo(t.s, t.ui));
        EXPECT_EQ(t.Everything(), before);
        EXPECT_FALSE(t.s.Catalogue.MoveBoxShowing || !t.s.Catalogue.MoveEd.empty()); // closed
        EXPECT_TRUE(t.history.Redo(t.s, t.ui));
        EXPECT_EQ(t.Everything(), after);
        EXPECT_TRUE(t.ui.Messages.empty());
    }
}

TEST(History, ATickIsAStepAndANewStepForgetsTheStepsUndone)
{
    Steps t;
    SetEntryChecked(t.s, 0, true);
    t.history.RecordTick(t.s, 0);
    EXPECT_EQ(t.history.NextUndo()->Name, "Tick Dairy\xC2\xB0 Milk");
    EXPECT_TRUE(t.history.Undo(t.s, t.ui) && !t.s.List.Entries[0].Checked);
    t.history.Record(t.s, t.ui, StepKind::RemoveEntry, [&] { RemoveCurrentEntry(t.s); });
    EXPECT_TRUE(!t.history.Redo(t.s, t.ui) && t.history.Undo(t.s, t.ui) && !t.history.NextUndo());
    t.s.List.Entries[0].Text = "Soap"; // another list opened since: its entries are not patched
    EXPECT_TRUE(t.history.Redo(t.s, t.ui) && t.s.List.Entries[0].Text == "Soap");
}

TEST(History, AFileUnreadableOrChangedByAnotherProgramIsNotWrittenOver)
{
    Steps t;
    t.history.Record(t.s, t.ui, StepKind::DeleteItem, [&] { Yes(t), DeleteItem(t.s, t.ui); });
    const fs::path items = t.folder.File("std_item.lst");
    for (const std::string why : {"Is a directory", "Too many levels of symbolic links"}) {
        fs::remove(items);
        why[0] == 'I' ? void(fs::create_directory(items)) : fs::create_symlink(items, items);
        EXPECT_FALSE(t.history.Undo(t.s, t.ui)); // unreadable: told, and the step is kept
        EXPECT_EQ(t.ui.Messages.back().Text, "Could not read \"" + ShownPath(items) + "\": " + why);
    }
    fs::remove(items);
    const std::string theirs = Items({{"Produce", "Kale"}, {"Produce", "Leeks"}});
    t.folder.Write("std_item.lst", theirs);
    t.ui.Messages.clear();
    EXPECT_FALSE(t.history.Undo(t.s, t.ui));
    EXPECT_EQ(t.folder.Read("std_item.lst"), theirs);
    ASSERT_TRUE(t.ui.Messages.size() == 1 && t.ui.Messages[0].Title == "Undo");
    EXPECT_EQ(t.ui.Messages[0].Text, "Cannot undo Delete Item Milk: " + ShownPath(items) +
                                         " was changed by another program since.\r\n\r\nPantrix "
                                         "leaves it as it is and forgets the steps it kept for "
                                         "Undo and Redo.");
    EXPECT_EQ(t.history.NextUndo(), nullptr);
}

// Each system call of each undo fails in turn: the files stay as the step left
// them, the failure is told, and the step can still be taken back.
TEST(History, AFailedWriteLeavesTheFilesAsTheyWereAndIsReported)
{
    for (const StepCase& c : kSteps)
        for (std::size_t call = 1;; ++call) {
            SCOPED_TRACE(std::string(c.Name) + " failing at call " + std::to_string(call));
            Steps t;
            c.Ready(t);
            t.history.Record(t.s, t.ui, c.Kind, [&] { c.Take(t); });
            const std::string after = Listing(t.folder.Path());
            t.ui.Messages.clear();
            std::optional<FaultyFileSystem> faulty(std::in_place, call);
            const bool undone = t.history.Undo(t.s, t.ui);
            const bool fired = faulty->Fired();
            faulty.reset();
            if (!fired) {
                EXPECT_TRUE(undone);
                break;
            }
            if (undone)
                continue; // a failed folder sync after the rename counts as written
            RemoveStaleTwins(t.folder.Path());
            EXPECT_EQ(Listing(t.folder.Path()), after);
            ASSERT_EQ(t.ui.Messages.size(), 1u);
            EXPECT_EQ(t.ui.Messages[0].Icon, MessageIcon::Critical);
            const std::string& told = t.ui.Messages[0].Text;
            EXPECT_TRUE(told.starts_with("Could not undo " + t.history.NextUndo()->Name + ":") &&
                        told.ends_with("\r\n\r\nThe files are as they were before."))
                << told;
            EXPECT_TRUE(t.history.Undo(t.s, t.ui));
        }
}

// Text typed in the open recipe and not yet saved outlives any step taken back:
// it is in the recipe's file or still in the box.
TEST(History, TextTypedInTheOpenRecipeOutlivesTheUndoOfEveryStep)
{
    for (const StepCase& c : kSteps) {
        SCOPED_TRACE(c.Name);
        Steps t;
        EditRecipeText(t.s, "Boil well.");
        c.Ready(t);
        t.history.Record(t.s, t.ui, c.Kind, [&] { c.Take(t); });
        ASSERT_TRUE(t.history.Undo(t.s, t.ui));
        EXPECT_TRUE(t.folder.Read("Soup.txt") == "Boil well.\r\n" ||
                    (t.s.Recipes.EditorText == "Boil well." && t.s.Recipes.RecipeChanged));
    }
}

TEST(History, WhatCannotBeTakenBackForgetsTheStepsOnlyWhenItChangedAFile)
{
    Steps t;
    t.history.Record(t.s, t.ui, StepKind::RemoveEntry, [&] { RemoveCurrentEntry(t.s); });
    t.history.RunUnrecorded([] {});
    EXPECT_NE(t.history.NextUndo(), nullptr);
    t.history.RunUnrecorded([&] { (void)ReplaceFile(t.folder.File("category.lst"), ""); });
    EXPECT_EQ(t.history.NextUndo(), nullptr);
}

} // namespace
} // namespace pantrix
