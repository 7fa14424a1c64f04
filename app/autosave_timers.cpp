#include "app/autosave_timers.h"

#include "shell/autosave.h"

#include <QTimer>

namespace pantrix {
namespace {

constexpr auto kListDelay = std::chrono::seconds(1);
constexpr auto kTypingPause = std::chrono::seconds(2);
constexpr qint64 kLongestTypingMs = 10'000;

// Named, so that a test can find it and hold it back.
QTimer* MakeTimer(QObject* parent, const char* name, std::chrono::milliseconds delay)
{
    auto* timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setSingleShot(true);
    timer->setInterval(delay);
    return timer;
}

} // namespace

AutosaveTimers::AutosaveTimers(MainScreenState& state, Ui& ui, QObject* parent)
    : QObject(parent), m_state(state), m_ui(ui),
      m_list(MakeTimer(this, "ListSaveTimer", kListDelay)),
      m_text(MakeTimer(this, "RecipeTextSaveTimer", kTypingPause))
{
    connect(m_list, &QTimer::timeout, this, [this] { AutosaveList(m_state, m_ui); });
    connect(m_text, &QTimer::timeout, this, [this] {
        m_textUnsavedSince.invalidate();
        AutosaveRecipeText(m_state, m_ui);
    });
}

void AutosaveTimers::ListMayHaveChanged()
{
    if (!m_list->isActive())
        m_list->start();
}

// Each key starts the pause again, so the disk is not synced between keys; text
// typed for a long while is saved all the same.
void AutosaveTimers::RecipeTextMayHaveChanged()
{
    if (!m_textUnsavedSince.isValid())
        m_textUnsavedSince.start();
    if (!m_text->isActive() || m_textUnsavedSince.elapsed() < kLongestTypingMs)
        m_text->start();
}

} // namespace pantrix
