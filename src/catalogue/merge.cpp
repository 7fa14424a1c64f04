#include "catalogue/merge.h"

#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_text.h"
#include "platform/record_file.h"
#include "platform/ui.h"
#include "text/lines.h"

#include <cerrno>
#include <tuple>
#include <unordered_set>

namespace pantrix {
namespace {

const Message kUpgradeQuestion{
    "It looks like you are installing a new version over an older version." + kCrLf +
        "Would you like to merge together your existing category and item" + kCrLf +
        "lists with the new data that came with this version?",
    "Upgrade Installation", MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::Yes};

fs::path In(const fs::path& folder, std::string_view name)
{
    return folder / std::string(name);
}

// One catalogue file's whole records, and the records of its ".new" twin that
// none of them equals byte for byte. New records are not compared with each
// other, so a repeat inside the new file is kept. Sought again after a merge,
// nothing is missing.
struct Addition
{
    std::string Present;
    std::string Missing;
};

Result<Addition> MissingRecords(const fs::path& listFile, const fs::path& newFile,
                                std::size_t length)
{
    auto present = RecordFile(listFile, length).ReadAll();
    if (!present)
        return present.status();
    auto incoming = RecordFile(newFile, length).ReadAll();
    if (!incoming)
        return incoming.status();
    std::unordered_set<std::string_view> known;
    known.reserve(present.value().Count());
    for (std::size_t i = 0; i < present.value().Count(); ++i)
        known.insert(present.value().At(i));
    std::string missing;
    for (std::size_t i = 0; i < incoming.value().Count(); ++i)
        if (!known.contains(incoming.value().At(i)))
            missing += incoming.value().At(i);
    return Addition{std::string(present.value().WholeRecords()), std::move(missing)};
}

// The catalogue's two files after a merge or a take of the new files.
struct Catalogue
{
    std::string Categories;
    std::string Items;
};

// "category.new" first: while "std_item.new" holds items the next start merges
// again, and a merge done again adds nothing.
Status RemoveNewFiles(const fs::path& folder, const Status& replaced)
{
    if (Status categories = RemoveFile(In(folder, kCategoryNewFile)); !categories)
        return categories;
    if (Status items = RemoveFile(In(folder, kItemNewFile)); !items)
        return items;
    return replaced;
}

// Both files are replaced in one step, so that a merge stopped anywhere leaves
// them both old, or both new with only the ".new" files left to remove.
Status PutInPlace(const fs::path& folder, const Result<Catalogue>& catalogue)
{
    if (!catalogue)
        return catalogue.status();
    const Status replaced =
        ReplaceFilesTogether(In(folder, kItemFile), catalogue.value().Items,
                             In(folder, kCategoryFile), catalogue.value().Categories);
    return replaced ? RemoveNewFiles(folder, replaced) : replaced;
}

// The items are the only catalogue delivered, so they are still taken; the
// missing categories are reported.
Status TakeItemsWithoutCategories(const fs::path& folder)
{
    if (Status items = MoveFile(In(folder, kItemNewFile), In(folder, kItemFile)); !items)
        return items;
    return Failed(In(folder, kCategoryNewFile), "read", ENOENT);
}

Result<Catalogue> NewFiles(const fs::path& folder)
{
    auto categories = ReadWholeFile(In(folder, kCategoryNewFile));
    if (!categories)
        return categories.status();
    auto items = ReadWholeFile(In(folder, kItemNewFile));
    if (!items)
        return items.status();
    return Catalogue{std::move(categories.value()), std::move(items.value())};
}

Status TakeNewFiles(const fs::path& folder)
{
    std::error_code error;
    if (!fs::exists(In(folder, kCategoryNewFile), error))
        return TakeItemsWithoutCategories(folder);
    return PutInPlace(folder, NewFiles(folder));
}

// A "category.new" equal to "category.lst" is what a take of the new files left
// when it stopped after putting them in place. Any other "category.new" stays
// for a later merge.
Status RemoveTakenCategories(const fs::path& folder)
{
    std::error_code error;
    if (!fs::exists(In(folder, kCategoryNewFile), error))
        return Status::Ok();
    auto taken = ReadWholeFile(In(folder, kCategoryNewFile));
    if (!taken)
        return taken.status();
    auto categories = ReadWholeFile(In(folder, kCategoryFile));
    if (!categories)
        return categories.status();
    return taken.value() == categories.value() ? RemoveFile(In(folder, kCategoryNewFile))
                                               : Status::Ok();
}

Status DropNewItems(const fs::path& folder)
{
    if (Status items = RemoveFile(In(folder, kItemNewFile)); !items)
        return items;
    return RemoveTakenCategories(folder);
}

// "std_item.new" first, so that a drop stopped half way never leaves new items
// to be merged without their categories.
Status DropNewFiles(const fs::path& folder)
{
    if (Status items = RemoveFile(In(folder, kItemNewFile)); !items)
        return items;
    return RemoveFile(In(folder, kCategoryNewFile));
}

// New files that hold exactly what the import file reads as were written by an
// import that stopped before its merge ended: the user asked for them, so they
// are merged as the import would have, not offered as an installation's. Asked
// at every start, so the folder is looked through only when there are new files.
bool WrittenByImport(const fs::path& folder)
{
    const auto categories = ReadWholeFile(In(folder, kCategoryNewFile));
    const auto importFile = categories ? FindFileAnyCase(folder, kImportFile) : std::nullopt;
    if (!importFile)
        return false;
    const auto text = ReadWholeFile(*importFile);
    const auto items = ReadWholeFile(In(folder, kItemNewFile));
    if (!text || !items)
        return false;
    const CatalogueText imported = ParseCatalogueText(text.value());
    return !imported.FirstLineWithoutCategory && imported.CategoryRecords == categories.value() &&
           imported.ItemRecords == items.value();
}

} // namespace

Status MergeNewFiles(const fs::path& folder, Ui& ui, MergeMode mode)
{
    auto oldLength = FileLength(In(folder, kItemFile));
    if (!oldLength)
        return oldLength.status();
    auto newLength = FileLength(In(folder, kItemNewFile));
    if (!newLength)
        return newLength.status();
    const bool hasOld = oldLength.value() > 0;
    const bool hasNew = newLength.value() > 0;
    // A delivery without items is dropped here; an import's categories are the
    // user's even without items under them, so they are merged below, also when
    // the import stopped before its merge.
    const bool imported = mode == MergeMode::Import || WrittenByImport(folder);
    if (!hasNew && !imported)
        return hasOld ? DropNewItems(folder) : Status::Ok();
    if (!hasOld && hasNew)
        return TakeNewFiles(folder);
    // New items without their categories are what a drop, or a merge after its
    // files were in place, left when it stopped; merged, they could sit under
    // no category.
    if (std::error_code error; !fs::exists(In(folder, kCategoryNewFile), error))
        return DropNewFiles(folder);
    auto categories = MissingRecords(In(folder, kCategoryFile), In(folder, kCategoryNewFile),
                                     kCategoryRecordLength);
    if (!categories)
        return categories.status();
    auto items = MissingRecords(In(folder, kItemFile), In(folder, kItemNewFile), kItemRecordLength);
    if (!items)
        return items.status();
    const Addition& c = categories.value();
    const Addition& i = items.value();
    // New files that add nothing are what a merge stopped after putting its
    // files in place leaves: it is finished without asking again.
    if (c.Missing.empty() && i.Missing.empty())
        return RemoveNewFiles(folder, Status::Ok());
    const MessageAnswer answer = imported ? MessageAnswer::Yes : ui.ShowMessage(kUpgradeQuestion);
    if (answer == MessageAnswer::Cancel) // not answered, as when the session ends: asked again
        return Status::Ok();
    return answer == MessageAnswer::Yes
               ? PutInPlace(folder, Catalogue{c.Present + c.Missing, i.Present + i.Missing})
               : DropNewFiles(folder);
}

void MergeNewCatalogue(const fs::path& dataFolder, Ui& ui, MergeMode mode)
{
    if (Status outcome = MergeNewFiles(dataFolder, ui, mode); !outcome.durable())
        ui.ShowMessage({std::to_string(outcome.number()) + kCrLf + outcome.error(),
                        std::string(kApplicationTitle), MessageIcon::None, MessageButtons::Ok,
                        MessageAnswer::Ok});
}

} // namespace pantrix
