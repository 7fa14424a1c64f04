// The main window driven as the user drives it. Each story step records in a
// golden file under tests/data/app the named parts that changed, what the desktop
// was asked and the stored option flags.
#include "app/main_screen.h"

#include "app/session_end.h"
#include "catalogue/catalogue_records.h"
#include "settings/settings_record.h"
#include "support/data_folder.h"
#include "support/transcript.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
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
using pantrix::testing::Items;
using pantrix::testing::TestFolder;

namespace {

const QString kToday = QLocale().toString(QDate(2026, 3, 14), QLocale::ShortFormat);

// Each row as shown, with its tick box; a row that screen readers would hear
// otherwise than it shows says so.
QStringList Rows(QListView* list)
{
    QStringList rows;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        const QModelIndex index = list->model()->index(row, 0);
        const QVariant tick = index.data(Qt::CheckStateRole);
        const QString text = index.data().toString();
        rows << (tick.isValid() ? (tick.toInt() == Qt::Checked ? "[x] " : "[ ] ") : "") +
                    (index.data(Qt::AccessibleTextRole) == text ? text.trimmed() : "(heard apart)");
    }
    return rows;
}

QString Flags(bool on, const char* yes, const char* no = "")
{
    return QString::fromLatin1(on ? yes : no);
}

// One line for each named command and part of the window.
QStringList Parts(QWidget& window)
{
    QStringList parts{"title " + window.windowTitle()};
    for (QAction* a : window.findChildren<QAction*>(Qt::FindChildrenRecursively))
        if (!a->objectName().isEmpty())
            parts << a->objectName() + " \"" + a->text() + "\" " + a->shortcut().toString() +
                         " tip \"" + a->toolTip() + "\"" + Flags(!a->isEnabled(), " off") +
                         Flags(a->isCheckable(), a->isChecked() ? " [x]" : " [ ]") +
                         Flags(!a->isVisible(), " hidden");
    for (QWidget* w : window.findChildren<QWidget*>()) {
        QString shown;
        if (auto* label = qobject_cast<QLabel*>(w))
            shown = label->text();
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            shown = edit->text();
        if (auto* text = qobject_cast<QPlainTextEdit*>(w))
            shown = text->toPlainText().replace('\n', "\\n");
        if (auto* list = qobject_cast<QListView*>(w))
            shown = Rows(list).join(" | ") + " @" + QString::number(list->currentIndex().row());
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            parts << w->objectName() + " \"" + shown.replace(kToday, "<today>") + "\" name \"" +
                         w->accessibleName() + "\" tip \"" + w->toolTip() + "\"" +
                         Flags(!w->isVisible(), " hidden") + Flags(!w->isEnabled(), " off") +
                         Flags(w->font().bold(), " bold");
    }
    parts.sort();
    return parts;
}

// A press on a row as the user makes it, anywhere on the row or on its tick box.
QPoint RowPoint(QListView* list, int row, bool tickBox = false)
{
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    return tickBox ? QPoint(rect.left() + rect.height() / 2, rect.center().y()) : rect.center();
}

void Click(QListView* list, int row, bool tickBox = false, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(list->viewport(), button, {}, RowPoint(list, row, tickBox));
}

void DoubleClick(QListView* list, int row, bool tickBox = false)
{
    Click(list, row, tickBox);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowPoint(list, row, tickBox));
}

// A started main window over a data folder of its own, whose settings have Large
// Print on and two columns off.
struct Started
{
    explicit Started(const std::string& categories = {}, const std::string& items = {},
                     const std::string& list = {}, QSize size = {})
    {
        SettingsRecord settings = DefaultSettings(state.DataPath);
        settings.LargePrint = "Y";
        settings.PrintTwoColumns = "N";
        folder.Write("px31.cfg", EncodeSettings(settings));
        folder.Write("category.lst", categories);
        folder.Write("std_item.lst", items);
        folder.Write("My Pantrix.pxl", list);
        window.StartUp();
        if (size.isValid())
            window.resize(size);
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            QTest::qFail("the window did not become active", __FILE__, __LINE__);
    }
    template <typename T = QAction> T* Find(const char* name)
    {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (!found)
            QTest::qFail(name, __FILE__, __LINE__);
        return found;
    }
    QListView* List(const char* name) { return Find<QListView>(name); }
    // What changed since the last step.
    void Step(const char* name)
    {
        QApplication::processEvents();
        const QStringList parts = Parts(window);
        told += QStringLiteral("== ") + name + "\n";
        for (const QString& part : parts)
            if (!seen.contains(part))
                told += part + "\n";
        seen = parts;
        told += QString::fromStdString(TakeTranscript(ui, folder.Path())) + "flags " +
                QString::fromStdString(folder.Read("px31.cfg").substr(150, 5)) + "\n";
    }
    // Against the golden file, or into it when PANTRIX_UPDATE_GOLDEN is set.
    void CompareTold()
    {
        QFile golden(QStringLiteral(PANTRIX_TEST_DATA "/app/%1.txt")
                         .arg(QString::fromLatin1(QTest::currentTestFunction())));
        if (qEnvironmentVariableIsSet("PANTRIX_UPDATE_GOLDEN") && golden.open(QIODevice::WriteOnly))
            golden.write(told.toUtf8());
        golden.close();
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(told, QString::fromUtf8(golden.readAll()));
    }

    TestFolder folder;
    MainScreenState state = folder.State();
    FakeUi ui;
    MainScreen window{state, ui};
    QStringList seen;
    QString told;
};

} // namespace

class MainScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void theOptionsAndViewsChangeTheWindowAndAreStored()
    {
        Started s(Categories({"produce", "Dairy", "Bakery"}),
                  Items({{"Dairy", "Milk"}, {"Dairy", "butter"}, {"Bakery", "Bread"}}), {},
                  {800, 600});
        s.Step("started");
        Click(s.List("CatList"), 1);
        Click(s.List("StdList"), 1);
        s.Step("click Dairy, then Milk");
        QCOMPARE(s.state.Catalogue.CatEdit + s.state.Catalogue.StdEdit,
                 CategoryRecord("Dairy") + CategoryRecord("Milk"));
        const int itemsTop = s.List("StdList")->mapTo(&s.window, QPoint(0, 0)).y();
        const int toolbarHeight = s.Find<QToolBar>("Toolbar1")->height();
        for (const char* option : {"mu_FontToggle", "mu_ShowToolbar", "mu_ToolTips"}) {
            s.Find(option)->trigger();
            s.Step(option);
        }
        QCOMPARE(s.List("StdList")->mapTo(&s.window, QPoint(0, 0)).y(), itemsTop - toolbarHeight);
        QVERIFY(s.window.statusBar()->font().bold());
        const int fullHeight = s.List("TmpList")->height();
        for (const char* view : {"Recipes", "Items"}) {
            s.Find<QToolButton>(view)->click();
            s.Step(view);
            QVERIFY(qAbs(s.List("TmpList")->height() - fullHeight / (*view == 'R' ? 2 : 1)) <= 1);
        }
        QCOMPARE(QApplication::focusWidget(), s.List("CatList"));
        s.CompareTold();
    }

    void theListsAreLaidOutInQuartersAndTodaysListAtFullHeight()
    {
        Started s;
        s.window.resize(800, 600);
        QApplication::processEvents();
        const QRect items = s.List("StdList")->geometry();
        const QRect categories = s.List("CatList")->geometry();
        const QRect today = s.List("TmpList")->geometry();
        QCOMPARE(items.top(), 0);
        QCOMPARE(items.width(), 249); // 3735 twips
        QVERIFY(qAbs(categories.top() - items.bottom() - 1) <= 1);
        QVERIFY(qAbs(items.height() - categories.height()) <= 1);
        QCOMPARE(today.top(), 0);
        QVERIFY(qAbs(today.height() - (items.height() + categories.height())) <= 1);
        QVERIFY(qAbs(today.right() - (s.window.centralWidget()->width() - 1)) <= 1);
        s.window.resize(800, 300); // an outer height under 5000 twips changes nothing
        QApplication::processEvents();
        QCOMPARE(s.List("StdList")->geometry(), items);
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
            [[maybe_unused]] const bool framed =
                QTest::qWaitFor([&] { return window.frameGeometry() != window.geometry(); });
            if (start == 0) {
                window.move(40, 60);
                window.resize(640, 480);
                QTRY_COMPARE(window.frameGeometry().topLeft(), QPoint(40, 60));
            }
            const QRect frame = window.frameGeometry();
            window.close();
            const auto twips = [&](int px) {
                return QString::number(std::lround(px * window.TwipsPerPixel()));
            };
            const QString now = QString::fromStdString(folder.Read("px31.cfg").substr(164, 20));
            QCOMPARE(now, QStringLiteral("%1 %2 %3 %4 ")
                              .arg(twips(frame.y()), -4)
                              .arg(twips(frame.x()), -4)
                              .arg(twips(frame.height()), -4)
                              .arg(twips(frame.width()), -4));
            QVERIFY(start == 0 || now == stored);
            stored = now;
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

    void todaysListIsFilledTickedChangedAndClearedFromTheWindow()
    {
        Started s(Categories({"Dairy"}), Items({{"Dairy", "Milk"}, {"Dairy", "Butter"}}),
                  "Apples\r\nBread\r\nMilk\r\n", {800, 600});
        auto* tmpList = s.List("TmpList");
        Click(s.List("CatList"), 0);
        DoubleClick(s.List("StdList"), 1);
        Click(s.List("StdList"), 0);
        QTest::keyClick(s.List("StdList"), Qt::Key_Return);
        s.Step("add Milk by a double click and Butter by Return");
        Click(tmpList, 2, true);
        Click(tmpList, 0);
        QTest::keyClick(tmpList, Qt::Key_Delete);
        s.Step("tick the third entry, delete the first");
        // The right button changes the current entry, not the one under the pointer.
        Click(tmpList, 1);
        s.ui.AnswerInput("Cream");
        QTest::mousePress(tmpList->viewport(), Qt::RightButton, {}, RowPoint(tmpList, 0));
        s.Step("right-click the first with the second current, type Cream");
        for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            s.ui.AnswerMessage(answer);
            QTest::keyClick(tmpList, Qt::Key_C, Qt::ControlModifier);
            s.Step(answer == MessageAnswer::No ? "Clear List: No" : "Clear List: Yes");
        }
        s.CompareTold();
    }

    void categoriesAndItemsAreEditedFromTheWindow()
    {
        Started s(Categories({"Dairy", "Produce"}), Items({{"Dairy", "Milk"}, {"Dairy", "Tomato"}}),
                  {}, {800, 600});
        auto* catList = s.List("CatList");
        auto* stdList = s.List("StdList");
        s.ui.AnswerInput("Bakery");
        s.Find<QToolButton>("NewCat")->click();
        Click(catList, 1);
        Click(stdList, 1); // Tomato
        Click(stdList, 0, false, Qt::RightButton);
        s.Step("new category, right-click Milk with Tomato picked");
        QCOMPARE(s.Find<QWidget>("MoveBox")->geometry(), stdList->geometry());
        Click(catList, 2); // a single click only picks the category
        s.Find("mu_FontToggle")->trigger();
        s.Step("click Produce, bold fonts");
        QTest::mouseDClick(catList->viewport(), Qt::LeftButton, {}, RowPoint(catList, 2));
        s.Step("double-click Produce");
        QCOMPARE(s.folder.Read("std_item.lst").substr(60, 30), CategoryRecord("Produce"));
        Click(stdList, 0);
        Click(stdList, 0, false, Qt::RightButton);
        s.Step("right-click Tomato");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(s.Find<QWidget>("MoveBox")->isHidden());
        s.Step("Escape");
        s.ui.AnswerMessage(MessageAnswer::Yes);
        s.ui.AnswerMessage(MessageAnswer::Yes);
        s.Find("mu_DeleteCategory")->trigger();
        catList->clearFocus();
        catList->setFocus(Qt::TabFocusReason);
        s.Step("delete Produce, focus the categories");
        QVERIFY(s.state.Catalogue.CatEdit.empty());
        s.CompareTold();
    }

    void catalogueMaintenanceRunsFromTheFileMenu()
    {
        Started s(Categories({"Dairy"}), Items({{"Dairy", "Milk"}, {"Gone", "Orphan"}}));
        s.Find("mu_DataInformation")->trigger();
        s.ui.AnswerMessage(MessageAnswer::Yes);
        s.Find("MU_Purge")->trigger();
        s.ui.AnswerMessage(MessageAnswer::Yes);
        s.Find("mu_export")->trigger();
        QCOMPARE(s.folder.Read("export.txt"), std::string("[!]Dairy\r\nMilk\r\n"));
        s.folder.Write("import.txt", "[!]Bakery\r\nBread\r\n");
        s.ui.AnswerMessage(MessageAnswer::Yes);
        s.Find("MU_Import")->trigger();
        QCOMPARE(Rows(s.List("CatList")), (QStringList{"Bakery", "Dairy"}));
        s.Step("data information, purge, export, import");
        s.CompareTold();
    }

    void aRowIsPickedByAClickOrAMovingKeyAndNeverByFocus()
    {
        Started s(Categories({"Bakery", "Dairy"}), Items({{"Dairy", "Milk"}}),
                  "Apples\r\nBread\r\nMilk\r\n");
        auto* catList = s.List("CatList");
        auto* stdList = s.List("StdList");
        auto* tmpList = s.List("TmpList");
        QTest::keyClick(stdList, Qt::Key_Tab); // the order Tab takes is held elsewhere
        tmpList->setFocus(Qt::TabFocusReason);
        QTest::keyClick(tmpList, Qt::Key_Delete); // focus made no entry current
        Click(tmpList, 1);
        QTest::keyClick(tmpList, Qt::Key_Delete);
        QTest::keyClick(&s.window, Qt::Key_F, Qt::AltModifier); // a menu opened and closed
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // and the menu bar left
        QTRY_COMPARE(QApplication::focusWidget(), tmpList);
        QTest::keyClick(tmpList, Qt::Key_Delete);
        s.Step("Delete after focus, after a click, after a menu");
        DoubleClick(tmpList, 1, true);          // on the tick box of Milk
        QTest::keyClick(catList, Qt::Key_Down); // a key that moves counts as a click
        QCOMPARE(s.state.Catalogue.CatEdit, CategoryRecord("Bakery"));
        QTest::keyClick(catList, Qt::Key_Down);
        s.Step("double-click a tick box, Down twice in the categories");
        DoubleClick(stdList, 0); // the add empties the item box ...
        QVERIFY(s.state.Catalogue.StdEdit.empty());
        Click(stdList, 0); // ... and a click on the same row shows it again
        QCOMPARE(s.state.Catalogue.StdEdit, CategoryRecord("Milk"));
        s.Step("add Milk, click it again");
        s.CompareTold();
    }

    void screenReadersHearWhatIsShown()
    {
        Started s({}, {}, std::string(10'000'000, 'x') + "\r\n");
        QCOMPARE(QAccessible::queryAccessibleInterface(&s.window)->text(QAccessible::Name),
                 s.window.windowTitle());
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(s.window.statusBar());
        QStringList panels;
        for (int i = 0; i < bar->childCount(); ++i)
            if (bar->child(i)->role() == QAccessible::StaticText)
                panels << bar->child(i)->text(QAccessible::Name);
        QCOMPARE(panels,
                 (QStringList{"(No Recipe Selected)", "1 Items listed for: My Pantrix", kToday}));
        // A long entry shows cut, so the list shows at once.
        QCOMPARE(Rows(s.List("TmpList")), QStringList{"[ ] " + QString(250, 'x') + QChar(0x2026)});
    }

    void theDatePanelFollowsTheDayAndTheSessionEndKeepsTheList()
    {
        Started s;
        s.ui.SetToday({2026, 3, 15});
        QVERIFY(s.Find<QTimer>("MidnightTimer")->remainingTime() <= 86'401'000);
        QEvent activated(QEvent::ActivationChange);
        QApplication::sendEvent(&s.window, &activated);
        QCOMPARE(s.Find<QLabel>("sb_date")->text(),
                 QLocale().toString(QDate(2026, 3, 15), QLocale::ShortFormat));
        SessionEnd sessionEnd;
        QObject::connect(&sessionEnd, &SessionEnd::Requested, &s.window, &MainScreen::EndSession);
        s.ui.AnswerInput("Candles");
        s.Find("mu_OneTimeItem")->trigger();
        std::raise(SIGTERM);
        QTRY_VERIFY(!s.window.isVisible());
        QCOMPARE(s.folder.Read("My Pantrix.pxl"), std::string("special\xB0 Candles\r\n"));
    }

    void aRecipeIsOpenedByAClickEditedAndWrittenWhenTheViewChanges()
    {
        Started s;
        s.folder.Write("Soup.rcp", "Produce\xB0 Leeks\r\n");
        s.folder.Write("Soup.txt", "Boil.\r\nServe hot.\r\n");
        s.Find("mu_ShowRecipeCollection")->trigger();
        s.Step("the recipe view; focus opened nothing");
        auto* editor = s.Find<QPlainTextEdit>("EditorBox");
        Click(s.List("File1"), 0);
        s.Step("click Soup");
        editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor, "Salt.");
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, "Enjoy.");
        s.Find("mu_ShowItemLists")->trigger();
        QCOMPARE(s.folder.Read("Soup.txt"),
                 std::string("Boil.\r\nServe hot.\r\nSalt.\r\nEnjoy.\r\n"));
        s.Find("mu_ShowRecipeCollection")->trigger();
        s.ui.AnswerInput("Leek Soup");
        QTest::mousePress(s.List("File1")->viewport(), Qt::RightButton, {},
                          RowPoint(s.List("File1"), 0));
        s.Step("type two lines, to the items and back, right-click Soup: Leek Soup");
        s.CompareTold();
    }

    void exitLeavesWithoutStoringTheWindow()
    {
        Started s;
        const std::string before = s.folder.Read("px31.cfg");
        s.window.resize(700, 500);
        s.Find("mu_Exit")->trigger();
        s.window.close();
        QCOMPARE(s.folder.Read("px31.cfg"), before);
    }
};

QTEST_MAIN(MainScreenTest)
#include "main_screen_test.moc"
