// The main window's layout, in twips, as a function of its size: line items in
// the upper left quarter, categories below them, Today's List over the full
// height on the right; the recipe view lays its frame over the line items and
// its text over the lower half.
#pragma once

#include "state/rect.h"

namespace pantrix {

struct WindowLayout
{
    Rect StdList{0, 0, 3735, 2000};
    Rect CatList{0, 2000, 3735, 2000};
    Rect TmpList{3720, 0, 4800, 4000};
    Rect EditorBox{0, 2000, 8500, 2000};
    Rect MacroFrame{0, 0, 3735, 2000};
    Rect File1{60, 1260, 3615, 700}; // inside MacroFrame, below its buttons and label
    Rect MoveBox{0, 0, 3735, 2000};
    bool operator==(const WindowLayout&) const = default;
};

struct WindowMeasures
{
    long OuterHeight = 0;
    long ClientWidth = 0;  // W
    long ClientHeight = 0; // H
    long ClientTop = 0;    // T0
    long ToolbarHeight = 0;
    long StatusBarHeight = 0;
    bool ToolbarShown = true;
    bool RecipeView = false; // the recipe frame is showing
};

// Lays `layout` out for the window; a window 5000 twips high or less (or
// minimised) is left as it is.
void Form_Resize(const WindowMeasures& window, WindowLayout& layout);

} // namespace pantrix
