#pragma once

#include "core/point.h"
#include "core/puzzlesnapshot.h"

#include <QObject>
#include <QPoint>

#include <functional>
#include <optional>

class QUndoStack;

namespace gs {

// Where the editor stood when a step began or ended: the selected field and the scroll bars.
struct EditorPosition
{
    TPoint selection;
    QPoint scroll;
};

// The undo history of the open puzzle. A user action that may change the puzzle runs inside an
// UndoStep; when it leaves the puzzle different, the change becomes one step on the stack.
// Undoing or redoing a step puts the whole puzzle back as it was and hands the editor position
// to the view. Modified follows the stack's clean state: the state last saved or loaded.
class UndoHistory : public QObject
{
    Q_OBJECT
public:
    // position reads where the editor stands; restore shows the puzzle just put back.
    UndoHistory(std::function<EditorPosition()> position,
                std::function<void(const EditorPosition &)> restore,
                QObject *parent = nullptr);
    ~UndoHistory() override;

    QUndoStack *stack() const { return m_stack; }
    // The history of the editor's main window; nullptr while none lives.
    static UndoHistory *active();

    // An empty history that starts from the puzzle as it is now (New, Open, a loaded file).
    void reset();
    // The puzzle as it is now was saved: the clean state.
    void markSaved();

    // Heap bytes of the recorded steps, each part shared between steps counted once.
    size_t bytes() const;

    // A step begins or ends; steps begun inside a running one belong to the outer one.
    void begin(const QString &name);
    void end();
    void pause() { ++m_paused; }
    void resume() { --m_paused; }

private:
    class Step;
    void apply(const PuzzleSnapshot &snapshot, const EditorPosition &position);

    QUndoStack *m_stack;
    std::function<EditorPosition()> m_position;
    std::function<void(const EditorPosition &)> m_restore;
    // The puzzle when the last step was recorded or the history reset: the base to share with.
    PuzzleSnapshot m_current;
    // The puzzle and position where the running step began.
    std::optional<PuzzleSnapshot> m_before;
    EditorPosition m_positionBefore;
    QString m_name;
    int m_depth = 0;
    int m_paused = 0;
    bool m_applying = false;
};

// While it lives, changes outside a running step start no step of their own: the side panel
// showing the selected field stores the field's values back through its handlers.
class UndoPause
{
public:
    UndoPause();
    ~UndoPause();
    UndoPause(const UndoPause &) = delete;
    UndoPause &operator=(const UndoPause &) = delete;

private:
    UndoHistory *m_history;
};

// One user action as one undo step: begins in the constructor, ends in the destructor. Without
// a main window (tests of lower layers, headless runs) it does nothing.
class UndoStep
{
public:
    explicit UndoStep(const QString &name);
    ~UndoStep();
    UndoStep(const UndoStep &) = delete;
    UndoStep &operator=(const UndoStep &) = delete;

private:
    UndoHistory *m_history;
};

} // namespace gs
