// Find: every line item of every category and every recipe (its name and its
// text), searched as the user types, without regard to case and accents.
#pragma once

#include "platform/files.h"
#include "state/recipe_state.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pantrix {

class Ui;
struct MainScreenState;

struct FindHit
{
    enum class Kind
    {
        LineItem,
        Recipe
    };
    Kind What = Kind::LineItem;
    std::string Where; // UTF-8: the line item's category, or "Recipe"
    std::string Text;  // UTF-8: the line item's or the recipe's name
    std::string Category, Item; // a line item's two record fields, padded as stored
    fs::path File;              // a recipe's ".rcp" file
};

// Windows-1252 text in lower case with accents taken off, letter for letter:
// "Crème" and "CREME" both read "creme".
std::string Folded(std::string_view cp1252);

inline constexpr std::size_t kFirstHits = 200;

// What Find searches, read once when a search begins, so that each letter typed
// costs one pass over text already in memory.
class FindIndex
{
public:
    FindIndex(const MainScreenState& s, Ui& ui);

    // Line items first, by category and name as the lists sort them, then
    // recipes in the order of the collection; at most `most`.
    std::vector<FindHit> Search(std::string_view utf8Query, std::size_t most = kFirstHits) const;

private:
    // The folded names, each ended by a zero byte, and where each begins.
    struct Haystack
    {
        std::string Text;
        std::vector<std::uint32_t> Starts;
        void Add(std::string_view folded);
        // The entries holding `needle`, in order, at most `most`.
        std::vector<std::size_t> Find(std::string_view needle, std::size_t most) const;
    };

    std::string m_items;                // item records (60 bytes) of shown categories
    std::vector<std::uint32_t> m_order; // their record numbers, sorted as the lists show them
    Haystack m_itemNames;
    std::vector<RecipeEntry> m_recipes;
    Haystack m_recipeTexts; // name, a line break, text
};

// Makes the hit's line item the current one, as clicking its category and then
// the item would; false when the catalogue no longer holds it.
bool PickLineItem(MainScreenState& s, Ui& ui, const FindHit& hit);

} // namespace pantrix
