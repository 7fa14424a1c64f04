#include "shell/form_resize.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

WindowMeasures Window(long outerHeight)
{
    WindowMeasures m;
    m.OuterHeight = outerHeight;
    m.ClientWidth = 8600;
    m.ClientHeight = outerHeight - 600;
    m.ToolbarHeight = 600;
    m.StatusBarHeight = 300;
    return m;
}

TEST(Form_Resize, AWindowOfFiveThousandTwipsOrLessIsLeftAsItIs)
{
    WindowLayout layout;
    const WindowLayout before = layout;
    Form_Resize(Window(5000), layout);
    EXPECT_EQ(layout, before);
    Form_Resize(Window(0), layout);
    EXPECT_EQ(layout, before);
}

TEST(Form_Resize, LaysOutLineItemsAboveCategoriesAndTodaysListAtFullHeight)
{
    WindowLayout layout;
    Form_Resize(Window(5001), layout); // H = 4401, F = 4401 - 900 = 3501
    EXPECT_EQ(layout.StdList, (Rect{0, 600, 3735, 1750}));
    EXPECT_EQ(layout.CatList, (Rect{0, 2350, 3735, 1750}));
    EXPECT_EQ(layout.TmpList, (Rect{3720, 600, 8600 - 3735, 3501}));
    EXPECT_EQ(layout.EditorBox, (Rect{0, 2350, 8600, 1750}));
    EXPECT_EQ(layout.MoveBox, layout.StdList);
    EXPECT_EQ(layout.MacroFrame, (Rect{0, 600, 3735, 1750}));
    EXPECT_EQ(layout.File1.Height, 1750 - layout.File1.Top);
    EXPECT_EQ(layout.File1.Width, 3735);
}

TEST(Form_Resize, HidingTheToolbarMovesTheListsUpAndMakesThemTaller)
{
    WindowLayout shown;
    WindowLayout hidden;
    WindowMeasures m = Window(7000);
    Form_Resize(m, shown);
    m.ToolbarShown = false;
    Form_Resize(m, hidden);
    EXPECT_EQ(shown.StdList.Top - hidden.StdList.Top, 600);
    EXPECT_EQ(shown.TmpList.Top - hidden.TmpList.Top, 600);
    EXPECT_EQ(hidden.TmpList.Height - shown.TmpList.Height, 600);
    EXPECT_EQ(hidden.StdList.Height + hidden.CatList.Height,
              shown.StdList.Height + shown.CatList.Height + 600);
}

TEST(Form_Resize, TheRecipeViewHalvesTodaysListAndTheItemViewRestoresIt)
{
    WindowLayout layout;
    WindowMeasures m = Window(7000);
    Form_Resize(m, layout);
    const long full = layout.TmpList.Height;
    m.RecipeView = true;
    Form_Resize(m, layout);
    EXPECT_EQ(layout.TmpList.Height, full / 2);
    m.RecipeView = false;
    Form_Resize(m, layout);
    EXPECT_EQ(layout.TmpList.Height, full);
}

} // namespace
} // namespace pantrix
