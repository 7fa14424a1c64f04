#include "recipes/recipe_commands.h"

#include "catalogue/no_illegals.h"
#include "lists/list_commands.h"
#include "lists/todays_list.h"
#include "platform/ui.h"
#include "recipes/recipe_files.h"
#include "state/main_screen_state.h"
#include "text/fields.h"
#include "text/lines.h"

#include <algorithm>
#include <iterator>
#include <unordered_set>

namespace pantrix {
namespace {

constexpr std::string_view kNameTitle = "Recipe name";

std::string NamePrompt(const std::string& firstLine)
{
    return firstLine + kCrLf + kCrLf +
           "Hint - to categorize recipes, name them with a category prefix like this: " + kCrLf +
           kCrLf + "\"Main Dish - [your title]," + kCrLf + "\"Desert - [your title], etc." + kCrLf +
           kCrLf +
           "If you do this they will be listed by category! Note that you can always rename "
           "recipes later on.";
}

// The ingredient commands ask for what the user just chose, so Yes is the default.
Message AskToGoOn(std::string text, std::string title)
{
    Message question = Question(std::move(text), std::move(title));
    question.DefaultButton = MessageAnswer::Yes;
    return question;
}

// The base, not the shown name, decides: without it no file may be written, or
// a file named ".txt" would appear.
bool RecipeOpen(const MainScreenState& s)
{
    return !s.Recipes.CurrentBase.empty();
}

bool UsableName(Ui& ui, const std::string& name)
{
    switch (CheckRecipeName(name)) {
    case NameFault::None: return true;
    case NameFault::NotAFileName:
        ui.ShowMessage(Information(
            "\"" + name + "\" cannot be the name of a file. Please choose another name.",
            std::string(kNameTitle)));
        return false;
    case NameFault::TooLong:
        ui.ShowMessage(Information("This recipe name is too long to be the name of a file. "
                                   "Please choose a shorter name.",
                                   std::string(kNameTitle)));
        return false;
    }
    return false;
}

// Either file of the name in the way, even a stray text file, would be lost under
// a rename; an entry that cannot be examined counts as in the way.
bool NameTaken(const fs::path& base)
{
    std::error_code error;
    return fs::symlink_status(IngredientFile(base), error).type() != fs::file_type::not_found ||
           fs::symlink_status(TextFile(base), error).type() != fs::file_type::not_found;
}

// A failed save is reported once and abandoned: a retry would meet the same fault.
bool StoreIngredients(MainScreenState& s, Ui& ui, const fs::path& base)
{
    if (SaveMac(s, base))
        return true;
    ui.ShowMessage({"Unable to save " + ShownPath(base) + kCrLf + kCrLf +
                        "Please try again, making sure the name contains only letters, numbers, "
                        "or spaces, and does not contain any punctuation.",
                    "Error saving recipe...", MessageIcon::None, MessageButtons::Ok,
                    MessageAnswer::Ok});
    return false;
}

std::optional<std::size_t> RowOf(const std::vector<RecipeEntry>& files, const fs::path& file)
{
    const auto found = std::find_if(files.begin(), files.end(),
                                    [&file](const RecipeEntry& e) { return e.File == file; });
    if (found == files.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - files.begin());
}

// Yes keeps the typed text and No the recipe's own; either loses one of them, so
// Enter, Escape and closing the box cancel, keeping the typed text in the box.
MessageAnswer AskWhichText(Ui& ui, const RecipeEntry& target)
{
    return ui.ShowMessage(
        {"Keep the text you typed as the text of " + std::string(Trim(target.Name)) + " ?",
         "Recipe text", MessageIcon::Question, MessageButtons::YesNoCancel, MessageAnswer::Cancel});
}

// Text typed while no recipe was open goes to the recipe about to open; that
// recipe's own text is replaced only when the user agrees. False when the recipe
// is not to open.
bool AdoptTypedText(MainScreenState& s, Ui& ui, const RecipeEntry& target)
{
    RecipeView& r = s.Recipes;
    const fs::path text = TextFile(BaseOf(target));
    const auto own = ReadWholeFile(text);
    const MessageAnswer answer =
        !own || HoldsText(own.value()) ? AskWhichText(ui, target) : MessageAnswer::Yes;
    if (answer == MessageAnswer::Cancel)
        return false;
    if (answer == MessageAnswer::No) {
        r.RecipeChanged = false;
        return true;
    }
    if (Status written = ReplaceFile(text, FormatRecipeText(r.EditorText)); !written) {
        ShowFailure(ui, written);
        return false;
    }
    r.RecipeChanged = false;
    return true;
}

// Before another recipe opens, changed text is written; false when it could not
// be, so that opening another recipe does not lose it, or when the user cancelled.
bool KeepChangedText(MainScreenState& s, Ui& ui, const RecipeEntry& target)
{
    if (!s.Recipes.RecipeChanged)
        return true;
    return RecipeOpen(s) ? SaveChangedRecipeText(s, ui) : AdoptTypedText(s, ui, target);
}

// Opening passes over failures: a text file that cannot be made or read leaves
// the box empty rather than showing another recipe's text under this name.
void Open(MainScreenState& s, const RecipeEntry& entry, std::optional<std::size_t> row)
{
    RecipeView& r = s.Recipes;
    r.CurrentRecipe = std::string(Trim(entry.Name));
    r.CurrentBase = BaseOf(entry);
    r.Selected = row;
    s.RecipePanel = " " + r.CurrentRecipe + " ";
    r.ClipNotesOn = true;
    (void)CreateIfMissing(TextFile(r.CurrentBase));
    auto text = ReadWholeFile(TextFile(r.CurrentBase));
    r.EditorText = text ? ParseRecipeText(std::move(text.value())) : std::string();
    r.RecipeChanged = false;
}

// The new or renamed recipe is selected as if File1 were walked from its first
// entry, opening each in turn: what lasts of that walk is the changed text saved
// first, a text file for every entry passed over, and the target open.
void SelectByWalk(MainScreenState& s, Ui& ui, const fs::path& base, const std::string& name)
{
    RefreshRecipeList(s, ui);
    const std::vector<RecipeEntry>& files = s.Recipes.Files;
    const auto row = RowOf(files, IngredientFile(base));
    const RecipeEntry target = row ? files[*row] : RecipeEntry{IngredientFile(base), name};
    if (!KeepChangedText(s, ui, target))
        return;
    for (std::size_t i = 0; i < row.value_or(0); ++i)
        (void)CreateIfMissing(TextFile(BaseOf(files[i])));
    Open(s, target, row);
}

// The lines Today's List does not hold yet, compared trimmed as CheckForDuplicate
// compares, each placed where InsertSorted would place it: after the entries that
// sort equal, in file order. One set and one merge, rather than a search and an
// insertion per line, keep a long recipe fast on a long list.
void AddIngredients(TodaysList& list, const std::vector<std::string>& lines)
{
    std::vector<ListEntry> added;
    {
        std::unordered_set<std::string_view> held;
        for (const ListEntry& entry : list.Entries)
            held.insert(Trim(entry.Text));
        for (const std::string& line : lines)
            if (held.insert(Trim(line)).second)
                added.push_back({line, false});
    }
    const auto less = [](const ListEntry& a, const ListEntry& b) {
        return LessNoCase(a.Text, b.Text);
    };
    std::stable_sort(added.begin(), added.end(), less);
    if (list.Current && *list.Current < list.Entries.size())
        *list.Current += static_cast<std::size_t>(
            std::lower_bound(added.begin(), added.end(), list.Entries[*list.Current], less) -
            added.begin());
    std::vector<ListEntry> merged;
    merged.reserve(list.Entries.size() + added.size());
    std::merge(std::make_move_iterator(list.Entries.begin()),
               std::make_move_iterator(list.Entries.end()), std::make_move_iterator(added.begin()),
               std::make_move_iterator(added.end()), std::back_inserter(merged), less);
    list.Entries = std::move(merged);
}

} // namespace

void RefreshRecipeList(MainScreenState& s, Ui& ui)
{
    RecipeView& r = s.Recipes;
    std::error_code error;
    r.Files = ListRecipes(s.DataFolder, error);
    if (error)
        ShowFailure(ui, Failed(s.DataFolder, "read", error.value()));
    r.Selected = RecipeOpen(s) ? RowOf(r.Files, IngredientFile(r.CurrentBase)) : std::nullopt;
}

void OpenRecipe(MainScreenState& s, Ui& ui, std::size_t row)
{
    if (row >= s.Recipes.Files.size())
        return;
    const RecipeEntry entry = s.Recipes.Files[row];
    if (KeepChangedText(s, ui, entry))
        Open(s, entry, row);
}

void NewRecipe(MainScreenState& s, Ui& ui)
{
    std::string answer = ui.InputBox(NamePrompt("New recipe name..."), "New Recipe", "", 0,
                                     InputCharacters::Any);
    const std::string name = NoIllegals(answer);
    if (name.empty() || !UsableName(ui, name))
        return;
    const fs::path base = TypedBase(s.DataFolder, name);
    std::error_code error;
    if (fs::is_regular_file(IngredientFile(base), error))
        ui.ShowMessage(Information(
            "A recipe named " + name + " already exists; it is opened unchanged.", "New Recipe"));
    else if (!StoreIngredients(s, ui, base))
        return;
    SelectByWalk(s, ui, base, name);
}

void RenameRecipe(MainScreenState& s, Ui& ui)
{
    RecipeView& r = s.Recipes;
    if (!RecipeOpen(s))
        return;
    std::string answer =
        ui.InputBox(NamePrompt("New name for " + std::string(Trim(r.CurrentRecipe))), "New Name ",
                    r.CurrentRecipe, 0, InputCharacters::Any);
    const std::string name = NoIllegals(answer);
    if (name.empty() || !UsableName(ui, name))
        return;
    const fs::path base = TypedBase(s.DataFolder, name);
    if (base == r.CurrentBase)
        return (void)ui.ShowMessage(Information(
            "The recipe is named " + name + " already; nothing was changed.", "New Name "));
    if (NameTaken(base))
        return (void)ui.ShowMessage(Information("A recipe named " + name + " already exists; " +
                                                    r.CurrentRecipe + " keeps its name.",
                                                "New Name "));
    if (Status moved = MoveRecipe(r.CurrentBase, base); !moved)
        return ShowFailure(ui, moved);
    r.CurrentRecipe = name;
    r.CurrentBase = base;
    SelectByWalk(s, ui, base, name);
}

void DeleteRecipe(MainScreenState& s, Ui& ui)
{
    RecipeView& r = s.Recipes;
    if (!RecipeOpen(s) ||
        !Confirmed(ui, Question("Delete recipe: " + r.CurrentRecipe + " ?", "Confirm")))
        return;
    const fs::path base = r.CurrentBase;
    if (Status removed = RemoveFile(IngredientFile(base)); !removed)
        return ShowFailure(ui, removed);
    s.RecipePanel = "(No Recipe Selected)";
    r.CurrentRecipe.clear();
    r.CurrentBase.clear();
    r.EditorText.clear();
    r.RecipeChanged = false;
    RefreshRecipeList(s, ui);
    if (Status removed = RemoveFile(TextFile(base)); !removed)
        ShowFailure(ui, removed);
}

void GetIngredientList(MainScreenState& s, Ui& ui)
{
    const RecipeView& r = s.Recipes;
    if (Trim(r.CurrentRecipe).empty() || !RecipeOpen(s))
        return (void)ui.ShowMessage(Information("Please pick a recipe.", "Nothing to do!"));
    if (Confirmed(ui, AskToGoOn("Add " + r.CurrentRecipe + " ingredients to " + s.List.Name + " ?",
                                "Confirm")))
        ReadMac(s, ui, r.CurrentBase);
}

void SaveIngredientList(MainScreenState& s, Ui& ui)
{
    const RecipeView& r = s.Recipes;
    if (Trim(r.CurrentRecipe).empty() || !RecipeOpen(s))
        return (void)ui.ShowMessage(Information("Please provide a name.", "Nothing to do!"));
    if (s.List.Entries.empty())
        return (void)ui.ShowMessage(
            Information("Please build a list to record.", "Nothing to do!"));
    if (Confirmed(ui, AskToGoOn("Save the current contents of " + s.List.Name + " as " + kCrLf +
                                    "the " + r.CurrentRecipe + " ingredient list?",
                                "Ready to record list...")))
        StoreIngredients(s, ui, r.CurrentBase);
}

void EditRecipeText(MainScreenState& s, std::string text)
{
    s.Recipes.EditorText = std::move(text);
    s.Recipes.RecipeChanged = true;
}

bool SaveChangedRecipeText(MainScreenState& s, Ui& ui)
{
    const Status stored = StoreChangedRecipeText(s);
    if (!stored)
        ShowFailure(ui, stored);
    return stored.ok();
}

Status StoreChangedRecipeText(MainScreenState& s)
{
    RecipeView& r = s.Recipes;
    if (!r.RecipeChanged || !RecipeOpen(s))
        return Status::Ok();
    const Status written = ReplaceFile(TextFile(r.CurrentBase), FormatRecipeText(r.EditorText));
    if (written)
        r.RecipeChanged = false;
    return written;
}

Status SaveMac(MainScreenState& s, const fs::path& base)
{
    TodaysList& list = s.List;
    if (Status written = ReplaceFile(IngredientFile(base), FormatIngredients(list.Entries));
        !written)
        return written;
    list.Current = list.Entries.empty() ? std::nullopt : std::optional(list.Entries.size() - 1);
    return Status::Ok();
}

void ReadMac(MainScreenState& s, Ui& ui, const fs::path& base)
{
    auto bytes = ReadOrCreateFile(IngredientFile(base));
    if (!bytes)
        return ShowFailure(ui, bytes.status());
    AddIngredients(s.List, ParseIngredients(bytes.value()));
    RefreshListCount(s);
}

} // namespace pantrix
