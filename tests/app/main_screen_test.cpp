#include "app/main_screen.h"

#include "app/name_list_model.h"
#include "app/session_end.h"
#include "catalogue/catalogue_records.h"
#include "settings/settings_record.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <csignal>

using namespace pantrix;
using pantrix::testing::Categories;
using pantrix::testing::FakeUi;
using pantrix::testing::InputRequest;
using pantrix::testing::Items;
using pantrix::testing::TestFolder;

namespace {

// A started main window over a data folder of its own.
struct Started
{
    explicit Started(const std::string& categories = {}, const std::string& items = {},
                     const std::string& list = {})
    {
        folder.Write("category.lst", categories);
        folder.Write("std_item.lst", items);
        folder.Write("My Pantrix.pxl", list);
        window.StartUp();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            QTest::qFail("the window did not become active", __FILE__, __LINE__);
    }
    template <typename T> T* Find(const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            QTest::qFail(name, __FILE__, __LINE__);
        return found;
    }
    std::string Stored(std::size_t offset, std::size_t width)
    {
        return folder.Read("px31.cfg").substr(offset, width);
    }

    TestFolder folder;
    MainScreenState state = folder.State();
    FakeUi ui;
    MainScreen window{state, ui};
};

QStringList Captions(QMenu* menu)
{
    QStringList captions;
    for (QAction* action : menu->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return captions;
}

// A press on a row as the user makes it, anywhere on the row or on its tick box.
QPoint RowPoint(QListView* list, int row, bool tickBox = false)
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    return tickBox ? QPoint(rect.left() + rect.height() / 2, rect.center().y()) : rect.center();
}

void Click(QListView* list, int row, bool tickBox = false)
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, row, tickBox));
}

void DoubleClick(QListView* list, int row, bool tickBox = false)
{
    Click(list, row, tickBox);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, row, tickBox));
}

QList<QAccessibleInterface*> Descendants(QAccessibleInterface* root, QAccessible::Role role)
{
    QList<QAccessibleInterface*> found;
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child->role() == role)
            found << child;
        found << Descendants(child, role);
    }
    return found;
}

QStringList Rows(QListView* list)
{
    QStringList rows;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        rows << list->model()->index(row, 0).data().toString().trimmed();
    return rows;
}

} // namespace

class MainScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void startUpShowsTheCategoriesAndAClickShowsTheirItems()
    {
        Started s(Categories({"produce", "Dairy", "Bakery"}),
                  Items({{"Dairy", "Milk"}, {"Dairy", "butter"}, {"Bakery", "Bread"}}));
        QCOMPARE(s.window.windowTitle(), QStringLiteral("Quillfield presents - Pantrix! 3.1"));
        QVERIFY(s.window.isVisible());
        auto* catList = s.Find<QListView>("CatList");
        auto* stdList = s.Find<QListView>("StdList");
        QCOMPARE(Rows(catList), (QStringList{"Bakery", "Dairy", "produce"}));
        QCOMPARE(stdList->model()->rowCount(), 0);

        Click(catList, 1);
        QCOMPARE(Rows(stdList), (QStringList{"butter", "Milk"}));
        QCOMPARE(s.state.Catalogue.CatEdit, CategoryRecord("Dairy"));
        Click(stdList, 1);
        QCOMPARE(s.state.Catalogue.StdEdit, CategoryRecord("Milk"));
    }

    void everyPartCarriesItsNameAndASpokenName()
    {
        Started s;
        QCOMPARE(s.Find<QListView>("CatList")->accessibleName(), QStringLiteral("Categories"));
        QCOMPARE(s.Find<QListView>("StdList")->accessibleName(), QStringLiteral("Line items"));
        QCOMPARE(s.Find<QListView>("TmpList")->accessibleName(), QStringLiteral("Today's List"));
        QVERIFY(s.Find<QToolBar>("Toolbar1"));
        QVERIFY(s.Find<QStatusBar>("StatusBar1"));
        QCOMPARE(s.Find<QToolButton>("NewCat")->accessibleName(), QStringLiteral("New Cat"));
        QCOMPARE(s.Find<QListView>("CatList")->toolTip(),
                 QStringLiteral("Click a category to display the line items"));
    }

    void theMenuTreeHasItsCaptionsAndShortcutKeys()
    {
        Started s;
        QList<QMenu*> menus;
        QStringList titles;
        for (QAction* action : s.window.menuBar()->actions()) {
            menus << action->menu();
            titles << action->text();
        }
        QCOMPARE(titles, (QStringList{"&File", "Items", "Recipes", "Options", "&Help"}));
        QCOMPARE(
            Captions(menus[0]),
            (QStringList{"Clear List and Start Over", "Select / Create New List", "-",
                         "Print Shopping List", "Print Recipe", "Copy Current List to Clipboard",
                         "Copy Current Recipe Notes to Clipboard", "-", "Import", "Export",
                         "Data Information", "Purge Orphan Line Items", "E&xit"}));
        QCOMPARE(Captions(menus[3]),
                 (QStringList{"Adjust Web Page Style", "-", "Large Print", "Print 2 Columns",
                              "Tool Tips", "Bold Fonts", "Show Toolbar", "-", "Print Longer Page",
                              "Print Shorter Page"}));
        const std::map<const char*, const char*> keys = {{"mu_ClearList", "Ctrl+C"},
                                                         {"mu_SelectList", "Ctrl+S"},
                                                         {"mu_PrintList", "Ctrl+P"},
                                                         {"mu_ShowItemLists", "Ctrl+I"},
                                                         {"mu_ShowRecipeCollection", "Ctrl+R"},
                                                         {"MU_Inst", "F1"}};
        for (auto [name, key] : keys)
            QCOMPARE(s.Find<QAction>(name)->shortcut(), QKeySequence(QString::fromLatin1(key)));
        QVERIFY(!s.Find<QAction>("MU_HostBrowse")->isVisible());
    }

    void recipeCommandsStartSwitchedOffAndTheOptionsFollowTheSettings()
    {
        Started s;
        for (const char* name : {"mu_NewRecipe", "mu_DeleteRecipe", "mu_SaveIngredients",
                                 "mu_GetIngredients", "mu_RenameRecipe", "mu_MakeSinglePage",
                                 "mu_MakeIndex", "mu_MakeIndexApplyStyle", "mu_MakeAll"})
            QVERIFY2(!s.Find<QAction>(name)->isEnabled(), name);
        QVERIFY(s.Find<QAction>("mu_Exit")->isEnabled());
        QVERIFY(!s.Find<QAction>("MU_LP")->isChecked());
        QVERIFY(!s.Find<QAction>("mu_Print2Columns")->isChecked());
        QVERIFY(s.Find<QAction>("mu_ToolTips")->isChecked());
        QVERIFY(!s.Find<QAction>("mu_FontToggle")->isChecked());
        QVERIFY(s.Find<QAction>("mu_ShowToolbar")->isChecked());
    }

    void theToolbarHasItsButtonsInOrderWithTheirTips()
    {
        Started s;
        const QList<QAction*> actions = s.Find<QToolBar>("Toolbar1")->actions();
        QCOMPARE(actions.size(), 16);
        for (int separator : {3, 5, 8, 11, 14})
            QVERIFY(actions[separator - 1]->isSeparator());
        QCOMPARE(actions[14]->objectName(), QStringLiteral("Toolbar1_Recipes"));
        QCOMPARE(actions[15]->objectName(), QStringLiteral("Toolbar1_Items"));
        QCOMPARE(actions[0]->toolTip(), QStringLiteral("Create a new category"));
        QCOMPARE(actions[12]->toolTip(), QStringLiteral("Visit our website!"));
        QVERIFY(!actions[15]->isEnabled()); // the item view is showing
    }

    void theStatusBarShowsItsThreePanels()
    {
        Started s;
        QCOMPARE(s.Find<QLabel>("sb_cat")->text(), QStringLiteral("(No Recipe Selected)"));
        QCOMPARE(s.Find<QLabel>("sb_today")->text(),
                 QStringLiteral("0 Items listed for: My Pantrix"));
        QCOMPARE(s.Find<QLabel>("sb_date")->text(),
                 QLocale().toString(QDate(2026, 3, 14), QLocale::ShortFormat));
    }

    void theListsAreLaidOutInQuartersAndTodaysListAtFullHeight()
    {
        Started s;
        s.window.resize(800, 600);
        QApplication::processEvents();
        const QRect items = s.Find<QListView>("StdList")->geometry();
        const QRect categories = s.Find<QListView>("CatList")->geometry();
        const QRect today = s.Find<QListView>("TmpList")->geometry();
        QCOMPARE(items.top(), 0);
        QCOMPARE(items.width(), 249); // 3735 twips
        QVERIFY(qAbs(categories.top() - items.bottom() - 1) <= 1);
        QVERIFY(qAbs(items.height() - categories.height()) <= 1);
        QCOMPARE(today.top(), 0);
        QVERIFY(qAbs(today.height() - (items.height() + categories.height())) <= 1);
        QVERIFY(qAbs(today.right() - (s.window.centralWidget()->width() - 1)) <= 1);

        s.window.resize(800, 300); // an outer height under 5000 twips changes nothing
        QApplication::processEvents();
        QCOMPARE(s.Find<QListView>("StdList")->geometry(), items);
    }

    void boldFontsAndShowToolbarActOnTheWindowAndAreStored()
    {
        Started s;
        s.window.resize(800, 600);
        QApplication::processEvents();
        auto* stdList = s.Find<QListView>("StdList");
        const QPoint before = stdList->mapTo(&s.window, QPoint(0, 0));
        const int toolbarHeight = s.Find<QToolBar>("Toolbar1")->height();

        s.Find<QAction>("mu_FontToggle")->trigger();
        QVERIFY(stdList->font().bold());
        QVERIFY(s.window.statusBar()->font().bold());
        QCOMPARE(s.Stored(152, 1), std::string("Y"));

        s.Find<QAction>("mu_ShowToolbar")->trigger();
        QApplication::processEvents();
        QVERIFY(s.Find<QToolBar>("Toolbar1")->isHidden());
        QVERIFY(!s.Find<QAction>("mu_ShowToolbar")->isChecked());
        QCOMPARE(stdList->mapTo(&s.window, QPoint(0, 0)).y(), before.y() - toolbarHeight);
        QCOMPARE(s.Stored(153, 1), std::string("N"));
    }

    void toolTipsOffClearsEveryTipAtOnce()
    {
        Started s;
        s.Find<QAction>("mu_ToolTips")->trigger();
        QVERIFY(s.Find<QListView>("CatList")->toolTip().isEmpty());
        QVERIFY(s.Find<QListView>("StdList")->toolTip().isEmpty());
        QCOMPARE(s.Stored(150, 1), std::string("N"));
        QVERIFY(!s.Find<QAction>("mu_ToolTips")->isChecked());
    }

    // Under a window manager the border arrives after the window shows; the
    // window must neither grow by it nor wander at each start.
    void closingStoresTheWindowAndEachNextStartPutsItBack()
    {
        TestFolder folder;
        QString stored;
        for (int start = 0; start < 3; ++start) {
            MainScreenState state = folder.State();
            FakeUi ui;
            MainScreen window(state, ui);
            window.StartUp();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // The border arrives when the window manager gets to it, if it draws one.
            [[maybe_unused]] const bool framed =
                QTest::qWaitFor([&] { return window.frameGeometry() != window.geometry(); });
            if (start == 0) {
                window.move(40, 60);
                window.resize(640, 480);
                QTRY_COMPARE(window.frameGeometry().topLeft(), QPoint(40, 60));
            }
            const QRect frame = window.frameGeometry();
            window.close();
            const double tpp = window.TwipsPerPixel();
            const auto twips = [tpp](int px) { return QString::number(std::lround(px * tpp)); };
            QCOMPARE(QString::fromStdString(folder.Read("px31.cfg").substr(164, 20)),
                     QStringLiteral("%1 %2 %3 %4 ")
                         .arg(twips(frame.y()), -4)
                         .arg(twips(frame.x()), -4)
                         .arg(twips(frame.height()), -4)
                         .arg(twips(frame.width()), -4));
            if (start > 0)
                QCOMPARE(QString::fromStdString(folder.Read("px31.cfg").substr(164, 20)), stored);
            stored = QString::fromStdString(folder.Read("px31.cfg").substr(164, 20));
        }
    }

    void aWindowStoredOutOfReachComesBackOnTheScreen()
    {
        TestFolder folder;
        SettingsRecord settings = DefaultSettings("/");
        settings.WindowTop = "-9999";
        settings.WindowLeft = "99999";
        settings.WindowHeight = "abc";
        folder.Write("px31.cfg", EncodeSettings(settings));
        MainScreenState state = folder.State();
        FakeUi ui;
        MainScreen window(state, ui);
        window.StartUp();
        QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry().topLeft()));
        QVERIFY(qAbs(window.frameGeometry().height() * window.TwipsPerPixel() - 6465) < 30);
    }

    void doubleClickingALineItemPutsItOnTodaysList()
    {
        Started s(Categories({"Dairy"}), Items({{"Dairy", "Milk"}, {"Dairy", "Butter"}}));
        s.window.resize(800, 600);
        QApplication::processEvents();
        auto* catList = s.Find<QListView>("CatList");
        auto* stdList = s.Find<QListView>("StdList");
        auto* tmpList = s.Find<QListView>("TmpList");
        Click(catList, 0);
        DoubleClick(stdList, 1);
        QCOMPARE(Rows(tmpList), QStringList{QStringLiteral("Dairy\u00B0 Milk")});
        QCOMPARE(tmpList->currentIndex().row(), 0);
        QCOMPARE(tmpList->model()->index(0, 0).data(Qt::CheckStateRole).toInt(),
                 int(Qt::Unchecked));
        QCOMPARE(s.Find<QLabel>("sb_today")->text(),
                 QStringLiteral("1 Items listed for: My Pantrix"));

        Click(stdList, 0);
        QTest::keyClick(stdList, Qt::Key_Return);
        QCOMPARE(Rows(tmpList), (QStringList{"Dairy\u00B0 Butter", "Dairy\u00B0 Milk"}));
    }

    void todaysListEntriesAreTickedRemovedAndChangedFromTheWindow()
    {
        Started s({}, {}, "Apples\r\nBread\r\nMilk\r\n");
        MainScreenState& state = s.state;
        FakeUi& ui = s.ui;
        auto* tmpList = s.Find<QListView>("TmpList");
        Click(tmpList, 2, true);
        QVERIFY(state.List.Entries[2].Checked);
        QCOMPARE(state.List.Current, std::optional<std::size_t>(2));

        Click(tmpList, 0);
        QTest::keyClick(tmpList, Qt::Key_Delete);
        QCOMPARE(Rows(tmpList), (QStringList{"Bread", "Milk"}));

        // The right button changes the current entry, not the one under the pointer.
        Click(tmpList, 1);
        ui.AnswerInput("Cream");
        const QRect bread = tmpList->visualRect(tmpList->model()->index(0, 0));
        QTest::mousePress(tmpList->viewport(), Qt::RightButton, {}, bread.center());
        QCOMPARE(Rows(tmpList), (QStringList{"Bread", "Cream"}));
        QVERIFY((ui.Inputs.back() == InputRequest{"Modify item...", "Make changes", "Milk"}));
        QCOMPARE(tmpList->currentIndex().row(), 1);

        ui.AnswerMessage(MessageAnswer::No);
        QTest::keyClick(tmpList, Qt::Key_C, Qt::ControlModifier);
        QVERIFY(!ui.Messages.empty());
        QCOMPARE(ui.Messages.back().Title, std::string("Confirm"));
        QCOMPARE(Rows(tmpList).size(), 2);
    }

    void theListAsClosedIsShownAgainAtTheNextStart()
    {
        TestFolder folder;
        {
            MainScreenState state = folder.State();
            FakeUi ui;
            MainScreen window(state, ui);
            window.StartUp();
            ui.AnswerInput("Candles");
            window.findChild<QAction*>(QStringLiteral("mu_OneTimeItem"))->trigger();
            window.close();
        }
        QCOMPARE(folder.Read("My Pantrix.pxl"), std::string("special\xB0 Candles\r\n"));
        MainScreenState state = folder.State();
        FakeUi ui;
        MainScreen window(state, ui);
        window.StartUp();
        QCOMPARE(Rows(window.findChild<QListView*>(QStringLiteral("TmpList"))),
                 QStringList{QStringLiteral("special\u00B0 Candles")});
    }

    void categoriesAndItemsAreEditedFromTheWindow()
    {
        Started s(Categories({"Dairy", "Produce"}),
                  Items({{"Dairy", "Milk"}, {"Dairy", "Tomato"}}));
        s.window.resize(800, 600);
        QApplication::processEvents();
        auto* catList = s.Find<QListView>("CatList");
        auto* stdList = s.Find<QListView>("StdList");

        s.ui.AnswerInput("Bakery");
        s.Find<QToolButton>("NewCat")->click();
        QCOMPARE(Rows(catList), (QStringList{"Bakery", "Dairy", "Produce"}));

        Click(catList, 1);
        Click(stdList, 1); // Tomato
        const QRect milk = stdList->visualRect(stdList->model()->index(0, 0));
        QTest::mousePress(stdList->viewport(), Qt::RightButton, {}, milk.center());
        auto* moveBox = s.Find<QWidget>("MoveBox");
        QVERIFY(moveBox->isVisible());
        QCOMPARE(moveBox->geometry(), stdList->geometry());
        QCOMPARE(s.Find<QLineEdit>("MoveEd")->text(), QStringLiteral("Tomato"));

        const QRect produce = catList->visualRect(catList->model()->index(2, 0));
        QTest::mouseClick(catList->viewport(), Qt::LeftButton, {}, produce.center());
        QVERIFY(moveBox->isVisible()); // a single click only picks the category
        QTest::mouseDClick(catList->viewport(), Qt::LeftButton, {}, produce.center());
        QVERIFY(!moveBox->isVisible());
        QCOMPARE(Rows(stdList), QStringList{QStringLiteral("Tomato")});
        QCOMPARE(s.folder.Read("std_item.lst").substr(60, 30), CategoryRecord("Produce"));
    }

    void catalogueMaintenanceRunsFromTheFileMenu()
    {
        Started s(Categories({"Dairy"}), Items({{"Dairy", "Milk"}, {"Gone", "Orphan"}}));
        s.Find<QAction>("mu_DataInformation")->trigger();
        QCOMPARE(s.ui.Messages.back().Title, std::string("Your Pantrix Data..."));
        s.ui.AnswerMessage(MessageAnswer::Yes);
        s.Find<QAction>("MU_Purge")->trigger();
        QCOMPARE(s.ui.Messages.back().Title, std::string("Complete"));
        s.ui.AnswerMessage(MessageAnswer::Yes);
        s.Find<QAction>("mu_export")->trigger();
        QCOMPARE(s.folder.Read("export.txt"), std::string("[!]Dairy\r\nMilk\r\n"));
        s.folder.Write("import.txt", "[!]Bakery\r\nBread\r\n");
        s.ui.AnswerMessage(MessageAnswer::Yes);
        s.Find<QAction>("MU_Import")->trigger();
        QCOMPARE(Rows(s.Find<QListView>("CatList")), (QStringList{"Bakery", "Dairy"}));
    }

    void aRowIsPickedByAClickOrAMovingKeyAndNeverByFocus()
    {
        Started s(Categories({"Bakery", "Dairy"}), Items({{"Dairy", "Milk"}}),
                  "Apples\r\nBread\r\nMilk\r\n");
        auto* catList = s.Find<QListView>("CatList");
        auto* stdList = s.Find<QListView>("StdList");
        auto* tmpList = s.Find<QListView>("TmpList");
        QCOMPARE(QApplication::focusWidget(), catList);
        QTest::keyClick(catList, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), stdList);
        QTest::keyClick(stdList, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), tmpList);
        QTest::keyClick(tmpList, Qt::Key_Delete); // focus made no entry current
        QCOMPARE(Rows(tmpList).size(), 3);

        Click(tmpList, 1);
        QTest::keyClick(tmpList, Qt::Key_Delete);
        QCOMPARE(Rows(tmpList), (QStringList{"Apples", "Milk"}));
        QTest::keyClick(&s.window, Qt::Key_F, Qt::AltModifier); // a menu opened and closed
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // and the menu bar left
        QTRY_COMPARE(QApplication::focusWidget(), tmpList);
        QTest::keyClick(tmpList, Qt::Key_Delete);
        QCOMPARE(Rows(tmpList).size(), 2);
        DoubleClick(tmpList, 1, true); // on the tick box of Milk
        QCOMPARE(Rows(tmpList), QStringList{"Apples"});

        QTest::keyClick(catList, Qt::Key_Down); // a key that moves counts as a click
        QCOMPARE(s.state.Catalogue.CatEdit, CategoryRecord("Bakery"));
        QTest::keyClick(catList, Qt::Key_Down);
        QCOMPARE(s.state.Catalogue.CatEdit, CategoryRecord("Dairy"));
        QCOMPARE(Rows(stdList), QStringList{"Milk"});
        DoubleClick(stdList, 0); // the add empties the item box ...
        QVERIFY(s.state.Catalogue.StdEdit.empty());
        Click(stdList, 0); // ... and a click on the same row shows it again
        QCOMPARE(s.state.Catalogue.StdEdit, CategoryRecord("Milk"));
    }

    void afterDeletingACategoryNoOtherIsCurrent()
    {
        Started s(Categories({"Bakery", "Dairy"}));
        auto* catList = s.Find<QListView>("CatList");
        Click(catList, 1);
        s.ui.AnswerMessage(MessageAnswer::Yes);
        s.ui.AnswerMessage(MessageAnswer::Yes);
        s.Find<QAction>("mu_DeleteCategory")->trigger();
        catList->clearFocus();
        catList->setFocus(Qt::TabFocusReason);
        QVERIFY(!catList->currentIndex().isValid());
        QVERIFY(s.state.Catalogue.CatEdit.empty());
    }

    void escapeCancelsTheItemEditFrameAndBoldReachesIt()
    {
        Started s(Categories({"Dairy"}), Items({{"Dairy", "Milk"}}));
        auto* stdList = s.Find<QListView>("StdList");
        Click(s.Find<QListView>("CatList"), 0);
        Click(stdList, 0);
        QTest::mousePress(stdList->viewport(), Qt::RightButton, {}, RowPoint(stdList, 0));
        auto* moveBox = s.Find<QWidget>("MoveBox");
        QVERIFY(moveBox->isVisible());
        s.Find<QAction>("mu_FontToggle")->trigger();
        QVERIFY(s.Find<QWidget>("MoveCancel")->font().bold());
        QVERIFY(s.Find<QWidget>("MoveEd")->font().bold());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!moveBox->isVisible());
    }

    void screenReadersHearWhatIsShown()
    {
        Started s({}, {}, std::string(10'000'000, 'x') + "\r\n");
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&s.window);
        QCOMPARE(window->text(QAccessible::Name), s.window.windowTitle());
        QStringList panels;
        for (QAccessibleInterface* bar : Descendants(window, QAccessible::StatusBar))
            for (QAccessibleInterface* panel : Descendants(bar, QAccessible::StaticText))
                panels << panel->text(QAccessible::Name);
        QCOMPARE(panels, (QStringList{"(No Recipe Selected)", "1 Items listed for: My Pantrix",
                                      s.Find<QLabel>("sb_date")->text()}));
        // A long entry shows cut, so the list shows at once.
        const QString shown = Rows(s.Find<QListView>("TmpList")).first();
        QCOMPARE(shown, QString(250, 'x') + QChar(0x2026));
    }

    void theDatePanelFollowsTheDayAndTheSessionEndKeepsTheList()
    {
        Started s;
        s.ui.SetToday({2026, 3, 15});
        QCOMPARE(s.Find<QLabel>("sb_date")->text(),
                 QLocale().toString(QDate(2026, 3, 14), QLocale::ShortFormat));
        QVERIFY(s.Find<QTimer>("MidnightTimer")->remainingTime() <= 86'401'000);
        QEvent activated(QEvent::ActivationChange);
        QApplication::sendEvent(&s.window, &activated);
        QCOMPARE(s.Find<QLabel>("sb_date")->text(),
                 QLocale().toString(QDate(2026, 3, 15), QLocale::ShortFormat));

        SessionEnd sessionEnd;
        QObject::connect(&sessionEnd, &SessionEnd::Requested, &s.window, &MainScreen::EndSession);
        s.ui.AnswerInput("Candles");
        s.Find<QAction>("mu_OneTimeItem")->trigger();
        std::raise(SIGTERM);
        QTRY_VERIFY(!s.window.isVisible());
        QCOMPARE(s.folder.Read("My Pantrix.pxl"), std::string("special\xB0 Candles\r\n"));
    }

    void theRecipeViewSwitchesCommandsAndHalvesTodaysList()
    {
        Started s;
        s.window.resize(800, 600);
        QApplication::processEvents();
        auto* tmpList = s.Find<QListView>("TmpList");
        const int fullHeight = tmpList->height();
        const QList<QAction*> buttons = s.Find<QToolBar>("Toolbar1")->actions();
        const char* recipeEntries[] = {"mu_NewRecipe", "mu_DeleteRecipe", "mu_SaveIngredients",
                                       "mu_GetIngredients", "mu_RenameRecipe"};
        const char* itemEntries[] = {"mu_NewItem",     "mu_EditItem",     "mu_DeleteItem",
                                     "mu_NewCategory", "mu_EditCategory", "mu_DeleteCategory"};
        for (const bool recipes : {true, false}) {
            s.Find<QToolButton>(recipes ? "Recipes" : "Items")->click();
            QApplication::processEvents();
            QCOMPARE(s.Find<QWidget>("MacroFrame")->isVisible(), recipes);
            QCOMPARE(s.Find<QWidget>("EditorBox")->isVisible(), recipes);
            QCOMPARE(s.Find<QWidget>("CatList")->isVisible(), !recipes);
            for (int position : {1, 2, 15})
                QCOMPARE(buttons[position - 1]->isEnabled(), !recipes);
            QCOMPARE(buttons[15]->isEnabled(), recipes);
            for (const char* name : recipeEntries)
                QCOMPARE(s.Find<QAction>(name)->isEnabled(), recipes);
            for (const char* name : itemEntries)
                QCOMPARE(s.Find<QAction>(name)->isEnabled(), !recipes);
            QVERIFY(qAbs(tmpList->height() - (recipes ? fullHeight / 2 : fullHeight)) <= 1);
        }
        QCOMPARE(QApplication::focusWidget(), s.Find<QWidget>("CatList"));
    }

    void aRecipeIsOpenedByAClickEditedAndWrittenWhenTheViewChanges()
    {
        Started s;
        s.folder.Write("Soup.rcp", "Produce\xB0 Leeks\r\n");
        s.folder.Write("Soup.txt", "Boil.\r\nServe hot.\r\n");
        s.Find<QAction>("mu_ShowRecipeCollection")->trigger();
        auto* file1 = s.Find<QListView>("File1");
        auto* editor = s.Find<QPlainTextEdit>("EditorBox");
        QCOMPARE(Rows(file1), QStringList{"Soup"});
        QVERIFY(editor->toPlainText().isEmpty()); // focus opened nothing
        Click(file1, 0);
        QCOMPARE(s.Find<QLabel>("sb_cat")->text(), QStringLiteral(" Soup "));
        QCOMPARE(editor->toPlainText(), QStringLiteral("Boil.\nServe hot.\n"));
        QVERIFY(s.Find<QAction>("mu_ClipNotes")->isEnabled());
        editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor, "Salt.");
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, "Enjoy.");
        s.Find<QAction>("mu_ShowItemLists")->trigger();
        QCOMPARE(s.folder.Read("Soup.txt"),
                 std::string("Boil.\r\nServe hot.\r\nSalt.\r\nEnjoy.\r\n"));

        s.Find<QAction>("mu_ShowRecipeCollection")->trigger();
        s.ui.AnswerInput("Leek Soup");
        QTest::mousePress(file1->viewport(), Qt::RightButton, {}, RowPoint(file1, 0));
        QCOMPARE(s.ui.Inputs.back().Title, std::string("New Name "));
        QCOMPARE(Rows(file1), QStringList{"Leek Soup"});
        QCOMPARE(file1->currentIndex().row(), 0);
    }

    void exitLeavesWithoutStoringTheWindow()
    {
        Started s;
        const std::string before = s.folder.Read("px31.cfg");
        s.window.resize(700, 500);
        s.Find<QAction>("mu_Exit")->trigger();
        s.window.close();
        QCOMPARE(s.folder.Read("px31.cfg"), before);
    }
};

QTEST_MAIN(MainScreenTest)
#include "main_screen_test.moc"
