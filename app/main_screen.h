// The main window: menus, toolbar, status bar and the lists. It turns events into
// the program's commands and shows the state they leave.
#pragma once

#include "app/main_menu.h"
#include "shell/form_resize.h"
#include "state/main_screen_state.h"

#include <QMainWindow>
#include <QPointer>
#include <map>
#include <optional>

class QAction;
class QKeyEvent;
class QPlainTextEdit;
class QLabel;
class QLineEdit;
class QToolBar;
class QTimer;
class QToolButton;

namespace pantrix {

class AutosaveTimers;
class EditMenu;
class NameListModel;
class PickList;
class TodaysListModel;
struct MenuEntry;
struct ToolbarButton;
class PX_QF_Splash;
class Ui;

class MainScreen final : public QMainWindow
{
    Q_OBJECT

public:
    MainScreen(MainScreenState& state, Ui& ui);
    ~MainScreen() override;

    // Runs the start-up steps: settings, window place, splash, catalogue, menus.
    void StartUp();

    // Twips per pixel of this screen.
    double TwipsPerPixel() const;
    long Twips(int pixels) const;
    int Pixels(long twips) const;

public slots:
    void mu_Exit_Click();
    void mu_ClearList_Click();
    void mu_SelectList_Click();
    void mu_OneTimeItem_Click();
    void mu_NewCategory_Click();
    void mu_EditCategory_Click();
    void mu_DeleteCategory_Click();
    void mu_NewItem_Click();
    void mu_EditItem_Click();
    void mu_DeleteItem_Click();
    void ChangeName_Click();
    void DeleteItem_Click();
    void MoveCancel_Click();
    void mu_export_Click();
    void MU_Import_Click();
    void mu_DataInformation_Click();
    void MU_Purge_Click();
    void CatList_DblClick();
    void Menu_Print_Click();
    void mu_Clipboard_Click();
    void mu_QrCode_Click();
    void mu_PrintPreview_Click();
    void mu_PrintLonger_Click();
    void mu_PrintShorter_Click();
    void mu_ToolTips_Click();
    void MU_LP_Click();
    void mu_Print2Columns_Click();
    void mu_FontToggle_Click();
    void mu_ShowToolbar_Click();
    void CatList_Click(int row);
    void StdList_Click(int row);
    void StdList_DblClick();
    void TmpList_Click(int row);
    void TmpList_DblClick();
    void TmpList_Modify();
    void Toolbar1_ButtonClick(const QString& key);
    void mu_ShowRecipeCollection_Click();
    void mu_ShowItemLists_Click();
    void mu_NewRecipe_Click();
    void mu_DeleteRecipe_Click();
    void mu_RenameRecipe_Click();
    void mu_GetIngredients_Click();
    void mu_SaveIngredients_Click();
    void mu_PrintRecipe_Click();
    void mu_ClipNotes_Click();
    void File1_Click(int row);
    void File1_RightPick(int row);
    void mu_MakeSinglePage_Click();
    void mu_MakeIndex_Click();
    void mu_MakeIndexApplyStyle_Click();
    void mu_MakeAll_Click();
    void mu_WebStyle_Click();
    void MU_Inst_Click();
    void MU_About_Click();
    void MU_BrowseDefault_Click();
    void MU_HostBrowse_Click();
    void EditorBox_Change();
    // The desktop session ends or the program is told to stop: the settings and
    // Today's List are stored without a question, and the program ends.
    void EndSession();

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildLists();
    void BuildMoveBox(QWidget* area);
    void BuildRecipeFrame(QWidget* area);
    void BuildEditorBox(QWidget* area);
    void BuildTabOrder();
    void BuildMenus();
    void BuildToolbar();
    void BuildStatusBar();
    void PlaceWindow(const Rect& frame);
    void PlaceAgainOnceTheFrameIsKnown();
    void ApplyFrame(const Rect& frame);
    QMargins Border() const;
    void RememberGeometry();
    void ShowSplash();

    bool HandleListKey(QObject* watched, QKeyEvent* event);
    void Render();
    void RenderTodaysList();
    enum class Categories
    {
        Unchanged,
        Changed
    };
    void RenderCatalogue(Categories categories);
    void RenderItemFrame();
    void RenderMenus();
    void RenderToolbar();
    void RenderView();
    // Opening a recipe leaves the list as it is, so its scroll place is kept.
    enum class RecipeList
    {
        Unchanged,
        Changed
    };
    void RenderRecipes(RecipeList list);
    void RenderDate();
    void ShowDateAgainAtMidnight();
    void AdjustFonts();
    void ClearToolTips();
    void Form_Resize();
    void Place(QWidget* widget, const Rect& twips);
    int MenuHeight() const;
    Handler HandlerFor(const ToolbarButton& button) const;

    MainScreenState& m_state;
    Ui& m_ui;
    WindowLayout m_layout;
    bool m_exiting = false;
    bool m_started = false;
    bool m_endRequested = false;
    // The frame asked for at start-up, until the window manager has told the
    // size of its own border, which may come only after the window shows.
    std::optional<Rect> m_wantedFrame;
    QMargins m_placedWithBorder;
    std::optional<bool> m_boldShown;
    QTimer* m_midnight = nullptr;
    AutosaveTimers* m_autosave = nullptr;
    EditMenu* m_edit = nullptr;

    PickList* m_stdList = nullptr;
    PickList* m_catList = nullptr;
    PickList* m_tmpList = nullptr;
    QWidget* m_moveBox = nullptr;
    QWidget* m_macroFrame = nullptr;
    PickList* m_file1 = nullptr;
    NameListModel* m_recipeModel = nullptr;
    QPlainTextEdit* m_editorBox = nullptr;
    std::string m_editorShown; // the recipe text the box shows, as the program holds it
    QLineEdit* m_moveEd = nullptr;
    NameListModel* m_catModel = nullptr;
    NameListModel* m_stdModel = nullptr;
    TodaysListModel* m_tmpModel = nullptr;
    QToolBar* m_toolbar = nullptr;
    QLabel* m_recipePanel = nullptr;
    QLabel* m_listPanel = nullptr;
    QLabel* m_datePanel = nullptr;
    std::map<QString, QAction*> m_actions; // menu entries by name
    std::map<QAction*, const MenuEntry*> m_entries;
    std::map<QString, QAction*> m_buttons; // toolbar buttons by key
};

} // namespace pantrix
