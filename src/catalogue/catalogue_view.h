// The catalogue as the main window shows it: the categories, the line items of
// the current category, and which of them was clicked last.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pantrix {

class Ui;
struct MainScreenState;

struct CatalogueView
{
    // 30-byte padded names in alphabetical order without regard to case; a
    // row number of the window's list is an index here.
    std::vector<std::string> CatList;
    std::vector<std::string> StdList;
    std::optional<std::size_t> StdListCurrent; // the selected line item, if any
    std::string CatEdit;                       // the current category; empty when none
    std::string StdEdit;                       // the line item clicked last
    std::string SelectedCategory;
    std::string SelectedItem;

    // The item edit frame laid over the line items.
    bool MoveBoxShowing = false;
    std::string MoveEd; // the item being edited, trimmed
};

// Every record of "category.lst", in sorted order.
void LoadCategoryList(MainScreenState& s, Ui& ui);

// The items whose category field equals the current category byte for byte.
// With no current category, the shown items stay as they are.
void LoadItemList(MainScreenState& s, Ui& ui);

// A click on a row of the category list and of the line-item list; the item
// click also brings the count of Today's List up to date.
void SelectCategory(MainScreenState& s, Ui& ui, std::size_t row);
void SelectItem(MainScreenState& s, std::size_t row);

} // namespace pantrix
