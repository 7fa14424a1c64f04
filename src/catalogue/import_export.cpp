#include "catalogue/import_export.h"

#include "catalogue/catalogue_files.h"
#include "catalogue/catalogue_text.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/merge.h"
#include "lists/list_commands.h"
#include "platform/ui.h"
#include "state/main_screen_state.h"
#include "text/fields.h"
#include "text/lines.h"

namespace pantrix {
namespace {

std::string CatalogueAsText(const RecordBlock& categories, const RecordBlock& items)
{
    std::string text;
    ForEachCategoryWithItems(categories, items, CategoryMatch::ExactField,
                             [&](std::string_view category, const std::vector<std::size_t>& filed) {
                                 text += "[!]";
                                 text += Trim(category);
                                 text += kCrLf;
                                 for (const std::size_t i : filed) {
                                     text += Trim(ItemName(items.At(i)));
                                     text += kCrLf;
                                 }
                             });
    return text;
}

void ShowImportFailure(Ui& ui, const std::string& text)
{
    ui.ShowMessage(
        {text, "Import failed!", MessageIcon::Exclamation, MessageButtons::Ok, MessageAnswer::Ok});
}

// The catalogue files as they were, to put back when an import fails halfway.
struct CatalogueSnapshot
{
    std::string Categories;
    std::string Items;
};

Result<CatalogueSnapshot> TakeSnapshot(const MainScreenState& s)
{
    auto categories = ReadWholeFile(s.DataFile(kCategoryFile));
    if (!categories)
        return categories.status();
    auto items = ReadWholeFile(s.DataFile(kItemFile));
    if (!items)
        return items.status();
    return CatalogueSnapshot{std::move(categories.value()), std::move(items.value())};
}

bool HoldsOld(const MainScreenState& s, std::string_view name, const std::string& old)
{
    auto now = ReadWholeFile(s.DataFile(name));
    return now && now.value() == old;
}

// Puts back the catalogue files that differ from the snapshot and removes the
// ".new" files, which the next start would otherwise take in.
Status Restore(const MainScreenState& s, const CatalogueSnapshot& snapshot)
{
    Status restored = Status::Ok();
    if (!HoldsOld(s, kItemFile, snapshot.Items) || !HoldsOld(s, kCategoryFile, snapshot.Categories))
        restored = ReplaceCatalogue(s, snapshot.Items, snapshot.Categories);
    for (const std::string_view name : {kItemNewFile, kCategoryNewFile})
        if (Status removed = RemoveFile(s.DataFile(name)); !removed && restored)
            restored = removed;
    return restored;
}

// What the files hold after a failed import whose restore failed as well.
std::string StateAfterFailedRestore(const MainScreenState& s, const CatalogueSnapshot& snapshot)
{
    std::string state;
    if (!HoldsOld(s, kItemFile, snapshot.Items) || !HoldsOld(s, kCategoryFile, snapshot.Categories))
        state += "The catalogue could not be put back as it was: it holds part or all of the "
                 "import." +
                 kCrLf;
    for (const std::string_view name : {kItemNewFile, kCategoryNewFile})
        if (std::error_code error; fs::exists(s.DataFile(name), error))
            state += std::string(name) + " could not be removed from the data folder." + kCrLf;
    return state.empty() ? "The catalogue was not changed." : state;
}

// Both or neither: a category file left alone would stay for good, as a merge
// acts only once the item file is there.
Status WriteNewFiles(const MainScreenState& s, const CatalogueText& imported)
{
    return ReplaceFilesTogether(s.DataFile(kCategoryNewFile), imported.CategoryRecords,
                                s.DataFile(kItemNewFile), imported.ItemRecords);
}

} // namespace

void ExportCatalogue(MainScreenState& s, Ui& ui)
{
    if (!Confirmed(ui, Question("Data will be exported to file EXPORT.TXT", "Ready to export...")))
        return;
    {
        BusyPointer busy(ui);
        auto categories = CategoryFile(s).ReadAll();
        auto items = ItemFile(s).ReadAll();
        if (!categories || !items)
            return ShowFailure(ui, !categories ? categories.status() : items.status());
        if (Status written = ReplaceFile(s.DataFile("export.txt"),
                                         CatalogueAsText(categories.value(), items.value()),
                                         Durability::Replaceable);
            !written)
            return ShowFailure(ui, written);
    }
    ui.ShowMessage({"Your entire Pantrix! data set has been exported to a plain text file" + kCrLf +
                        "called EXPORT.TXT which has an identical format to a Pantrix!" + kCrLf +
                        "import file. This file may be manually edited, renamed, and imported." +
                        kCrLf + "Please read the help file for details on this ADVANCED procedure!",
                    "Export complete!", MessageIcon::None, MessageButtons::Ok, MessageAnswer::Ok});
}

void ImportCatalogue(MainScreenState& s, Ui& ui)
{
    if (!Confirmed(ui, Question("Import file format: Categories are identified with preceeding "
                                "[!]Category Name. Line items follow with no identifier. No blank "
                                "lines. See help file for details. Import file -> IMPORT.TXT ?",
                                "Ready to import...")))
        return;
    BusyPointer busy(ui);
    const auto importFile = FindFileAnyCase(s.DataFolder, kImportFile);
    if (!importFile) {
        // A data folder that cannot be read says why, or the user would look for a
        // file that is there.
        std::error_code unreadable;
        fs::directory_iterator(s.DataFolder, unreadable);
        return ShowImportFailure(
            ui, "Can't find file IMPORT.TXT - Please press F1 to run help, "
                "and review the import procedure." +
                    (unreadable ? kCrLf + DescribeError(s.DataFolder, "read", unreadable.value())
                                : ""));
    }
    auto text = ReadWholeFile(*importFile);
    if (!text)
        return ShowImportFailure(ui, text.error() + kCrLf + "The catalogue was not changed.");
    const CatalogueText imported = ParseCatalogueText(text.value());
    if (imported.FirstLineWithoutCategory)
        return ShowImportFailure(
            ui, "Line " + std::to_string(*imported.FirstLineWithoutCategory) +
                    " of IMPORT.TXT is a line item before any category line ([!]Category Name)." +
                    kCrLf +
                    "Put a category line above it and import again. The catalogue was "
                    "not changed.");
    auto snapshot = TakeSnapshot(s);
    if (!snapshot)
        return ShowImportFailure(ui, snapshot.error() + kCrLf + "The catalogue was not changed.");
    Status merged = WriteNewFiles(s, imported);
    if (merged)
        merged = MergeNewFiles(s.DataFolder, ui, MergeMode::Import);
    if (!merged) {
        if (Status restored = Restore(s, snapshot.value()); !restored)
            return ShowImportFailure(ui, merged.error() + kCrLf + restored.error() + kCrLf +
                                             StateAfterFailedRestore(s, snapshot.value()));
        return ShowImportFailure(ui, merged.error() + kCrLf + "The catalogue was not changed.");
    }
    ClearEditBoxes(s);
    LoadCategoryList(s, ui);
}

} // namespace pantrix
