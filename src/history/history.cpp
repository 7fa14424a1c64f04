#include "history/history.h"

#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_view.h"
#include "history/file_journal.h"
#include "lists/list_commands.h"
#include "lists/list_file.h"
#include "platform/ui.h"
#include "recipes/recipe_commands.h"
#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"

#include <algorithm>

namespace pantrix {
namespace {

// A thousand steps is more than a working day; the oldest go first.
constexpr std::size_t kMostSteps = 1000;
// Menu entries stay readable with the longest entry of Today's List in them.
constexpr std::size_t kLongestSubject = 40;

std::size_t HashOf(std::string_view bytes)
{
    return std::hash<std::string_view>{}(bytes);
}

// Making, renaming and deleting a recipe save the open recipe's typed text first.
bool SavesTypedText(StepKind kind)
{
    return kind == StepKind::NewRecipe || kind == StepKind::RenameRecipe ||
           kind == StepKind::DeleteRecipe;
}

// A name from a file (Windows-1252) as the menu shows it, cut to a readable length.
std::string Shown(std::string_view text, bool codePage = true)
{
    std::string shown = codePage ? ToUtf8(Trim(text)) : std::string(Trim(text));
    if (shown.size() > kLongestSubject) {
        std::size_t cut = kLongestSubject;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80)
            --cut; // not inside a UTF-8 letter
        shown = shown.substr(0, cut) + "...";
    }
    return shown;
}

std::string CurrentEntry(const TodaysList& list)
{
    if (!list.Current || *list.Current >= list.Entries.size())
        return {};
    return Shown(list.Entries[*list.Current].Text);
}

const char* Caption(StepKind kind)
{
    switch (kind) {
    case StepKind::AddEntry: return "Add";
    case StepKind::RemoveEntry: return "Remove";
    case StepKind::ModifyEntry: return "Modify";
    case StepKind::GetIngredients: return "Get Ingredient List";
    case StepKind::ClearList: return "Clear List";
    case StepKind::NewItem: return "New Item";
    case StepKind::ChangeItemName: return "Change Name";
    case StepKind::MoveItem: return "Move";
    case StepKind::DeleteItem: return "Delete Item";
    case StepKind::NewCategory: return "New Category";
    case StepKind::EditCategory: return "Edit Category";
    case StepKind::DeleteCategory: return "Delete Category";
    case StepKind::NewRecipe: return "New Recipe";
    case StepKind::RenameRecipe: return "Re-Name Recipe";
    case StepKind::DeleteRecipe: return "Delete Recipe";
    case StepKind::SaveIngredients: return "Save Ingredient List";
    }
    return "";
}

// What the command is about, as the program holds it before the command runs.
std::string SubjectBefore(StepKind kind, const MainScreenState& s)
{
    switch (kind) {
    case StepKind::RemoveEntry:
    case StepKind::ModifyEntry: return CurrentEntry(s.List);
    case StepKind::ChangeItemName:
    case StepKind::MoveItem: return Shown(s.Catalogue.MoveEd);
    case StepKind::DeleteItem: return Shown(s.Catalogue.StdEdit);
    case StepKind::EditCategory:
    case StepKind::DeleteCategory: return Shown(s.Catalogue.CatEdit);
    case StepKind::RenameRecipe:
    case StepKind::DeleteRecipe: return Shown(s.Recipes.CurrentRecipe, false);
    default: return {};
    }
}

// The record a command added at the end of a catalogue file, if that is all it did.
std::string Appended(const Step& step, std::string_view file, std::size_t offset)
{
    for (const FileChange& change : step.Files)
        if (change.File.filename() == file && change.Bytes.size() == 1 &&
            change.Bytes[0].Before.empty() && change.Bytes[0].After.size() > offset)
            return Shown(std::string_view(change.Bytes[0].After).substr(offset, kNameWidth));
    return {};
}

std::string SubjectAfter(StepKind kind, const MainScreenState& s, const Step& step)
{
    switch (kind) {
    case StepKind::AddEntry: return CurrentEntry(s.List);
    case StepKind::NewRecipe: return Shown(s.Recipes.CurrentRecipe, false);
    case StepKind::NewItem: return Appended(step, kItemFile, kNameWidth);
    case StepKind::NewCategory: return Appended(step, kCategoryFile, 0);
    default: return {};
    }
}

std::string NameOf(std::string caption, const std::string& subject)
{
    return subject.empty() ? caption : caption + " " + subject;
}

Surroundings Capture(const MainScreenState& s)
{
    const CatalogueView& c = s.Catalogue;
    const RecipeView& r = s.Recipes;
    const bool open = !r.CurrentBase.empty();
    return {s.List.Current, s.List.TmpEdit, c.CatEdit, c.StdEdit, c.SelectedCategory,
            c.SelectedItem, c.StdListCurrent, r.CurrentBase, open ? std::string() : r.EditorText,
            !open && r.RecipeChanged, r.ClipNotesOn};
}

bool IsRecipeText(const fs::path& file)
{
    return file.extension() == ".txt";
}

bool IsRecipeFile(const fs::path& file)
{
    return IsRecipeText(file) || file.extension() == ".rcp";
}

bool IsCatalogueFile(const fs::path& file)
{
    return file.filename() == kCategoryFile || file.filename() == kItemFile;
}

FileChange MakeChange(const fs::path& file, FileRule rule, const std::optional<std::string>& before,
                      const std::optional<std::string>& after)
{
    const std::string& b = before ? *before : std::string();
    const std::string& a = after ? *after : std::string();
    FileChange change{file,     rule,      before.has_value(), after.has_value(), b.size(),
                      a.size(), HashOf(b), HashOf(a),          {}};
    // The program's own working files are kept whole, since what they hold when
    // the step is taken back may differ from what the step left in them.
    if (rule == FileRule::Exact)
        change.Bytes = Difference(b, a);
    else
        change.Bytes.push_back({0, b, a});
    return change;
}

// Opening a recipe creates its empty text file; a command that opened recipes on
// its way leaves those behind, and taking the step back need not remove them.
bool CreatedOnTheWay(const fs::path& file, const std::optional<std::string>& before,
                     const std::optional<std::string>& after,
                     const std::map<fs::path, std::optional<std::string>>& touched)
{
    if (!IsRecipeText(file) || before || !after || !after->empty())
        return false;
    fs::path ingredients = file;
    ingredients.replace_extension(".rcp");
    return !touched.contains(ingredients);
}

// What a file holds now, or why it could not be read.
struct Present
{
    Status Read = Status::Ok();
    std::optional<std::string> Bytes;
};

Present ReadPresent(const fs::path& file)
{
    std::error_code error;
    if (!fs::exists(file, error))
        return {error ? Failed(file, "read", error.value()) : Status::Ok(), std::nullopt};
    auto bytes = ReadWholeFile(file);
    if (!bytes)
        return {bytes.status(), std::nullopt};
    return {Status::Ok(), std::move(bytes.value())};
}

bool StillHolds(const FileChange& change, const std::optional<std::string>& current,
                Direction direction, const MainScreenState& s)
{
    const bool back = direction == Direction::Back;
    const bool exists = back ? change.ExistsAfter : change.ExistedBefore;
    const bool exact =
        current.has_value() == exists &&
        (!exists || (current->size() == (back ? change.SizeAfter : change.SizeBefore) &&
                     HashOf(*current) == (back ? change.HashAfter : change.HashBefore)));
    switch (change.Rule) {
    case FileRule::Exact: return exact;
    case FileRule::RecipeText: return current.has_value() == exists;
    case FileRule::ListFile:
        return exact || (current ? *current == FormatListFile(s.List.Entries)
                                 : s.List.Entries.empty());
    }
    return false;
}

// The bytes the file gets; missing when it is to be removed. A working file the
// program changed since keeps that change on the side being left, for the way back.
std::optional<std::string> Target(FileChange& change, const std::optional<std::string>& current,
                                  Direction direction)
{
    const bool back = direction == Direction::Back;
    if (!(back ? change.ExistedBefore : change.ExistsAfter))
        return std::nullopt;
    if (change.Rule == FileRule::Exact)
        return Applied(current.value_or(std::string()), change.Bytes, direction);
    Splice<std::string>& whole = change.Bytes.front();
    (back ? change.ExistsAfter : change.ExistedBefore) = current.has_value();
    (back ? whole.After : whole.Before) = current.value_or(std::string());
    return back ? whole.Before : whole.After;
}

struct Replacement
{
    fs::path File;
    std::optional<std::string> Now, Wanted;
};

Status Put(const fs::path& file, const std::optional<std::string>& bytes)
{
    return bytes ? ReplaceFile(file, *bytes) : RemoveFile(file);
}

// Files are written first (a pair together, as the catalogue and a recipe's two
// files belong together), then removed; when one fails, those done are put back.
Status Replace(const std::vector<Replacement>& all)
{
    std::vector<const Replacement*> writes, removals;
    for (const Replacement& r : all)
        if (r.Now != r.Wanted)
            (r.Wanted ? writes : removals).push_back(&r);
    std::vector<const Replacement*> done;
    Status status = Status::Ok();
    if (writes.size() == 2) {
        status = ReplaceFilesTogether(writes[0]->File, *writes[0]->Wanted, writes[1]->File,
                                      *writes[1]->Wanted);
        if (status)
            done = writes;
    } else {
        for (const Replacement* r : writes) {
            if (!(status = Put(r->File, r->Wanted)))
                break;
            done.push_back(r);
        }
    }
    for (const Replacement* r : removals) {
        if (!status || !(status = Put(r->File, r->Wanted)))
            break;
        done.push_back(r);
    }
    if (!status)
        for (const Replacement* r : done)
            (void)Put(r->File, r->Now);
    return status;
}

std::optional<std::size_t> Within(std::optional<std::size_t> row, std::size_t size)
{
    return row && *row < size ? row : std::nullopt;
}

void RestoreCatalogue(MainScreenState& s, Ui& ui, const Surroundings& side)
{
    CatalogueView& c = s.Catalogue;
    c.CatEdit = side.CatEdit;
    c.StdEdit = side.StdEdit;
    c.SelectedCategory = side.SelectedCategory;
    c.SelectedItem = side.SelectedItem;
    c.MoveBoxShowing = false;
    c.MoveEd.clear();
    LoadCategoryList(s, ui);
    if (c.CatEdit.empty())
        c.StdList.clear();
    else
        LoadItemList(s, ui);
    c.StdListCurrent = Within(side.StdListCurrent, c.StdList.size());
}

void RestoreRecipe(MainScreenState& s, Ui& ui, const Surroundings& side)
{
    RecipeView& r = s.Recipes;
    r.CurrentRecipe.clear();
    r.CurrentBase.clear();
    RefreshRecipeList(s, ui);
    fs::path ingredients = side.RecipeBase;
    ingredients += ".rcp";
    for (std::size_t row = 0; !side.RecipeBase.empty() && row < r.Files.size(); ++row)
        if (r.Files[row].File == ingredients)
            return OpenRecipe(s, ui, row);
    r.EditorText = side.LooseText;
    r.RecipeChanged = side.LooseTextChanged;
    r.ClipNotesOn = side.ClipNotesOn;
    s.RecipePanel = "(No Recipe Selected)";
}

} // namespace

void History::Push(Step step)
{
    m_steps.resize(m_done);
    if (m_steps.size() == kMostSteps)
        m_steps.erase(m_steps.begin());
    m_steps.push_back(std::move(step));
    m_done = m_steps.size();
}

void History::Record(MainScreenState& s, Ui& ui, StepKind kind,
                     const std::function<void()>& command)
{
    // The open recipe's typed text is saved as the command itself would save
    // it, but outside the step: taking the step back must not take it back too.
    if (SavesTypedText(kind) && s.Recipes.RecipeChanged && !s.Recipes.CurrentBase.empty() &&
        !SaveChangedRecipeText(s, ui))
        return;
    Step step;
    step.Before = Capture(s);
    const std::vector<ListEntry> entries = s.List.Entries;
    const std::string subject = SubjectBefore(kind, s);
    const fs::path listFile = s.List.File;
    std::map<fs::path, std::optional<std::string>> touched;
    {
        FileJournal journal;
        command();
        touched = journal.Touched();
    }
    for (const auto& [file, before] : touched) {
        const std::optional<std::string> after = ReadIfPresent(file);
        if (before == after || CreatedOnTheWay(file, before, after, touched))
            continue;
        const FileRule rule = file == listFile       ? FileRule::ListFile
                              : IsRecipeText(file) ? FileRule::RecipeText
                                                   : FileRule::Exact;
        step.Files.push_back(MakeChange(file, rule, before, after));
    }
    step.Entries = Difference(entries, s.List.Entries);
    if (step.Files.empty() && step.Entries.empty())
        return;
    step.After = Capture(s);
    const std::string after = SubjectAfter(kind, s, step);
    step.Name = NameOf(Caption(kind), subject.empty() ? after : subject);
    Push(std::move(step));
}

void History::RecordTick(const MainScreenState& s, std::size_t row)
{
    if (row >= s.List.Entries.size())
        return;
    const ListEntry& now = s.List.Entries[row];
    Step step;
    step.Name = NameOf(now.Checked ? "Tick" : "Untick", Shown(now.Text));
    step.Entries.push_back({row, {{now.Text, !now.Checked}}, {now}});
    step.Before = step.After = Capture(s);
    Push(std::move(step));
}

void History::RunUnrecorded(const std::function<void()>& command)
{
    bool changed = false;
    {
        FileJournal journal;
        command();
        for (const auto& [file, before] : journal.Touched())
            changed = changed || before != ReadIfPresent(file);
    }
    if (changed)
        Clear();
}

bool History::Undo(MainScreenState& s, Ui& ui)
{
    return Move(s, ui, Direction::Back);
}

bool History::Redo(MainScreenState& s, Ui& ui)
{
    return Move(s, ui, Direction::Forward);
}

bool History::Move(MainScreenState& s, Ui& ui, Direction direction)
{
    const bool back = direction == Direction::Back;
    if (back ? m_done == 0 : m_done == m_steps.size())
        return false;
    Step& step = m_steps[back ? m_done - 1 : m_done];
    const std::string title = back ? "Undo" : "Redo";
    const bool recipes = std::ranges::any_of(
        step.Files, [](const FileChange& change) { return IsRecipeFile(change.File); });
    if (recipes && s.Recipes.RecipeChanged && !s.Recipes.CurrentBase.empty() &&
        !SaveChangedRecipeText(s, ui))
        return false;
    std::vector<Replacement> replacements;
    for (FileChange& change : step.Files) {
        Present now = ReadPresent(change.File);
        if (!now.Read) {
            ShowFailure(ui, now.Read);
            return false;
        }
        if (!StillHolds(change, now.Bytes, direction, s)) {
            ui.ShowMessage({"Cannot " + std::string(back ? "undo " : "redo ") + step.Name + ": " +
                                ShownPath(change.File) +
                                " was changed by another program since." + kCrLf + kCrLf +
                                "Pantrix leaves it as it is and forgets the steps it kept for "
                                "Undo and Redo.",
                            title, MessageIcon::Exclamation, MessageButtons::Ok,
                            MessageAnswer::Ok});
            Clear();
            return false;
        }
        replacements.push_back({change.File, now.Bytes, Target(change, now.Bytes, direction)});
    }
    if (Status replaced = Replace(replacements); !replaced) {
        ui.ShowMessage({"Could not " + std::string(back ? "undo " : "redo ") + step.Name + ":" +
                            kCrLf + kCrLf + replaced.error() + kCrLf + kCrLf +
                            "The files are as they were before.",
                        title, MessageIcon::Critical, MessageButtons::Ok, MessageAnswer::Ok});
        return false;
    }
    if (HoldsRuns(s.List.Entries, step.Entries, direction))
        s.List.Entries = Applied(s.List.Entries, step.Entries, direction);
    const Surroundings& side = back ? step.Before : step.After;
    s.List.Current = Within(side.ListCurrent, s.List.Entries.size());
    s.List.TmpEdit = side.TmpEdit;
    RefreshListCount(s);
    if (std::ranges::any_of(step.Files,
                            [](const FileChange& c) { return IsCatalogueFile(c.File); }))
        RestoreCatalogue(s, ui, side);
    if (recipes)
        RestoreRecipe(s, ui, side);
    m_done = back ? m_done - 1 : m_done + 1;
    return true;
}

void History::Clear()
{
    m_steps.clear();
    m_done = 0;
}

const Step* History::NextUndo() const
{
    return m_done > 0 ? &m_steps[m_done - 1] : nullptr;
}

const Step* History::NextRedo() const
{
    return m_done < m_steps.size() ? &m_steps[m_done] : nullptr;
}

std::size_t History::MemoryUse() const
{
    std::size_t bytes = m_steps.capacity() * sizeof(Step);
    for (const Step& step : m_steps) {
        bytes += step.Name.capacity() + step.Files.capacity() * sizeof(FileChange);
        for (const FileChange& change : step.Files)
            for (const Splice<std::string>& run : change.Bytes)
                bytes += sizeof(run) + run.Before.capacity() + run.After.capacity();
        for (const Splice<std::vector<ListEntry>>& run : step.Entries)
            for (const auto* side : {&run.Before, &run.After})
                for (const ListEntry& entry : *side)
                    bytes += sizeof(entry) + entry.Text.capacity();
    }
    return bytes;
}

} // namespace pantrix
