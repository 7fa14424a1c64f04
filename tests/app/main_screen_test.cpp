// The main window driven as the user drives it. Each story under tests/data/app
// holds its steps ("== " lines, actions split by "; ") and, after each, the named
// parts and files that changed, what the desktop was asked and the stored flags.
#include "app/main_screen.h"

#include "settings/settings_record.h"
#include "support/data_folder.h"
#include "support/transcript.h"

#include <QTest>
#include <QtWidgets>

using namespace pantrix;
using namespace pantrix::testing;

namespace {

const QString kToday = QLocale().toString(QDate(2026, 3, 14), QLocale::ShortFormat);

// A main window over a data folder of its own, whose settings have Large Print
// and two columns on, and an empty catalogue and list until a step writes them.
struct Window
{
    Window()
    {
        SettingsRecord settings = DefaultSettings(state.DataPath);
        settings.LargePrint = "Y";
        settings.PrintTwoColumns = "Y";
        folder.Write("px31.cfg", EncodeSettings(settings));
        for (const char* file : {"category.lst", "std_item.lst", "My Pantrix.pxl"})
            folder.Write(file, "");
        // Stories show the files each step's command writes; a save in the background
        // would come at the machine's pace.
        for (QTimer* timer : window.findChildren<QTimer*>(QRegularExpression("SaveTimer$")))
            timer->setInterval(std::chrono::hours(24));
    }
    template <typename T = QWidget> T* Find(const QString& name)
    {
        QObject* found = name == "focus" ? QApplication::focusWidget()
                         : name == "popup"
                             ? static_cast<QObject*>(QApplication::activePopupWidget())
                             : window.findChild<T*>(name);
        if (!found)
            QTest::qFail(qPrintable("no " + name), __FILE__, __LINE__);
        return static_cast<T*>(found);
    }
    // The actions of a step, as the user takes them; a press on a row lands on
    // its middle or on its tick box, a press "below" under the last row.
    void Do(const QString& step)
    {
        for (const QString& action : step.split("; ")) {
            const QStringList w = action.split(' ');
            const QString rest = action.section(' ', 1), text = action.section(' ', 2);
            const std::string name = Unescaped(w.value(1).toStdString());
            const auto list = [&] { return Find<QListView>(w[1])->viewport(); };
            const auto at = [&] {
                if (w[2] == "below")
                    return QPoint(list()->width() / 2, list()->height() - 3);
                const QRect row = Find<QListView>(w[1])->visualRect(
                    Find<QListView>(w[1])->model()->index(w[2].toInt(), 0));
                return w.value(3) == "tick"
                           ? QPoint(row.left() + row.height() / 2, row.center().y())
                           : row.center();
            };
            const QKeyCombination key = QKeySequence(text)[0];
            const std::map<QString, std::function<void()>> verbs{
                {"write", [&] { folder.Write(name, Unescaped(text.toStdString())); }},
                {"start", [&] { window.StartUp(), FollowShownSize(); }},
                {"resize", // done once the window system shows it, after its earlier answers
                 [&] {
                     window.resize(w[1].toInt(), w[2].toInt());
                     QTRY_COMPARE(shown, QSize(w[1].toInt(), w[2].toInt()));
                 }},
                {"click", [&] { QTest::mouseClick(list(), Qt::LeftButton, {}, at()); }},
                {"rclick", [&] { QTest::mouseClick(list(), Qt::RightButton, {}, at()); }},
                {"dclick", [&] { QTest::mouseDClick(list(), Qt::LeftButton, {}, at()); }},
                {"rpress", [&] { QTest::mousePress(list(), Qt::RightButton, {}, at()); }},
                {"key", [&] { QTest::keyClick(Find(w[1]), key.key(), key.keyboardModifiers()); }},
                {"type",
                 [&] { // a letter beyond ASCII comes as a key with its text, as from a layout
                     for (const QChar c : text)
                         c.unicode() < 128 ? QTest::keyClick(Find(w[1]), c.toLatin1())
                                           : QTest::sendKeyEvent(QTest::Click, Find(w[1]),
                                                                 Qt::Key_unknown, QString(c), {});
                 }},
                {"clip", [&] { QGuiApplication::clipboard()->setText(rest); }},
                {"trigger", [&] { Find<QAction>(rest)->trigger(); }},
                {"push", [&] { Find<QAbstractButton>(rest)->click(); }},
                {"answer",
                 [&] { ui.AnswerMessage(rest == "No" ? MessageAnswer::No : MessageAnswer::Yes); }},
                {"input", [&] { ui.AnswerInput(rest.toStdString()); }},
                {"choose", [&] { ui.AnswerFile(ChosenFile{folder.File(name), name}); }},
                {"cancel-file", [&] { ui.AnswerFile(std::nullopt); }},
                {"close", [&] { window.close(); }},
                {"dismiss", // the window the next command holds open, closed once it shows
                 [&] {
                     QTimer::singleShot(0, &window, [this] {
                         if (QWidget* open = QApplication::activeModalWidget())
                             told += "closed " + open->windowTitle() + "\n", open->close();
                     });
                 }},
                {"stored",
                 [&] { told += (folder.Read("px31.cfg").substr(164, 20) + "\n").c_str(); }},
                {"tabfocus",
                 [&] { Find(rest)->clearFocus(), Find(rest)->setFocus(Qt::TabFocusReason); }},
                {"await-active", [&] { QVERIFY(QTest::qWaitForWindowActive(&window)); }},
                {"await-popup", [&] { QTRY_VERIFY(QApplication::activePopupWidget()); }},
                {"await-focus", [&] { QTRY_COMPARE(QApplication::focusWidget(), Find(rest)); }},
                {"await-hidden", [&] { QTRY_VERIFY(Find(rest)->isHidden()); }}};
            QVERIFY2(verbs.count(w[0]), qPrintable("no such action: " + action));
            verbs.at(w[0])();
        }
        QApplication::processEvents();
    }
    // A window manager answers size requests in its own time and in turn.
    void FollowShownSize()
    {
        shown = window.size();
        QObject::connect(window.windowHandle(), &QWindow::widthChanged, &window,
                         [this](int width) { shown.setWidth(width); });
        QObject::connect(window.windowHandle(), &QWindow::heightChanged, &window,
                         [this](int height) { shown.setHeight(height); });
    }
    // The step, then one line for each named command and part of the window that changed,
    // with what a screen reader hears of it; for what was picked; for each file but the
    // settings; for each background save called for (then put off), and the option flags.
    void Step(const QString& step)
    {
        told += "== " + step + "\n";
        Do(step);
        const auto flag = [](bool on, const char* yes) { return QLatin1String(on ? yes : ""); };
        const auto heard = [](QObject* o) {
            return QAccessible::queryAccessibleInterface(o)->text(QAccessible::Name);
        };
        QStringList parts{"title " + window.windowTitle() + " heard " + heard(&window),
                          "picked \"" + QString::fromLatin1(state.Catalogue.CatEdit) + "\" \"" +
                              QString::fromLatin1(state.Catalogue.StdEdit) + "\""};
        for (QAction* a : window.findChildren<QAction*>())
            if (!a->objectName().isEmpty())
                parts << a->objectName() + " \"" + a->text() + "\" " + a->shortcut().toString() +
                             " tip \"" + a->toolTip() + "\"" + flag(!a->isEnabled(), " off") +
                             flag(a->isCheckable(), a->isChecked() ? " [x]" : " [ ]") +
                             flag(!a->isVisible(), " hidden");
        for (QWidget* w : window.findChildren<QWidget*>()) {
            QString shown =
                qobject_cast<QAbstractButton*>(w)
                    ? ""
                    : w->property(w->inherits("QPlainTextEdit") ? "plainText" : "text").toString();
            // Each row as shown, with its tick box; a row that screen readers would
            // hear otherwise than it shows says so.
            if (auto* list = qobject_cast<QListView*>(w)) {
                QStringList rows;
                for (int row = 0; row < list->model()->rowCount(); ++row) {
                    const QModelIndex at = list->model()->index(row, 0);
                    const QVariant tick = at.data(Qt::CheckStateRole);
                    rows << (tick.isValid() ? (tick.toInt() == Qt::Checked ? "[x] " : "[ ] ")
                                            : "") +
                                QString(list->visualRect(at).isEmpty() ? "(not in the view) "
                                                                       : "") +
                                (at.data(Qt::AccessibleTextRole) == at.data()
                                     ? at.data().toString().trimmed()
                                     : "(heard apart)");
                }
                shown = rows.join(" | ") + " @" + QString::number(list->currentIndex().row());
            }
            if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
                parts << QString(w->objectName() + " \"" + shown + "\" heard \"" + heard(w) +
                                 "\" told \"" + w->accessibleDescription() + "\" tip \"" +
                                 w->toolTip() + "\"" + flag(!w->isVisible(), " hidden") +
                                 flag(!w->isEnabled(), " off") + flag(w->font().bold(), " bold"))
                             .replace(kToday, "<today>")
                             .replace('\n', "\\n");
        }
        // Names are the file system's UTF-8; contents are shown byte for byte.
        for (const QByteArray& file : QByteArray::fromStdString(Listing(folder.Path())).split('\n'))
            if (!file.isEmpty() && !file.startsWith("px31.cfg"))
                parts << "file " + QString::fromUtf8(file.left(file.indexOf(": "))) +
                             QString::fromLatin1(file.mid(file.indexOf(": ")));
        parts.sort();
        for (const QString& part : parts)
            if (!seen.contains(part))
                told += part + "\n";
        seen = parts;
        for (QTimer* timer : window.findChildren<QTimer*>(QRegularExpression("SaveTimer$")))
            told += timer->isActive() ? timer->objectName() + " due\n" : "", timer->stop();
        told += QString::fromStdString(TakeTranscript(ui, folder.Path())) + "flags " +
                QString::fromStdString(folder.Read("px31.cfg").substr(150, 5)) + "\n";
    }

    TestFolder folder;
    MainScreenState state = folder.State();
    FakeUi ui;
    QSize shown; // as the window system last showed the window
    MainScreen window{state, ui};
    QStringList seen;
    QString told;
};

} // namespace

class MainScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void story_data()
    {
        QTest::addColumn<QString>("story");
        for (const QString& story : QDir(PANTRIX_TEST_DATA "/app").entryList({"*.txt"}))
            QTest::newRow(qPrintable(story)) << story;
    }

    // Against the golden story, or into it when PANTRIX_UPDATE_GOLDEN is set.
    void story()
    {
        QFETCH(QString, story);
        QFile golden(PANTRIX_TEST_DATA "/app/" + story);
        QVERIFY(golden.open(QIODevice::ReadOnly));
        const QString expected = QString::fromUtf8(golden.readAll());
        golden.close();
        Window s;
        for (const QString& line : expected.split('\n'))
            if (line.startsWith("== ") && !QTest::currentTestFailed())
                s.Step(line.mid(3));
        if (qEnvironmentVariableIsSet("PANTRIX_UPDATE_GOLDEN") && golden.open(QIODevice::WriteOnly))
            golden.write(s.told.toUtf8());
        QCOMPARE(s.told, expected);
    }

    // A window stored out of reach comes back on the screen. Under a window manager
    // the border arrives after the window shows; the window must neither grow by it
    // nor wander at each start, nor be stored maximised.
    void closingStoresTheWindowAndEachNextStartPutsItBack()
    {
        TestFolder folder;
        SettingsRecord settings = DefaultSettings("/");
        settings.WindowTop = "-9999";
        settings.WindowLeft = "99999";
        settings.WindowHeight = "abc";
        folder.Write("px31.cfg", EncodeSettings(settings));
        QString stored;
        for (int start = 0; start < 3; ++start) {
            MainScreenState state = folder.State();
            FakeUi ui;
            MainScreen window(state, ui);
            window.StartUp();
            const QRect placed = window.frameGeometry();
            QVERIFY(window.screen()->availableGeometry().contains(placed.topLeft()));
            QVERIFY(start > 0 || qAbs(placed.height() * window.TwipsPerPixel() - 6465) < 30);
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            (void)QTest::qWaitFor([&] { return window.frameGeometry() != window.geometry(); });
            if (start == 0) {
                window.move(40, 60);
                window.resize(640, 480);
                QTRY_COMPARE(window.frameGeometry().topLeft(), QPoint(40, 60));
            }
            const QRect frame = window.frameGeometry();
            QString expected;
            for (const int px : {frame.y(), frame.x(), frame.height(), frame.width()})
                expected += QStringLiteral("%1 ").arg(std::lround(px * window.TwipsPerPixel()), -4);
            QVERIFY(start == 0 || expected == stored);
            if (start == 1) { // a maximised window keeps the place it had before
                window.showMaximized();
                QTRY_VERIFY(window.frameGeometry() != frame);
            }
            window.close();
            stored = QString::fromStdString(folder.Read("px31.cfg").substr(164, 20));
            QCOMPARE(stored, expected);
        }
    }

    // A window left open keeps an entry added on the disk a moment later, with no close to
    // write it (a program killed then keeps it), and its date panel follows the day.
    void aWindowLeftOpenStoresAnAddedEntryAndFollowsTheDay()
    {
        Workspace w;
        MainScreen window(w.s, w.ui);
        window.StartUp();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        w.ui.AnswerInput("Candles"), window.findChild<QAction*>("mu_OneTimeItem")->trigger();
        QVERIFY(window.findChild<QTimer*>("ListSaveTimer")->remainingTime() > 0); // not at once
        QTRY_VERIFY_WITH_TIMEOUT(w.folder.Exists("My Pantrix.pxl") &&
                                     w.folder.Read("My Pantrix.pxl") == "special\xB0 Candles\r\n",
                                 5000);
        auto* midnight = window.findChild<QTimer*>("MidnightTimer");
        QVERIFY(midnight->isActive() && midnight->remainingTime() <= 86'401'000);
        for (const int day : {15, 16}) { // at midnight, and on waking from a sleep through it
            w.ui.SetToday({2026, 3, day});
            QEvent activated(QEvent::ActivationChange);
            day == 15 ? midnight->start(0) : void(QApplication::sendEvent(&window, &activated));
            QTRY_COMPARE(window.findChild<QLabel*>("sb_date")->text(),
                         QLocale().toString(QDate(2026, 3, day), QLocale::ShortFormat));
        }
        QVERIFY(midnight->isActive()); // for the next midnight too
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    MainScreenTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "main_screen_test.moc"
