// "Purge Orphan Line Items" and "Data Information".
#pragma once

namespace pantrix {

class Ui;
struct MainScreenState;

// Rewrites the item file grouped by category, in the order of the categories,
// without items whose category is gone and without blank items.
void PurgeOrphans(MainScreenState& s, Ui& ui);

// How many categories and line items the files hold, and where they are.
void ShowDataInformation(MainScreenState& s, Ui& ui);

} // namespace pantrix
