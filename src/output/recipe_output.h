// The open recipe's text on the printer and on the clipboard.
#pragma once

namespace pantrix {

class Ui;
struct MainScreenState;

// "Print Recipe": the text of the recipe text box, without the recipe's name,
// followed on request by Today's List.
void PrintRecipe(MainScreenState& s, Ui& ui);

// "Copy Current Recipe Notes to Clipboard": the recipe's text file, written first
// when the text box holds changes.
void CopyRecipeNotesToClipboard(MainScreenState& s, Ui& ui);

} // namespace pantrix
