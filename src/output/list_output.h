// Today's List on the clipboard and on the printer, and the page length the
// printed pages follow.
#pragma once

namespace pantrix {

class Ui;
struct MainScreenState;

// "Copy Current List to Clipboard": after the question, the list's text in one
// or two columns as the settings say.
void CopyListToClipboard(MainScreenState& s, Ui& ui);

// "Print Shopping List": nothing to print for an empty list; otherwise the list.
void PrintShoppingList(MainScreenState& s, Ui& ui);

// Prints the list as it stands, an empty one as its header alone, after asking
// whether to include the category names.
void PrintTempList(MainScreenState& s, Ui& ui);

// "Print Longer Page" and "Print Shorter Page": two lines more or fewer a page.
void PrintLongerPage(MainScreenState& s, Ui& ui);
void PrintShorterPage(MainScreenState& s, Ui& ui);

} // namespace pantrix
