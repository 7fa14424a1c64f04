// A recipe's web page: any page style, recipe text and ingredient file make a
// page, with one table row per ingredient line.
#include "fuzz_support.h"

#include "settings/settings_record.h"
#include "text/fields.h"
#include "text/lines.h"
#include "web/recipe_page.h"
#include "web/text_to_html.h"

using namespace pantrix;

namespace {

std::size_t LineEnds(std::string_view text)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(kCrLf); at != std::string_view::npos;
         at = text.find(kCrLf, at + 2))
        ++count;
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The settings record, the recipe's text and its ingredients, parted by NULs.
    std::string_view rest = fuzz::Bytes(data, size);
    const auto part = [&rest] {
        const std::size_t end = std::min(rest.find('\0'), rest.size());
        const std::string_view taken = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        return taken;
    };
    const std::string_view settingsBytes = part();
    const std::string_view text = part();
    const std::string_view ingredients = rest;

    fuzz::Check(TextToHtml(text).empty() == Trim(text).empty(),
                "only a text of spaces makes no page lines");
    std::size_t filled = 0;
    for (const std::string& line : SplitLines(ingredients))
        filled += !Trim(line).empty();
    fuzz::Check(LineEnds(IngredientRows(ingredients)) == filled,
                "every ingredient line is one table row");

    const SettingsRecord settings = DecodeSettings(settingsBytes, DefaultSettings("/data/"));
    fuzz::Check(!RecipePage(settings, "Pancakes", text, ingredients).empty(), "a page is made");
    return 0;
}
