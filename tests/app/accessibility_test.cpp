// What a screen reader and a keyboard user meet in every window the program
// opens: each control has a name, each menu entry a key, and Tab reaches every
// control in the order the eye reads them. The file dialogs, colour and font
// dialogs are Qt's own and are left to Qt.
#include "app/config_form.h"
#include "app/main_menu.h"
#include "app/main_screen.h"
#include "app/qt_ui.h"
#include "catalogue/catalogue_records.h"
#include "help/help_window.h"
#include "support/data_folder.h"
#include "support/fake_ui.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <functional>

using namespace pantrix;
using pantrix::testing::Categories;
using pantrix::testing::Items;
using pantrix::testing::Workspace;

namespace {

QString Describe(QObject* object)
{
    return QStringLiteral("%1 (%2)").arg(object->objectName(),
                                         QString::fromLatin1(object->metaObject()->className()));
}

// A control a screen reader must be able to name: one that takes the keys, or
// one the user works.
bool MustBeNamed(QAccessibleInterface* control)
{
    static const QList<QAccessible::Role> worked = {
        QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::EditableText, QAccessible::List,     QAccessible::ComboBox,
        QAccessible::SpinBox,      QAccessible::MenuItem, QAccessible::ButtonMenu,
        QAccessible::PageTab,      QAccessible::Table,    QAccessible::Tree};
    return worked.contains(control->role()) || control->state().focusable;
}

void CollectUnnamed(QAccessibleInterface* node, QStringList& unnamed)
{
    if (node->state().invisible)
        return;
    if (MustBeNamed(node) && node->text(QAccessible::Name).trimmed().isEmpty())
        unnamed << (node->object() ? Describe(node->object()) : QStringLiteral("a part")) +
                       QStringLiteral(" role ") + QString::number(node->role());
    // The rows of a list are its data, named by their text.
    const QList<QAccessible::Role> dataHolders = {QAccessible::List, QAccessible::Table,
                                                  QAccessible::Tree};
    if (dataHolders.contains(node->role()))
        return;
    for (int i = 0; i < node->childCount(); ++i)
        CollectUnnamed(node->child(i), unnamed);
}

QStringList Unnamed(QWidget* window)
{
    QStringList unnamed;
    CollectUnnamed(QAccessible::queryAccessibleInterface(window), unnamed);
    return unnamed;
}

// The letter after a single "&"; none for a text without one.
QChar Mnemonic(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

// Every menu and entry has a letter of its own in its menu, or a key; and no
// key is given twice, which Qt would answer by running neither.
QStringList WithoutKeys(QMenuBar* bar)
{
    QStringList missing;
    QList<QKeySequence> keys;
    const auto check = [&](const QList<QAction*>& actions, bool menuTitles) {
        QList<QChar> letters;
        for (QAction* action : actions) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            const QChar letter = Mnemonic(action->text());
            if (letters.contains(letter) && !letter.isNull())
                missing << action->text() + QStringLiteral(": its letter is taken");
            letters << letter;
            if (!action->shortcut().isEmpty() && keys.contains(action->shortcut()))
                missing << action->text() + QStringLiteral(": its key is taken");
            keys << action->shortcut();
            if (letter.isNull() && (menuTitles || action->shortcut().isEmpty()))
                missing << action->text();
        }
    };
    check(bar->actions(), true);
    for (QAction* title : bar->actions())
        if (title->menu())
            check(title->menu()->actions(), false);
    return missing;
}

// The controls Tab visits, once round, from where the focus is. A control that
// moves within itself (links of a page) is counted once.
QList<QWidget*> TabRound(QWidget* window)
{
    QList<QWidget*> round;
    for (int presses = 0; presses < 200; ++presses) {
        QWidget* focus = window->focusWidget();
        if (!focus)
            break;
        if (round.isEmpty() || round.back() != focus) {
            if (round.contains(focus))
                break;
            round << focus;
        }
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return round;
}

QRect OnScreen(const QWidget* widget)
{
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}

// Whether `a` is read before `b`: row by row, by where each box starts, and a
// frame whole where it stands, so the boxes compared are those holding `a` and
// `b` side by side. Starts a few pixels apart count as one row.
bool ReadBefore(QWidget* a, QWidget* b)
{
    QWidget* boxA = a;
    while (boxA->parentWidget() && !boxA->parentWidget()->isAncestorOf(b))
        boxA = boxA->parentWidget();
    QWidget* boxB = b;
    while (boxB->parentWidget() && !boxB->parentWidget()->isAncestorOf(a))
        boxB = boxB->parentWidget();
    const QRect ra = OnScreen(boxA);
    const QRect rb = OnScreen(boxB);
    constexpr int slack = 4;
    if (std::abs(ra.top() - rb.top()) > slack)
        return ra.top() < rb.top();
    return ra.left() + slack < rb.left();
}

// A main-window toolbar button needs no place in the Tab chain when its
// commands are menu entries, which the keyboard reaches.
bool ReachedThroughTheMenus(QWidget* window, const QAbstractButton* button)
{
    if (!qobject_cast<const QToolButton*>(button) || !qobject_cast<QToolBar*>(button->parent()) ||
        !qobject_cast<MainScreen*>(window))
        return false;
    for (const ToolbarButton& entry : ToolbarButtons())
        if (entry.Key && button->objectName() == QLatin1String(entry.Key))
            for (const char* name : {entry.ItemViewEntry, entry.RecipeViewEntry}) {
                auto* action = window->findChild<QAction*>(QString::fromLatin1(name));
                if (!action || Mnemonic(action->text()).isNull())
                    return false;
            }
    return true;
}

// What Tab misses or visits out of reading order.
QStringList TabFaults(QWidget* window)
{
    QList<QWidget*> round = TabRound(window);
    QStringList faults;
    for (QWidget* widget : round) {
        const QWidget* shown = window->childAt(window->mapFromGlobal(OnScreen(widget).center()));
        if (shown != widget && !widget->isAncestorOf(shown))
            faults << Describe(widget) + QStringLiteral(" is reached by Tab under another control");
    }
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const bool takesTab = widget->focusPolicy() & Qt::TabFocus;
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if (!widget->isVisible() || !widget->isEnabled() || round.contains(widget) ||
            widget->focusProxy() || (!takesTab && !button) ||
            (button && ReachedThroughTheMenus(window, button)))
            continue;
        faults << Describe(widget) + QStringLiteral(" is not reached by Tab");
    }
    // The round starts at the control read first.
    const auto first = std::find_if(round.begin(), round.end(), [&](QWidget* w) {
        return std::none_of(round.begin(), round.end(), [&](QWidget* other) {
            return other != w && ReadBefore(other, w);
        });
    });
    if (first == round.end())
        return faults << QStringLiteral("no control is read first");
    std::rotate(round.begin(), first, round.end());
    for (qsizetype i = 0; i < round.size(); ++i)
        for (qsizetype j = i + 1; j < round.size(); ++j)
            if (ReadBefore(round[j], round[i]))
                faults << Describe(round[j]) + QStringLiteral(" is read before ") +
                              Describe(round[i]) + QStringLiteral(" but Tab comes to it later");
    return faults;
}

QStringList Faults(QWidget* window)
{
    QStringList faults = Unnamed(window);
    faults << TabFaults(window);
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        faults << WithoutKeys(bar);
    return faults;
}

// Runs `look` on the next dialog once it shows, then closes it.
void WhenDialogShows(std::function<void(QDialog*)> look)
{
    QTimer::singleShot(0, [look] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            look(dialog);
            dialog->reject();
        } else {
            WhenDialogShows(look);
        }
    });
}

struct Started : Workspace
{
    Started()
    {
        folder.Write("category.lst", Categories({"Dairy"}));
        folder.Write("std_item.lst", Items({{"Dairy", "Milk"}}));
        folder.Write("My Pantrix.pxl", "Dairy\xB0 Milk\r\n");
        folder.Write("Soup.rcp", "");
        folder.Write("Soup.txt", "Boil.\r\n");
        window.StartUp();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            QTest::qFail("the window did not become active", __FILE__, __LINE__);
    }
    void Run(const char* entry)
    {
        window.findChild<QAction*>(QString::fromLatin1(entry))->trigger();
    }

    MainScreen window{s, ui};
};

} // namespace

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void theMainWindowInEachViewAndWithTheItemFrame_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("item view") << QStringList{};
        QTest::newRow("item edit frame") << QStringList{"mu_EditItem"};
        QTest::newRow("recipe view") << QStringList{"mu_ShowRecipeCollection"};
    }

    void theMainWindowInEachViewAndWithTheItemFrame()
    {
        QFETCH(QStringList, entries);
        Started w;
        auto* categories = w.window.findChild<QWidget*>(QStringLiteral("CatList"));
        QTest::keyClick(categories, Qt::Key_Down); // Dairy, and its items
        QTest::keyClick(w.window.findChild<QWidget*>(QStringLiteral("StdList")), Qt::Key_Down);
        for (const QString& entry : entries)
            w.Run(entry.toLatin1().constData());
        const QStringList faults = Faults(&w.window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void theInputAndMessageBoxes()
    {
        QtUi ui;
        QStringList faults;
        const auto look = [&faults](QDialog* dialog) { faults << Faults(dialog); };
        WhenDialogShows(look);
        ui.InputBox("New category name...", "New Category", "Dairy", kNameWidth);
        WhenDialogShows(look);
        ui.ShowMessage({"Save the changes?", "Confirm", MessageIcon::Question,
                        MessageButtons::YesNoCancel, MessageAnswer::No});
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void thePageStyleWindow()
    {
        Workspace w;
        ConfigForm form(w.s, w.ui, nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        const QStringList faults = Faults(&form);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void theHelpViewer()
    {
        HelpArguments arguments;
        arguments.Links = {{QStringLiteral("Pantrix! on the web"),
                            QUrl(QStringLiteral("http://www.quillfield.example/px-in.htm"))}};
        arguments.Size = QSize(kDefaultWidth, kDefaultHeight);
        HelpWindow window(arguments, QUrl());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const QStringList faults = Faults(&window);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
