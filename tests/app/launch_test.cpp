// Programs the desktop starts for us: the browser its desktop entries name, in
// every shape of Exec line; the failures each start reports; and a second start
// on a data folder in use, which calls the first one's window to the front.
#include "app/qt_ui.h"
#include "app/window_call.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <future>

using namespace pantrix;

class LaunchTest : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    QtUi ui;

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

    void entriesOfEveryShapeGetThePage()
    {
        const QString bin = Path("bin/browser");
        Entry("plain", bin + " %u");
        QCOMPARE(ui.FindProgramFor(Path("junk.HTM").toStdString()),
                 Path("data/applications/plain.desktop").toStdString());
        // A local page reaches the program as its path, as the desktop hands over files.
        const QString page = Path("My Pages/Crème #1.htm");
        const QByteArray path = "|" + QFile::encodeName(page) + "|";
        const struct
        {
            QString Exec, Address;
            QByteArray Started;
        } cases[] = {
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
        for (const auto& c : cases) {
            QFile::remove(Path("record"));
            const auto program = c.Exec.isEmpty() ? std::filesystem::path(bin.toStdString())
                                                  : Entry("shape", c.Exec);
            QVERIFY2(ui.StartProgram(program, c.Address.toStdString()), qPrintable(c.Exec));
            QFile record(Path("record"));
            QTRY_VERIFY_WITH_TIMEOUT(record.exists(), 10000);
            QVERIFY(record.open(QIODevice::ReadOnly));
            QCOMPARE(record.readAll(), c.Started);
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
};

QTEST_MAIN(LaunchTest)
#include "launch_test.moc"
