// Every window the program opens, held whole against its dump and its picture under
// tests/data/app: each control with what it shows, what a screen reader hears, where it lies and
// where Tab reaches it (an unnamed control, or one Tab passes over, fails), each menu entry with
// its keys, and the window as painted, pixel for pixel. PANTRIX_UPDATE_GOLDEN=1 writes what the
// program shows instead; read the difference over. And the desktop around them: the command line
// without a display, the icon, the busy pointer (the normal one shows over questions), the
// clipboard, the programs started, a session's end, a second start, the printer and the
// desktop's own dialogs and message boxes.
#include "app/config_form.h"
#include "app/find_window.h"
#include "app/forwarding_ui.h"
#include "app/main_screen.h"
#include "app/print_preview.h"
#include "app/program_icon.h"
#include "app/program_info.h"
#include "app/qr_window.h"
#include "app/qt_ui.h"
#include "app/session_end.h"
#include "app/splash.h"
#include "app/window_call.h"
#include "catalogue/catalogue_view.h"
#include "help/help_window.h"
#include "output/list_output.h"
#include "output/list_qr_text.h"
#include "output/recipe_output.h"
#include "shell/start_up.h"
#include "support/data_folder.h"
#include "support/faulty_file_system.h"

#include <QPrinterInfo>
#include <QTest>
#include <QtWidgets>
#include <csignal>
#include <future>
#include <tuple>

using namespace pantrix;
using namespace pantrix::testing;

namespace {

const QString kData = QStringLiteral(PANTRIX_TEST_DATA "/app/");
const bool kUpdating = qEnvironmentVariableIsSet("PANTRIX_UPDATE_GOLDEN");

QString Heard(QObject* object, QAccessible::Text text = QAccessible::Name)
{
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(object);
    return node ? node->text(text) : QString();
}

// Tab once round from the focus; a control moving within itself, as a page's links, counts once.
QList<QWidget*> TabRound(QWidget* window)
{
    QList<QWidget*> round;
    for (int presses = 0; presses < 200 && window->focusWidget(); ++presses) {
        if (round.isEmpty() || round.back() != window->focusWidget()) {
            if (round.contains(window->focusWidget()))
                break;
            round << window->focusWidget();
        }
        QTest::keyClick(window->focusWidget(), Qt::Key_Tab);
    }
    return round;
}

void DumpActions(const QList<QAction*>& actions, const QString& indent, QString& out)
{
    for (QAction* a : actions) {
        QDebug(&out) << indent.toLatin1().data() << "action" << a->objectName() << a->text()
                     << a->shortcuts() << "tip" << a->toolTip() << "on" << a->isEnabled()
                     << "checked" << a->isChecked() << "shown" << a->isVisible();
        out.back() = '\n';
        if (a->menu())
            DumpActions(a->menu()->actions(), indent + "  ", out);
    }
}

// One line a control, its own controls and entries under it; Qt's inner parts are passed over.
void DumpWidget(QWidget* w, const QList<QWidget*>& round, QString indent, QString& out)
{
    if (!w->objectName().startsWith(QLatin1String("qt_"))) {
        QString line = indent + w->metaObject()->className() + ' ' + w->objectName() + ' ';
        for (const char* property :
             {"windowTitle", "title", "text", "currentText", "plainText", "source", "value",
              "toolTip", "maxLength", "checked", "default", "autoDefault", "movable", "alignment",
              "readOnly", "wordWrap", "scaledContents", "openLinks"})
            if (const QString shown = w->property(property).toString();
                !shown.isEmpty() && shown != "false")
                QDebug(&line) << property << shown;
        const QString name = Heard(w);
        QDebug(&line) << "heard" << name << "told" << Heard(w, QAccessible::Description)
                      << w->geometry();
        if (w->isWindow())
            QDebug(&line) << "between" << w->minimumSize() << w->maximumSize();
        const bool worked = w->isVisible() && w->isEnabled() &&
                            (w->focusPolicy() & Qt::TabFocus || qobject_cast<QAbstractButton*>(w));
        const std::pair<bool, QString> flags[] = {
            {!w->isVisible(), "hidden"},
            {!w->isEnabled(), "off"},
            {w->font().bold(), "bold"},
            {round.contains(w), "tab" + QString::number(round.indexOf(w) + 1)},
            {worked && name.trimmed().isEmpty(), "<<unnamed>>"},
            {worked && !round.contains(w) && !w->focusProxy() &&
                 !(qobject_cast<QToolBar*>(w->parent()) && qobject_cast<MainScreen*>(w->window())),
             "<<not reached by Tab>>"}};
        for (const auto& [on, flag] : flags)
            line += on ? flag + ' ' : "";
        line.back() = '\n';
        out += line.replace('\n', "\\n").chopped(2) + '\n';
        DumpActions(w->actions(), indent + "  ", out);
        indent += "  ";
    }
    for (QObject* child : w->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && !widget->isWindow())
            DumpWidget(widget, round, indent, out);
        else if (widget && widget->isModal()) // a message over it, with a Tab round of its own
            widget->setFocus(), DumpWidget(widget, TabRound(widget), indent, out);
}

QImage painted; // the window last looked at, as painted: layout, colours and pictures

QString Look(QWidget* window)
{
    QString out;
    DumpWidget(window, TabRound(window), "", out);
    painted = window->grab().toImage();
    return out;
}

QString Shown(QWidget& window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window) ? Look(&window) : "not shown";
}

template <typename Window, typename... Arguments> QString Open(Arguments&&... arguments)
{
    Window window(std::forward<Arguments>(arguments)...);
    return Shown(window);
}

// The modal window `open` shows, given `keys`, looked at and answered with Enter, with the
// pointer it shows over a busy window; a question it asks then is answered Yes.
QString Modal(const std::function<void()>& open, const QKeySequence& keys = {})
{
    QtUi busy;
    busy.SetBusyPointer(true);
    QString seen = "not shown";
    QDialog* first = nullptr;
    QTimer looker; // pressing keys later, so that it looks again while a key's answer is open
    QObject::connect(&looker, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (box && box != first && first && box->button(QMessageBox::Yes))
            seen += "asked " + box->text() + '\n', box->button(QMessageBox::Yes)->click();
        else if (dialog && !first) {
            QTest::keySequence((first = dialog)->focusWidget(), keys), seen = Look(dialog);
            QDebug(&seen) << "pointer" << QApplication::overrideCursor()->shape();
            QTimer::singleShot(0, dialog, [dialog] { QTest::keyClick(dialog, Qt::Key_Return); });
        }
    });
    looker.start(0);
    open();
    busy.SetBusyPointer(false);
    return seen + '\n';
}

// With Dairy's Milk picked.
QString MainWindow(Workspace& w, const char* entry)
{
    MainScreen window(w.s, w.ui);
    window.StartUp();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        return "not shown";
    for (const char* list : {"CatList", "StdList"})
        QTest::keyClick(window.findChild<QWidget*>(list), Qt::Key_Down);
    if (*entry)
        window.findChild<QAction*>(entry)->trigger();
    return Look(&window);
}

// As Pantrix! starts it, from a folder where a "#" may be part of a page's name; its links
// find no browser on this desktop.
std::function<QString(Workspace&)> Help(std::vector<QByteArray> arguments,
                                        QByteArray defaultPage = "default")
{
    return [=](Workspace&) {
        const HelpArguments read = ParseHelpArguments(arguments, defaultPage);
        HelpWindow window(read, EnterPageFolder(read.Page, read.Anchor));
        QString seen = Shown(window);
        emit window.Browser()->highlighted(QUrl("x")); // a link pointed at, not told on the next
        window.findChild<QAction*>("Contents")->trigger(); // the top of a page, with no contents
        seen += "contents at #" + window.Browser()->source().fragment() + '\n';
        seen += window.statusBar()->currentMessage(); // only while the page stays
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "");
        if (QAction* link = window.findChild<QAction*>("WebLink")) // and web links in a page
            for (const char* u : {"", "http://a.x", "HTTPS://b.x", "mailto:c@x", "ftp://d.x"})
                seen +=
                    Modal([&] { *u ? window.Browser()->anchorClicked(QUrl(u)) : link->trigger(); });
        qputenv("PATH", path);
        return seen;
    };
}

std::function<QString(Workspace&)> Qr(std::size_t codes)
{
    return [=](Workspace& w) {
        return Open<QrWindow>(std::vector<std::string>(codes, "My Pantrix"), "My Pantrix", w.ui,
                              nullptr);
    };
}

QString Find(Workspace& w)
{
    LoadCategoryList(w.s, w.ui);
    FindWindow find(w.s, w.ui, nullptr);
    find.Begin();
    QTest::keyClicks(find.findChild<QWidget*>("FindText"), "mi");
    return Shown(find);
}

QString Preview(Workspace& w)
{
    PrintRecording pages;
    for (int line = 1; line <= 90; ++line)
        pages.Line(QStringLiteral("Line %1").arg(line));
    PrintPreviewWindow window(std::move(pages), w.ui, "My Pantrix", nullptr);
    window.show();
    for (const char* button : {"ZoomIn", "ZoomIn", "ZoomOut"}) // to five fourths of the width
        window.findChild<QPushButton*>(button)->click();
    return Shown(window);
}

const std::map<QString, std::function<QString(Workspace&)>> kWindows = {
    {"main-items", [](Workspace& w) { return MainWindow(w, ""); }},
    {"main-edit-item", [](Workspace& w) { return MainWindow(w, "mu_EditItem"); }},
    {"main-recipes", [](Workspace& w) { return MainWindow(w, "mu_ShowRecipeCollection"); }},
    {"main-toolbar", [](Workspace& w) { return MainWindow(w, "mu_ShowToolbar"); }},
    {"page-style", [](Workspace& w) { return Open<ConfigForm>(w.s, w.ui, nullptr); }},
    {"find", Find},
    {"help-no-page", Help({"-", "-", "Pantrix! on the web", "-"}, {})},
    {"help-all-arguments",
     Help({"G", "help.htm#Making%20Web%20Pages", "Q", "http://a.x", "", "b.x", "600", "7"})},
    {"help-defaults", Help({"-", "-", "C", "-", "-", "-", "wide", "0"})},
    {"help-hash-in-name", Help({"-", "notes#1.htm"})},
    {"help-folder-not-there", Help({"-", "gone/help.htm"})},
    {"qr-one", Qr(1)},
    {"qr-four", Qr(4)},
    {"print-preview", Preview},
    {"message",
     [](Workspace&) {
         MessageAnswer answer{};
         const QString seen = Modal([&] {
             answer = QtUi().ShowMessage({"Save the changes?", "Confirm", MessageIcon::Question,
                                          MessageButtons::YesNoCancel, MessageAnswer::No});
         });
         return seen + QStringLiteral("answer %1").arg(static_cast<int>(answer));
     }},
    {"input", // a paste of letters the code page lacks, and one without a limit
     [](Workspace&) {
         std::string answers;
         QGuiApplication::clipboard()->setText("Łódź 🥯");
         QString seen = Modal(
             [&] { answers += QtUi().InputBox("New category:", "New Category", "Dairy", 30); },
             QKeySequence::Paste);
         seen += Modal([&] { answers += QtUi().InputBox("New recipe:", "New Recipe", "Soup", 0); });
         return seen + "answers \"" + QString::fromStdString(answers) + '"';
     }},
    {"splash", [](Workspace&) { return Open<PX_QF_Splash>("QUILLFIELD KITCHENS OF WROCŁAW"); }},
};

// Line by line, so that a difference names its line.
void CompareWithGolden(const QString& actual, const QString& name)
{
    QFile file(kData + name);
    if (kUpdating && file.open(QIODevice::WriteOnly))
        file.write(actual.toUtf8()), file.close();
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
    const QStringList expected = QString::fromUtf8(file.readAll()).split('\n'),
                      got = actual.split('\n');
    for (qsizetype i = 0; i < std::max(expected.size(), got.size()); ++i)
        QCOMPARE(name + ':' + QString::number(i + 1) + ' ' + got.value(i),
                 name + ':' + QString::number(i + 1) + ' ' + expected.value(i));
    QCOMPARE(got.size(), expected.size()); // or an empty line more or less
    QVERIFY2(!actual.contains("<<"), "a control is unnamed or passed over by Tab");
}

void CompareWithPicture(QImage actual, const QString& name)
{
    actual = actual.convertToFormat(QImage::Format_ARGB32);
    actual.setDevicePixelRatio(1);
    if (kUpdating)
        actual.save(kData + name);
    QVERIFY2(actual == QImage(kData + name).convertToFormat(QImage::Format_ARGB32),
             qPrintable(name));
}

// What a program from `package` reads back from a file the program wrote.
QString Output(const QString& program, const QStringList& arguments, const char* package)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        qFatal("%s (%s) reads the file back", qPrintable(program), package);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every code in the picture, in whatever order zbar's zbarimg reads them.
std::vector<std::string> Decoded(const QString& png)
{
    std::vector<std::string> texts;
    QXmlStreamReader xml(Output("zbarimg", {"--xml", "-q", png}, "zbar-tools"));
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("data"))
            texts.push_back(
                xml.attributes().value("format") == QLatin1String("base64")
                    ? QByteArray::fromBase64(xml.readElementText().toLatin1()).toStdString()
                    : xml.readElementText().toStdString());
    return texts;
}

QStringList PdfPages(const QString& file) // each page's text, a form feed after each
{
    return Output("pdftotext", {"-layout", file, "-"}, "poppler-utils").chopped(1).split('\f');
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

class WindowsTest : public QObject
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
                                           {"HOME", "."},
                                           {"RECORD", "record"}})
            qputenv(name, Path(folder).toUtf8());
        // Writes what it was started with, after VAR, in one step.
        Write("bin/fake browser",
              "#!/bin/sh\nprintf '%s|' \"$VAR\" \"$@\" > \"$RECORD.new\"; mv \"$RECORD.new\" "
              "\"$RECORD\"\n",
              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::link(Path("bin/fake browser"), Path("bin/browser"));
    }

    void everyWindowTheProgramOpens_data()
    {
        QTest::addColumn<QString>("name");
        for (const auto& [name, open] : kWindows)
            QTest::newRow(qPrintable(name)) << name;
    }
    void everyWindowTheProgramOpens()
    {
        QFETCH(QString, name);
        Workspace w;
        w.folder.Write("category.lst", Categories({"Dairy"}));
        w.folder.Write("std_item.lst", Items({{"Dairy", "Milk"}}));
        w.folder.Write("Soup.rcp", "");
        LoadSettings(w.s, w.ui);
        QTemporaryDir here; // where the help viewer looks for pages
        QDir::setCurrent(here.path());
        QFile(QStringLiteral("notes#1.htm")).open(QIODevice::WriteOnly);
        QString seen = kWindows.at(name)(w);
        if (!seen.contains(here.path())) // else a different folder's name is painted at each run
            CompareWithPicture(painted, name + ".png");
        CompareWithGolden(seen.replace(QString::fromStdString(w.folder.Path().string()), "<data>")
                              .replace(here.path(), "<here>"),
                          name + ".dump");
    }

    // The help viewer at a page's anchor, at the contents and home again, its text larger,
    // smaller and closed by its keys, and the pages: plain ASCII, shared style, whole links.
    void theHelpViewerAndItsPages()
    {
        HelpWindow window(
            {}, EnterPageFolder(PANTRIX_SOURCE_DATA "/px_help/catalogue.htm", "editframe"));
        window.show();
        QScrollBar* scroll = window.Browser()->verticalScrollBar();
        QTRY_VERIFY(scroll->value() > 0 && window.windowTitle() == "Pantrix! Help - The catalogue");
        window.findChild<QAction*>(QStringLiteral("Contents"))->trigger();
        QTRY_VERIFY(scroll->value() == 0 && window.windowTitle() == "Pantrix! 3.1 Help");
        window.findChild<QAction*>(QStringLiteral("Home"))->trigger(); // the page it opened with
        QTRY_VERIFY(window.windowTitle() == "Pantrix! Help - The catalogue" &&
                    !window.findChild<QAction*>(QStringLiteral("Forward"))->isEnabled());
        window.findChild<QAction*>(QStringLiteral("Back"))->trigger();
        QTRY_VERIFY(window.windowTitle() == "Pantrix! 3.1 Help");
        window.findChild<QAction*>(QStringLiteral("Forward"))->trigger(); // offered only now
        QTRY_VERIFY(window.windowTitle() == "Pantrix! Help - The catalogue");
        emit window.Browser()->anchorClicked(QUrl("list.htm#adding")); // a link in the page
        QList<qreal> sizes{window.Browser()->font().pointSizeF()}; // and the keys without buttons
        for (const QString step : {"Larger Text", "Smaller Text", "Smaller Text", "Close"}) {
            for (QAction* action : window.actions())
                if (action->text() == step)
                    action->trigger();
            sizes << window.Browser()->font().pointSizeF() - sizes.front();
        }
        QCOMPARE(sizes.mid(1), (QList<qreal>{1, 0, -1, -1}));
        QVERIFY(!window.isVisible() && window.windowTitle() == "Pantrix! Help - Today's List");

        QStringList places, links = {"help.htm#Making Web Pages"}; // where Pantrix! opens it
        static const QRegularExpression anchor("<a\\s[^>]*(name|href)=\"([^\"]*)\"");
        for (const QString& name : QDir().entryList({QStringLiteral("*.htm")})) {
            QFile file(name);
            file.open(QIODevice::ReadOnly); // a page not read lacks the style
            const QString page = QString::fromLatin1(file.readAll());
            QVERIFY2(page.toUtf8() == page.toLatin1() && page.contains("help.css"),
                     name.toLatin1());
            places << name;
            for (const auto& match : anchor.globalMatch(page))
                if (match.captured(1) == "name")
                    places << name + '#' + match.captured(2);
                else
                    links << (match.captured(2).startsWith('#') ? name : "") + match.captured(2);
        }
        for (const QString& link : links)
            QVERIFY2(link.startsWith("http") || places.contains(link), qPrintable(link));
    }

    void thePageStyleButtonsPickPreviewAndSaveTheStyle()
    {
        Workspace w;
        LoadSettings(w.s, w.ui);
        ConfigForm form(w.s, w.ui, nullptr);
        form.show();
        const auto push = [](QWidget& on, const QString& names) {
            for (const QString& name : names.split(' '))
                QVERIFY(QMetaObject::invokeMethod(on.findChild<QObject*>(name),
                                                  name.startsWith("cmu_") ? "trigger" : "click"));
        };
        w.ui.AnswerColour(0x0000FF), w.ui.AnswerColour(0x00FF00); // background, then letters
        w.ui.AnswerFont(FontChoice{"Courier New", 14});
        for (const char* name : {"t.bmp", "t.png", "t.bmp"}) // top, side and back pictures
            QImage(kData + "qr-codes.png").save(QString::fromStdString(w.folder.File(name))),
                w.ui.AnswerFile(ChosenFile{w.folder.File(name), name});
        w.ui.SetDocumentProgram("/usr/bin/browser");
        for (const QString pick : {"BGColorSelect", "FontColorSelect", "FontSelect"})
            push(form, pick), CompareWithPicture(form.grab().toImage(), "style-" + pick + ".png");
        push(form, "TopGraphicSelect SideGraphicSelect BackGraphicSelect PageWidthLess "
                   "PageWidthLess UseTopGraphicCheck PreviewPage cmu_Help");
        QCOMPARE(w.s.Settings.UseTopGraphic + w.folder.Read("px31.cfg").substr(184, 25) +
                     w.ui.Started.at(0).second + std::to_string(w.ui.Messages.size()),
                 "N16777215            640  " + w.s.DataPath + "preview.htm0"); // and no message
        QVERIFY(w.ui.Started.at(1).second.find("help.htm#Making Web Pages") != std::string::npos);
        QEnterEvent enter({}, {}, {});
        QCoreApplication::sendEvent(form.findChild<QPushButton*>("PreviewPage"), &enter);
        CompareWithPicture(form.grab().toImage(), "page-style-picked.png"); // a help of lines
        {
            FaultyFileSystem full(1, Fault::NoSpace, true);
            push(form, "SaveConfig"); // not written: the window stays for another try
        }
        QVERIFY(form.isVisible());
        push(form, "UseTopGraphicCheck SaveConfig"); // ticked again since the preview took it
        QCOMPARE(w.s.Settings.UseTopGraphic + w.folder.Read("px31.cfg").substr(184, 25),
                 "Y255                 620  ");
        ConfigForm again(w.s, w.ui, nullptr);
        again.show();
        push(again, "PageWidthMore cmu_QuitWithoutSaving");
        QVERIFY(!form.isVisible() && !again.isVisible() && w.s.Settings.PageWidth == "620" &&
                again.findChild<QLabel*>("PageWidth")->text() == "630");
    }

    // A long list with letters beyond ASCII and an empty entry, in codes a phone reads back.
    void theSavedCodesReadBackAsTheList()
    {
        std::vector<ListEntry> list = {{"Dairy\xB0 Cr\xE8me", true}, {"Dairy\xB0", false}};
        for (int i = 0; i < 190; ++i)
            list.push_back(
                {"Aisle " + std::to_string(i / 9) + "\xB0 Item " + std::to_string(i), i % 2 == 0});
        const std::vector<std::string> codes = QrCodeTexts("My Pantrix", {2026, 12, 7}, list);
        FakeUi ui; // the save dialog opens in the home folder, where "q.r" is typed
        QrWindow window(codes, "list", ui, nullptr);
        auto* save = window.findChild<QPushButton*>("SavePng");
        Modal([&] { save->click(); }, {"Escape"}); // no save
        Write("q.r.png", "old");                   // asked about, though typed without ".png"
        QVERIFY(Modal([&] { save->click(); }, {"Ctrl+A, Q, ., R"})
                    .contains(QRegularExpression("(?s)\"Save as PNG\".*\"PNG pictures"
                                                 ".*asked q.r.png already exists.")));
        QCOMPARE(ui.StatusNotes.front(), "Saved as " + Path("q.r.png").toStdString());
        window.show(), QTest::keyClick(&window, Qt::Key_Return); // Close, the default button
        CompareWithPicture(QImage(Path("q.r.png")), "qr-codes.png");
        QVERIFY(std::ranges::is_permutation(Decoded(Path("q.r.png")), codes) &&
                !window.isVisible());
    }

    void theProgramOnADesktop()
    {
        QString told; // without any environment, so without a display of any kind
        for (const QString c : {PANTRIX_PROGRAM " --version", PANTRIX_PROGRAM " --help",
                                PANTRIX_HELP_PROGRAM " --version", PANTRIX_HELP_PROGRAM " -h"}) {
            QProcess process;
            process.start("env", {"-i", c.section(' ', 0, -2), c.section(' ', -1)});
            process.waitForFinished(10000);
            told += QFileInfo(c).fileName() + " ends " + QString::number(process.exitCode()) +
                    '\n' + process.readAllStandardError() + process.readAllStandardOutput();
        }
        CompareWithGolden(told, "program-info.dump");
        testing::Workspace w;
        UseProgramIcon();
        MainScreen window(w.s, w.ui);
        for (const QIcon& icon : {window.windowIcon(), ProgramIcon()})
            for (const int size : {16, 24, 32, 48, 64, 128, 256})
                QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
        window.StartUp();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        window.installEventFilter(this);
        ui.SetBusyPointer(true);
        QVERIFY(paints == 1 && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
        ui.SetBusyPointer(false);
        QVERIFY(!QApplication::overrideCursor());
        ui.ClipboardSetText("Crème brûlé");
        QCOMPARE(QGuiApplication::clipboard()->text(), "Crème brûlé");
        const Status font = QtUi().PrinterSetFont("Courier New", 10, false); // on no printer
        QVERIFY(!QPrinterInfo::defaultPrinter().isNull() ||
                (!font.ok() && font.error() == "No printer is installed."));
        using enum InfoRequest; // "-h" and "-v" after "--" or as an option's value are no options
        for (const auto& [argv, asked] : {std::pair{std::array{"pantrix", "--", "-h", "-v"}, None},
                                          {{"pantrix", "--data-dir", "-v", "x"}, None},
                                          {{"pantrix", "-h", "-v", "x"}, Help},
                                          {{"pantrix", "--print-to-pdf", "-h", "-v"}, Version}})
            QCOMPARE(RequestedInfo(4, argv.data()), asked);
    }

    // A question open when the session ends is closed as if cancelled, the upgrade's one kept
    // for the next start, as a command's; then everything is stored and the window goes.
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
        QTRY_VERIFY(!window.isVisible() && ticks <= 300);
        QCOMPARE(QDialog().exec(), QDialog::Rejected); // as any a command opens after the end
        QCOMPARE(asked, QStringList(duringStartUp ? "Upgrade Installation" : "Confirm"));
        QCOMPARE(folder.Read("My Pantrix.pxl") + (folder.Exists("category.new") ? " new" : ""),
                 std::string(duringStartUp ? "Soap\r\n new" : "Soap\r\nCandles\r\n"));
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
            else if (dialog) // the file to open is not taken after all
                QTest::keyClick(dialog->focusWidget(),
                                dialog->windowTitle() == "Open" ? Qt::Key_Escape : Qt::Key_Return);
        });
        looker.start(10);
        const QString data = QFile::decodeName(folder.Path().c_str());
        const auto saved = ui.FileSaveDialog({"Save As...",
                                              {{"Web Pages", "*.htm;*.html"}, {"All", "*"}},
                                              folder.File("gone/x"),
                                              "Łódź.htm"});
        const auto opened = ui.FileOpenDialog({"Open", {{"Lists", "*.pxl"}}, folder.Path(), "Ćma"});
        seen << QString::fromStdString(saved->FullPath.string() + " as " + saved->FileName);
        QCOMPARE(opened, std::nullopt);
        QCOMPARE(ui.ColourDialog(0x563412), 0x563412);
        const auto font = ui.FontDialog({"DejaVu Serif", 14});
        seen << QString::fromStdString(font->Face) + ' ' + QString::number(font->Points);
        const std::tuple<MessageIcon, MessageButtons, MessageAnswer, QMessageBox::StandardButton>
            messages[] = {
                // preset default, button pressed; the answer follows what was seen
                {MessageIcon::Information, MessageButtons::Ok, MessageAnswer::Ok, QMessageBox::Ok},
                {MessageIcon::Exclamation, MessageButtons::OkCancel, MessageAnswer::Cancel,
                 QMessageBox::Cancel},
                {MessageIcon::Critical, MessageButtons::YesNo, MessageAnswer::Yes, QMessageBox::No},
                {MessageIcon::None, MessageButtons::YesNoCancel, MessageAnswer::No,
                 QMessageBox::Yes}};
        for (const auto& [icon, buttons, preset, pressed] : messages)
            press = pressed,
            seen.back() += QStringLiteral(" answer %1")
                               .arg(int(ui.ShowMessage({"Text", "Title", icon, buttons, preset})));
        CompareWithGolden(seen.join('\n').replace(data, "<data>") + '\n', "dialogs.dump");
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
            {bin + " %u", "http://a.example/px-in.htm?b=1", "|http://a.example/px-in.htm?b=1|"},
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
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(Path("record")), 10000);
            QFile record(Path("record"));
            QVERIFY(record.open(QIODevice::ReadOnly) && record.readAll() == started);
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
        QVERIFY(!first.isMinimized());
        QTRY_COMPARE(QApplication::activeWindow(), &first);
        QVERIFY(!CallRunningWindow(Path("config").toStdString())); // no Pantrix there
        const QFileInfoList sockets = QDir(home.path()).entryInfoList({"pantrix-*"}, QDir::System);
        QVERIFY(sockets.size() == 1 && !(sockets[0].permissions() & 0x77)); // the user's alone
    }

    // The list on pages of its own and a recipe followed by the list, in large bold print: the
    // preview's PDF holds the pages and font the printer got, job after job (PDF files, though
    // not named so), and the status bar names where the last job went.
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
            w.s.Options.LargePrint = w.s.Options.BoldFonts = view == View::Recipes;
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
            printer.SetPrintFile(folder.filePath("job-%1"));
            ScriptedQuestions printing(w.ui, printer);
            answer();
            (view == View::Recipes ? PrintRecipe : PrintShoppingList)(w.s, printing);
            QStringList printed;
            const int jobs = QDir(folder.path()).entryList({"job-*"}).size();
            for (int job = 1; job <= jobs; ++job)
                printed += PdfPages(folder.filePath(QString("job-%1").arg(job)));
            QCOMPARE(window.statusBar()->currentMessage(),
                     "Saved as " + folder.filePath(QString("job-%1").arg(jobs)));

            answer();
            PrintPreviewWindow preview(RecordPrint(w.s, w.ui), w.ui, "Soup", nullptr);
            QVERIFY(
                Modal([&] { preview.findChild<QPushButton*>("SavePdf")->click(); }, {"Ctrl+A, P"})
                    .contains(QRegularExpression("(?s)\"Save as PDF\".*\"&Save\".*\"PDF files")));
            const QStringList previewed = PdfPages(Path("p.pdf")); // the second over the first
            QCOMPARE(w.ui.StatusNotes.back(), "Saved as " + Path("p.pdf").toStdString());
            QList<qsizetype> lines; // on each page, as many as the paper holds
            for (const QString& page : printed)
                lines << page.count('\n');
            QCOMPARE(lines, (view == View::Recipes ? QList<qsizetype>{52, 52, 14, 52, 23}
                                                   : QList<qsizetype>{62, 13}));
            QCOMPARE(printed.back().trimmed().split('\n').back(), "* Crème 69");
            QCOMPARE(previewed, printed);
            for (const QString& pdf : {folder.filePath("job-1"), Path("p.pdf")})
                QVERIFY(Output("pdffonts", {pdf}, "poppler-utils")
                            .contains(view == View::Recipes ? "Mono-Bold " : "Mono "));
            QVERIFY(Output("pdfinfo", {Path("p.pdf")}, "poppler-utils").contains(" Pantrix!\n"));
        }
    }
};

// The same pages and buttons in any place the tests run.
int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    QApplication::setCursorFlashTime(0); // the text cursor painted alike at every look
    WindowsTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "windows_test.moc"
