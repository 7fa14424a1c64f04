#include "lists/list_commands.h"

#include "lists/list_file.h"
#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "text/fields.h"
#include "text/lines.h"

namespace pantrix {
namespace {

constexpr std::string_view kListExtension = ".pxl";

void EmptyList(TodaysList& list)
{
    list.Entries.clear();
    list.Current.reset();
}

// The chosen file exists afterwards; true when it holds nothing, so the user is
// asked whether a new list is meant.
Result<bool> PrepareChosenFile(const fs::path& file)
{
    if (Status created = CreateIfMissing(file); !created)
        return created;
    auto length = FileLength(file);
    if (!length)
        return length.status();
    return length.value() == 0;
}

// Fills the list from the current list file, creating the file when it is
// missing, and shows the count.
void ReadListFile(MainScreenState& s, Ui& ui)
{
    EmptyList(s.List);
    auto bytes = ReadOrCreateFile(s.List.File);
    s.List.ReadFailed = !bytes;
    if (bytes)
        s.List.Entries = ParseListFile(bytes.value());
    else
        ShowFailure(ui, bytes.status());
    // An unreadable file counts as holding the empty list: the user has been
    // told, and hears of it again only when a change of his cannot be saved.
    s.List.FileHolds = FormatListFile(s.List.Entries);
    RefreshListCount(s);
}

} // namespace

void OpenDefaultList(MainScreenState& s, Ui& ui)
{
    s.List.File = s.DataFile(kDefaultListFile);
    s.List.Name = "My Pantrix";
    ReadListFile(s, ui);
}

Status WriteListFile(MainScreenState& s)
{
    if (Status written = StoreListFile(s); !written)
        return written;
    if (!s.List.Entries.empty())
        s.List.Current = s.List.Entries.size() - 1;
    return Status::Ok();
}

Status StoreListFile(MainScreenState& s)
{
    if (s.List.ReadFailed)
        return Status::Failure("Today's List was not written to \"" + ShownPath(s.List.File) +
                               "\", because that file could not be read when the list was "
                               "opened; its entries would have been lost.");
    std::string bytes = FormatListFile(s.List.Entries);
    Status written = ReplaceFile(s.List.File, bytes);
    if (written)
        s.List.FileHolds = std::move(bytes);
    return written;
}

bool ListUnsaved(const MainScreenState& s)
{
    return !s.List.FileHolds || *s.List.FileHolds != FormatListFile(s.List.Entries);
}

bool SaveListBeforeLeaving(MainScreenState& s, Ui& ui)
{
    const Status saved = WriteListFile(s);
    if (saved)
        return true;
    const std::string text = saved.error() + kCrLf + kCrLf +
                             "Close Pantrix! anyway? The changes to Today's List will be lost.";
    return ui.ShowMessage({text, "Today's List not saved", MessageIcon::Exclamation,
                           MessageButtons::YesNo, MessageAnswer::No}) == MessageAnswer::Yes;
}

void SelectList(MainScreenState& s, Ui& ui)
{
    const auto chosen = ui.FileOpenDialog(
        {"Select a file...", {{"Pantrix! list files", "*.pxl"}}, s.DataFolder, "My Pantrix.pxl"});
    if (!chosen || chosen->FullPath.empty())
        return;
    // The path keeps its bytes to the open call; only its shown form is text.
    const fs::path file(std::string(Trim(chosen->FullPath.native())));
    if (!file.native().ends_with(kListExtension)) {
        ui.ShowMessage(Information("Not a valid Pantrix! list file!", "Try again!"));
        return;
    }
    const std::string pathText = ShownPath(file);
    std::error_code ignored;
    const bool existed = fs::exists(file, ignored);
    auto empty = PrepareChosenFile(file);
    if (!empty)
        return ShowFailure(ui, empty.status());
    if (empty.value() &&
        ui.ShowMessage({"Create new list file " + pathText + " ?", "Create new list?",
                        MessageIcon::None, MessageButtons::YesNo, MessageAnswer::Yes}) !=
            MessageAnswer::Yes) {
        if (Status removed = RemoveFile(file); !removed)
            ShowFailure(ui, removed);
        return;
    }
    if (Status saved = WriteListFile(s); !saved) {
        if (!existed)
            (void)RemoveFile(file);
        return ShowFailure(ui, saved);
    }
    s.List.File = file;
    s.List.Name = ListNameFromPath(pathText);
    ReadListFile(s, ui);
}

void ClearList(MainScreenState& s, Ui& ui)
{
    if (!Confirmed(ui, Question("Clear " + s.List.Name + " and Start Over ?", "Confirm")))
        return;
    EmptyList(s.List);
    // A save still due must not bring the deleted file back.
    if (Status removed = RemoveFile(s.List.File); removed) {
        s.List.ReadFailed = false;
        s.List.FileHolds = std::string();
    } else
        ShowFailure(ui, removed);
    RefreshListCount(s);
    ClearEditBoxes(s);
}

void ClearEditBoxes(MainScreenState& s)
{
    s.Catalogue.StdEdit.clear();
    s.List.TmpEdit.clear();
}

void RefreshListCount(MainScreenState& s)
{
    s.ListPanel = ListCountText(s.List);
}

} // namespace pantrix
