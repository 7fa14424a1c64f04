// A recipe's files: any ingredient file reads as its lines, and the ingredient
// list saved from them reads back as the same ingredients; any text keeps or
// loses its content alike when saved; any typed name is judged without fault.
#include "fuzz_support.h"

#include "recipes/recipe_files.h"
#include "text/fields.h"
#include "text/lines.h"

using namespace pantrix;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes = fuzz::Bytes(data, size);
    const std::vector<std::string> lines = ParseIngredients(bytes);
    std::vector<ListEntry> entries;
    std::vector<std::string> kept; // a saved list is trimmed and has no blank lines
    for (const std::string& line : lines) {
        entries.push_back({line, false});
        if (!Trim(line).empty())
            kept.emplace_back(Trim(line));
    }
    const std::string saved = FormatIngredients(entries);
    fuzz::Check(ParseIngredients(saved) == kept, "saved ingredients read back as they were");
    fuzz::Check(saved == JoinLines(kept), "an ingredient file is one line per ingredient");

    fuzz::Check(HoldsText(FormatRecipeText(bytes)) == HoldsText(bytes),
                "saving a recipe's text neither loses nor invents its content");

    if (CheckRecipeName(bytes) == NameFault::None) {
        const std::string file = IngredientFile(TypedBase("/recipes", bytes)).filename().native();
        fuzz::Check(file.size() + 8 <= 255, "an accepted name leaves room for the save's twin");
    }
    return 0;
}
