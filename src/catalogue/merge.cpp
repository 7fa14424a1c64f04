#include "catalogue/merge.h"

#include "catalogue/catalogue_records.h"
#include "platform/record_file.h"
#include "platform/ui.h"
#include "text/lines.h"

#include <cerrno>
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

// Appends the records of `newFile` that no record present equals byte for byte.
// New records are not compared with each other, so a repeat inside the new file
// is kept. Done again after a stop, it adds nothing twice.
Status AppendMissingRecords(const fs::path& listFile, const fs::path& newFile, std::size_t length)
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
    return added.empty() ? Status::Ok() : RecordFile(listFile, length).Append(added);
}

// Runs the steps of a merge in order until one fails. A file that is in place
// but whose folder could not be synced counts as done, so the merge goes on,
// and its note is kept for the user.
class Steps
{
public:
    bool Run(const Status& step)
    {
        if (!step || (!step.durable() && m_outcome.durable()))
            m_outcome = step;
        return step.ok();
    }
    const Status& Outcome() const { return m_outcome; }

private:
    Status m_outcome = Status::Ok();
};

// While "std_item.new" holds items the next start merges again, so it goes last
// and a merge stopped at any step is finished then. Categories come before items,
// so that no new item is ever filed under a category the catalogue lacks.
Status MergeBoth(const fs::path& folder)
{
    Steps steps;
    steps.Run(AppendMissingRecords(In(folder, kCategoryFile), In(folder, kCategoryNewFile),
                                   kCategoryRecordLength)) &&
        steps.Run(AppendMissingRecords(In(folder, kItemFile), In(folder, kItemNewFile),
                                       kItemRecordLength)) &&
        steps.Run(RemoveFile(In(folder, kCategoryNewFile))) &&
        steps.Run(RemoveFile(In(folder, kItemNewFile)));
    return steps.Outcome();
}

// The items are the only catalogue delivered, so they are still taken; the
// missing categories are reported.
Status TakeItemsWithoutCategories(const fs::path& folder)
{
    if (Status items = MoveFile(In(folder, kItemNewFile), In(folder, kItemFile)); !items)
        return items;
    return Status::Failure(DescribeError(In(folder, kCategoryNewFile), "read", ENOENT), ENOENT);
}

// "category.lst" becomes a copy of "category.new" before the items are moved into
// place: until that move the next start takes the new files again, and after it
// the copy left behind is removed (RemoveTakenCategories). Either way both files
// end new.
Status TakeNewFiles(const fs::path& folder)
{
    std::error_code error;
    if (!fs::exists(In(folder, kCategoryNewFile), error))
        return TakeItemsWithoutCategories(folder);
    auto categories = ReadWholeFile(In(folder, kCategoryNewFile));
    if (!categories)
        return categories.status();
    Steps steps;
    steps.Run(ReplaceFile(In(folder, kCategoryFile), categories.value())) &&
        steps.Run(MoveFile(In(folder, kItemNewFile), In(folder, kItemFile))) &&
        steps.Run(RemoveFile(In(folder, kCategoryNewFile)));
    return steps.Outcome();
}

// A "category.new" equal to "category.lst" is what a take of the new files left
// when it stopped after moving the items: its content is in place already. Any
// other "category.new" stays for a later merge.
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

// "std_item.new" last, so that a drop stopped half way is asked about again
// rather than leaving new categories behind.
Status DropNewFiles(const fs::path& folder)
{
    if (Status categories = RemoveFile(In(folder, kCategoryNewFile)); !categories)
        return categories;
    return RemoveFile(In(folder, kItemNewFile));
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
    if (hasOld && !hasNew)
        return DropNewItems(folder);
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
    if (Status outcome = MergeNewFiles(dataFolder, ui, mode); !outcome.durable())
        ui.ShowMessage({std::to_string(outcome.number()) + kCrLf + outcome.error(),
                        std::string(kApplicationTitle), MessageIcon::None, MessageButtons::Ok,
                        MessageAnswer::Ok});
}

} // namespace pantrix
