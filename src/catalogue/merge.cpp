#include "catalogue/merge.h"

#include "catalogue/catalogue_records.h"
#include "platform/record_file.h"
#include "platform/ui.h"
#include "text/lines.h"

#include <unordered_set>

namespace pantrix {
namespace {

const Message kUpgradeQuestion{
    "It looks like you are installing a new version over an older version." + kCrLf +
        "Would you like to merge together your existing category and item" + kCrLf +
        "lists with the new data that came with this version?",
    "Upgrade Installation", MessageIcon::Question, MessageButtons::YesNo, MessageAnswer::Yes};

// Appends the records of `newFile` that none of the records present before the
// merge equals byte for byte, then deletes `newFile`. New records are not
// compared with each other, so a repeat inside the new file is kept.
Status MergeRecords(const fs::path& listFile, const fs::path& newFile, std::size_t length)
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
    std::string added;
    for (std::size_t i = 0; i < incoming.value().Count(); ++i)
        if (!known.contains(incoming.value().At(i)))
            added += incoming.value().At(i);
    if (!added.empty())
        if (Status appended = RecordFile(listFile, length).Append(added); !appended)
            return appended;
    return RemoveFile(newFile);
}

Status MergeBoth(const fs::path& folder)
{
    if (Status items = MergeRecords(folder / std::string(kItemFile),
                                    folder / std::string(kItemNewFile), kItemRecordLength);
        !items)
        return items;
    return MergeRecords(folder / std::string(kCategoryFile), folder / std::string(kCategoryNewFile),
                        kCategoryRecordLength);
}

// Each file is moved into place in one step, so a missing "category.new" leaves
// the old "category.lst" whole instead of deleting it first.
Status TakeNewFiles(const fs::path& folder)
{
    if (Status items =
            MoveFile(folder / std::string(kItemNewFile), folder / std::string(kItemFile));
        !items)
        return items;
    return MoveFile(folder / std::string(kCategoryNewFile), folder / std::string(kCategoryFile));
}

Status DropNewFiles(const fs::path& folder)
{
    if (Status items = RemoveFile(folder / std::string(kItemNewFile)); !items)
        return items;
    return RemoveFile(folder / std::string(kCategoryNewFile));
}

} // namespace

Status MergeNewFiles(const fs::path& folder, Ui& ui, MergeMode mode)
{
    auto oldLength = FileLength(folder / std::string(kItemFile));
    if (!oldLength)
        return oldLength.status();
    auto newLength = FileLength(folder / std::string(kItemNewFile));
    if (!newLength)
        return newLength.status();
    const bool hasOld = oldLength.value() > 0;
    const bool hasNew = newLength.value() > 0;
    if (hasOld && !hasNew)
        return RemoveFile(folder / std::string(kItemNewFile));
    if (!hasOld && hasNew)
        return TakeNewFiles(folder);
    if (!hasOld && !hasNew)
        return Status::Ok();
    const bool merge =
        mode == MergeMode::Import || ui.ShowMessage(kUpgradeQuestion) == MessageAnswer::Yes;
    return merge ? MergeBoth(folder) : DropNewFiles(folder);
}

void MergeNewCatalogue(const fs::path& dataFolder, Ui& ui, MergeMode mode)
{
    if (Status outcome = MergeNewFiles(dataFolder, ui, mode); !outcome)
        ui.ShowMessage({std::to_string(outcome.number()) + kCrLf + outcome.error(),
                        std::string(kApplicationTitle), MessageIcon::None, MessageButtons::Ok,
                        MessageAnswer::Ok});
}

} // namespace pantrix
