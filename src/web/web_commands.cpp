#include "web/web_commands.h"

#include "platform/ui.h"
#include "recipes/recipe_commands.h"
#include "recipes/recipe_files.h"
#include "shell/browser.h"
#include "shell/data_folder.h"
#include "state/main_screen_state.h"
#include "text/fields.h"
#include "text/lines.h"
#include "web/generated_file.h"
#include "web/index_page.h"
#include "web/page_graphics.h"
#include "web/page_names.h"
#include "web/recipe_page.h"

#include <algorithm>

namespace pantrix {
namespace {

enum class IndexKind
{
    ListExisting,
    RestyleExisting,
    MakeAll
};

// Page making stopped by a crash leaves the twins of its pages and pictures; the
// next in the same folder removes them. The folder may hold other files, so only
// twins of the names pages and their pictures take go.
void RemoveTwinsOfPages(const MainScreenState& s)
{
    const std::vector<std::string> pictures = PageGraphicNames(s);
    RemoveStaleTwins(s.WebFolder, [&](std::string_view file) {
        return file.ends_with(".htm") || std::ranges::find(pictures, file) != pictures.end();
    });
}

// The dialog starts in the folder pages went to last; the folder as chosen is
// used whole, only the page names are the program's.
bool ChooseWebFolder(MainScreenState& s, Ui& ui, std::string presetName)
{
    const std::string_view last = Trim(s.Settings.WebPagesFolder);
    const bool same = !s.WebFolder.empty() && last == DataPathText(s.WebFolder);
    const fs::path start = same ? s.WebFolder : LocalPath(s, last);
    // The first time, the pages' own folder in the data folder is made ready.
    if ((start / "").lexically_normal() == (s.DataFolder / "webpages" / "").lexically_normal()) {
        std::error_code ignored;
        fs::create_directory(start, ignored);
    }
    const auto chosen =
        ui.FileSaveDialog({"Save As...", {{"Web Pages", "*.htm"}}, start, std::move(presetName)});
    if (!chosen || chosen->FileName.empty())
        return false;
    const fs::path folder = chosen->FullPath.parent_path();
    if (!PathFitsSettings(ui, DataPathText(folder)))
        return false;
    s.WebFolder = folder;
    s.Settings.WebPagesFolder = DataPathText(s.WebFolder);
    RemoveTwinsOfPages(s);
    return true;
}

// The page of the open recipe from its files as they are now.
bool WritePage(const MainScreenState& s, Ui& ui, const fs::path& page)
{
    const fs::path& base = s.Recipes.CurrentBase;
    const auto text = ReadWholeFile(TextFile(base));
    const auto ingredients = ReadOrCreateFile(IngredientFile(base));
    const Status read = !text ? text.status() : ingredients.status();
    if (!read) {
        ShowFailure(ui, read);
        return false;
    }
    const Status written = WriteGenerated(
        page, RecipePage(s.Settings, s.Recipes.CurrentRecipe, text.value(), ingredients.value()));
    if (!written)
        ShowFailure(ui, written);
    return written.ok();
}

void Finish(MainScreenState& s, Ui& ui, const fs::path& shown, bool linkShown)
{
    std::vector<std::string> problems;
    {
        BusyPointer busy(ui);
        problems = CopyPageGraphics(s, s.WebFolder, linkShown);
    }
    ShowPictureProblems(
        ui, problems, "The pages are made, but these pictures will not show on them:", "Web Pages");
    RunBrowser(s, ui, shown);
}

// The walk stops where a recipe did not open: the text of the one open before
// could not be saved, and the user was told.
bool OpenedRow(const MainScreenState& s, std::size_t row)
{
    return s.Recipes.Selected == row && !s.Recipes.RecipeChanged;
}

// The index is written last, so an index on disk lists only pages that are
// there whole.
void MakeIndexOf(MainScreenState& s, Ui& ui, IndexKind kind)
{
    if (!ChooseWebFolder(s, ui, std::string(kIndexName)))
        return;
    std::string index = IndexHead(s.Settings);
    {
        BusyPointer busy(ui);
        for (std::size_t row = 0; row < s.Recipes.Files.size(); ++row) {
            OpenRecipe(s, ui, row);
            if (!OpenedRow(s, row))
                return;
            const fs::path page = PageFile(s.WebFolder, s.Recipes.CurrentRecipe);
            std::error_code error;
            if (kind != IndexKind::MakeAll && !fs::is_regular_file(page, error))
                continue;
            index += LinkRow(s.Recipes.CurrentRecipe);
            if (kind != IndexKind::ListExisting && !WritePage(s, ui, page))
                return;
        }
        index += IndexEnd(s.Settings);
    }
    const fs::path file = s.WebFolder / std::string(kIndexName);
    if (Status written = WriteGenerated(file, index); !written)
        return ShowFailure(ui, written);
    Finish(s, ui, file, true);
}

} // namespace

void MakeSingleWebPage(MainScreenState& s, Ui& ui)
{
    const RecipeView& r = s.Recipes;
    if (r.CurrentBase.empty() || Trim(r.CurrentRecipe).empty())
        return (void)ui.ShowMessage(Information("Please pick a recipe.", "Nothing to do!"));
    if (!ChooseWebFolder(s, ui, r.CurrentRecipe + ".htm") || !SaveChangedRecipeText(s, ui))
        return;
    const fs::path page = PageFile(s.WebFolder, r.CurrentRecipe);
    if (WritePage(s, ui, page))
        Finish(s, ui, page, false);
}

void MakeIndex(MainScreenState& s, Ui& ui)
{
    MakeIndexOf(s, ui, IndexKind::ListExisting);
}

void MakeIndexApplyStyle(MainScreenState& s, Ui& ui)
{
    MakeIndexOf(s, ui, IndexKind::RestyleExisting);
}

void MakeAllPages(MainScreenState& s, Ui& ui)
{
    MakeIndexOf(s, ui, IndexKind::MakeAll);
}

} // namespace pantrix
