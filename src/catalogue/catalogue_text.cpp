#include "catalogue/catalogue_text.h"

#include "catalogue/catalogue_records.h"
#include "text/fields.h"
#include "text/lines.h"

namespace pantrix {

CatalogueText ParseCatalogueText(std::string_view text)
{
    constexpr std::string_view kCategoryMark = "[!]";
    CatalogueText parsed;
    std::optional<std::string> category;
    const auto lines = SplitLines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = Trim(lines[i]);
        if (line.empty())
            continue;
        if (line.starts_with(kCategoryMark)) {
            category = CategoryRecord(line.substr(kCategoryMark.size()));
            parsed.CategoryRecords += *category;
        } else if (category) {
            parsed.ItemRecords += ItemRecord(*category, line);
        } else if (!parsed.FirstLineWithoutCategory) {
            parsed.FirstLineWithoutCategory = i + 1;
        }
    }
    return parsed;
}

} // namespace pantrix
