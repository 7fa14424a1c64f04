#include "app/edit_menu.h"

#include "app/find_window.h"
#include "app/main_screen.h"
#include "app/text_bridge.h"
#include "app/todays_list_model.h"
#include "catalogue/find.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace pantrix {
namespace {

// The text box that has the keys, if it takes typing.
QWidget* TypingBox()
{
    QWidget* focus = QApplication::focusWidget();
    if (auto* box = qobject_cast<QPlainTextEdit*>(focus); box && !box->isReadOnly())
        return box;
    if (auto* line = qobject_cast<QLineEdit*>(focus); line && !line->isReadOnly())
        return line;
    return nullptr;
}

bool BoxCan(QWidget* box, bool undo)
{
    if (auto* text = qobject_cast<QPlainTextEdit*>(box))
        return undo ? text->document()->isUndoAvailable() : text->document()->isRedoAvailable();
    auto* line = qobject_cast<QLineEdit*>(box);
    return undo ? line->isUndoAvailable() : line->isRedoAvailable();
}

void BoxStep(QWidget* box, bool undo)
{
    if (auto* text = qobject_cast<QPlainTextEdit*>(box))
        return undo ? text->undo() : text->redo();
    auto* line = qobject_cast<QLineEdit*>(box);
    undo ? line->undo() : line->redo();
}

// "&" in a step's name is shown, not taken for the key letter.
QString Entry(const char* caption, const Step* step)
{
    QString text = QString::fromLatin1(caption);
    if (step)
        text += QLatin1Char(' ') + FromSeam(step->Name).replace(QLatin1Char('&'), "&&");
    return text;
}

} // namespace

EditMenu::EditMenu(MainScreen& window, MainScreenState& state, Ui& ui, TodaysListModel* list,
                   std::function<void()> render)
    : QObject(&window), m_window(window), m_state(state), m_ui(ui), m_render(std::move(render))
{
    m_menu = new QMenu(QStringLiteral("&Edit"), window.menuBar());
    m_menu->setObjectName(QStringLiteral("mu_Edit"));
    QAction* items = window.menuBar()->findChild<QMenu*>(QStringLiteral("mu_Items"))->menuAction();
    window.menuBar()->insertMenu(items, m_menu);
    m_undo = m_menu->addAction(QString(), this, &EditMenu::mu_Undo_Click);
    m_undo->setObjectName(QStringLiteral("mu_Undo"));
    m_undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    m_redo = m_menu->addAction(QString(), this, &EditMenu::mu_Redo_Click);
    m_redo->setObjectName(QStringLiteral("mu_Redo"));
    m_redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")),
                          QKeySequence(QStringLiteral("Ctrl+Y"))});
    m_menu->addSeparator();
    QAction* find = m_menu->addAction(QStringLiteral("&Find..."), this, &EditMenu::mu_Find_Click);
    find->setObjectName(QStringLiteral("mu_Find"));
    find->setShortcut(QKeySequence(QStringLiteral("Ctrl+F")));
    window.addActions({m_undo, m_redo, find}); // the keys work with the menu closed
    connect(m_menu, &QMenu::aboutToShow, this, &EditMenu::Render);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { FollowTypingBox(now); });
    // A tick has been made by the time the list tells of it.
    connect(list, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& first, const QModelIndex&, const QList<int>& roles) {
                if (roles.contains(Qt::CheckStateRole))
                    m_history.RecordTick(m_state, static_cast<std::size_t>(first.row()));
                Render();
            });
    m_find = new FindWindow(m_state, m_ui, &window);
    connect(m_find, &FindWindow::Chosen, this, &EditMenu::TakeFound);
    Render();
}

void EditMenu::Record(StepKind kind, const std::function<void()>& command)
{
    m_history.Record(m_state, m_ui, kind, command);
    Render();
}

void EditMenu::RunUnrecorded(const std::function<void()>& command)
{
    m_history.RunUnrecorded(command);
    Render();
}

// Undo and Redo in the box that has the keys become possible as its text changes;
// an entry left off would also leave its keys off (Ctrl+Y after an undo). Alt+E
// gives the keys to the menu bar, and the menu it opens is still about the box.
void EditMenu::FollowTypingBox(QWidget* now)
{
    if (qobject_cast<QMenuBar*>(now) || qobject_cast<QMenu*>(now))
        return;
    disconnect(m_boxChanges);
    m_box = TypingBox();
    if (auto* text = qobject_cast<QPlainTextEdit*>(m_box))
        m_boxChanges = connect(text, &QPlainTextEdit::textChanged, this, &EditMenu::Render);
    else if (auto* line = qobject_cast<QLineEdit*>(m_box))
        m_boxChanges = connect(line, &QLineEdit::textChanged, this, &EditMenu::Render);
    Render();
}

// The entries follow what the keys would do: a text box's own steps while one
// has the keys, the program's steps otherwise.
void EditMenu::Render()
{
    if (QWidget* box = m_box) {
        m_undo->setText(QStringLiteral("&Undo"));
        m_redo->setText(QStringLiteral("&Redo"));
        m_undo->setEnabled(BoxCan(box, true));
        m_redo->setEnabled(BoxCan(box, false));
        return;
    }
    m_undo->setText(Entry("&Undo", m_history.NextUndo()));
    m_redo->setText(Entry("&Redo", m_history.NextRedo()));
    m_undo->setEnabled(m_history.NextUndo() != nullptr);
    m_redo->setEnabled(m_history.NextRedo() != nullptr);
}

void EditMenu::mu_Undo_Click()
{
    if (QWidget* box = m_box)
        return BoxStep(box, true);
    m_history.Undo(m_state, m_ui);
    m_render();
    Render();
}

void EditMenu::mu_Redo_Click()
{
    if (QWidget* box = m_box)
        return BoxStep(box, false);
    m_history.Redo(m_state, m_ui);
    m_render();
    Render();
}

void EditMenu::mu_Find_Click()
{
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
    m_find->Begin();
}

// A line item is added as a double-click in the line items adds it; a recipe
// opens in the recipe view.
void EditMenu::TakeFound(const FindHit& hit)
{
    m_window.activateWindow();
    if (hit.What == FindHit::Kind::LineItem) {
        if (PickLineItem(m_state, m_ui, hit))
            m_window.StdList_DblClick();
        m_render();
        return;
    }
    if (m_state.CurrentView != View::Recipes)
        m_window.mu_ShowRecipeCollection_Click();
    const auto& files = m_state.Recipes.Files;
    for (std::size_t row = 0; row < files.size(); ++row)
        if (files[row].File == hit.File)
            return m_window.File1_Click(static_cast<int>(row));
}

} // namespace pantrix
