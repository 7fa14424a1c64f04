// The catalogue files of a data folder, and the record-by-record rewrites the
// catalogue commands share.
#pragma once

#include "catalogue/catalogue_records.h"
#include "platform/record_file.h"

#include <functional>
#include <vector>

namespace pantrix {

struct MainScreenState;

RecordFile CategoryFile(const MainScreenState& s);
RecordFile ItemFile(const MainScreenState& s);

// The records `keep` accepts, in their order.
std::string KeepRecords(const RecordBlock& block,
                        const std::function<bool(std::string_view)>& keep);

// The records with the first one `matches` accepts replaced by `change(record)`;
// nullopt when none matches.
std::optional<std::string>
ChangeFirstRecord(const RecordBlock& block, const std::function<bool(std::string_view)>& matches,
                  const std::function<std::string(std::string_view)>& change);

// How an item's category field is matched to a category record.
enum class CategoryMatch
{
    ExactField,
    Trimmed
};

// Visits each category record in file order with the indexes of the items filed
// under it, in file order; a category with two records sees its items twice.
// Linear in the records.
void ForEachCategoryWithItems(
    const RecordBlock& categories, const RecordBlock& items, CategoryMatch match,
    const std::function<void(std::string_view category, const std::vector<std::size_t>& items)>&
        visit);

// Replaces the item file and the category file together: they end both old or
// both new, so that no item is left under a category the other file lacks.
Status ReplaceCatalogue(const MainScreenState& s, std::string_view newItems,
                        std::string_view newCategories);

} // namespace pantrix
