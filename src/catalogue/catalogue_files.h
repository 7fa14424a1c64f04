// The catalogue files of a data folder, and the record-by-record rewrites the
// catalogue commands share.
#pragma once

#include "catalogue/catalogue_records.h"
#include "platform/record_file.h"

#include <functional>

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

// Writes the new item file, then the new category file; when the second write
// fails, the item file is put back as it was, so the two never disagree.
Status ReplaceCatalogue(const MainScreenState& s, const RecordBlock& oldItems,
                        std::string_view newItems, std::string_view newCategories);

} // namespace pantrix
