// The catalogue as text ("import.txt", "export.txt"): any text reads without
// fault, and an exported catalogue imports as the catalogue it came from.
#include "fuzz_support.h"

#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_text.h"
#include "catalogue/import_export.h"
#include "text/fields.h"
#include "text/lines.h"

#include <set>

using namespace pantrix;

namespace {

// The text "Export" writes for a catalogue of these records.
std::string Exported(const CatalogueText& catalogue)
{
    testing::TestFolder& folder = fuzz::Scratch();
    folder.Write(kCategoryFile, catalogue.CategoryRecords);
    folder.Write(kItemFile, catalogue.ItemRecords);
    MainScreenState s = folder.State();
    testing::FakeUi ui;
    ui.AnswerMessage(MessageAnswer::Yes);
    ExportCatalogue(s, ui);
    return folder.Read("export.txt");
}

// The names at `offset` in each record, as the lists show them.
std::vector<std::string_view> Names(std::string_view records, std::size_t length,
                                    std::size_t offset = 0)
{
    std::vector<std::string_view> names;
    for (std::size_t at = 0; at < records.size(); at += length)
        names.push_back(Trim(records.substr(at + offset, kNameWidth)));
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text = fuzz::Bytes(data, size);
    const CatalogueText imported = ParseCatalogueText(text);
    fuzz::Check(imported.CategoryRecords.size() % kCategoryRecordLength == 0 &&
                    imported.ItemRecords.size() % kItemRecordLength == 0,
                "only whole records are made");
    fuzz::Check(!imported.FirstLineWithoutCategory ||
                    *imported.FirstLineWithoutCategory <= SplitLines(text).size(),
                "a line without a category is a line of the text");

    const std::string exported = Exported(imported);
    const CatalogueText again = ParseCatalogueText(exported);
    fuzz::Check(!again.FirstLineWithoutCategory, "an export names a category before its items");
    const auto names = Names(again.CategoryRecords, kCategoryRecordLength);
    fuzz::Check(names == Names(imported.CategoryRecords, kCategoryRecordLength),
                "an export keeps every category in its order");
    // Items of a category listed twice are exported under both; with each name once,
    // the export is the catalogue itself.
    if (std::set(names.begin(), names.end()).size() == names.size()) {
        for (const std::size_t field : {std::size_t{0}, kNameWidth})
            fuzz::Check(Names(again.ItemRecords, kItemRecordLength, field) ==
                            Names(imported.ItemRecords, kItemRecordLength, field),
                        "an export keeps every item under its category");
        fuzz::Check(Exported(again) == exported, "an imported export exports the same text");
    }
    return 0;
}
