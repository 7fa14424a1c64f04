// On a desktop: --version and --help answer without a display; windows carry the icon; a command
// asking for a name gives the box its limit. Long work repaints under the busy pointer (the
// windows test holds the normal one over questions). A session end closes the question open at
// the time and stores. The clipboard takes the program's text.
#include "app/main_screen.h"
#include "app/program_icon.h"
#include "app/qt_ui.h"
#include "app/session_end.h"
#include "catalogue/category_commands.h"
#include "catalogue/item_commands.h"
#include "help/help_window.h"
#include "lists/entry_commands.h"
#include "recipes/recipe_commands.h"
#include "support/data_folder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <csignal>

using namespace pantrix;
using namespace pantrix::testing;

class DesktopTest : public QObject
{
    Q_OBJECT

    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }

private slots:
    void theProgramOnADesktop()
    {
        QString told; // without any environment, so without a display of any kind
        for (const QStringList& c : {QStringList{PANTRIX_PROGRAM, "--version"},
                                     {PANTRIX_PROGRAM, "--help"},
                                     {PANTRIX_HELP_PROGRAM, "--version"},
                                     {PANTRIX_HELP_PROGRAM, "-h"}}) {
            QProcess process;
            process.start("env", {"-i", c[0], c[1]});
            process.waitForFinished(10000);
            told += QFileInfo(c[0]).fileName() + ' ' + c[1] + " ends " +
                    QString::number(process.exitCode()) + '\n' + process.readAllStandardError() +
                    process.readAllStandardOutput();
        }
        QFile golden(PANTRIX_TEST_DATA "/app/program-info.dump");
        if (qEnvironmentVariableIsSet("PANTRIX_UPDATE_GOLDEN") && golden.open(QIODevice::WriteOnly))
            golden.write(told.toUtf8()), golden.close();
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(told, QString::fromUtf8(golden.readAll()));
        testing::Workspace w;
        UseProgramIcon();
        MainScreen window(w.s, w.ui);
        for (const QIcon& icon : {window.windowIcon(), ProgramIcon()})
            for (const int size : {16, 24, 32, 48, 64, 128, 256})
                QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
        window.StartUp();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        w.s.Catalogue.CatEdit = w.s.Catalogue.SelectedCategory = w.s.Catalogue.StdEdit = "Dairy";
        w.s.List.Entries = {{"Dairy\xB0 Milk", false}};
        w.s.List.Current = 0;
        for (auto run : {NewCategory, EditCategory, NewItem, ChangeItemName, AddOneTimeItem,
                         ModifyCurrentEntry, NewRecipe})
            w.ui.AnswerInput(""), run(w.s, w.ui); // cancelled: nothing changes
        QCOMPARE(w.ui.InputLimits, (std::vector<std::size_t>{30, 30, 30, 30, 30, 62, 0}));

        window.installEventFilter(this);
        QtUi ui;
        ui.SetBusyPointer(true);
        QCOMPARE(paints, 1);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        ui.SetBusyPointer(false);
        QVERIFY(!QApplication::overrideCursor());
        ui.ClipboardSetText("Crème brûlé");
        QCOMPARE(QGuiApplication::clipboard()->text(), "Crème brûlé");
        ui.ClipboardClear();
        QCOMPARE(QGuiApplication::clipboard()->text(), "");
    }

    // A question open when the session ends is closed as if cancelled, during
    // start-up as in a command; then everything is stored and the window goes.
    void aSessionEndClosesTheOpenQuestionAndStores_data()
    {
        QTest::addColumn<bool>("duringStartUp");
        QTest::addColumn<int>("signal");
        QTest::newRow("Upgrade Installation at start-up") << true << SIGTERM;
        QTest::newRow("Clear List asked, hung up") << false << SIGHUP;
    }
    void aSessionEndClosesTheOpenQuestionAndStores()
    {
        QFETCH(bool, duringStartUp);
        QFETCH(int, signal);
        TestFolder folder;
        folder.Write("category.lst", Categories({"Dairy"}));
        folder.Write("std_item.lst", Items({{"Dairy", "Milk"}}));
        if (duringStartUp) {
            folder.Write("category.new", Categories({"Bakery"}));
            folder.Write("std_item.new", Items({{"Bakery", "Bread"}}));
        }
        folder.Write("My Pantrix.pxl", "Soap\r\n");
        MainScreenState state = folder.State();
        QtUi ui;
        MainScreen window(state, ui);
        ui.SetParent(&window);
        window.findChild<QTimer*>("ListSaveTimer")->setInterval(std::chrono::hours(1));
        SessionEnd sessionEnd;
        QObject::connect(&sessionEnd, &SessionEnd::Requested, &window, &MainScreen::EndSession);
        QStringList asked;
        QTimer signaller;
        int ticks = 0; // a box the signal left open is closed after a while: a failure, not a hang
        connect(&signaller, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box && box->isVisible() && !asked.contains(box->windowTitle()))
                asked << box->windowTitle(), std::raise(signal);
            else if (box && ++ticks > 300)
                box->reject();
        });
        signaller.start(10);
        window.StartUp();
        if (!duringStartUp) {
            state.List.Entries.push_back({"Candles", false});
            window.findChild<QAction*>("mu_ClearList")->trigger();
        }
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(ticks <= 300);
        QCOMPARE(asked, QStringList(duringStartUp ? "Upgrade Installation" : "Confirm"));
        QCOMPARE(folder.Read("My Pantrix.pxl"),
                 std::string(duringStartUp ? "Soap\r\n" : "Soap\r\nCandles\r\n"));
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
