#include "recipes/recipe_files.h"

#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"

#include <algorithm>

namespace pantrix {
namespace {

// A file name holds at most 255 bytes, and a save first writes a twin named
// "." + name + ".XXXXXX" beside the file, which must fit as well.
constexpr std::size_t kLongestFileName = 255 - 8;

fs::path WithExtension(const fs::path& base, std::string_view extension)
{
    fs::path file = base;
    file += std::string(extension);
    return file;
}

// Names are ordered by their letters of the code page, as they always were;
// letters beyond it order by their bytes.
bool ListedBefore(const RecipeEntry& a, const RecipeEntry& b)
{
    const std::string x = FromUtf8(a.Name);
    const std::string y = FromUtf8(b.Name);
    if (LessNoCase(x, y))
        return true;
    return !LessNoCase(y, x) && a.File.native() < b.File.native();
}

} // namespace

fs::path IngredientFile(const fs::path& base)
{
    return WithExtension(base, kIngredientExtension);
}

fs::path TextFile(const fs::path& base)
{
    return WithExtension(base, kTextExtension);
}

fs::path BaseOf(const RecipeEntry& entry)
{
    const std::string& file = entry.File.native();
    return fs::path(file.substr(0, file.size() - kIngredientExtension.size()));
}

fs::path TypedBase(const fs::path& folder, std::string_view name)
{
    return folder / std::string(name);
}

NameFault CheckRecipeName(std::string_view name)
{
    if (name.find_first_not_of('.') == std::string_view::npos ||
        name.find('\0') != std::string_view::npos)
        return NameFault::NotAFileName;
    if (name.size() + kIngredientExtension.size() > kLongestFileName)
        return NameFault::TooLong;
    return NameFault::None;
}

std::string FormatIngredients(const std::vector<ListEntry>& entries)
{
    std::string bytes;
    for (const ListEntry& entry : entries) {
        const std::string_view text = Trim(entry.Text);
        if (text.empty())
            continue;
        bytes += text;
        bytes += kCrLf;
    }
    return bytes;
}

// A file edited by hand may end its lines with a lone LF or a lone CR; each ends a
// line as CR LF does, so the ingredients read as the editor showed them.
std::vector<std::string> ParseIngredients(std::string_view bytes)
{
    return SplitLines(bytes);
}

std::string FormatRecipeText(std::string_view text)
{
    return std::string(Trim(text)) + kCrLf;
}

// A file edited elsewhere may end in a lone LF or CR; the box shows either as the
// line break CR LF is.
std::string ParseRecipeText(std::string bytes)
{
    const std::size_t lineBreak = bytes.ends_with(kCrLf)                           ? 2
                                  : bytes.ends_with('\n') || bytes.ends_with('\r') ? 1
                                                                                   : 0;
    bytes.resize(bytes.size() - lineBreak);
    return bytes;
}

bool HoldsText(std::string_view bytes)
{
    return bytes.find_first_not_of(" \r\n") != std::string_view::npos;
}

Status MoveRecipe(const fs::path& from, const fs::path& to)
{
    if (Status created = CreateIfMissing(TextFile(from)); !created)
        return created;
    return MoveFilesTogether(IngredientFile(from), IngredientFile(to), TextFile(from),
                             TextFile(to));
}

std::vector<RecipeEntry> ListRecipes(const fs::path& folder, std::error_code& error)
{
    std::vector<RecipeEntry> recipes;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const fs::path name = it->path().filename();
        const std::string_view file = name.native();
        if (!file.ends_with(kIngredientExtension))
            continue;
        // ".rcp" alone, or after spaces only, names no recipe a user could type.
        const std::string shown =
            ShownName(file.substr(0, file.size() - kIngredientExtension.size()));
        std::error_code unreadable; // an entry that cannot be examined is passed over
        if (!Trim(shown).empty() && it->is_regular_file(unreadable))
            recipes.push_back({it->path(), shown});
    }
    if (error)
        return {};
    std::sort(recipes.begin(), recipes.end(), ListedBefore);
    return recipes;
}

std::vector<RecipeEntry> ListRecipes(const fs::path& folder)
{
    std::error_code ignored;
    return ListRecipes(folder, ignored);
}

} // namespace pantrix
