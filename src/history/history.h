// The steps the user can take back and do again: each keeps what one command
// changed in the data files (only the runs of bytes that differ) and in Today's
// List, with the selections around it, under a name the Edit menu shows.
#pragma once

#include "history/splices.h"
#include "state/main_screen_state.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pantrix {

class Ui;

enum class StepKind
{
    AddEntry,
    RemoveEntry,
    ModifyEntry,
    GetIngredients,
    ClearList,
    NewItem,
    ChangeItemName,
    MoveItem,
    DeleteItem,
    NewCategory,
    EditCategory,
    DeleteCategory,
    NewRecipe,
    RenameRecipe,
    DeleteRecipe,
    SaveIngredients
};

// What the program held around a step besides the files.
struct Surroundings
{
    std::optional<std::size_t> ListCurrent;
    std::string TmpEdit;
    std::string CatEdit, StdEdit, SelectedCategory, SelectedItem;
    std::optional<std::size_t> StdListCurrent;
    fs::path RecipeBase;     // the open recipe; empty when none
    std::string LooseText;   // text typed while no recipe was open
    bool LooseTextChanged = false;
    bool ClipNotesOn = false; // "Copy Current Recipe Notes to Clipboard" enabled
};

// How strictly a file must still hold what the step left in it.
enum class FileRule
{
    Exact,      // catalogue and ingredient files: byte for byte
    RecipeText, // the program itself saves the open recipe's text between steps
    ListFile    // the program itself writes Today's List to its file
};

struct FileChange
{
    fs::path File;
    FileRule Rule = FileRule::Exact;
    bool ExistedBefore = false, ExistsAfter = false;
    std::size_t SizeBefore = 0, SizeAfter = 0;
    std::size_t HashBefore = 0, HashAfter = 0;
    Splices<std::string> Bytes;
};

struct Step
{
    std::string Name; // UTF-8, as the menu shows it
    std::vector<FileChange> Files;
    Splices<std::vector<ListEntry>> Entries;
    Surroundings Before, After;
};

class History
{
public:
    // Runs the command; when it changed files or Today's List, what it changed
    // becomes the newest step and the steps undone before it are forgotten.
    void Record(MainScreenState& s, Ui& ui, StepKind kind, const std::function<void()>& command);
    // A tick or untick of Today's List entry `row`, made already.
    void RecordTick(const MainScreenState& s, std::size_t row);
    // Runs a command that cannot be taken back (import, purge, switching lists):
    // when it changed any file, the steps before it are forgotten, since undoing
    // them would write over what it did.
    void RunUnrecorded(const std::function<void()>& command);

    // Both write through the same crash-safe saves as the commands. A file
    // changed behind the program's back is not written over: the user is told
    // and the history forgotten. A failed write leaves the files as they were
    // and is reported. True when the step was taken back or done again.
    bool Undo(MainScreenState& s, Ui& ui);
    bool Redo(MainScreenState& s, Ui& ui);

    void Clear();
    const Step* NextUndo() const;
    const Step* NextRedo() const;
    std::size_t MemoryUse() const; // bytes the steps hold, roughly

private:
    bool Move(MainScreenState& s, Ui& ui, Direction direction);
    void Push(Step step);

    std::vector<Step> m_steps;
    std::size_t m_done = 0; // steps [0, m_done) can be undone, the rest redone
};

} // namespace pantrix
