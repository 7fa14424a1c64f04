// The Edit menu: Undo and Redo of the history's steps, and Find. Where a text
// box has the keys, Undo and Redo work that box's own history instead.
#pragma once

#include "history/history.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QMenu;

namespace pantrix {

struct FindHit;
class FindWindow;
class MainScreen;
class TodaysListModel;
class Ui;

class EditMenu final : public QObject
{
    Q_OBJECT

public:
    // Puts the menu between File and Items; `render` shows the whole state again.
    EditMenu(MainScreen& window, MainScreenState& state, Ui& ui, TodaysListModel* list,
             std::function<void()> render);

    // Runs a command as one step the user can take back.
    void Record(StepKind kind, const std::function<void()>& command);
    // Runs a command that cannot be taken back; what it changed ends the history.
    void RunUnrecorded(const std::function<void()>& command);

    const History& Steps() const { return m_history; }

public slots:
    void mu_Undo_Click();
    void mu_Redo_Click();
    void mu_Find_Click();

private:
    void FollowTypingBox(QWidget* now);
    void Render();
    void TakeFound(const FindHit& hit);

    MainScreen& m_window;
    MainScreenState& m_state;
    Ui& m_ui;
    std::function<void()> m_render;
    History m_history;
    QMenu* m_menu = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    FindWindow* m_find = nullptr;
    QPointer<QWidget> m_box; // the text box that has the keys, or had them before the menu bar
    QMetaObject::Connection m_boxChanges;
};

} // namespace pantrix
