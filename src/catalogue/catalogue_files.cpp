#include "catalogue/catalogue_files.h"

#include "state/main_screen_state.h"
#include "text/fields.h"

#include <unordered_map>

namespace pantrix {

RecordFile CategoryFile(const MainScreenState& s)
{
    return RecordFile(s.DataFile(kCategoryFile), kCategoryRecordLength);
}

RecordFile ItemFile(const MainScreenState& s)
{
    return RecordFile(s.DataFile(kItemFile), kItemRecordLength);
}

std::string KeepRecords(const RecordBlock& block, const std::function<bool(std::string_view)>& keep)
{
    std::string kept;
    kept.reserve(block.WholeRecords().size());
    for (std::size_t i = 0; i < block.Count(); ++i)
        if (keep(block.At(i)))
            kept += block.At(i);
    return kept;
}

std::optional<std::string>
ChangeFirstRecord(const RecordBlock& block, const std::function<bool(std::string_view)>& matches,
                  const std::function<std::string(std::string_view)>& change)
{
    for (std::size_t i = 0; i < block.Count(); ++i) {
        if (!matches(block.At(i)))
            continue;
        std::string records(block.WholeRecords());
        records.replace(i * block.RecordLength(), block.RecordLength(), change(block.At(i)));
        return records;
    }
    return std::nullopt;
}

void ForEachCategoryWithItems(
    const RecordBlock& categories, const RecordBlock& items, CategoryMatch match,
    const std::function<void(std::string_view category, const std::vector<std::size_t>& items)>&
        visit)
{
    const auto key = [match](std::string_view name) {
        return match == CategoryMatch::Trimmed ? Trim(name) : name;
    };
    std::unordered_map<std::string_view, std::vector<std::size_t>> byCategory;
    for (std::size_t i = 0; i < items.Count(); ++i)
        byCategory[key(ItemCategory(items.At(i)))].push_back(i);
    const std::vector<std::size_t> none;
    for (std::size_t c = 0; c < categories.Count(); ++c) {
        const auto found = byCategory.find(key(categories.At(c)));
        visit(categories.At(c), found == byCategory.end() ? none : found->second);
    }
}

Status ReplaceCatalogue(const MainScreenState& s, std::string_view newItems,
                        std::string_view newCategories)
{
    return ReplaceFilesTogether(s.DataFile(kItemFile), newItems, s.DataFile(kCategoryFile),
                                newCategories);
}

} // namespace pantrix
