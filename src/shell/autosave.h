// Saves made while the user works, so that a crash, a kill or a power cut costs
// at most the moment of work before it: Today's List into its file, the open
// recipe's changed text into its text file, and text typed with no recipe open
// into a recovery file of the data folder, offered back at the next start. The
// window decides when; these decide what is due and store it.
#pragma once

#include "platform/status.h"

#include <string_view>

namespace pantrix {

class Ui;
struct MainScreenState;

// Not a recipe's file: recipes are listed by their ".rcp" files.
inline constexpr std::string_view kRecoveryFile = "Unsaved recipe text.recovery";

// Today's List into its file, when it differs from what the file holds. A
// failure is told once, until a save succeeds again; the list in memory stays.
void AutosaveList(MainScreenState& s, Ui& ui);

// The recipe text where StoreRecipeText puts it; a failure is told as above.
void AutosaveRecipeText(MainScreenState& s, Ui& ui);

// The open recipe's changed text into its file; text typed with no recipe open
// into the recovery file, which goes once no such text is left (stored in a
// recipe, thrown away, or the box emptied).
Status StoreRecipeText(MainScreenState& s);

// At start: text left in the recovery file is offered back. Yes puts it in the
// recipe text box as typed text with no recipe open, No throws it away, Cancel
// (or a closed box) keeps the file for the next start.
void OfferUnsavedRecipeText(MainScreenState& s, Ui& ui);

// Leaving normally, after the question that said the typed text would be lost.
Status DropUnsavedRecipeText(MainScreenState& s);

} // namespace pantrix
