// "Export" writes the catalogue to "export.txt"; "Import" adds the catalogue in
// "import.txt" to it. Both files use the catalogue text format.
#pragma once

namespace pantrix {

class Ui;
struct MainScreenState;

void ExportCatalogue(MainScreenState& s, Ui& ui);

// The import goes through "category.new" and "std_item.new" and the merge; when
// any step fails, the catalogue files are left as they were before.
void ImportCatalogue(MainScreenState& s, Ui& ui);

} // namespace pantrix
