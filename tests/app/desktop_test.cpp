#include "app/main_screen.h"
#include "app/program_icon.h"
#include "app/qt_ui.h"
#include "catalogue/category_commands.h"
#include "catalogue/item_commands.h"
#include "help/help_window.h"
#include "lists/entry_commands.h"
#include "recipes/recipe_commands.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace pantrix;
using pantrix::testing::FakeUi;
using pantrix::testing::Workspace;

namespace {

// Runs `look` on the next dialog once it shows; the dialog's exec() waits till then.
void WhenDialogShows(std::function<void(QDialog*)> look)
{
    QTimer::singleShot(0, [look] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            look(dialog);
        else
            WhenDialogShows(look);
    });
}

struct LimitCase
{
    const char* Command;
    void (*Run)(MainScreenState&, Ui&);
    std::size_t Limit;
};

const LimitCase kLimitCases[] = {
    {"New Category", NewCategory, 30},
    {"Edit Category", EditCategory, 30},
    {"New Item", NewItem, 30},
    {"Change Name", ChangeItemName, 30},
    {"One-Time Item", AddOneTimeItem, 30},
    {"Modify item", ModifyCurrentEntry, 62},
    {"New Recipe", NewRecipe, 0},
};

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { UseProgramIcon(); }

    void versionAndHelpAnswerWithoutADisplay_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("shown");
        const QString app = QStringLiteral(PANTRIX_PROGRAM);
        const QString help = QStringLiteral(PANTRIX_HELP_PROGRAM);
        QTest::newRow("pantrix --version") << app << "--version" << QStringList{"pantrix 3.1\n"};
        QTest::newRow("pantrix --help")
            << app << "--help" << QStringList{"--data-dir DIR", "--print-to-pdf FILE", "--version"};
        QTest::newRow("pantrix-help --version")
            << help << "--version" << QStringList{"pantrix-help 3.1\n"};
        QTest::newRow("pantrix-help -h") << help << "-h" << QStringList{"PAGE[#ANCHOR]"};
    }

    void versionAndHelpAnswerWithoutADisplay()
    {
        QFETCH(QString, program);
        QFETCH(QString, option);
        QFETCH(QStringList, shown);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, {option});
        QVERIFY(process.waitForFinished(10000));
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(process.readAllStandardError(), QByteArray());
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        for (const QString& part : shown)
            QVERIFY2(out.contains(part), qPrintable(out));
    }

    void theIconIsCompiledInInEverySize()
    {
        for (const QIcon& icon : {ProgramIcon(), HelpViewerIcon()})
            for (const int size : {16, 24, 32, 48, 64, 128, 256})
                QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
        Workspace w;
        MainScreen window(w.s, w.ui);
        QCOMPARE(window.windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    }

    void ctrlQRunsExit()
    {
        Workspace w;
        MainScreen window(w.s, w.ui);
        window.StartUp();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* exitEntry = window.findChild<QAction*>(QStringLiteral("mu_Exit"));
        // Ending for real would end every event loop of the tests that follow.
        QObject::disconnect(exitEntry, &QAction::triggered, &window, nullptr);
        QSignalSpy exit(exitEntry, &QAction::triggered);
        QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(exit.count(), 1);
    }

    void aBoxStopsTypingAtItsLimitAndShowsItsLongestTextWhole_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("kept");
        QTest::newRow("category or item") << 30 << 30;
        QTest::newRow("list entry") << 62 << 62;
        QTest::newRow("no limit") << 0 << 70;
    }

    void aBoxStopsTypingAtItsLimitAndShowsItsLongestTextWhole()
    {
        QFETCH(int, limit);
        QFETCH(int, kept);
        QtUi ui;
        int leftmostShown = -1;
        WhenDialogShows([&](QDialog* dialog) {
            auto* edit = dialog->findChild<QLineEdit*>();
            QTest::keyClicks(edit, QString(70, QLatin1Char('M')));
            // At the end of the longest text it takes, its start still shows.
            const int longest = limit > 0 ? limit : 62;
            const QString typed = edit->text();
            edit->setText(QString(longest, QLatin1Char('M')));
            edit->end(false);
            edit->repaint(); // the box scrolls its text when it paints
            leftmostShown = edit->cursorPositionAt(QPoint(4, edit->height() / 2));
            edit->setText(typed);
            dialog->accept();
        });
        const std::string answer =
            ui.InputBox("Prompt", "Title", "", static_cast<std::size_t>(limit));
        QCOMPARE(answer, std::string(static_cast<std::size_t>(kept), 'M'));
        QCOMPARE(leftmostShown, 0);
    }

    void eachPromptThatStatesALimitPassesIt_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t row = 0; row < std::size(kLimitCases); ++row)
            QTest::newRow(kLimitCases[row].Command) << static_cast<int>(row);
    }

    void eachPromptThatStatesALimitPassesIt()
    {
        QFETCH(int, row);
        const LimitCase& c = kLimitCases[row];
        Workspace w;
        w.s.Catalogue.CatEdit = w.s.Catalogue.SelectedCategory = "Dairy";
        w.s.Catalogue.StdEdit = "Milk";
        w.s.List.Entries = {{"Dairy\xB0 Milk", false}};
        w.s.List.Current = 0;
        w.ui.AnswerInput(""); // cancelled: nothing changes
        c.Run(w.s, w.ui);
        QCOMPARE(w.ui.InputLimits, std::vector<std::size_t>{c.Limit});
    }

    void longWorkShowsTheBusyPointerAndRepaintsButAsksWithTheNormalOne()
    {
        QtUi ui;
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        int paints = 0;
        struct PaintCounter : QObject
        {
            int& Count;
            explicit PaintCounter(int& count) : Count(count) {}
            bool eventFilter(QObject*, QEvent* event) override
            {
                Count += event->type() == QEvent::Paint;
                return false;
            }
        } counter(paints);
        window.installEventFilter(&counter);

        ui.SetBusyPointer(true);
        QVERIFY(QApplication::overrideCursor());
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        QCOMPARE(paints, 1); // drawn before the work, without waiting for the event loop
        Qt::CursorShape whileAsking = Qt::WaitCursor;
        WhenDialogShows([&](QDialog* dialog) {
            whileAsking = QApplication::overrideCursor()->shape();
            dialog->accept();
        });
        ui.ShowMessage(Information("Done", "Title"));
        QCOMPARE(whileAsking, Qt::ArrowCursor);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        ui.SetBusyPointer(false);
        QVERIFY(!QApplication::overrideCursor());
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
