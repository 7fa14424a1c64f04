#include "app/main_menu.h"

#include "app/main_screen.h"

#include <array>

namespace pantrix {
namespace {

constexpr MenuEntry kSeparator{};
using G = EntryGroup;
using S = MainScreen;

const std::array kFileMenu = {
    MenuEntry{"mu_ClearList", "&Clear List and Start Over", "Ctrl+C", &S::mu_ClearList_Click},
    MenuEntry{"mu_SelectList", "&Select / Create New List", "Ctrl+S", &S::mu_SelectList_Click},
    kSeparator,
    MenuEntry{"mu_PrintList", "&Print Shopping List", "Ctrl+P", &S::Menu_Print_Click},
    MenuEntry{"mu_PrintRecipe", "Print &Recipe", "", &S::mu_PrintRecipe_Click},
    MenuEntry{"mu_PrintPreview", "Print Pre&view...", "Ctrl+Shift+P", &S::mu_PrintPreview_Click},
    MenuEntry{"mu_Clipboard", "C&opy Current List to Clipboard", "", &S::mu_Clipboard_Click},
    MenuEntry{"mu_QrCode", "Show List as &QR Code", "", &S::mu_QrCode_Click},
    MenuEntry{"mu_ClipNotes", "Copy Current Recipe &Notes to Clipboard", "", &S::mu_ClipNotes_Click,
              G::RecipeNotes},
    kSeparator,
    MenuEntry{"MU_Import", "&Import", "", &S::MU_Import_Click},
    MenuEntry{"mu_export", "&Export", "", &S::mu_export_Click},
    MenuEntry{"mu_DataInformation", "&Data Information", "", &S::mu_DataInformation_Click},
    MenuEntry{"MU_Purge", "P&urge Orphan Line Items", "", &S::MU_Purge_Click},
    MenuEntry{"mu_Exit", "E&xit", "Ctrl+Q", &S::mu_Exit_Click},
};

const std::array kItemsMenu = {
    MenuEntry{"mu_ShowItemLists", "&Show Item Lists", "Ctrl+I", &S::mu_ShowItemLists_Click},
    kSeparator,
    MenuEntry{"mu_OneTimeItem", "&One-Time Item", "", &S::mu_OneTimeItem_Click},
    kSeparator,
    MenuEntry{"mu_NewItem", "&New Item", "", &S::mu_NewItem_Click, G::ItemEditing},
    MenuEntry{"mu_EditItem", "&Edit Item", "", &S::mu_EditItem_Click, G::ItemEditing},
    MenuEntry{"mu_DeleteItem", "&Delete Item", "", &S::mu_DeleteItem_Click, G::ItemEditing},
    kSeparator,
    MenuEntry{"mu_NewCategory", "New &Category", "", &S::mu_NewCategory_Click, G::ItemEditing},
    MenuEntry{"mu_EditCategory", "Edi&t Category", "", &S::mu_EditCategory_Click, G::ItemEditing},
    MenuEntry{"mu_DeleteCategory", "De&lete Category", "", &S::mu_DeleteCategory_Click,
              G::ItemEditing},
};

const std::array kRecipesMenu = {
    MenuEntry{"mu_ShowRecipeCollection", "&Show Recipe Collection", "Ctrl+R",
              &S::mu_ShowRecipeCollection_Click},
    kSeparator,
    MenuEntry{"mu_NewRecipe", "&New Recipe", "", &S::mu_NewRecipe_Click, G::Recipe},
    MenuEntry{"mu_DeleteRecipe", "&Delete Recipe", "", &S::mu_DeleteRecipe_Click, G::Recipe},
    MenuEntry{"mu_SaveIngredients", "Sa&ve Ingredient List", "", &S::mu_SaveIngredients_Click,
              G::Recipe},
    MenuEntry{"mu_GetIngredients", "&Get Ingredient List", "", &S::mu_GetIngredients_Click,
              G::Recipe},
    MenuEntry{"mu_RenameRecipe", "Re-Na&me a Recipe", "", &S::mu_RenameRecipe_Click, G::Recipe},
    kSeparator,
    MenuEntry{"mu_MakeSinglePage", "Make Single &Web Page", "", &S::mu_MakeSinglePage_Click,
              G::Recipe},
    MenuEntry{"mu_MakeIndex", "Make &Index, Do Not Change Page Style", "", &S::mu_MakeIndex_Click,
              G::Recipe},
    MenuEntry{"mu_MakeIndexApplyStyle", "Make Index, &Apply Current Style to All", "",
              &S::mu_MakeIndexApplyStyle_Click, G::Recipe},
    MenuEntry{"mu_MakeAll", "Make &Pages and Index for All Recipes", "", &S::mu_MakeAll_Click,
              G::Recipe},
};

const std::array kOptionsMenu = {
    MenuEntry{"mu_WebStyle", "Adjust &Web Page Style", "", &S::mu_WebStyle_Click},
    kSeparator,
    MenuEntry{"MU_LP", "&Large Print", "", &S::MU_LP_Click, G::Toggle},
    MenuEntry{"mu_Print2Columns", "Print &2 Columns", "", &S::mu_Print2Columns_Click, G::Toggle},
    MenuEntry{"mu_ToolTips", "&Tool Tips", "", &S::mu_ToolTips_Click, G::Toggle},
    MenuEntry{"mu_FontToggle", "&Bold Fonts", "", &S::mu_FontToggle_Click, G::Toggle},
    MenuEntry{"mu_ShowToolbar", "&Show Toolbar", "", &S::mu_ShowToolbar_Click, G::Toggle},
    kSeparator,
    MenuEntry{"mu_PrintLonger", "Print Lon&ger Page", "", &S::mu_PrintLonger_Click},
    MenuEntry{"mu_PrintShorter", "Print S&horter Page", "", &S::mu_PrintShorter_Click},
};

const std::array kHelpMenu = {
    MenuEntry{"MU_Inst", "&Contents", "F1", &S::MU_Inst_Click},
    MenuEntry{"MU_About", "&About", "", &S::MU_About_Click},
    MenuEntry{"MU_BrowseDefault", "&Visit Quillfield Website", "", &S::MU_BrowseDefault_Click},
    MenuEntry{"MU_HostBrowse", "Visit (host) W&ebsite", "", &S::MU_HostBrowse_Click},
};

const std::array kMenus = {
    MenuDefinition{"mu_File", "&File", kFileMenu},
    MenuDefinition{"mu_Items", "&Items", kItemsMenu},
    MenuDefinition{"mu_Recipes", "&Recipes", kRecipesMenu},
    MenuDefinition{"mu_Options", "&Options", kOptionsMenu},
    MenuDefinition{"mu_Help", "&Help", kHelpMenu},
};

constexpr ToolbarButton kButtonSeparator{nullptr, nullptr, nullptr, nullptr, nullptr};

const std::array kButtons = {
    ToolbarButton{"NewCat", "New Cat", "Create a new category", "mu_NewCategory", nullptr},
    ToolbarButton{"NewItem", "New Item", "Add a new item to this category", "mu_NewItem", nullptr},
    kButtonSeparator,
    ToolbarButton{"Special", "Special", "Add a one-time item to your shopping list",
                  "mu_OneTimeItem", "mu_OneTimeItem"},
    kButtonSeparator,
    ToolbarButton{"Open", "Open", "Select a shopping list to work with", "mu_SelectList",
                  "mu_SelectList"},
    ToolbarButton{"Clear", "Clear", "Erase your shopping list and start over", "mu_ClearList",
                  "mu_ClearList"},
    kButtonSeparator,
    ToolbarButton{"Print", "Print", "Print your shopping list or recipe", "mu_PrintList",
                  "mu_PrintRecipe"},
    ToolbarButton{"ClipBoard", "Clipboard", "Copy your shopping list or recipe to clipboard",
                  "mu_Clipboard", "mu_ClipNotes"},
    kButtonSeparator,
    ToolbarButton{"Help", "Help", "Help contents", "MU_Inst", "MU_Inst"},
    ToolbarButton{"Web", "Web", "Visit our website!", "MU_BrowseDefault", "MU_BrowseDefault"},
    kButtonSeparator,
    ToolbarButton{"Recipes", "Recipes", "Show the recipe collection", "mu_ShowRecipeCollection",
                  nullptr},
    ToolbarButton{"Items", "Items", "Show the categories and line items", nullptr,
                  "mu_ShowItemLists"},
};

static_assert(kButtons.size() == 16);

} // namespace

std::span<const MenuDefinition> MainMenus()
{
    return kMenus;
}

std::span<const ToolbarButton> ToolbarButtons()
{
    return kButtons;
}

} // namespace pantrix
