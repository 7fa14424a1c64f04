// The catalogue as text: a line "[!]" + name starts a category, every other line
// is an item of the category above it. Lines are stripped of surrounding spaces,
// empty ones skipped, names cut to 30 characters.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pantrix {

struct CatalogueText
{
    std::string CategoryRecords; // in the order of the text
    std::string ItemRecords;
    // The first item line that came before any category line (1-based); such
    // lines have no category and are left out.
    std::optional<std::size_t> FirstLineWithoutCategory;
};

CatalogueText ParseCatalogueText(std::string_view text);

} // namespace pantrix
