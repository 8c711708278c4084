#include "editor/undohistory.h"

#include "core/puzzle.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace gs {

namespace {

UndoHistory *activeHistory = nullptr;

// Steps kept; the oldest go first. A step of a small edit costs a few kilobytes, one that
// changes the whole board about 200.
constexpr int stepLimit = 500;

} // namespace

// A recorded change: the puzzle and the editor position before and after it.
class UndoHistory::Step : public QUndoCommand
{
public:
    Step(UndoHistory *history,
         const QString &name,
         PuzzleSnapshot before,
         EditorPosition positionBefore,
         PuzzleSnapshot after,
         EditorPosition positionAfter)
        : QUndoCommand(name)
        , m_history(history)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_positionBefore(positionBefore)
        , m_positionAfter(positionAfter)
    {
    }

    const PuzzleSnapshot &before() const { return m_before; }
    const PuzzleSnapshot &after() const { return m_after; }

    void undo() override { m_history->apply(m_before, m_positionBefore); }

    void redo() override
    {
        // Pushing the step runs redo once; the action itself has made the change already.
        if (m_done)
            m_history->apply(m_after, m_positionAfter);
        m_done = true;
    }

private:
    UndoHistory *m_history;
    PuzzleSnapshot m_before;
    PuzzleSnapshot m_after;
    EditorPosition m_positionBefore;
    EditorPosition m_positionAfter;
    bool m_done = false;
};

UndoHistory::UndoHistory(std::function<EditorPosition()> position,
                         std::function<void(const EditorPosition &)> restore,
                         QObject *parent)
    : QObject(parent)
    , m_stack(new QUndoStack(this))
    , m_position(std::move(position))
    , m_restore(std::move(restore))
    , m_current(PuzzleSnapshot::capture(Puzzle))
{
    m_stack->setUndoLimit(stepLimit);
    connect(m_stack, &QUndoStack::cleanChanged, this, [](bool clean) { Modified = !clean; });
    activeHistory = this;
}

UndoHistory::~UndoHistory()
{
    if (activeHistory == this)
        activeHistory = nullptr;
}

UndoHistory *UndoHistory::active()
{
    return activeHistory;
}

void UndoHistory::reset()
{
    // A partly read file opens modified; emptying the stack must not count it saved.
    const bool modified = Modified;
    m_stack->clear();
    if (modified)
        m_stack->resetClean();
    Modified = modified;
    m_current = PuzzleSnapshot::capture(Puzzle);
    m_before.reset();
    m_depth = 0;
}

void UndoHistory::markSaved()
{
    m_stack->setClean();
}

size_t UndoHistory::bytes() const
{
    size_t total = 0;
    const PuzzleSnapshot *previous = nullptr;
    for (int i = 0; i < m_stack->count(); ++i) {
        const auto *step = static_cast<const Step *>(m_stack->command(i));
        total += sizeof *step + size_t(step->text().capacity()) * sizeof(QChar)
                 + step->before().bytesBeyond(previous)
                 + step->after().bytesBeyond(&step->before());
        previous = &step->after();
    }
    return total;
}

void UndoHistory::begin(const QString &name)
{
    if (m_applying || (m_paused > 0 && m_depth == 0))
        return;
    if (m_depth++ > 0)
        return;
    m_name = name;
    m_before = PuzzleSnapshot::capture(Puzzle, &m_current);
    m_positionBefore = m_position();
}

void UndoHistory::end()
{
    if (m_applying || m_depth == 0 || --m_depth > 0 || !m_before)
        return;
    PuzzleSnapshot before = std::move(*m_before);
    m_before.reset();
    // Taken after before, the snapshot shares exactly the parts that did not change.
    m_current = PuzzleSnapshot::capture(Puzzle, &before);
    if (m_current.sharesAllWith(before))
        return;
    m_stack->push(
            new Step(this, m_name, std::move(before), m_positionBefore, m_current, m_position()));
}

void UndoHistory::apply(const PuzzleSnapshot &snapshot, const EditorPosition &position)
{
    m_applying = true;
    Puzzle = snapshot.puzzle();
    SelectedField = position.selection;
    m_current = snapshot;
    m_restore(position);
    m_applying = false;
}

UndoPause::UndoPause()
    : m_history(UndoHistory::active())
{
    if (m_history)
        m_history->pause();
}

UndoPause::~UndoPause()
{
    if (m_history)
        m_history->resume();
}

UndoStep::UndoStep(const QString &name)
    : m_history(UndoHistory::active())
{
    if (m_history)
        m_history->begin(name);
}

UndoStep::~UndoStep()
{
    if (m_history)
        m_history->end();
}

} // namespace gs
