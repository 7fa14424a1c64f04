// Find over the whole catalogue and every recipe, as a table of what is typed
// and what is found, each as "name @ where".
#include "catalogue/catalogue_view.h"
#include "catalogue/find.h"
#include "recipes/recipe_commands.h"
#include "support/data_folder.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

TEST(Find, FindsLineItemsAndRecipesWithoutRegardToCaseAndAccents)
{
    Workspace w;
    w.folder.Write("category.lst", Categories({"Produce", "Dairy", "Condiments and Spices"}));
    w.folder.Write("std_item.lst",
                   Items({{"Produce", "SALAD greens"},
                          {"Produce", "\xC0\xC7\xC8\xCC\xD1\xD2\xD9\xDD\x8A\x8E\xC6\xD0\xDE\x8C"},
                          {"Dairy", "Cr\xE8me fra\xEE" "che"},
                          {"Condiments and Spices", "Salt"},
                          {"Gone", "Salami"}}));
    w.folder.Write("Salad Ni\xC3\xA7oise.rcp", "");
    w.folder.Write("Salad Ni\xC3\xA7oise.txt", "Top with cr\xE8me.\r\n");
    w.folder.Write("Bread.rcp", "");
    w.folder.Write("Bread.txt", "A pinch of salt.\r\n");
    LoadCategoryList(w.s, w.ui);
    RefreshRecipeList(w.s, w.ui);
    const FindIndex index(w.s, w.ui);
    const struct
    {
        const char* Typed;
        std::size_t Most;
        const char* Found;
    } cases[] = {
        {"sal", kFirstHits,
         "Salt @ Condiments and Spices|SALAD greens @ Produce|Bread @ Recipe|"
         "Salad Ni\xC3\xA7oise @ Recipe|"},
        {"sal", 2, "Salt @ Condiments and Spices|SALAD greens @ Produce|"},
        {"creme", kFirstHits,
         "Cr\xC3\xA8me fra\xC3\xAE" "che @ Dairy|Salad Ni\xC3\xA7oise @ Recipe|"},
        {"  CR\xC3\x88ME FRAICHE ", kFirstHits, "Cr\xC3\xA8me fra\xC3\xAE" "che @ Dairy|"},
        {"nicoise", kFirstHits, "Salad Ni\xC3\xA7oise @ Recipe|"},
        {"aceinouyszæðþœ", kFirstHits, "ÀÇÈÌÑÒÙÝŠŽÆÐÞŒ @ Produce|"}, // a letter of each accent
        {"x", kFirstHits, ""},      // no accented letter is taken for another
        {"salami", kFirstHits, ""}, // its category is gone, as in the lists
        {"", kFirstHits, ""},
    };
    for (const auto& c : cases) {
        std::string found;
        for (const FindHit& hit : index.Search(c.Typed, c.Most))
            found += hit.Text + " @ " + hit.Where + "|";
        EXPECT_EQ(found, c.Found) << c.Typed;
    }
    // A hit is picked only while its item is still in its category.
    const FindHit salt = index.Search("salt", 1).at(0);
    EXPECT_TRUE(PickLineItem(w.s, w.ui, salt));
    w.folder.Write("std_item.lst", Items({{"Condiments and Spices", "Pepper"}}));
    EXPECT_FALSE(PickLineItem(w.s, w.ui, salt));
    w.s.Catalogue.CatList.clear(); // nor once its category is gone
    EXPECT_FALSE(PickLineItem(w.s, w.ui, salt));
}

} // namespace
} // namespace pantrix
