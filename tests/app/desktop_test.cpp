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
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
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

    // Each dialog as the program asks it, answered as the test says: the file dialogs in the
    // nearest folder there is, with their filters and name; the colour and font dialogs from
    // the program's own; each kind of message with its icon, buttons and default button.
    void theDialogsAskAndAnswerInTheProgramsTerms()
    {
        TestFolder folder;
        QtUi ui;
        QStringList seen;
        QMessageBox::StandardButton press = QMessageBox::NoButton; // for a message; else Enter
        QTimer looker;
        connect(&looker, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                seen << files->windowTitle() + ' ' + files->directory().path() + ' ' +
                            files->nameFilters().join("/") +
                            QStringLiteral(" %1 %2 %3 ")
                                .arg(files->acceptMode())
                                .arg(files->fileMode())
                                .arg(files->testOption(QFileDialog::DontConfirmOverwrite)) +
                            files->selectedFiles().join(",");
            if (auto* colours = qobject_cast<QColorDialog*>(dialog))
                seen << colours->currentColor().name();
            if (auto* fonts = qobject_cast<QFontDialog*>(dialog))
                seen << QDebug::toString(fonts->currentFont().family()) + ' ' +
                            QString::number(fonts->currentFont().pointSizeF());
            if (auto* box = qobject_cast<QMessageBox*>(dialog))
                seen << QStringLiteral("%1 %2 %3")
                            .arg(box->icon())
                            .arg(box->standardButtons())
                            .arg(box->standardButton(box->defaultButton())),
                    box->button(press)->click();
            else if (dialog)
                QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
        });
        looker.start(10);
        const QString data = QFile::decodeName(folder.Path().c_str());
        const auto saved = ui.FileSaveDialog({"Save As...",
                                              {{"Web Pages", "*.htm;*.html"}, {"All", "*"}},
                                              folder.File("gone/x"),
                                              "Łódź.htm"});
        const auto opened = ui.FileOpenDialog({"Open", {{"Lists", "*.pxl"}}, folder.Path(), "Ćma"});
        QCOMPARE(saved->FullPath, folder.File("Łódź.htm"));
        QCOMPARE(saved->FileName, "Łódź.htm");
        QCOMPARE(opened->FullPath, folder.File("Ćma"));
        QCOMPARE(ui.ColourDialog(0x563412), 0x563412);
        const auto font = ui.FontDialog({"DejaVu Serif", 14});
        QCOMPARE(QString::fromStdString(font->Face) + ' ' + QString::number(font->Points),
                 "DejaVu Serif 14");
        const std::tuple<MessageIcon, MessageButtons, MessageAnswer, QMessageBox::StandardButton,
                         MessageAnswer>
            messages[] = {{MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok,
                           QMessageBox::Ok, MessageAnswer::Ok},
                          {MessageIcon::Exclamation, MessageButtons::OkCancel,
                           MessageAnswer::Cancel, QMessageBox::Cancel, MessageAnswer::Cancel},
                          {MessageIcon::Critical, MessageButtons::YesNo, MessageAnswer::Yes,
                           QMessageBox::No, MessageAnswer::No},
                          {MessageIcon::None, MessageButtons::YesNoCancel, MessageAnswer::No,
                           QMessageBox::Yes, MessageAnswer::Yes}};
        for (const auto& [icon, buttons, preset, pressed, answer] : messages) {
            press = pressed;
            QCOMPARE(ui.ShowMessage({"Text", "Title", icon, buttons, preset}), answer);
        }
        QCOMPARE(seen,
                 QStringList({"Save As... " + data + " Web Pages (*.htm *.html)/All (*) 1 0 1 " +
                                  data + "/Łódź.htm",
                              "Open " + data + " Lists (*.pxl) 0 0 1 " + data + "/Ćma", "#123456",
                              "\"DejaVu Serif\" 14", "1 1024 1024", "2 4195328 4194304",
                              "3 81920 16384", "0 4276224 65536"}));
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
