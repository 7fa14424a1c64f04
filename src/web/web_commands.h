// The Recipes menu's web page commands: a page of the open recipe, and the index
// of a folder's recipe pages, made with or without the pages themselves. Each asks
// for the folder, copies the pictures beside the pages and shows the result in
// the browser.
#pragma once

namespace pantrix {

class Ui;
struct MainScreenState;

// "Make Single Web Page": the open recipe's page, its changed text saved first.
void MakeSingleWebPage(MainScreenState& s, Ui& ui);

// The index commands open each listed recipe in turn, as a click on it does, so
// the last one is open afterwards.
// "Make Index, Do Not Change Page Style": links the recipes whose page exists.
void MakeIndex(MainScreenState& s, Ui& ui);
// "Make Index, Apply Current Style to All": the same, writing those pages anew.
void MakeIndexApplyStyle(MainScreenState& s, Ui& ui);
// "Make Pages and Index for All Recipes".
void MakeAllPages(MainScreenState& s, Ui& ui);

} // namespace pantrix
