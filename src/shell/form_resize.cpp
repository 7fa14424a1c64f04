#include "shell/form_resize.h"

namespace pantrix {

void Form_Resize(const WindowMeasures& window, WindowLayout& layout)
{
    if (window.OuterHeight <= 5000)
        return;
    layout.TmpList.Width = window.ClientWidth - layout.StdList.Width;
    layout.EditorBox.Width = window.ClientWidth;

    long freeHeight = window.ClientHeight - window.StatusBarHeight;
    layout.StdList.Top = window.ClientTop;
    if (window.ToolbarShown) {
        freeHeight -= window.ToolbarHeight;
        layout.StdList.Top += window.ToolbarHeight;
    }
    layout.TmpList.Top = layout.StdList.Top;
    layout.TmpList.Height = window.RecipeView ? freeHeight / 2 : freeHeight;
    layout.StdList.Height = freeHeight / 2;
    layout.CatList.Top = layout.StdList.Top + layout.StdList.Height;
    layout.CatList.Height = freeHeight / 2;
    layout.EditorBox.Top = layout.CatList.Top;
    layout.EditorBox.Height = layout.CatList.Height;

    layout.MacroFrame.Top = layout.StdList.Top;
    layout.MacroFrame.Height = layout.StdList.Height;
    layout.MacroFrame.Width = layout.StdList.Width;
    layout.File1.Height = layout.MacroFrame.Height - layout.File1.Top;
    layout.File1.Width = layout.MacroFrame.Width;
    layout.MoveBox = layout.StdList;
}

} // namespace pantrix
