// The program on a desktop: --version and --help answer without a display; windows carry the
// icon; a command asking for a name gives the box its limit; long work repaints under the busy
// pointer (the windows test holds the normal one over questions); a session end closes the open
// question and stores; the clipboard takes the program's text; a desktop entry's browser starts in
// every shape of Exec line, a failed start is told, a second start calls the first window to the
// front; the printer and the preview give the same pages, read back by poppler's pdftotext; the
// desktop's own dialogs and message boxes ask and answer in the program's terms.
#include "app/forwarding_ui.h"
#include "app/main_screen.h"
#include "app/print_preview.h"
#include "app/program_icon.h"
#include "app/qt_ui.h"
#include "app/session_end.h"
#include "app/window_call.h"
#include "catalogue/category_commands.h"
#include "catalogue/item_commands.h"
#include "lists/entry_commands.h"
#include "output/list_output.h"
#include "output/recipe_output.h"
#include "recipes/recipe_commands.h"
#include "support/data_folder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <future>
#include <tuple>

using namespace pantrix;
using namespace pantrix::testing;

namespace {

QStringList PdfPages(const QString& file)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", file, "-"});
    if (!pdftotext.waitForFinished(30000))
        qFatal("pdftotext (poppler-utils) reads the pages back");
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
    pages.removeLast(); // after the last page's form feed
    return pages;
}

// The desktop's printer, its questions answered and its date told by the script.
class ScriptedQuestions final : public ForwardingUi
{
public:
    ScriptedQuestions(Ui& questions, Ui& printer) : ForwardingUi(printer), m_questions(questions) {}
    MessageAnswer ShowMessage(const Message& message) override
    {
        return m_questions.ShowMessage(message);
    }
    Date Today() override { return m_questions.Today(); }

private:
    Ui& m_questions;
};

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
    QTemporaryDir home;
    QtUi ui; // the desktop behind the Ui seam

    QString Path(const QString& name) const { return home.filePath(name); }
    void Write(const QString& name, const QByteArray& content,
               QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner)
    {
        QDir().mkpath(QFileInfo(Path(name)).path());
        QFile file(Path(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.setPermissions(mode);
    }
    std::filesystem::path Entry(const QString& name, const QString& exec)
    {
        Write("data/applications/" + name + ".desktop",
              "[Desktop Entry]\nType=Application\nName=" + name.toUtf8() +
                  "\nMimeType=text/html;\nExec=" + exec.toUtf8() + "\n");
        return Path("data/applications/" + name + ".desktop").toStdString();
    }

private slots:
    void initTestCase()
    {
        // Set before GIO first reads them: a desktop that knows only this test's
        // entries, with the system's table of document kinds.
        QDir().mkpath(Path("system"));
        QFile::link(QStandardPaths::locate(QStandardPaths::GenericDataLocation, "mime",
                                           QStandardPaths::LocateDirectory),
                    Path("system/mime"));
        Write("config/mimeapps.list", "[Default Applications]\ntext/html=plain.desktop\n");
        for (const auto& [name, folder] : {std::pair{"XDG_DATA_HOME", "data"},
                                           {"XDG_DATA_DIRS", "system"},
                                           {"XDG_CONFIG_HOME", "config"},
                                           {"XDG_CONFIG_DIRS", "config"},
                                           {"XDG_RUNTIME_DIR", "."},
                                           {"RECORD", "record"}})
            qputenv(name, Path(folder).toUtf8());
        // Writes what it was started with, after VAR, in one step.
        Write("bin/fake browser",
              "#!/bin/sh\nprintf '%s|' \"$VAR\" \"$@\" > \"$RECORD.new\"; mv \"$RECORD.new\" "
              "\"$RECORD\"\n",
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::link(Path("bin/fake browser"), Path("bin/browser"));
    }

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
        QtUi desktop;
        MainScreen window(state, desktop);
        desktop.SetParent(&window);
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

    void entriesOfEveryShapeGetThePage()
    {
        const QString bin = Path("bin/browser");
        Entry("plain", bin + " %u");
        QCOMPARE(ui.FindProgramFor(Path("junk.HTM").toStdString()),
                 Path("data/applications/plain.desktop").toStdString());
        // A local page reaches the program as its path, as the desktop hands over files.
        const QString page = Path("My Pages/Crème #1.htm");
        const QByteArray path = "|" + QFile::encodeName(page) + "|";
        const std::tuple<QString, QString, QByteArray> cases[] = {
            {bin + " %u", page, path},
            {bin + " %u", "http://www.quillfield.example/px-in.htm",
             "|http://www.quillfield.example/px-in.htm|"},
            {"env VAR=x " + bin + " %u", page, "x" + path},
            {bin + " --new-window %U", page, "|--new-window" + path},
            {"\"" + Path("bin/fake browser") + "\" %u", page, path},
            {bin + " %f", page, path},
            // No entry: the program itself, given double-quoted parts apart, other text whole.
            {"", "\"a b\" \"c\"", "|a b|c|"},
            {"", "a \"b\"", "|a \"b\"|"},
        };
        for (const auto& [exec, address, started] : cases) {
            QFile::remove(Path("record"));
            const auto program =
                exec.isEmpty() ? std::filesystem::path(bin.toStdString()) : Entry("shape", exec);
            QVERIFY2(ui.StartProgram(program, address.toStdString()), qPrintable(exec));
            QFile record(Path("record"));
            QTRY_VERIFY_WITH_TIMEOUT(record.exists(), 10000);
            QVERIFY(record.open(QIODevice::ReadOnly));
            QCOMPARE(record.readAll(), started);
        }
    }

    void failuresAreToldByTheirResults()
    {
        Write("bin/not a program", "#!/bin/sh\n");
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", Path("bin").toUtf8()); // no xdg-open to fall back on
        QCOMPARE(ui.FindProgramFor(Path("notes.pdf").toStdString()), std::nullopt);
        qputenv("PATH", path);
        const std::filesystem::path unstartable[] = {
            Entry("gone", Path("bin/gone") + " %u"),
            Entry("unstartable", "\"" + Path("bin/not a program") + "\" %u"),
            Entry("files-only", Path("bin/browser") + " %f"), // given a web address
            Path("bin/pantrix-help").toStdString(),           // the help viewer missing
            Path("bin/not a program").toStdString(),
        };
        for (const auto& program : unstartable)
            QVERIFY2(!ui.StartProgram(program, "http://www.quillfield.example/"), program.c_str());
    }

    void aSecondStartBringsTheFirstWindowToTheFront()
    {
        QWidget first, other;
        const WindowCallAnswer answer(Path("data").toStdString(), &first);
        first.showMinimized();
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        auto call = std::async(std::launch::async, CallRunningWindow,
                               std::filesystem::path(Path("data/../data").toStdString()));
        QTRY_VERIFY(call.wait_for(std::chrono::seconds(0)) == std::future_status::ready);
        QVERIFY(call.get());
        QVERIFY(!first.isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), &first);
        QVERIFY(!CallRunningWindow(Path("config").toStdString())); // no Pantrix there
    }

    // The list on pages of its own and a recipe followed by the list, in large
    // print: the preview's PDF holds the pages the printer got, job after job, and
    // the status bar names where the last job went.
    void thePreviewShowsAndSavesThePagesAPrintGives()
    {
        for (const View view : {View::Items, View::Recipes}) {
            Workspace w;
            for (int i = 0; i < 70; ++i)
                w.s.List.Entries.push_back({"Dairy\xB0 Cr\xE8me " + std::to_string(i), i % 3 == 0});
            w.s.List.Name = "My Pantrix";
            w.s.Recipes.CurrentRecipe = "Soup";
            for (int i = 0; i < 40; ++i)
                w.s.Recipes.EditorText += "Stir the soup gently for a long while, then taste it "
                                          "and stir again. Step " +
                                          std::to_string(i) + "\r\n";
            w.s.Options.LargePrint = view == View::Recipes;
            w.s.CurrentView = view;
            w.ui.SetToday({2026, 12, 7});
            const auto answer = [&] {
                if (view == View::Recipes)
                    w.ui.AnswerMessage(MessageAnswer::Yes); // the list too
                w.ui.AnswerMessage(MessageAnswer::Yes);     // with its category names
            };

            QTemporaryDir folder;
            QMainWindow window;
            QtUi printer;
            printer.SetParent(&window);
            printer.SetPrintFile(folder.filePath("job-%1.pdf"));
            ScriptedQuestions printing(w.ui, printer);
            answer();
            (view == View::Recipes ? PrintRecipe : PrintShoppingList)(w.s, printing);
            QStringList printed;
            const int jobs = QDir(folder.path()).entryList({"job-*.pdf"}).size();
            for (int job = 1; job <= jobs; ++job)
                printed += PdfPages(folder.filePath(QString("job-%1.pdf").arg(job)));
            QCOMPARE(window.statusBar()->currentMessage(),
                     "Saved as " + folder.filePath(QString("job-%1.pdf").arg(jobs)));

            answer();
            PrintPreviewWindow preview(RecordPrint(w.s, w.ui), w.ui, "Soup", nullptr);
            QVERIFY(preview.SavePdf(folder.filePath("preview.pdf")));
            const QStringList previewed = PdfPages(folder.filePath("preview.pdf"));
            QList<qsizetype> lines; // on each page, as many as the paper holds
            for (const QString& page : printed)
                lines << page.count('\n');
            QCOMPARE(lines, (view == View::Recipes ? QList<qsizetype>{52, 52, 14, 52, 23}
                                                   : QList<qsizetype>{62, 13}));
            QCOMPARE(printed.back().trimmed().split('\n').back(), "* Crème 69");
            QCOMPARE(previewed, printed);
        }
    }

    void withoutAPrinterNothingIsPrinted()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this machine has a printer");
        const Status ready = QtUi().PrinterSetFont("Courier New", 10, false);
        QVERIFY(!ready.ok());
        QCOMPARE(ready.error(), std::string("No printer is installed."));
    }
};

// The same paper, so the same pages, in any place the tests run.
int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    DesktopTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "desktop_test.moc"
