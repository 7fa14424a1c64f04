#include "catalogue/find.h"

#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_view.h"
#include "platform/record_file.h"
#include "platform/ui.h"
#include "recipes/recipe_files.h"
#include "state/main_screen_state.h"
#include "text/cp1252.h"
#include "text/fields.h"

#include <algorithm>
#include <array>
#include <unordered_set>

namespace pantrix {
namespace {

// Each Windows-1252 byte in lower case without its accent; letters with no
// plain base letter (æ, ß, ð) keep their own lower-case form.
constexpr std::array<char, 256> MakeFolding()
{
    std::array<char, 256> fold{};
    for (int c = 0; c < 256; ++c)
        fold[static_cast<std::size_t>(c)] = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    const auto map = [&fold](std::string_view from, char to) {
        for (char c : from)
            fold[static_cast<unsigned char>(c)] = to;
    };
    map("\xC0\xC1\xC2\xC3\xC4\xC5\xE0\xE1\xE2\xE3\xE4\xE5", 'a');
    map("\xC7\xE7", 'c');
    map("\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB", 'e');
    map("\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF", 'i');
    map("\xD1\xF1", 'n');
    map("\xD2\xD3\xD4\xD5\xD6\xD8\xF2\xF3\xF4\xF5\xF6\xF8", 'o');
    map("\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC", 'u');
    map("\xDD\xFD\xFF\x9F", 'y');
    map("\x8A\x9A", 's');
    map("\x8E\x9E", 'z');
    map("\xC6", '\xE6');
    map("\xD0", '\xF0');
    map("\xDE", '\xFE');
    map("\x8C", '\x9C');
    return fold;
}

constexpr std::array<char, 256> kFolding = MakeFolding();

std::string ShownField(std::string_view field)
{
    return ToUtf8(Trim(field));
}

std::optional<std::size_t> RowOf(const std::vector<std::string>& rows, std::string_view wanted)
{
    const auto found = std::find(rows.begin(), rows.end(), wanted);
    if (found == rows.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - rows.begin());
}

} // namespace

std::string Folded(std::string_view cp1252)
{
    std::string folded(cp1252.size(), '\0');
    std::transform(cp1252.begin(), cp1252.end(), folded.begin(),
                   [](char c) { return kFolding[static_cast<unsigned char>(c)]; });
    return folded;
}

void FindIndex::Haystack::Add(std::string_view folded)
{
    Starts.push_back(static_cast<std::uint32_t>(Text.size()));
    Text += folded;
    Text += '\0';
}

// One search through all the text at once, rather than one per entry: a
// keystroke over a hundred thousand names costs a pass of the library's
// substring search.
std::vector<std::size_t> FindIndex::Haystack::Find(std::string_view needle, std::size_t most) const
{
    std::vector<std::size_t> found;
    const std::string_view text(Text);
    for (std::size_t at = text.find(needle); at != std::string_view::npos && found.size() < most;) {
        const auto entry = static_cast<std::size_t>(
            std::upper_bound(Starts.begin(), Starts.end(), at) - Starts.begin() - 1);
        found.push_back(entry);
        const std::size_t next = entry + 1 < Starts.size() ? Starts[entry + 1] : text.size();
        at = text.find(needle, next);
    }
    return found;
}

FindIndex::FindIndex(const MainScreenState& s, Ui& ui)
{
    std::unordered_set<std::string> shown(s.Catalogue.CatList.begin(), s.Catalogue.CatList.end());
    auto block = RecordFile(s.DataFile(kItemFile), kItemRecordLength).ReadAll();
    if (!block)
        ShowFailure(ui, block.status());
    const std::size_t count = block ? block.value().Count() : 0;
    // Orphans, whose category is gone, stay hidden here as in the lists.
    for (std::size_t i = 0; i < count; ++i) {
        const auto record = block.value().At(i);
        if (shown.contains(std::string(ItemCategory(record)))) {
            m_order.push_back(static_cast<std::uint32_t>(m_items.size() / kItemRecordLength));
            m_items += record;
        }
    }
    const auto field = [this](std::uint32_t n, std::size_t offset) {
        return std::string_view(m_items).substr(n * kItemRecordLength + offset, kNameWidth);
    };
    std::stable_sort(m_order.begin(), m_order.end(), [&](std::uint32_t a, std::uint32_t b) {
        const auto ca = field(a, 0), cb = field(b, 0);
        if (LessNoCase(ca, cb) || LessNoCase(cb, ca))
            return LessNoCase(ca, cb);
        return LessNoCase(field(a, kNameWidth), field(b, kNameWidth));
    });
    for (std::uint32_t n : m_order)
        m_itemNames.Add(Folded(Trim(field(n, kNameWidth))));
    m_recipes = s.Recipes.Files;
    for (const RecipeEntry& recipe : m_recipes) {
        std::string text;
        if (BaseOf(recipe) == s.Recipes.CurrentBase)
            text = s.Recipes.EditorText; // what the box shows, saved or not
        else if (auto bytes = ReadWholeFile(TextFile(BaseOf(recipe))))
            text = std::move(bytes.value());
        m_recipeTexts.Add(Folded(FromUtf8(recipe.Name) + "\n" + text));
    }
}

std::vector<FindHit> FindIndex::Search(std::string_view utf8Query, std::size_t most) const
{
    const std::string needle = Folded(Trim(FromUtf8(utf8Query)));
    std::vector<FindHit> hits;
    if (needle.empty())
        return hits;
    for (std::size_t entry : m_itemNames.Find(needle, most)) {
        const std::string_view record =
            std::string_view(m_items).substr(m_order[entry] * kItemRecordLength, kItemRecordLength);
        hits.push_back({FindHit::Kind::LineItem, ShownField(ItemCategory(record)),
                        ShownField(ItemName(record)), std::string(ItemCategory(record)),
                        std::string(ItemName(record)), {}});
    }
    for (std::size_t entry : m_recipeTexts.Find(needle, most - hits.size()))
        hits.push_back({FindHit::Kind::Recipe, "Recipe", m_recipes[entry].Name, {}, {},
                        m_recipes[entry].File});
    return hits;
}

bool PickLineItem(MainScreenState& s, Ui& ui, const FindHit& hit)
{
    const auto category = RowOf(s.Catalogue.CatList, hit.Category);
    if (!category)
        return false;
    SelectCategory(s, ui, *category);
    const auto item = RowOf(s.Catalogue.StdList, hit.Item);
    if (!item)
        return false;
    SelectItem(s, *item);
    return true;
}

} // namespace pantrix
