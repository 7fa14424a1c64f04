#include "app/main_screen.h"

#include "app/name_list_model.h"
#include "app/splash.h"
#include "app/text_bridge.h"
#include "app/todays_list_model.h"
#include "app/toolbar_icons.h"
#include "lists/entry_commands.h"
#include "platform/ui.h"
#include "shell/start_up.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <ranges>

namespace pantrix {
namespace {

QListView* MakeList(QWidget* parent, const char* name, const char* spoken, const char* tip)
{
    auto* list = new QListView(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setAccessibleName(QString::fromLatin1(spoken));
    list->setToolTip(QString::fromLatin1(tip));
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    return list;
}

QLabel* MakePanel(QStatusBar* bar, const char* name, const char* spoken)
{
    auto* panel = new QLabel(bar);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setAccessibleName(QString::fromLatin1(spoken));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

bool Enabled(const MenuEntry& entry, const MainScreenState& s)
{
    if (!entry.Run)
        return false;
    switch (entry.Group) {
    case EntryGroup::Recipe: return s.RecipeCommandsOn;
    case EntryGroup::ItemEditing: return s.CurrentView == View::Items;
    case EntryGroup::Always:
    case EntryGroup::Toggle: break;
    }
    return true;
}

} // namespace

MainScreen::MainScreen(MainScreenState& state, Ui& ui) : m_state(state), m_ui(ui)
{
    setObjectName(QStringLiteral("MainScreen"));
    setAccessibleName(QStringLiteral("Pantrix"));
    setContextMenuPolicy(Qt::NoContextMenu); // the toolbar is shown and hidden from Options only
    BuildLists();
    BuildMenus();
    BuildToolbar();
    BuildStatusBar();
}

MainScreen::~MainScreen() = default;

void MainScreen::BuildLists()
{
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ItemArea"));
    area->setAccessibleName(QStringLiteral("Item lists"));
    setCentralWidget(area);

    m_stdList =
        MakeList(area, "StdList", "Line items", "Double-click to add to list, right-click to edit");
    m_catList =
        MakeList(area, "CatList", "Categories", "Click a category to display the line items");
    m_tmpList = MakeList(area, "TmpList", "Today's List",
                         "Right-click to modify item, DEL to remove, check if special");
    m_catModel = new NameListModel(m_state.Catalogue.CatList, this);
    m_stdModel = new NameListModel(m_state.Catalogue.StdList, this);
    m_tmpModel = new TodaysListModel(m_state, this);
    m_catList->setModel(m_catModel);
    m_stdList->setModel(m_stdModel);
    m_tmpList->setModel(m_tmpModel);
    connect(m_catList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MainScreen::CatList_Click);
    connect(m_stdList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MainScreen::StdList_Click);
    connect(m_tmpList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MainScreen::TmpList_Click);
    connect(m_stdList, &QAbstractItemView::doubleClicked, this, &MainScreen::StdList_DblClick);
    connect(m_tmpList, &QAbstractItemView::doubleClicked, this, &MainScreen::TmpList_DblClick);
    connect(m_catList, &QAbstractItemView::doubleClicked, this, &MainScreen::CatList_DblClick);
    BuildMoveBox(area);
    for (QWidget* watched :
         {area, static_cast<QWidget*>(m_catList), static_cast<QWidget*>(m_stdList),
          static_cast<QWidget*>(m_tmpList), m_stdList->viewport(), m_tmpList->viewport()})
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
    const auto addButton = [&](const char* name, const char* caption, const char* tip,
                               void (MainScreen::*handler)(), int row, int column, int span) {
        auto* button = new QPushButton(QString::fromLatin1(caption), frame);
        button->setObjectName(QString::fromLatin1(name));
        button->setAccessibleName(QString::fromLatin1(caption));
        button->setToolTip(QString::fromLatin1(tip));
        connect(button, &QPushButton::clicked, this, handler);
        buttons->addWidget(button, row, column, 1, span);
    };
    addButton("ChangeName", "Change Name", "Change the name of this item",
              &MainScreen::ChangeName_Click, 0, 0, 2);
    addButton("DeleteItem", "Delete", "Delete this item", &MainScreen::DeleteItem_Click, 1, 0, 1);
    addButton("MoveCancel", "Cancel", "Quit with no changes", &MainScreen::MoveCancel_Click, 1, 1,
              1);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(m_moveEd);
    layout->addWidget(label);
    layout->addStretch();
    layout->addLayout(buttons);
    frame->hide();
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
            action->setEnabled(entry.Run != nullptr);
            if (entry.Run)
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
    m_toolbar->setAccessibleName(QStringLiteral("Toolbar"));
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
        widget->setAccessibleName(QString::fromLatin1(button.Caption));
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
    m_listPanel = MakePanel(bar, "sb_today", "Today's List count");
    m_datePanel = MakePanel(bar, "sb_date", "Date");
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
    m_catModel->Refresh();
    m_stdModel->Refresh();
    Render();
    RenderTodaysList();
    Form_Resize();
}

// The splash is the only window while the catalogue delivered with an
// installation is merged; the main window shows when it goes.
void MainScreen::ShowSplash()
{
    PX_QF_Splash splash(ToQt(m_state.HostName));
    connect(&splash, &PX_QF_Splash::Unloaded, this, &QWidget::show);
    splash.show();
    hide();
    SetHost(m_state);
    setWindowTitle(ToQt(m_state.Caption));
    MergeDeliveredCatalogue(m_state, m_ui);
    m_ui.Wait(std::chrono::seconds(2));
    splash.close();
}

void MainScreen::PlaceWindow(const Rect& frame)
{
    const QSize frameExtra = frameGeometry().size() - size();
    resize(QSize(Pixels(frame.Width), Pixels(frame.Height)) - frameExtra);
    QPoint topLeft(Pixels(frame.Left), Pixels(frame.Top));
    // A window stored where no screen is now (a monitor removed, a damaged
    // settings file) would be out of reach; it comes back at the top left.
    const QRect reachable(topLeft, QSize(64, 32));
    const auto screens = QGuiApplication::screens();
    const bool onScreen = std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
        return screen->availableGeometry().intersects(reachable);
    });
    if (!onScreen && !screens.isEmpty())
        topLeft = QGuiApplication::primaryScreen()->availableGeometry().topLeft();
    move(topLeft);
    RememberGeometry();
}

void MainScreen::RememberGeometry()
{
    if (isMinimized())
        return; // a minimised window keeps the place it will come back to
    const QRect frame = frameGeometry();
    m_state.Window = {Twips(frame.x()), Twips(frame.y()), Twips(frame.width()),
                      Twips(frame.height())};
}

void MainScreen::Render()
{
    setWindowTitle(ToQt(m_state.Caption));
    m_recipePanel->setText(ToQt(m_state.RecipePanel));
    m_listPanel->setText(ToQt(m_state.ListPanel));
    const Date today = m_ui.Today();
    m_datePanel->setText(
        QLocale().toString(QDate(today.Year, today.Month, today.Day), QLocale::ShortFormat));
    RenderMenus();
    RenderToolbar();
    AdjustFonts();
}

void MainScreen::RenderTodaysList()
{
    m_rendering = true;
    m_tmpModel->Refresh();
    if (m_state.List.Current) {
        const QModelIndex current = m_tmpModel->index(static_cast<int>(*m_state.List.Current));
        m_tmpList->setCurrentIndex(current);
        m_tmpList->scrollTo(current);
    }
    m_rendering = false;
    m_listPanel->setText(ToQt(m_state.ListPanel));
}

void MainScreen::RenderCatalogue(Categories categories)
{
    m_rendering = true;
    if (categories == Categories::Changed)
        m_catModel->Refresh(); // the reloaded list has no entry selected
    m_stdModel->Refresh();
    if (const auto& current = m_state.Catalogue.StdListCurrent)
        m_stdList->setCurrentIndex(m_stdModel->index(static_cast<int>(*current)));
    m_rendering = false;
    m_moveEd->setText(ToQt(m_state.Catalogue.MoveEd));
    m_moveBox->setVisible(m_state.Catalogue.MoveBoxShowing);
    m_moveBox->raise();
    RenderTodaysList();
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
    return m_entries.at(m_actions.at(QString::fromLatin1(name)))->Run;
}

void MainScreen::RenderToolbar()
{
    const bool items = m_state.CurrentView == View::Items;
    for (const ToolbarButton& button : ToolbarButtons()) {
        if (!button.Key)
            continue;
        const QString key = QString::fromLatin1(button.Key);
        // The view switches these buttons; the others follow their commands.
        bool viewAllows = true;
        if (key == QLatin1String("NewCat") || key == QLatin1String("NewItem") ||
            key == QLatin1String("Recipes"))
            viewAllows = items;
        else if (key == QLatin1String("Items"))
            viewAllows = !items;
        m_buttons.at(key)->setEnabled(viewAllows && HandlerFor(button) != nullptr);
    }
    m_toolbar->setVisible(m_state.Options.ShowToolbar);
}

void MainScreen::AdjustFonts()
{
    const bool bold = m_state.Options.BoldFonts;
    for (QWidget* widget : {static_cast<QWidget*>(m_stdList), static_cast<QWidget*>(m_catList),
                            static_cast<QWidget*>(m_tmpList), static_cast<QWidget*>(m_toolbar),
                            static_cast<QWidget*>(statusBar())}) {
        QFont font = widget->font();
        font.setBold(bold);
        widget->setFont(font);
    }
}

void MainScreen::ClearToolTips()
{
    for (QWidget* widget : findChildren<QWidget*>())
        widget->setToolTip(QString());
    for (QAction* action : m_buttons | std::views::values)
        action->setToolTip(QString());
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
    // The right button acts on the entry selected before the click, and does
    // not select the one under the pointer.
    const bool rightPress = event->type() == QEvent::MouseButtonPress &&
                            static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
    if (rightPress && watched == m_tmpList->viewport()) {
        ModifyCurrentEntry(m_state, m_ui);
        RenderTodaysList();
        return true;
    }
    if (rightPress && watched == m_stdList->viewport()) {
        mu_EditItem_Click();
        return true;
    }
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
        ModifyCurrentEntry(m_state, m_ui);
        RenderTodaysList();
        return true;
    }
    if (watched == m_tmpList && event->key() == Qt::Key_Delete) {
        TmpList_DblClick();
        return true;
    }
    return false;
}

} // namespace pantrix
