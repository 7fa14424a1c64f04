// When the background saves run: Today's List a second after it changes, the
// recipe text once typing pauses (and at least every few seconds while it goes
// on). What is saved, and how, the core decides.
#pragma once

#include <QElapsedTimer>
#include <QObject>

class QTimer;

namespace pantrix {

class Ui;
struct MainScreenState;

class AutosaveTimers final : public QObject
{
    Q_OBJECT

public:
    AutosaveTimers(MainScreenState& state, Ui& ui, QObject* parent);

    // Today's List may have changed. A stream of changes does not put the save
    // off: it comes a second after the first unsaved one.
    void ListMayHaveChanged();
    // The recipe text, or which recipe is open, may have changed.
    void RecipeTextMayHaveChanged();

private:
    MainScreenState& m_state;
    Ui& m_ui;
    QTimer* m_list;
    QTimer* m_text;
    QElapsedTimer m_textUnsavedSince;
};

} // namespace pantrix
