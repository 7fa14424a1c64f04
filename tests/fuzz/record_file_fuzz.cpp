// The catalogue's record files ("category.lst", "std_item.lst"): any bytes read
// as their whole records, the lists show exactly those, and appending or
// rewriting a record keeps every other byte.
#include "fuzz_support.h"

#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_view.h"
#include "platform/record_file.h"

#include <algorithm>

using namespace pantrix;

namespace {

RecordBlock ReadBack(const RecordFile& file)
{
    auto block = file.ReadAll();
    fuzz::Check(block.ok(), "a record file in a writable folder reads");
    return std::move(block.value());
}

void CheckWriters(const testing::TestFolder& folder, std::string_view name, std::size_t length)
{
    const RecordFile file(folder.File(name), length);
    const std::string before(ReadBack(file).WholeRecords());
    const std::string added = ItemRecord("Dairy", "Milk").substr(0, length);
    fuzz::Check(file.Append(added).ok(), "a record is appended");
    fuzz::Check(folder.Read(name) == before + added,
                "an append keeps the whole records and drops the trailing part");
    fuzz::Check(file.WriteRecord(1, before.substr(0, length)).ok() || before.empty(),
                "a record is rewritten");
    if (!before.empty())
        fuzz::Check(folder.Read(name) == before + added,
                    "rewriting a record as it is changes nothing");
    fuzz::Check(file.ReplaceAll(before).ok() && folder.Read(name) == before,
                "a file is replaced by exactly its records");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first two bytes say how much of the rest is the category file.
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::size_t split = size < 2 ? 0 : (data[0] | data[1] << 8) % (size - 1);
    const std::string_view rest = bytes.substr(std::min<std::size_t>(size, 2));
    const std::string_view categories = rest.substr(0, split);
    const std::string_view items = rest.substr(split);
    testing::TestFolder& folder = fuzz::Scratch();
    folder.Write(kCategoryFile, categories);
    folder.Write(kItemFile, items);

    const RecordBlock categoryBlock = ReadBack(RecordFile(folder.File(kCategoryFile), kNameWidth));
    const RecordBlock itemBlock = ReadBack(RecordFile(folder.File(kItemFile), kItemRecordLength));
    fuzz::Check(categoryBlock.Count() == categories.size() / kCategoryRecordLength &&
                    itemBlock.Count() == items.size() / kItemRecordLength,
                "a record file holds its whole records");
    fuzz::Check(itemBlock.WholeRecords() == items.substr(0, itemBlock.Count() * kItemRecordLength),
                "records are read as they are");

    MainScreenState s = folder.State();
    testing::FakeUi ui;
    LoadCategoryList(s, ui);
    fuzz::Check(s.Catalogue.CatList.size() == categoryBlock.Count(), "every category is listed");
    for (std::size_t row = 0; row < std::min<std::size_t>(s.Catalogue.CatList.size(), 8); ++row) {
        SelectCategory(s, ui, row);
        const std::string_view category = s.Catalogue.CatList[row];
        std::size_t filed = 0;
        for (std::size_t i = 0; i < itemBlock.Count(); ++i)
            filed += ItemCategory(itemBlock.At(i)) == category;
        fuzz::Check(s.Catalogue.StdList.size() == filed,
                    "a category shows the items filed under it");
    }

    CheckWriters(folder, kCategoryFile, kCategoryRecordLength);
    CheckWriters(folder, kItemFile, kItemRecordLength);
    return 0;
}
