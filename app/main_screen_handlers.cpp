// The main window's handlers: each runs its command on the program's state and
// shows what changed.
#include "app/main_screen.h"

#include "app/autosave_timers.h"
#include "app/config_form.h"
#include "app/edit_menu.h"
#include "app/name_list_model.h"
#include "app/print_preview.h"
#include "app/qr_window.h"
#include "app/text_bridge.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/category_commands.h"
#include "catalogue/import_export.h"
#include "catalogue/item_commands.h"
#include "catalogue/maintenance.h"
#include "lists/entry_commands.h"
#include "lists/list_commands.h"
#include "output/list_output.h"
#include "output/recipe_output.h"
#include "recipes/recipe_commands.h"
#include "shell/help_commands.h"
#include "shell/options.h"
#include "shell/start_up.h"
#include "shell/views.h"
#include "web/web_commands.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace pantrix {

// "Exit" leaves at once: the window's geometry of this run is not kept.
void MainScreen::mu_Exit_Click()
{
    if (!ExitProgram(m_state, m_ui))
        return;
    m_exiting = true;
    QApplication::exit(0);
}

void MainScreen::mu_ClearList_Click()
{
    m_edit->Record(StepKind::ClearList, [this] { ClearList(m_state, m_ui); });
    RenderTodaysList();
}

void MainScreen::mu_SelectList_Click()
{
    m_edit->RunUnrecorded([this] { SelectList(m_state, m_ui); });
    RenderTodaysList();
}

void MainScreen::mu_OneTimeItem_Click()
{
    m_edit->Record(StepKind::AddEntry, [this] { AddOneTimeItem(m_state, m_ui); });
    RenderTodaysList();
}

void MainScreen::mu_NewCategory_Click()
{
    m_edit->Record(StepKind::NewCategory, [this] { NewCategory(m_state, m_ui); });
    RenderCatalogue(Categories::Changed);
}

void MainScreen::mu_EditCategory_Click()
{
    m_edit->Record(StepKind::EditCategory, [this] { EditCategory(m_state, m_ui); });
    RenderCatalogue(Categories::Changed);
}

void MainScreen::mu_DeleteCategory_Click()
{
    m_edit->Record(StepKind::DeleteCategory, [this] { DeleteCategory(m_state, m_ui); });
    RenderCatalogue(Categories::Changed);
}

void MainScreen::mu_NewItem_Click()
{
    m_edit->Record(StepKind::NewItem, [this] { NewItem(m_state, m_ui); });
    RenderCatalogue(Categories::Unchanged);
}

void MainScreen::mu_EditItem_Click()
{
    EditItem(m_state);
    RenderCatalogue(Categories::Unchanged);
}

void MainScreen::mu_DeleteItem_Click()
{
    m_edit->Record(StepKind::DeleteItem, [this] { DeleteItem(m_state, m_ui); });
    RenderCatalogue(Categories::Unchanged);
}

void MainScreen::ChangeName_Click()
{
    m_edit->Record(StepKind::ChangeItemName, [this] { ChangeItemName(m_state, m_ui); });
    RenderCatalogue(Categories::Unchanged);
}

void MainScreen::DeleteItem_Click()
{
    m_edit->Record(StepKind::DeleteItem, [this] { DeleteEditedItem(m_state, m_ui); });
    RenderCatalogue(Categories::Unchanged);
}

void MainScreen::MoveCancel_Click()
{
    CancelItemEdit(m_state);
    RenderCatalogue(Categories::Unchanged);
}

void MainScreen::mu_export_Click()
{
    ExportCatalogue(m_state, m_ui);
}

void MainScreen::MU_Import_Click()
{
    m_edit->RunUnrecorded([this] { ImportCatalogue(m_state, m_ui); });
    RenderCatalogue(Categories::Changed);
}

void MainScreen::mu_DataInformation_Click()
{
    ShowDataInformation(m_state, m_ui);
}

void MainScreen::MU_Purge_Click()
{
    m_edit->RunUnrecorded([this] { PurgeOrphans(m_state, m_ui); });
    RenderCatalogue(Categories::Unchanged);
}

void MainScreen::Menu_Print_Click()
{
    PrintShoppingList(m_state, m_ui);
    RenderTodaysList();
}

void MainScreen::mu_Clipboard_Click()
{
    CopyListToClipboard(m_state, m_ui);
    RenderTodaysList();
}

void MainScreen::mu_QrCode_Click()
{
    ShowListQrCode(m_state, m_ui, this);
}

void MainScreen::mu_PrintPreview_Click()
{
    ShowPrintPreview(m_state, m_ui, this);
    RenderTodaysList();
}

void MainScreen::mu_PrintLonger_Click()
{
    PrintLongerPage(m_state, m_ui);
}

void MainScreen::mu_PrintShorter_Click()
{
    PrintShorterPage(m_state, m_ui);
}

// The click that came first has made the category current; with the edit frame
// open, the double-click moves the edited item there.
void MainScreen::CatList_DblClick()
{
    m_edit->Record(StepKind::MoveItem, [this] { MoveItem(m_state, m_ui); });
    RenderCatalogue(Categories::Unchanged);
}

void MainScreen::mu_ToolTips_Click()
{
    ToggleToolTips(m_state, m_ui);
    if (m_state.ToolTipsCleared)
        ClearToolTips();
    RenderMenus();
}

void MainScreen::MU_LP_Click()
{
    ToggleLargePrint(m_state, m_ui);
    RenderMenus();
}

void MainScreen::mu_Print2Columns_Click()
{
    TogglePrintTwoColumns(m_state, m_ui);
    RenderMenus();
}

void MainScreen::mu_FontToggle_Click()
{
    ToggleBoldFonts(m_state, m_ui);
    RenderMenus();
    AdjustFonts();
}

void MainScreen::mu_ShowToolbar_Click()
{
    ToggleShowToolbar(m_state, m_ui);
    RenderMenus();
    RenderToolbar();
    layout()->activate();
    Form_Resize();
}

void MainScreen::CatList_Click(int row)
{
    SelectCategory(m_state, m_ui, static_cast<std::size_t>(row));
    m_stdModel->Refresh();
}

void MainScreen::StdList_Click(int row)
{
    SelectItem(m_state, static_cast<std::size_t>(row));
}

void MainScreen::StdList_DblClick()
{
    m_edit->Record(StepKind::AddEntry, [this] { AddFromCatalogue(m_state, m_ui); });
    RenderTodaysList();
}

void MainScreen::TmpList_Click(int row)
{
    SelectEntry(m_state, static_cast<std::size_t>(row));
}

void MainScreen::TmpList_DblClick()
{
    m_edit->Record(StepKind::RemoveEntry, [this] { RemoveCurrentEntry(m_state); });
    RenderTodaysList();
}

// Enter, or the right button on the row it picked.
void MainScreen::TmpList_Modify()
{
    m_edit->Record(StepKind::ModifyEntry, [this] { ModifyCurrentEntry(m_state, m_ui); });
    RenderTodaysList();
}

void MainScreen::Toolbar1_ButtonClick(const QString& key)
{
    for (const ToolbarButton& button : ToolbarButtons())
        if (button.Key && key == QLatin1String(button.Key))
            if (const Handler run = HandlerFor(button))
                (this->*run)();
}

} // namespace pantrix

namespace pantrix {

void MainScreen::mu_ShowRecipeCollection_Click()
{
    ShowRecipeCollection(m_state, m_ui);
    RenderView();
}

void MainScreen::mu_ShowItemLists_Click()
{
    ShowItemLists(m_state, m_ui);
    RenderView();
}

void MainScreen::mu_NewRecipe_Click()
{
    m_edit->Record(StepKind::NewRecipe, [this] { NewRecipe(m_state, m_ui); });
    RenderRecipes(RecipeList::Changed);
    RenderTodaysList();
}

void MainScreen::mu_DeleteRecipe_Click()
{
    m_edit->Record(StepKind::DeleteRecipe, [this] { DeleteRecipe(m_state, m_ui); });
    RenderRecipes(RecipeList::Changed);
}

void MainScreen::mu_RenameRecipe_Click()
{
    m_edit->Record(StepKind::RenameRecipe, [this] { RenameRecipe(m_state, m_ui); });
    RenderRecipes(RecipeList::Changed);
}

void MainScreen::mu_GetIngredients_Click()
{
    m_edit->Record(StepKind::GetIngredients, [this] { GetIngredientList(m_state, m_ui); });
    RenderTodaysList();
}

void MainScreen::mu_SaveIngredients_Click()
{
    m_edit->Record(StepKind::SaveIngredients, [this] { SaveIngredientList(m_state, m_ui); });
    RenderTodaysList();
}

void MainScreen::mu_PrintRecipe_Click()
{
    PrintRecipe(m_state, m_ui);
    RenderTodaysList();
}

void MainScreen::mu_ClipNotes_Click()
{
    CopyRecipeNotesToClipboard(m_state, m_ui);
}

void MainScreen::File1_Click(int row)
{
    OpenRecipe(m_state, m_ui, static_cast<std::size_t>(row));
    RenderRecipes(RecipeList::Unchanged);
}

// The press opened the recipe under the pointer, which is renamed unless it did
// not open (its changed text could not be saved, or the user cancelled).
void MainScreen::File1_RightPick(int row)
{
    if (m_state.Recipes.Selected == static_cast<std::size_t>(row))
        mu_RenameRecipe_Click();
}

void MainScreen::EditorBox_Change()
{
    m_editorShown = FromEditorText(m_editorBox->document()->toRawText());
    EditRecipeText(m_state, m_editorShown);
    m_autosave->RecipeTextMayHaveChanged();
}

} // namespace pantrix

namespace pantrix {

// Making the index opens each recipe in turn, so the recipe view shows the last.
void MainScreen::mu_MakeSinglePage_Click()
{
    MakeSingleWebPage(m_state, m_ui);
    RenderRecipes(RecipeList::Changed);
}

void MainScreen::mu_MakeIndex_Click()
{
    MakeIndex(m_state, m_ui);
    RenderRecipes(RecipeList::Changed);
}

void MainScreen::mu_MakeIndexApplyStyle_Click()
{
    MakeIndexApplyStyle(m_state, m_ui);
    RenderRecipes(RecipeList::Changed);
}

void MainScreen::mu_MakeAll_Click()
{
    MakeAllPages(m_state, m_ui);
    RenderRecipes(RecipeList::Changed);
}

void MainScreen::mu_WebStyle_Click()
{
    ConfigForm form(m_state, m_ui, this);
    form.exec();
}

void MainScreen::MU_Inst_Click()
{
    ShowHelpContents(m_state, m_ui);
}

void MainScreen::MU_About_Click()
{
    ShowAbout(m_state, m_ui);
}

void MainScreen::MU_BrowseDefault_Click()
{
    VisitMakerWebsite(m_state, m_ui);
}

void MainScreen::MU_HostBrowse_Click()
{
    VisitHostWebsite(m_state, m_ui);
}

} // namespace pantrix
