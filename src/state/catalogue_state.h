// The catalogue as the main window shows it: the categories, the line items of
// the current category, and which of them was clicked last.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace pantrix {

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

} // namespace pantrix
