#include "recipes/recipe_files.h"

#include "support/data_folder.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;
using Lines = std::vector<std::string>;

TEST(RecipeFiles, TheCollectionIsTheRcpFilesSortedWithoutRegardToCase)
{
    TestFolder folder;
    for (const char* name : {"b.rcp", "a.rcp", "A.rcp", "Crème.rcp", "Я.rcp", "Ж.rcp", "c.RCP",
                             "d.rcp.txt", ".rcp", "  .rcp", "e.txt"})
        folder.Write(name, "");
    fs::create_directory(folder.File("dir.rcp"));
    Lines names;
    for (const RecipeEntry& entry : ListRecipes(folder.Path()))
        names.push_back(entry.Name + "=" + entry.File.filename().string());
    EXPECT_EQ(names,
              (Lines{"?=Ж.rcp", "?=Я.rcp", "A=A.rcp", "a=a.rcp", "b=b.rcp", "Cr\xE8me=Crème.rcp"}));
    std::error_code error;
    EXPECT_TRUE(ListRecipes(folder.File("missing"), error).empty());
    EXPECT_TRUE(error);
}

TEST(RecipeFiles, AMoveThatFailsHalfWayPutsTheIngredientFileBack)
{
    TestFolder folder;
    folder.Write("Soup.rcp", "Dairy\xB0 Milk\r\n");
    fs::create_directories(folder.File("Stew.txt/inside"));
    EXPECT_FALSE(MoveRecipe(folder.File("Soup"), folder.File("Stew")));
    EXPECT_EQ(folder.Read("Soup.rcp"), "Dairy\xB0 Milk\r\n");
    EXPECT_TRUE(folder.Exists("Soup.txt")); // created before the moves
    EXPECT_FALSE(folder.Exists("Stew.rcp"));
}

} // namespace
} // namespace pantrix
