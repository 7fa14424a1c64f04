// Every window the program opens, as a screen reader and a keyboard user meet it: each control
// named, each menu and entry with a key, Tab reaching every control in reading order. (Qt's own
// file, colour and font dialogs are left to Qt.)
#include "app/config_form.h"
#include "app/find_window.h"
#include "app/main_screen.h"
#include "app/print_preview.h"
#include "app/qr_window.h"
#include "app/qt_ui.h"
#include "help/help_window.h"
#include "support/data_folder.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace pantrix;
using namespace pantrix::testing;

namespace {

// Controls the user works or that take keys must be named; the rows of a list are data, named by
// text.
void FindUnnamed(QAccessibleInterface* node, QString& faults)
{
    using A = QAccessible;
    static const QList<A::Role> worked = {
        A::PushButton, A::CheckBox,   A::RadioButton, A::EditableText, A::ComboBox, A::SpinBox,
        A::MenuItem,   A::ButtonMenu, A::PageTab,     A::List,         A::Table,    A::Tree};
    if (node->state().invisible)
        return;
    if ((worked.contains(node->role()) || node->state().focusable) &&
        node->text(A::Name).trimmed().isEmpty())
        QDebug(&faults) << node->object() << "has no name\n";
    for (int i = 0; worked.indexOf(node->role()) < 9 && i < node->childCount(); ++i)
        FindUnnamed(node->child(i), faults);
}

// Each menu and entry has a letter of its own in its menu, or (an entry) a key of its own: Qt
// runs neither of two entries given one key.
void FindWithoutKeys(QMenuBar* bar, QString& faults)
{
    QList<QKeySequence> keys;
    const auto check = [&](const QList<QAction*>& actions, bool titles) {
        QList<QKeySequence> letters;
        for (QAction* action : actions) {
            const QKeySequence letter = QKeySequence::mnemonic(action->text()),
                               key = action->shortcut();
            if (action->isSeparator() || !action->isVisible())
                continue;
            if ((letter.isEmpty() ? titles || key.isEmpty() : letters.contains(letter)) ||
                (!key.isEmpty() && keys.contains(key)))
                QDebug(&faults) << action->text() << "has no letter or key of its own\n";
            letters << letter;
            keys << key;
        }
    };
    check(bar->actions(), true);
    for (QAction* title : bar->actions())
        if (title->menu())
            check(title->menu()->actions(), false);
}

// Row by row, by where each starts (a few pixels apart count as one row), with a frame read whole
// where it stands: the boxes compared are those holding `a` and `b` side by side.
bool ReadBefore(QWidget* a, QWidget* b)
{
    const auto box = [](QWidget* w, QWidget* other) {
        while (w->parentWidget() && !w->parentWidget()->isAncestorOf(other))
            w = w->parentWidget();
        return QRect(w->mapToGlobal(QPoint()), w->size());
    };
    const QRect ra = box(a, b), rb = box(b, a);
    return std::abs(ra.top() - rb.top()) > 4 ? ra.top() < rb.top() : ra.left() + 4 < rb.left();
}

// Tab once round from the focus (a control moving within itself, as a page's links, counted once)
// reaches every control shown and enabled where it shows, going back up the window only once. The
// main window's toolbar buttons run menu entries, which the keyboard reaches.
void FindTabFaults(QWidget* window, QString& faults)
{
    QList<QWidget*> round;
    for (int presses = 0; presses < 200 && window->focusWidget(); ++presses) {
        QWidget* focus = window->focusWidget();
        if (round.isEmpty() || round.back() != focus) {
            if (round.contains(focus))
                break;
            round << focus;
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const QWidget* shown = window->childAt(widget->mapTo(window, widget->rect().center()));
        if (round.contains(widget) && shown != widget && !widget->isAncestorOf(shown))
            QDebug(&faults) << widget << "is reached by Tab under another control\n";
        if (!round.contains(widget) && widget->isVisible() && widget->isEnabled() &&
            !widget->focusProxy() &&
            (widget->focusPolicy() & Qt::TabFocus || qobject_cast<QAbstractButton*>(widget)) &&
            !(qobject_cast<MainScreen*>(window) && qobject_cast<QToolBar*>(widget->parent())))
            QDebug(&faults) << widget << "is not reached by Tab\n";
    }
    for (qsizetype i = 0, backs = 0; i < round.size(); ++i)
        if (ReadBefore(round[(i + 1) % round.size()], round[i]) && ++backs > 1)
            QDebug(&faults) << round[(i + 1) % round.size()] << "is read before" << round[i]
                            << "but Tab comes to it later\n";
}

// A control left out of its layout lies over another one where the window starts; neighbours
// may share a border line.
void FindOverlaps(QWidget* window, QString& faults)
{
    for (QWidget* a : window->findChildren<QWidget*>())
        for (QWidget* b : a->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (a < b && a->isVisible() && b->isVisible() && !b->isWindow() &&
                a->geometry().marginsRemoved({1, 1, 1, 1}).intersects(b->geometry()))
                QDebug(&faults) << a << "lies over" << b << "\n";
}

QString Faults(QWidget* window)
{
    QString faults;
    FindOverlaps(window, faults);
    FindUnnamed(QAccessible::queryAccessibleInterface(window), faults);
    FindTabFaults(window, faults);
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        FindWithoutKeys(bar, faults);
    return faults;
}

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void everyWindowTheProgramOpens()
    {
        for (const char* entry : {"", "mu_EditItem", "mu_ShowRecipeCollection"}) {
            Workspace w;
            w.folder.Write("category.lst", Categories({"Dairy"}));
            w.folder.Write("std_item.lst", Items({{"Dairy", "Milk"}}));
            w.folder.Write("Soup.rcp", "");
            MainScreen window(w.s, w.ui);
            window.StartUp();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            QTest::keyClick(window.findChild<QWidget*>("CatList"), Qt::Key_Down); // Dairy's items
            QTest::keyClick(window.findChild<QWidget*>("StdList"), Qt::Key_Down);
            if (*entry)
                window.findChild<QAction*>(entry)->trigger();
            QCOMPARE(Faults(&window), QString());
        }

        Workspace w;
        ConfigForm form(w.s, w.ui, nullptr);
        FindWindow find(w.s, w.ui, nullptr);
        HelpWindow help(
            ParseHelpArguments({"-", "-", "Pantrix! on the web", "http://q.example/"}, {}), QUrl());
        QrWindow qr({"1/2\nMy Pantrix", "2/2\n     Milk"}, "My Pantrix", w.ui, nullptr);
        PrintRecording pages;
        pages.Line("My Pantrix");
        PrintPreviewWindow preview(std::move(pages), w.ui, "My Pantrix", nullptr);
        for (QWidget* window : std::initializer_list<QWidget*>{&form, &find, &help, &qr, &preview}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QCOMPARE(Faults(window), QString());
            window->hide(); // a modal window would keep the next one from the keys
        }

        QtUi ui;
        QTimer looker;
        connect(&looker, &QTimer::timeout, [] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                const QString faults = Faults(dialog);
                dialog->reject();
                QCOMPARE(faults, QString());
            }
        });
        looker.start(0);
        ui.InputBox("New category name...", "New Category", "Dairy", 30);
        ui.ShowMessage({"Save the changes?", "Confirm", MessageIcon::Question,
                        MessageButtons::YesNoCancel, MessageAnswer::No});
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
