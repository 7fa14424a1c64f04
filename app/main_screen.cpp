#include "app/main_screen.h"

#include "app/autosave_timers.h"
#include "app/code_page_guard.h"
#include "app/edit_menu.h"
#include "app/name_list_model.h"
#include "app/pick_list.h"
#include "app/splash.h"
#include "app/text_bridge.h"
#include "app/todays_list_model.h"
#include "app/toolbar_icons.h"
#include "platform/ui.h"
#include "shell/start_up.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace pantrix {
namespace {

// A screen reader speaks a panel's text as its name, and its purpose as its
// description.
QLabel* MakePanel(QStatusBar* bar, const char* name, const char* purpose)
{
    auto* panel = new QLabel(bar);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAccessibleDescription(QString::fromLatin1(purpose));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

// A button of the window's frames; one without a command stays greyed.
struct FrameButton
{
    const char* Name;
    const char* Caption;
    const char* ToolTip;
    Handler Run;
    int Row, Column, Span;
};

QPushButton* AddButton(MainScreen* window, QGridLayout* grid, const FrameButton& entry)
{
    auto* button = new QPushButton(QString::fromLatin1(entry.Caption), grid->parentWidget());
    button->setObjectName(QString::fromLatin1(entry.Name));
    button->setToolTip(QString::fromLatin1(entry.ToolTip));
    QObject::connect(button, &QPushButton::clicked, window, entry.Run);
    grid->addWidget(button, entry.Row, entry.Column, 1, entry.Span);
    return button;
}

bool Enabled(const MenuEntry& entry, const MainScreenState& s)
{
    switch (entry.Group) {
    case EntryGroup::Recipe: return s.RecipeCommandsOn;
    case EntryGroup::ItemEditing: return s.CurrentView == View::Items;
    case EntryGroup::RecipeNotes: return s.Recipes.ClipNotesOn;
    case EntryGroup::Always:
    case EntryGroup::Toggle: break;
    }
    return true;
}

} // namespace

MainScreen::MainScreen(MainScreenState& state, Ui& ui) : m_state(state), m_ui(ui)
{
    setObjectName(QStringLiteral("MainScreen")); // its spoken name is its caption
    setContextMenuPolicy(Qt::NoContextMenu); // the toolbar is shown and hidden from Options only
    BuildLists();
    BuildMenus();
    m_edit = new EditMenu(*this, m_state, m_ui, m_tmpModel, [this] {
        RenderCatalogue(Categories::Changed);
        RenderRecipes(RecipeList::Changed);
    });
    BuildToolbar();
    BuildStatusBar();
    m_midnight = new QTimer(this);
    m_midnight->setObjectName(QStringLiteral("MidnightTimer"));
    m_midnight->setSingleShot(true);
    connect(m_midnight, &QTimer::timeout, this, [this] {
        RenderDate();
        ShowDateAgainAtMidnight();
    });
    m_autosave = new AutosaveTimers(m_state, m_ui, this);
    connect(m_tmpModel, &QAbstractItemModel::dataChanged, m_autosave,
            &AutosaveTimers::ListMayHaveChanged); // a tick
}

MainScreen::~MainScreen() = default;

void MainScreen::BuildLists()
{
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ItemArea"));
    area->setAccessibleName(QStringLiteral("Item lists"));
    setCentralWidget(area);

    m_stdList = new PickList(area, "StdList", "Line items",
                             "Double-click to add to list, right-click to edit");
    m_catList =
        new PickList(area, "CatList", "Categories", "Click a category to display the line items");
    m_tmpList = new PickList(area, "TmpList", "Today's List",
                             "Right-click to modify item, DEL to remove, check if special");
    m_catModel = new NameListModel(m_state.Catalogue.CatList, this);
    m_stdModel = new NameListModel(m_state.Catalogue.StdList, this);
    m_tmpModel = new TodaysListModel(m_state, this);
    m_catList->setModel(m_catModel);
    m_stdList->setModel(m_stdModel);
    m_tmpList->setModel(m_tmpModel);
    connect(m_catList, &PickList::Picked, this, &MainScreen::CatList_Click);
    connect(m_stdList, &PickList::Picked, this, &MainScreen::StdList_Click);
    connect(m_tmpList, &PickList::Picked, this, &MainScreen::TmpList_Click);
    connect(m_catList, &PickList::DoublePicked, this, &MainScreen::CatList_DblClick);
    connect(m_stdList, &PickList::DoublePicked, this, &MainScreen::StdList_DblClick);
    connect(m_tmpList, &PickList::DoublePicked, this, &MainScreen::TmpList_DblClick);
    connect(m_stdList, &PickList::RightPicked, this, &MainScreen::mu_EditItem_Click);
    connect(m_tmpList, &PickList::RightPicked, this, &MainScreen::TmpList_Modify);
    BuildMoveBox(area);
    BuildRecipeFrame(area);
    BuildEditorBox(area);
    BuildTabOrder();
    for (QWidget* watched : {area, static_cast<QWidget*>(m_catList),
                             static_cast<QWidget*>(m_stdList), static_cast<QWidget*>(m_tmpList)})
        watched->installEventFilter(this);
}

// The item edit frame, laid over the line items while an item is edited.
void MainScreen::BuildMoveBox(QWidget* area)
{
    auto* frame = new QGroupBox(QStringLiteral("Edit Item"), area);
    frame->setObjectName(QStringLiteral("MoveBox"));
    frame->setAccessibleName(QStringLiteral("Edit Item"));
    frame->setAutoFillBackground(true);
    m_moveBox = frame;
    m_moveEd = new QLineEdit(frame);
    m_moveEd->setObjectName(QStringLiteral("MoveEd"));
    m_moveEd->setAccessibleName(QStringLiteral("Item being edited"));
    m_moveEd->setReadOnly(true);
    auto* label = new QLabel(QStringLiteral("Double-click the category (on the list below) where "
                                            "you want this item to appear..."),
                             frame);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    // "Change Name" gets a row of its own so that no caption is cut in the narrow
    // left column, in bold print too.
    auto* buttons = new QGridLayout;
    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(buttons); // parents the grid, so its buttons belong to the frame
    AddButton(this, buttons,
              {"ChangeName", "Change Name", "Change the name of this item",
               &MainScreen::ChangeName_Click, 0, 0, 2});
    AddButton(this, buttons,
              {"DeleteItem", "Delete", "Delete this item", &MainScreen::DeleteItem_Click, 1, 0, 1});
    // Escape works the Cancel button while the frame shows, as in a dialog.
    AddButton(
        this, buttons,
        {"MoveCancel", "Cancel", "Quit with no changes", &MainScreen::MoveCancel_Click, 1, 1, 1})
        ->setShortcut(QKeySequence(Qt::Key_Escape));
    layout->insertWidget(0, m_moveEd);
    layout->insertWidget(1, label);
    layout->insertStretch(2);
    frame->hide();
}

// The recipe frame, laid over the line items in the recipe view: its buttons,
// and the recipes of the data folder below them.
void MainScreen::BuildRecipeFrame(QWidget* area)
{
    auto* frame = new QFrame(area);
    frame->setObjectName(QStringLiteral("MacroFrame"));
    frame->setAccessibleName(QStringLiteral("Recipe collection"));
    frame->setAutoFillBackground(true);
    m_macroFrame = frame;
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(2, 2, 2, 0);
    layout->setSpacing(2);
    auto* buttons = new QGridLayout;
    buttons->setSpacing(2);
    layout->addLayout(buttons);
    // Three to a row, so that every caption shows whole in the narrow left column.
    const FrameButton frameButtons[] = {
        {"NewRecipeButton", "New", "Start a new recipe", &MainScreen::mu_NewRecipe_Click, 0, 0, 1},
        {"DeleteRecipe", "Delete", "Delete recipe", &MainScreen::mu_DeleteRecipe_Click, 0, 1, 1},
        {"RunMacro", "Get List", "Paste the ingredients for this recipe to your shopping list",
         &MainScreen::mu_GetIngredients_Click, 0, 2, 1},
        {"SaveMacro", "Save List", "Save your shopping list as ingredients for this recipe",
         &MainScreen::mu_SaveIngredients_Click, 1, 0, 1},
        {"btn_Web1", "Web Page", "Make a web page for current recipe",
         &MainScreen::mu_MakeSinglePage_Click, 1, 1, 1},
        {"btn_WebIndex", "Web Index", "Make an index page for all your recipe pages",
         &MainScreen::mu_MakeIndex_Click, 1, 2, 1},
        {"btn_PageStyle", "Page Style", "Adjust web page style settings",
         &MainScreen::mu_WebStyle_Click, 2, 0, 3},
    };
    for (const FrameButton& entry : frameButtons)
        AddButton(this, buttons, entry);
    auto* label = new QLabel(QStringLiteral("Available Recipes"), frame);
    label->setObjectName(QStringLiteral("Label2"));
    m_file1 = new PickList(frame, "File1", "Available Recipes", "Right-click to rename");
    label->setBuddy(m_file1);
    m_recipeModel = new NameListModel(
        [this] { return m_state.Recipes.Files.size(); },
        [this](std::size_t row) -> const std::string& { return m_state.Recipes.Files[row].Name; },
        this, FromSeam);
    m_file1->setModel(m_recipeModel);
    connect(m_file1, &PickList::Picked, this, &MainScreen::File1_Click);
    connect(m_file1, &PickList::RightPicked, this, &MainScreen::File1_RightPick);
    layout->addWidget(label);
    layout->addWidget(m_file1, 1);
    frame->hide();
}

void MainScreen::BuildEditorBox(QWidget* area)
{
    m_editorBox = new QPlainTextEdit(area);
    m_editorBox->setObjectName(QStringLiteral("EditorBox"));
    m_editorBox->setAccessibleName(QStringLiteral("Recipe text"));
    m_editorBox->setToolTip(
        QStringLiteral("Type recipe instructions here (right-click to cut & paste)"));
    m_editorBox->setTabChangesFocus(true); // Tab leaves the box, as in the other controls
    CodePageGuard::Guard(m_editorBox);
    connect(m_editorBox, &QPlainTextEdit::textChanged, this, &MainScreen::EditorBox_Change);
    m_editorBox->hide();
}

// Tab reads the window as the eye does, row by row from the top left: the line
// items (or the frame laid over them), Today's List beside them, then what lies
// below, the categories or the recipe text; the categories, where the work
// starts, come first. Controls a view hides are passed over.
void MainScreen::BuildTabOrder()
{
    std::vector<QWidget*> chain = {m_catList, m_stdList, m_moveEd};
    for (const char* name : {"ChangeName", "DeleteItem", "MoveCancel"})
        chain.push_back(m_moveBox->findChild<QWidget*>(QString::fromLatin1(name)));
    for (QPushButton* button : m_macroFrame->findChildren<QPushButton*>())
        chain.push_back(button);
    chain.push_back(m_file1); // below the recipe buttons
    chain.push_back(m_tmpList);
    chain.push_back(m_editorBox);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void MainScreen::BuildMenus()
{
    for (const MenuDefinition& definition : MainMenus()) {
        QMenu* menu = menuBar()->addMenu(QString::fromLatin1(definition.Caption));
        menu->setObjectName(QString::fromLatin1(definition.Name));
        for (const MenuEntry& entry : definition.Entries) {
            if (!entry.Name) {
                menu->addSeparator();
                continue;
            }
            QAction* action = menu->addAction(QString::fromLatin1(entry.Caption));
            action->setObjectName(QString::fromLatin1(entry.Name));
            action->setShortcut(QKeySequence(QString::fromLatin1(entry.Shortcut)));
            action->setCheckable(entry.Group == EntryGroup::Toggle);
            connect(action, &QAction::triggered, this, entry.Run);
            m_actions[action->objectName()] = action;
            m_entries[action] = &entry;
        }
    }
    // Shown only for a host other than the maker.
    m_actions.at(QStringLiteral("MU_HostBrowse"))->setVisible(false);
}

void MainScreen::BuildToolbar()
{
    m_toolbar = addToolBar(QStringLiteral("Toolbar"));
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolbar->setIconSize(QSize(24, 24));
    for (const ToolbarButton& button : ToolbarButtons()) {
        if (!button.Key) {
            m_toolbar->addSeparator();
            continue;
        }
        const QString key = QString::fromLatin1(button.Key);
        QAction* action =
            m_toolbar->addAction(ToolbarIcon(key), QString::fromLatin1(button.Caption));
        action->setObjectName(QStringLiteral("Toolbar1_") + key);
        action->setToolTip(QString::fromLatin1(button.ToolTip));
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        QWidget* widget = m_toolbar->widgetForAction(action);
        widget->setObjectName(key);
        widget->installEventFilter(this);
        m_buttons[key] = action;
    }
}

void MainScreen::BuildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setAccessibleName(QStringLiteral("Status bar"));
    m_recipePanel = MakePanel(bar, "sb_cat", "Current recipe");
    m_listPanel = MakePanel(bar, "sb_today", "Number of entries in Today's List");
    m_datePanel = MakePanel(bar, "sb_date", "Today's date");
    bar->addWidget(m_recipePanel, 1);
    bar->addWidget(m_listPanel, 1);
    bar->addPermanentWidget(m_datePanel);
}

double MainScreen::TwipsPerPixel() const
{
    return 1440.0 / logicalDpiY();
}

long MainScreen::Twips(int pixels) const
{
    return std::lround(pixels * TwipsPerPixel());
}

int MainScreen::Pixels(long twips) const
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel()));
}

int MainScreen::MenuHeight() const
{
    return menuBar()->isHidden() ? 0 : menuBar()->height();
}

void MainScreen::StartUp()
{
    LoadSettings(m_state, m_ui);
    if (m_state.ToolTipsCleared)
        ClearToolTips();
    const Rect stored = StoredWindowGeometry(m_state.Settings);
    PlaceWindow(stored);
    ShowSplash();
    PlaceWindow(stored); // the frame's own size is known once the window shows
    FinishStartUp(m_state, m_ui);
    Render();
    RenderCatalogue(Categories::Changed);
    ShowDateAgainAtMidnight();
    m_catList->setFocus(Qt::OtherFocusReason);
    m_started = true;
    if (m_endRequested)
        EndSession();
}

// The splash is the only window while the catalogue delivered with an
// installation is merged; the main window shows when it goes.
void MainScreen::ShowSplash()
{
    PX_QF_Splash splash(FromSeam(m_state.HostName));
    connect(&splash, &PX_QF_Splash::Unloaded, this, &QWidget::show);
    splash.show();
    hide();
    SetHost(m_state);
    setWindowTitle(FromSeam(m_state.Caption));
    MergeDeliveredCatalogue(m_state, m_ui);
    m_ui.Wait(std::chrono::seconds(2));
    splash.close();
}

QMargins MainScreen::Border() const
{
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The stored numbers are the outer frame; the window is sized without the
// border the window manager adds around it.
void MainScreen::ApplyFrame(const Rect& frame)
{
    m_placedWithBorder = Border();
    const QSize border(m_placedWithBorder.left() + m_placedWithBorder.right(),
                       m_placedWithBorder.top() + m_placedWithBorder.bottom());
    resize(QSize(Pixels(frame.Width), Pixels(frame.Height)) - border);
    move(Pixels(frame.Left), Pixels(frame.Top));
    m_state.Window = frame;
}

// A window manager tells the size of its border only after the window shows;
// the stored frame is applied again once it is known, so the window does not
// grow by the border at every start.
void MainScreen::PlaceAgainOnceTheFrameIsKnown()
{
    if (!m_wantedFrame || !isVisible() || Border() == m_placedWithBorder)
        return;
    const Rect wanted = *m_wantedFrame;
    m_wantedFrame.reset();
    ApplyFrame(wanted);
}

void MainScreen::PlaceWindow(const Rect& frame)
{
    QPoint topLeft(Pixels(frame.Left), Pixels(frame.Top));
    // A window stored where no screen is now (a monitor removed, a damaged
    // settings file) would be out of reach; it comes back at the top left.
    const QRect reachable(topLeft, QSize(64, 32));
    const auto screens = QGuiApplication::screens();
    const bool onScreen = std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
        return screen->availableGeometry().intersects(reachable);
    });
    Rect wanted = frame;
    if (!onScreen && !screens.isEmpty()) {
        topLeft = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
        wanted.Left = Twips(topLeft.x());
        wanted.Top = Twips(topLeft.y());
    }
    m_wantedFrame = wanted;
    ApplyFrame(wanted);
}

void MainScreen::RememberGeometry()
{
    PlaceAgainOnceTheFrameIsKnown();
    if (isMinimized() || isMaximized() || !isVisible())
        return; // the window comes back to the place it had before
    const QRect frame = frameGeometry();
    m_state.Window = {Twips(frame.x()), Twips(frame.y()), Twips(frame.width()),
                      Twips(frame.height())};
}

void MainScreen::Render()
{
    setWindowTitle(FromSeam(m_state.Caption));
    m_recipePanel->setText(FromSeam(m_state.RecipePanel));
    RenderDate();
    RenderMenus();
    RenderToolbar();
    AdjustFonts();
}

void MainScreen::RenderTodaysList()
{
    m_tmpModel->Refresh();
    m_tmpList->ShowCurrent(m_state.List.Current);
    m_listPanel->setText(FromSeam(m_state.ListPanel));
    m_autosave->ListMayHaveChanged();
}

void MainScreen::RenderCatalogue(Categories categories)
{
    if (categories == Categories::Changed)
        m_catModel->Refresh(); // the reloaded list has no entry selected
    m_stdModel->Refresh();
    m_stdList->ShowCurrent(m_state.Catalogue.StdListCurrent);
    m_moveEd->setText(ToQt(m_state.Catalogue.MoveEd));
    RenderItemFrame();
    RenderTodaysList();
}

// The item edit frame covers the line items; they are hidden under it, so that
// neither Tab nor a key reaches a list nobody can see. The keys follow the
// frame in and out.
void MainScreen::RenderItemFrame()
{
    const bool items = m_state.CurrentView == View::Items;
    const bool editing = items && m_state.Catalogue.MoveBoxShowing;
    const bool hadKeys = m_moveBox->isAncestorOf(QApplication::focusWidget());
    const bool opening = editing && m_moveBox->isHidden();
    m_moveBox->setVisible(editing);
    m_moveBox->raise();
    m_stdList->setVisible(items && !editing);
    if (opening)
        m_moveEd->setFocus(Qt::OtherFocusReason);
    else if (hadKeys && !editing && items)
        m_stdList->setFocus(Qt::OtherFocusReason);
}

void MainScreen::RenderDate()
{
    const Date today = m_ui.Today();
    m_datePanel->setText(
        QLocale().toString(QDate(today.Year, today.Month, today.Day), QLocale::ShortFormat));
}

// The date panel turns over at midnight, also in a window left open overnight.
void MainScreen::ShowDateAgainAtMidnight()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDateTime midnight(now.date().addDays(1), QTime(0, 0));
    m_midnight->start(std::chrono::milliseconds(now.msecsTo(midnight) + 1000));
}

// The recipe view covers the catalogue lists; they are hidden too, so that the
// keys never reach a list nobody can see.
void MainScreen::RenderView()
{
    const bool recipes = m_state.CurrentView == View::Recipes;
    m_macroFrame->setVisible(recipes);
    m_editorBox->setVisible(recipes);
    m_catList->setVisible(!recipes);
    RenderItemFrame();
    m_macroFrame->raise();
    RenderRecipes(RecipeList::Changed);
    RenderToolbar();
    Form_Resize();
    (recipes ? m_file1 : m_catList)->setFocus(Qt::OtherFocusReason);
}

void MainScreen::RenderRecipes(RecipeList list)
{
    if (list == RecipeList::Changed)
        m_recipeModel->Refresh();
    m_file1->ShowCurrent(m_state.Recipes.Selected);
    if (m_state.Recipes.EditorText != m_editorShown) {
        m_editorShown = m_state.Recipes.EditorText;
        const QSignalBlocker quiet(m_editorBox); // the program's own load is no edit
        m_editorBox->setPlainText(ToEditorText(m_editorShown));
    }
    m_recipePanel->setText(FromSeam(m_state.RecipePanel));
    RenderMenus();
    m_autosave->RecipeTextMayHaveChanged();
}

void MainScreen::RenderMenus()
{
    for (auto& [action, entry] : m_entries)
        action->setEnabled(Enabled(*entry, m_state));
    const OptionsChecks& checks = m_state.Options;
    m_actions.at(QStringLiteral("MU_LP"))->setChecked(checks.LargePrint);
    m_actions.at(QStringLiteral("mu_Print2Columns"))->setChecked(checks.PrintTwoColumns);
    m_actions.at(QStringLiteral("mu_ToolTips"))->setChecked(checks.ToolTips);
    m_actions.at(QStringLiteral("mu_FontToggle"))->setChecked(checks.BoldFonts);
    m_actions.at(QStringLiteral("mu_ShowToolbar"))->setChecked(checks.ShowToolbar);
}

Handler MainScreen::HandlerFor(const ToolbarButton& button) const
{
    const char* name =
        m_state.CurrentView == View::Items ? button.ItemViewEntry : button.RecipeViewEntry;
    return name ? m_entries.at(m_actions.at(QString::fromLatin1(name)))->Run : nullptr;
}

void MainScreen::RenderToolbar()
{
    for (const ToolbarButton& button : ToolbarButtons())
        if (button.Key)
            m_buttons.at(QString::fromLatin1(button.Key))
                ->setEnabled(HandlerFor(button) != nullptr);
    m_toolbar->setVisible(m_state.Options.ShowToolbar);
}

void MainScreen::Form_Resize()
{
    const int menuHeight = MenuHeight();
    WindowMeasures measures;
    measures.OuterHeight = Twips(frameGeometry().height());
    measures.ClientWidth = Twips(width());
    measures.ClientHeight = Twips(height() - menuHeight);
    measures.ToolbarHeight = Twips(m_toolbar->height());
    measures.StatusBarHeight = Twips(statusBar()->height());
    measures.ToolbarShown = !m_toolbar->isHidden();
    measures.RecipeView = m_state.CurrentView == View::Recipes;
    pantrix::Form_Resize(measures, m_layout);
    Place(m_stdList, m_layout.StdList);
    Place(m_catList, m_layout.CatList);
    Place(m_tmpList, m_layout.TmpList);
    Place(m_moveBox, m_layout.MoveBox);
    Place(m_macroFrame, m_layout.MacroFrame);
    Place(m_editorBox, m_layout.EditorBox);
}

// Layout rectangles are in twips from the top left of the area below the menu
// bar; the lists live in the central area below the toolbar.
void MainScreen::Place(QWidget* widget, const Rect& twips)
{
    const int menuHeight = MenuHeight();
    const QWidget* area = centralWidget();
    widget->setGeometry(Pixels(twips.Left) - area->x(), Pixels(twips.Top) + menuHeight - area->y(),
                        Pixels(twips.Width), Pixels(twips.Height));
}

void MainScreen::closeEvent(QCloseEvent* event)
{
    if (m_exiting)
        return event->accept();
    RememberGeometry();
    if (CloseMainScreen(m_state, m_ui))
        event->accept();
    else
        event->ignore();
}

void MainScreen::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        RenderDate(); // the computer may have slept through midnight
}

void MainScreen::EndSession()
{
    // Asked to stop during start-up, the program first finishes loading what the
    // closing steps write back.
    if (!m_started) {
        m_endRequested = true;
        return;
    }
    if (m_exiting)
        return;
    RememberGeometry();
    for (const Status& failure : pantrix::EndSession(m_state))
        qWarning("%s", failure.error().c_str());
    m_exiting = true;
    close();
    // Queued, so that it also ends a program whose event loop has not begun.
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

void MainScreen::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    RememberGeometry();
}

void MainScreen::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    RememberGeometry();
}

bool MainScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && HandleListKey(watched, static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == centralWidget() &&
        (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        Form_Resize();
    // A toolbar button falls back to its caption when its tooltip is cleared.
    if (event->type() == QEvent::ToolTip && m_state.ToolTipsCleared &&
        qobject_cast<QToolButton*>(watched))
        return true;
    return QMainWindow::eventFilter(watched, event);
}

bool MainScreen::HandleListKey(QObject* watched, QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (watched == m_catList && enter) {
        CatList_DblClick();
        return true;
    }
    if (watched == m_stdList && enter) {
        StdList_DblClick();
        return true;
    }
    if (watched == m_tmpList && enter) {
        TmpList_Modify();
        return true;
    }
    if (watched == m_tmpList && event->key() == Qt::Key_Delete) {
        TmpList_DblClick();
        return true;
    }
    return false;
}

} // namespace pantrix
