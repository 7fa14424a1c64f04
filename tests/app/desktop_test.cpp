// On a desktop: --version and --help answer without a display; windows carry the icon; Ctrl+Q
// runs Exit; a command asking for a name gives the box its limit, where typing stops, and the box
// shows its longest text whole. Long work repaints under the busy pointer, questions the normal
// one. A session end closes the question open at the time and stores.
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
        const QStringList cases[] = {
            {PANTRIX_PROGRAM, "--version", "0 pantrix 3.1\n"},
            {PANTRIX_PROGRAM, "--help", "0 Usage: pantrix [", "--data-dir DIR", "--print-to-pdf"},
            {PANTRIX_HELP_PROGRAM, "--version", "0 pantrix-help 3.1\n"},
            {PANTRIX_HELP_PROGRAM, "-h", "0 Usage: pantrix-help [", "PAGE[#ANCHOR]"}};
        for (const QStringList& c : cases) {
            QProcess process;
            process.start("env", {"-i", c[0], c[1]}); // no environment, so no display of any kind
            process.waitForFinished(10000);
            const QString told = QString::number(process.exitCode()) + " " +
                                 process.readAllStandardError() + process.readAllStandardOutput();
            for (const QString& part : c.mid(2))
                QVERIFY2(told.startsWith(c[2]) && told.contains(part), qPrintable(told));
        }
        testing::Workspace w;
        UseProgramIcon();
        MainScreen window(w.s, w.ui);
        for (const QIcon& icon : {window.windowIcon(), ProgramIcon()})
            for (const int size : {16, 24, 32, 48, 64, 128, 256})
                QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
        window.StartUp();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Ending for real would end every event loop of the steps that follow.
        window.findChild<QAction*>("mu_Exit")->disconnect(&window);
        int exits = 0;
        connect(window.findChild<QAction*>("mu_Exit"), &QAction::triggered, [&] { ++exits; });
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(exits, 1);

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
        QList<int> seen; // per dialog: the pointer, and where the longest text shows from
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->windowHandle()->isExposed())
                return;
            seen << QApplication::overrideCursor()->shape();
            if (auto* edit = dialog->findChild<QLineEdit*>()) {
                edit->setText(QString(std::min(edit->maxLength(), 62), 'M'));
                edit->repaint(); // the box scrolls its text when it paints
                seen << edit->cursorPositionAt(QPoint(4, edit->height() / 2));
                edit->clear();
                QTest::keyClicks(edit, QString(70, 'M'));
            }
            dialog->accept();
        });
        answerer.start(0);
        QCOMPARE(ui.InputBox("Prompt", "Title", "", 30), std::string(30, 'M'));
        QCOMPARE(ui.InputBox("Prompt", "Title", "", 0), std::string(70, 'M'));
        ui.ShowMessage(Information("Done", "Title"));
        QCOMPARE(seen, (QList<int>{Qt::ArrowCursor, 0, Qt::ArrowCursor, 0, Qt::ArrowCursor}));
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        ui.SetBusyPointer(false);
        QVERIFY(!QApplication::overrideCursor());
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
